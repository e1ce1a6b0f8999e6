// A weather file read from disk: whole up to the limit, refused one byte past
// it, the bytes unchanged across the reader's chunks.
#include "study/weather.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Pattern(size_t size)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 7 % 251);
    return bytes;
}

TEST(WeatherFile, ReadsUpTo16MiBAndRefusesOneByteMore)
{
    support::ScratchDir dir;
    for (const size_t size : {size_t{0}, size_t{1}, size_t{65535}, size_t{65536}, size_t{65537}, size_t{16777216}}) {
        const std::string bytes = Pattern(size);
        EXPECT_EQ(study::ReadWeatherBytes(dir.Write("w.txt", bytes), true), bytes) << size;
    }
    const std::string path = dir.Write("big.txt", Pattern(16777217));
    for (const auto& [english, message] : {std::pair{true, "The weather file is larger than 16 MiB: "},
                                           std::pair{false, "Vejrfilen er større end 16 MiB: "}}) {
        try {
            study::ReadWeatherBytes(path, english);
            ADD_FAILURE() << "read";
        } catch (const study::WeatherError& e) {
            EXPECT_EQ(e.what(), message + path);
        }
    }
}

}  // namespace
