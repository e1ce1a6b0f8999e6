// Start-up of Tervol against the least Qt Widgets program (minimal_window):
// time from process start until its window is on a real X screen, and the
// peak resident memory by then.
//
// The X server is $DISPLAY when that can be reached, otherwise a private
// Xvfb started for this run. A launch counts as
//   mapped  - the server has mapped the program's top-level window;
//   painted - the program has drawn into it for the first time (DAMAGE
//             extension), which is when a person sees the window;
// "shown" is painted where the server has DAMAGE, mapped otherwise.
#include "bench/x_display.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace startup;

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Samples {
    std::vector<double> mapped, painted, shown, peak;
    void Add(const Launch& l)
    {
        mapped.push_back(l.mapped_ms);
        if (l.painted_ms)
            painted.push_back(*l.painted_ms);
        shown.push_back(l.shown_ms());
        peak.push_back(l.peak_mib);
    }
};

// A first, unmeasured launch puts the program and its libraries in the page
// cache, so every measured one is a warm start.
bool Prepare(benchmark::State& state, const std::vector<std::string>& programs)
{
    XDisplay& display = XDisplay::Instance();
    if (!display.Error().empty()) {
        state.SkipWithError(display.Error().c_str());
        return false;
    }
    for (const std::string& program : programs) {
        std::string error;
        if (!display.Run(program, error)) {
            state.SkipWithError(error.c_str());
            return false;
        }
    }
    return true;
}

void WindowShown(benchmark::State& state, const std::string& program)
{
    if (!Prepare(state, {program}))
        return;
    Samples samples;
    for (auto _ : state) {
        std::string error;
        const std::optional<Launch> launch = XDisplay::Instance().Run(program, error);
        if (!launch) {
            state.SkipWithError(error.c_str());
            break;
        }
        state.SetIterationTime(launch->shown_ms() / 1000);
        samples.Add(*launch);
    }
    state.counters["mapped_ms"] = Median(samples.mapped);
    if (!samples.painted.empty())
        state.counters["painted_ms"] = Median(samples.painted);
    state.counters["VmHWM_MiB"] = Median(samples.peak);
}

// Both programs in turn, first one then the other, so that any drift of the
// machine during the run touches both alike; the counters are medians.
void TervolAgainstMinimal(benchmark::State& state)
{
    const std::string tervol = TERVOL_PROGRAM;
    const std::string minimal = MINIMAL_WINDOW_PROGRAM;
    if (!Prepare(state, {minimal, tervol}))
        return;
    Samples t, m;
    bool tervol_first = false;
    for (auto _ : state) {
        std::optional<Launch> launches[2];
        std::string error;
        const std::string* order[2] = {&minimal, &tervol};
        if (tervol_first)
            std::swap(order[0], order[1]);
        for (int i = 0; i < 2 && error.empty(); ++i)
            launches[i] = XDisplay::Instance().Run(*order[i], error);
        if (!error.empty()) {
            state.SkipWithError(error.c_str());
            break;
        }
        const Launch& lt = *launches[tervol_first ? 0 : 1];
        const Launch& lm = *launches[tervol_first ? 1 : 0];
        state.SetIterationTime(lt.shown_ms() / 1000);
        t.Add(lt);
        m.Add(lm);
        tervol_first = !tervol_first;
    }
    if (t.shown.empty())
        return;
    state.counters["tervol_ms"] = Median(t.shown);
    state.counters["minimal_ms"] = Median(m.shown);
    state.counters["ratio"] = Median(t.shown) / Median(m.shown);
    state.counters["ratio_mapped"] = Median(t.mapped) / Median(m.mapped);
    state.counters["tervol_VmHWM_MiB"] = Median(t.peak);
    state.counters["minimal_VmHWM_MiB"] = Median(m.peak);
    state.counters["VmHWM_ratio"] = Median(t.peak) / Median(m.peak);
}

}  // namespace

BENCHMARK_CAPTURE(WindowShown, minimal_window, std::string(MINIMAL_WINDOW_PROGRAM))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(WindowShown, minimal_edit_window, std::string(MINIMAL_EDIT_WINDOW_PROGRAM))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(WindowShown, tervol, std::string(TERVOL_PROGRAM))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK(TervolAgainstMinimal)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
