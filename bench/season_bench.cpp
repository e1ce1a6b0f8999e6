// The heating season: a year of hourly outdoor temperatures read and binned,
// as a one-column file and as an EPW file, and the whole season (read, bin,
// about 30 bins computed), beside the part-load study's cost of 30 points.
#include "study/season.h"
#include "study/study.h"
#include "tests/support/recording_platform.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

// A Danish-looking year: a yearly swing from about -8 to 24 °C with a daily
// one of ±3 K, one decimal as weather files give it.
double HourTemperature(int hour)
{
    const double pi = 3.14159265358979323846;
    return 8 - 16 * std::cos(2 * pi * (hour - 400) / 8760.0) + 3 * std::sin(2 * pi * (hour % 24 - 9) / 24.0);
}

std::string HourlyYear()
{
    std::string out;
    char line[32];
    for (int h = 0; h < 8760; ++h) {
        std::snprintf(line, sizeof line, "%.1f\n", HourTemperature(h));
        out += line;
    }
    return out;
}

std::string EpwYear()
{
    std::string out = "LOCATION,Synthetic,-,DNK,bench,000000,55.5,10.3,1.0,16.0\r\n";
    for (int i = 2; i <= 8; ++i)
        out += "HEADER,x\r\n";
    char line[200];
    for (int h = 0; h < 8760; ++h) {
        std::snprintf(line, sizeof line,
                      "2001,%d,%d,%d,60,A7A7E8*0?9?9?9?9?9?9?9A7A7A7A7A7A7*0E8*0*0,%.1f,-3.0,86,101100,0,0,300,0,0,0,0,"
                      "0,0,0,200,3.1,8,8,20.0,77777,9,999999999,0,0.0,0,88,0.000,0.0,0.0\r\n",
                      h / 730 + 1, h / 24 % 28 + 1, h % 24 + 1, HourTemperature(h));
        out += line;
    }
    return out;
}

void ReadHourlyYear(benchmark::State& state)
{
    const std::string bytes = HourlyYear();
    for (auto _ : state)
        benchmark::DoNotOptimize(study::ReadWeather(bytes, true));
}
BENCHMARK(ReadHourlyYear)->Unit(benchmark::kMicrosecond);

void ReadEpwYear(benchmark::State& state)
{
    const std::string bytes = EpwYear();
    for (auto _ : state)
        benchmark::DoNotOptimize(study::ReadWeather(bytes, true));
}
BENCHMARK(ReadEpwYear)->Unit(benchmark::kMicrosecond);

// Read, bin and compute: the figure to keep under 5 ms.
void WholeSeason(benchmark::State& state)
{
    RecordingPlatform platform;
    app::TForm1 form(platform);
    form.FormCreate();
    const std::string bytes = EpwYear();
    for (auto _ : state) {
        const study::Season season = study::RunSeason(form, study::ReadWeather(bytes, true), {});
        if (!season.ok() || season.bins.size() < 25 || season.summary.hoursComputed <= 0)
            state.SkipWithError("the season did not compute its bins");
        state.counters["bins"] = static_cast<double>(season.bins.size());
        benchmark::DoNotOptimize(season);
    }
}
BENCHMARK(WholeSeason)->Unit(benchmark::kMillisecond);

// The same number of points through the part-load study, for the cost per point.
void PartLoadThirtyPoints(benchmark::State& state)
{
    RecordingPlatform platform;
    app::TForm1 form(platform);
    form.FormCreate();
    study::Range range = *study::DefaultRange(form);
    range.points = 30;
    for (auto _ : state)
        benchmark::DoNotOptimize(study::Run(form, range));
}
BENCHMARK(PartLoadThirtyPoints)->Unit(benchmark::kMillisecond);

}  // namespace
