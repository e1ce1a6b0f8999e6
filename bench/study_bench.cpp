// The part-load study of the start-up case: the default 10 points, 1000
// points, and 1000 points that each spend all 10000 passes of the iteration.
#include "study/study.h"

#include <benchmark/benchmark.h>

namespace {

struct SilentPlatform : app::Platform {
    void ShowMessageBox(const std::string&, calc::MessageKind) override {}
    void ShowErrorBox(const std::string&) override {}
    std::optional<std::string> RunOpenDialog(const std::string&) override { return std::nullopt; }
    std::optional<std::string> RunSaveDialog(const std::string&) override { return std::nullopt; }
    void ShowReportPreview(const report::Tquickrptpage&) override {}
    void OpenHelpFile(const std::string&) override {}
    void ShowPartLoadStudy() override {}
    void CloseWindow() override {}
};

void RunStudy(benchmark::State& state, const char* etpe, int points, bool everyPointFails)
{
    SilentPlatform platform;
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
