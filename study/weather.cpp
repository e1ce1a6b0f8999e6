#include "study/weather.h"

#include "study/season.h"
#include "study/season_texts.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>

namespace study {

namespace {

using namespace season_texts;

constexpr double kLowest = -100, kHighest = 100;
constexpr double kEpwMissing = 99.9;
constexpr int kLowestBin = -100, kBinCount = 201;  // every bin a temperature in range can have
constexpr size_t kShownChars = 40;

// The offending text in quotes, cut short, control bytes written as \xNN so
// that a binary file shows as what it is.
std::string Quoted(std::string_view text)
{
    std::string out = "\"";
    const bool cut = text.size() > kShownChars;
    for (unsigned char c : text.substr(0, kShownChars)) {
        if (c < 0x20 || c == 0x7f) {
            constexpr char hex[] = "0123456789ABCDEF";
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + (cut ? "…\"" : "\"");
}

std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// A plain decimal number with "." or "," as decimal mark, optional sign and
// exponent; nothing else on the line.
std::optional<double> Number(std::string_view text)
{
    std::string s(Trimmed(text));
    // from_chars takes no "+": dropped here, but only as the one sign.
    if (s.starts_with("+-"))
        return std::nullopt;
    if (!s.empty() && s.front() == '+')
        s.erase(0, 1);
    std::replace(s.begin(), s.end(), ',', '.');
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::vector<std::string_view> Split(std::string_view line, char separator)
{
    std::vector<std::string_view> fields;
    for (size_t at = 0;;) {
        const size_t next = line.find(separator, at);
        fields.push_back(line.substr(at, next == std::string_view::npos ? std::string_view::npos : next - at));
        if (next == std::string_view::npos)
            return fields;
        at = next + 1;
    }
}

bool StartsWithLocation(std::string_view line)
{
    constexpr std::string_view key = "LOCATION,";
    if (line.size() < key.size())
        return false;
    for (size_t i = 0; i < key.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(line[i])) != key[i])
            return false;
    return true;
}

class Reader {
public:
    explicit Reader(bool english) : english_(english) {}

    [[noreturn]] void Fail(int line, const Pair& what, const std::string& found = {}) const
    {
        throw WeatherError(kLine.In(english_) + std::to_string(line) + ": " + what.In(english_) + found);
    }

    double Temperature(int line, std::string_view text) const
    {
        const auto t = Number(text);
        if (!t || *t < kLowest || *t > kHighest)
            Fail(line, kTemperature, Quoted(Trimmed(text)));
        return *t;
    }

    void Add(int line, double temperature, double hours)
    {
        total_ += hours;
        if (total_ > kMaxHours)
            Fail(line, kTooManyHours);
        if (hours > 0)
            hours_[BinOf(temperature) - kLowestBin] += hours;
    }

    Weather Result(WeatherForm form) const
    {
        Weather w;
        w.form = form;
        w.hoursTotal = total_;
        for (size_t i = 0; i < hours_.size(); ++i)
            if (hours_[i] > 0)
                w.bins.push_back({static_cast<int>(i) + kLowestBin, hours_[i]});
        if (w.bins.empty())
            throw WeatherError(kNoTemperatures.In(english_));
        return w;
    }

    const bool english_;

private:
    // A whole year's bins in one flat array, indexed from the coldest.
    std::array<double, kBinCount> hours_{};
    double total_ = 0;
};

}  // namespace

int BinOf(double temperature) { return static_cast<int>(std::round(temperature)); }

Weather ReadWeather(std::string_view bytes, bool english)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    std::vector<std::string_view> lines = Split(bytes, '\n');
    if (lines.back().empty())  // the end of the last line, not a line of its own
        lines.pop_back();
    const auto firstUsed = std::find_if(lines.begin(), lines.end(), [](auto l) { return !Trimmed(l).empty(); });
    Reader reader(english);
    if (firstUsed == lines.end())
        return reader.Result(WeatherForm::Hourly);

    const std::string_view first = Trimmed(*firstUsed);
    const WeatherForm form = StartsWithLocation(first)              ? WeatherForm::Epw
                             : first.find(';') != std::string::npos ? WeatherForm::Bins
                                                                    : WeatherForm::Hourly;
    const int start = static_cast<int>(firstUsed - lines.begin());
    if (form == WeatherForm::Epw && static_cast<int>(lines.size()) - start <= kEpwHeaderLines)
        reader.Fail(static_cast<int>(lines.size()), kEpwHeader);
    const int skip = form == WeatherForm::Epw ? kEpwHeaderLines : 0;

    for (int i = start + skip; i < static_cast<int>(lines.size()); ++i) {
        const std::string_view line = Trimmed(lines[i]);
        const int number = i + 1;
        if (line.empty())
            continue;
        switch (form) {
        case WeatherForm::Epw: {
            // Only the dry-bulb field is read; a row is scanned no further.
            size_t begin = 0;
            int field = 1;
            for (; field < kEpwDryBulbField; ++field) {
                const size_t comma = line.find(',', begin);
                if (comma == std::string_view::npos)
                    break;
                begin = comma + 1;
            }
            if (field < kEpwDryBulbField)
                reader.Fail(number, kEpwFields, std::to_string(field));
            const double t = reader.Temperature(number, line.substr(begin, line.find(',', begin) - begin));
            reader.Add(number, t, t >= kEpwMissing ? 0 : 1);
            break;
        }
        case WeatherForm::Hourly: reader.Add(number, reader.Temperature(number, line), 1); break;
        case WeatherForm::Bins: {
            const auto fields = Split(line, ';');
            if (fields.size() != 2)
                reader.Fail(number, kBinFields, std::to_string(fields.size()));
            const double t = reader.Temperature(number, fields[0]);
            const auto hours = Number(fields[1]);
            if (!hours || *hours < 0 || *hours > kMaxHours)
                reader.Fail(number, kHours, Quoted(Trimmed(fields[1])));
            reader.Add(number, t, *hours);
            break;
        }
        }
    }
    return reader.Result(form);
}

std::string ReadWeatherBytes(const std::string& path, bool english)
{
    const std::filesystem::path name(std::u8string(path.begin(), path.end()));
    std::ifstream in(name, std::ios::binary);
    // Read as it comes, so that a year of a few hundred KiB costs no more than
    // its size; one byte past the limit is enough to refuse the file.
    std::string bytes, chunk(64 * 1024, '\0');
    while (in && bytes.size() <= kMaxWeatherFileBytes) {
        in.read(chunk.data(),
                static_cast<std::streamsize>(std::min(chunk.size(), kMaxWeatherFileBytes + 1 - bytes.size())));
        bytes.append(chunk.data(), static_cast<size_t>(in.gcount()));
    }
    if (!in && !in.eof())
        throw WeatherError(kCannotRead.In(english) + path);
    if (bytes.size() > kMaxWeatherFileBytes)
        throw WeatherError(kTooBig.In(english) + path);
    return bytes;
}

Weather ReadWeatherFile(const std::string& path, bool english)
{
    return ReadWeather(ReadWeatherBytes(path, english), english);
}

std::vector<SecondaryPoint> ReadSecondaryTable(std::string_view bytes, bool english)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    const Reader reader(english);
    std::vector<SecondaryPoint> points;
    const std::vector<std::string_view> lines = Split(bytes, '\n');
    for (size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i + 1);
        const std::string_view line = Trimmed(lines[i]);
        if (line.empty())
            continue;
        const auto fields = Split(line, ';');
        if (fields.size() != 3)
            reader.Fail(number, kTableFields, std::to_string(fields.size()));
        points.push_back({reader.Temperature(number, fields[0]), reader.Temperature(number, fields[1]),
                          reader.Temperature(number, fields[2])});
    }
    if (points.empty())
        throw WeatherError(kNoTemperatures.In(english));
    return points;
}

}  // namespace study
