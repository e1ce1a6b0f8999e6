// The bytes as a weather file, from memory and from a file on disk, binned and
// held against a plain reading of the three forms (EPW, one temperature a
// line, temperature;hours); then the heating season of the start-up case over
// the bins. The same bytes as a secondary table. A refusal must name a line
// of the file, or be the one whole-file refusal: no temperatures at all.
#include "study/season.h"
#include "study/weather.h"
#include "tests/support/recording_platform.h"
#include "tests/support/scratch_dir.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using study::WeatherForm;

[[noreturn]] void Fail(const char* what, const std::string& detail = {})
{
    std::fprintf(stderr, "fuzz_weather: %s: %s\n", what, detail.c_str());
    std::abort();
}

void Require(bool condition, const char* what, const std::string& detail = {})
{
    if (!condition)
        Fail(what, detail);
}

std::string_view WithoutMark(std::string_view bytes)
{
    return bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
}

std::vector<std::string_view> SplitAt(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    size_t at = 0;
    for (size_t next; (next = text.find(separator, at)) != std::string_view::npos; at = next + 1)
        parts.push_back(text.substr(at, next - at));
    parts.push_back(text.substr(at));
    return parts;
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// Only for texts the reader accepted, so strtod sees a plain decimal.
double Read(std::string_view text)
{
    std::string s(Trim(text));
    for (char& c : s)
        c = c == ',' ? '.' : c;
    return std::strtod(s.c_str(), nullptr);
}

// Halves away from zero, from the whole part and the exact fraction.
int Rounded(double t)
{
    const double whole = std::floor(t), fraction = t - whole;
    return static_cast<int>(whole) + ((t >= 0 ? fraction >= 0.5 : fraction > 0.5) ? 1 : 0);
}

// The weather as the three forms read, without the reader's code.
struct Plain {
    WeatherForm form = WeatherForm::Hourly;
    std::map<int, double> hours;
    double total = 0;
    void Add(double t, double h)
    {
        total += h;
        if (h > 0)
            hours[Rounded(t)] += h;
    }
};

Plain PlainReading(const std::vector<std::string_view>& lines)
{
    Plain p;
    size_t first = 0;
    while (first < lines.size() && Trim(lines[first]).empty())
        ++first;
    if (first == lines.size())
        return p;
    std::string head(Trim(lines[first]).substr(0, 9));
    for (char& c : head)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    p.form = head == "LOCATION,"                                      ? WeatherForm::Epw
             : Trim(lines[first]).find(';') != std::string_view::npos ? WeatherForm::Bins
                                                                      : WeatherForm::Hourly;
    for (size_t i = first + (p.form == WeatherForm::Epw ? 8 : 0); i < lines.size(); ++i) {
        const std::string_view line = Trim(lines[i]);
        if (line.empty())
            continue;
        if (p.form == WeatherForm::Hourly) {
            p.Add(Read(line), 1);
        } else if (p.form == WeatherForm::Epw) {
            const double t = Read(SplitAt(line, ',').at(6));
            p.Add(t, t >= 99.9 ? 0 : 1);
        } else {
            const auto fields = SplitAt(line, ';');
            p.Add(Read(fields.at(0)), Read(fields.at(1)));
        }
    }
    return p;
}

// "Line N: ..." with N a line of the file, or the whole file refused.
void CheckRefusal(const std::string& message, bool english, size_t lineCount)
{
    if (message == (english ? "The weather file holds no temperatures" : "Vejrfilen indeholder ingen temperaturer"))
        return;
    const std::string prefix = english ? "Line " : "Linje ";
    Require(message.starts_with(prefix), "a refusal that names no line", message);
    const size_t colon = message.find(": ", prefix.size());
    const std::string number = message.substr(prefix.size(), colon - prefix.size());
    Require(colon != std::string::npos && !number.empty() && number.size() < 9 &&
                number.find_first_not_of("0123456789") == std::string::npos,
            "a refusal's line is no number", message);
    const size_t line = std::stoul(number);
    Require(line >= 1 && line <= lineCount, "a refusal names a line outside the file", message);
}

void CheckSame(const study::Weather& a, const study::Weather& b)
{
    Require(a.form == b.form && a.hoursTotal == b.hoursTotal && a.bins.size() == b.bins.size(), "two readings differ");
    for (size_t i = 0; i < a.bins.size(); ++i)
        Require(a.bins[i].outdoor == b.bins[i].outdoor && a.bins[i].hours == b.bins[i].hours, "two readings differ");
}

void CheckAccepted(const study::Weather& w, const Plain& plain)
{
    Require(w.form == plain.form, "form", std::to_string(static_cast<int>(w.form)));
    Require(w.hoursTotal == plain.total && w.hoursTotal <= study::kMaxHours, "hours in the file",
            std::to_string(w.hoursTotal) + " vs " + std::to_string(plain.total));
    Require(w.bins.size() == plain.hours.size(), "number of bins");
    double sum = 0;
    auto expected = plain.hours.begin();
    for (const study::TemperatureBin& bin : w.bins) {
        Require(bin.outdoor == expected->first && bin.hours == expected->second, "a bin's hours",
                std::to_string(bin.outdoor) + ": " + std::to_string(bin.hours));
        sum += bin.hours;
        ++expected;
    }
    // Counted rows add up exactly; a bins table's fractions to rounding.
    Require(w.form == WeatherForm::Bins ? std::abs(sum - w.hoursTotal) <= 1e-9 * std::max(1.0, w.hoursTotal)
                                        : sum == w.hoursTotal,
            "the bins do not sum to the hours read");
}

// The start-up window, whose actual state is the season's design point.
const app::TForm1& StartUp()
{
    static const StartedForm started;
    return started.form;
}

void CheckSeason(const study::Weather& w)
{
    const study::SeasonSettings settings;  // -12 °C design, 20 °C indoor, limit 17 °C, n = 1.3
    const study::Season s = study::RunSeason(StartUp(), w, settings);
    Require(s.ok(), "the start-up case's season did not start");
    double below = 0;
    size_t i = 0;
    for (const study::TemperatureBin& bin : w.bins) {
        if (bin.outdoor >= 17)
            continue;
        below += bin.hours;
        Require(i < s.bins.size() && s.bins[i].outdoor == bin.outdoor && s.bins[i].hours == bin.hours,
                "the season's bins are not the file's");
        Require(s.bins[i].ok() || !s.bins[i].messages.empty(), "a failed bin without a message");
        ++i;
    }
    Require(i == s.bins.size(), "the season has bins the file has not");
    const study::SeasonSummary& sum = s.summary;
    Require(sum.hoursBelowLimit == below && sum.hoursTotal == w.hoursTotal, "the summary's hours");
    Require(sum.hoursComputed <= below * (1 + 1e-12), "more hours computed than below the limit");
    Require(
        std::isfinite(sum.heatMWh) && sum.heatMWh >= 0 && std::isfinite(sum.primaryVolume) && sum.primaryVolume >= 0,
        "the summary's sums");
}

// A season over five fixed bins with the table: refused when two points share
// an outdoor temperature, else every bin's secondary temperatures within the
// table's, as interpolation between its points and holding outside them give.
void CheckTableSeason(const std::vector<study::SecondaryPoint>& table)
{
    static const study::Weather weather = study::ReadWeather("-12;50\n-5;300\n0;1000\n10;2000\n16;800\n", true);
    study::SeasonSettings settings;
    settings.secondaryTable = table;
    const study::Season s = study::RunSeason(StartUp(), weather, settings);
    std::set<double> outdoor;
    double lowEtse = 100, highEtse = -100, lowEtsa = 100, highEtsa = -100;
    for (const study::SecondaryPoint& p : table) {
        outdoor.insert(p.outdoor);
        lowEtse = std::min(lowEtse, p.Etse), highEtse = std::max(highEtse, p.Etse);
        lowEtsa = std::min(lowEtsa, p.Etsa), highEtsa = std::max(highEtsa, p.Etsa);
    }
    if (outdoor.size() < table.size()) {
        Require(s.failure == std::vector<std::string>{"To punkter i en kurve har samme udetemperatur"},
                "a table with a repeated outdoor temperature not refused");
        return;
    }
    Require(s.ok() && s.bins.size() == 5, "a season over a table did not run");
    for (const study::SeasonBin& bin : s.bins)
        Require(bin.inputs.Etse >= lowEtse && bin.inputs.Etse <= highEtse && bin.inputs.Etsa >= lowEtsa &&
                    bin.inputs.Etsa <= highEtsa,
                "a bin's secondary temperatures outside the table's", std::to_string(bin.outdoor));
}

void CheckSecondaryTable(std::string_view bytes, size_t lineCount)
{
    size_t used = 0;
    for (std::string_view line : SplitAt(WithoutMark(bytes), '\n'))
        used += Trim(line).empty() ? 0 : 1;
    try {
        const auto points = study::ReadSecondaryTable(bytes, true);
        Require(points.size() == used, "a secondary table lost a line");
        for (const study::SecondaryPoint& p : points)
            Require(std::abs(p.outdoor) <= 100 && std::abs(p.Etse) <= 100 && std::abs(p.Etsa) <= 100,
                    "a secondary table's temperature out of range");
        CheckTableSeason(points);
    } catch (const study::WeatherError& e) {
        CheckRefusal(e.what(), true, lineCount + 1);
    }
}

const support::ScratchDir& Scratch()
{
    static const support::ScratchDir dir;
    return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> lines = SplitAt(WithoutMark(bytes), '\n');
    if (lines.back().empty())
        lines.pop_back();

    const std::string path = Scratch().Write("weather", bytes);
    std::optional<study::Weather> accepted;
    for (const bool english : {false, true}) {
        try {
            const study::Weather w = study::ReadWeather(bytes, english);
            Require(!english || accepted, "accepted in one language only");
            if (!accepted) {
                CheckAccepted(w, PlainReading(lines));
                CheckSame(w, study::ReadWeatherFile(path, english));
                accepted = w;
            }
            CheckSame(w, *accepted);
        } catch (const study::WeatherError& e) {
            Require(!accepted, "refused in one language only");
            CheckRefusal(e.what(), english, lines.size());
            try {
                study::ReadWeatherFile(path, english);
                Fail("the file is accepted, its bytes not");
            } catch (const study::WeatherError& f) {
                Require(std::string(e.what()) == f.what(), "the file is refused otherwise", f.what());
            }
        }
    }
    if (accepted)
        CheckSeason(*accepted);
    CheckSecondaryTable(bytes, lines.size());
    return 0;
}
