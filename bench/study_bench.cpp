// The part-load study of the start-up case: the default 10 points, 1000
// points, and 1000 points that each spend all 10000 passes of the iteration.
#include "study/study.h"
#include "tests/support/recording_platform.h"

#include <benchmark/benchmark.h>

namespace {

void RunStudy(benchmark::State& state, const char* etpe, int points, bool everyPointFails)
{
    RecordingPlatform platform;
    app::TForm1 form(platform);
    form.FormCreate();
    form.SetText(app::Field::Etpe, etpe);
    study::Range range = *study::DefaultRange(form);
    range.points = points;
    for (auto _ : state) {
        const study::Study st = study::Run(form, range);
        // A study that stopped early or converged where it should not would
        // time the wrong work.
        for (const study::Point& p : st.points)
            if (p.ok() == everyPointFails || (everyPointFails && p.messages.front() != calc::kNotConverged))
                state.SkipWithError("a point did not end as this benchmark expects");
        if (int(st.points.size()) != points)
            state.SkipWithError("the study did not run every point");
        benchmark::DoNotOptimize(st);
    }
}

void DefaultStudy(benchmark::State& state) { RunStudy(state, "73", study::kDefaultPoints, false); }
BENCHMARK(DefaultStudy)->Unit(benchmark::kMicrosecond);

void ThousandPoints(benchmark::State& state) { RunStudy(state, "73", 1000, false); }
BENCHMARK(ThousandPoints)->Unit(benchmark::kMillisecond);

// Supply 63.001 °C against a secondary outlet of 63 °C: no point converges.
void ThousandPointsOfTenThousandPasses(benchmark::State& state) { RunStudy(state, "63.001", 1000, true); }
BENCHMARK(ThousandPointsOfTenThousandPasses)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
