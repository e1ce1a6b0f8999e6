// Outdoor temperatures of a year for the heating season, grouped into 1 K
// bins. Three forms are read: an EnergyPlus weather file (.epw), a text file
// with one temperature per line, and a bins table "temperature;hours".
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace study {

enum class WeatherForm { Epw, Hourly, Bins };

// The hours of one whole-degree outdoor temperature.
struct TemperatureBin {
    int outdoor = 0;  // °C
    double hours = 0;
};

struct Weather {
    WeatherForm form = WeatherForm::Hourly;
    std::vector<TemperatureBin> bins;  // ascending outdoor temperature, none empty
    double hoursTotal = 0;             // every hour the file gives
};

// A file that is none of the three forms, or a line that does not fit its
// form. The text names the line (from 1) and what was expected, in the
// language asked for.
class WeatherError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr int kEpwHeaderLines = 8;
inline constexpr int kEpwDryBulbField = 7;  // from 1
// The hours of a leap year: no file may hold more.
inline constexpr double kMaxHours = 8784;
// Real weather files are a few MiB at most; anything bigger is refused unread.
inline constexpr std::size_t kMaxWeatherFileBytes = 16 * 1024 * 1024;

// The bin of an hour: the temperature rounded to the nearest whole degree,
// halves away from zero.
int BinOf(double temperature);

// Which form: a first line starting with "LOCATION," is an EPW file, a first
// line holding ";" a bins table, anything else one temperature per line. Empty
// lines are skipped; CR LF and a UTF-8 byte-order mark are taken. Decimal
// marks may be "." or "," (not in EPW, whose fields are comma-separated). An
// EPW dry-bulb value of 99.9 or more is its mark for a missing hour and is
// left out. `english` chooses the language of the error.
Weather ReadWeather(std::string_view bytes, bool english);

// The bytes of the file at the UTF-8 path, at most kMaxWeatherFileBytes.
std::string ReadWeatherBytes(const std::string& path, bool english);
// The file at the UTF-8 path, read whole and then as ReadWeather reads bytes.
Weather ReadWeatherFile(const std::string& path, bool english);

}  // namespace study
