// A weather file read from disk: whole up to the limit, refused one byte past
// it, the bytes unchanged across the reader's chunks; its numbers with one
// sign at most.
#include "study/season.h"
#include "study/weather.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

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

// One sign at most: "+-0.5" is no temperature, though "+5" and "-0,5" are.
TEST(WeatherFile, RefusesANumberWithTwoSigns)
{
    const std::tuple<std::string, bool, std::string> refused[] = {
        {"1\n+-0.5\n", true, "Line 2: expected a temperature in °C between -100 and 100, found \"+-0.5\""},
        {"1\n+-0.5\n", false, "Linje 2: forventede en temperatur i °C mellem -100 og 100, fandt \"+-0.5\""},
        {"0;10\n1;+-5\n", true, "Line 2: expected a number of hours between 0 and 8784, found \"+-5\""},
    };
    for (const auto& [bytes, english, message] : refused) {
        try {
            study::ReadWeather(bytes, english);
            ADD_FAILURE() << bytes;
        } catch (const study::WeatherError& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
    try {
        study::ReadSecondaryTable("+-1;50;30\n", true);
        ADD_FAILURE() << "table read";
    } catch (const study::WeatherError& e) {
        EXPECT_STREQ(e.what(), "Line 1: expected a temperature in °C between -100 and 100, found \"+-1\"");
    }
    const study::Weather w = study::ReadWeather("+5\n-0,5\n", true);
    ASSERT_EQ(w.bins.size(), 2u);
    EXPECT_EQ(w.bins[0].outdoor, -1);
    EXPECT_EQ(w.bins[1].outdoor, 5);
    EXPECT_EQ(w.hoursTotal, 2);
}

}  // namespace
