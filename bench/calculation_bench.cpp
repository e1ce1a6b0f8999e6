// The start-up calculation and the slowest actual-state run there is: a
// supply so close to the secondary outlet that all 10000 passes are spent.
#include "app/form1.h"

#include <benchmark/benchmark.h>

namespace {

// Answers every request with nothing, as fast as it can.
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

void StartUpCalculation(benchmark::State& state)
{
    SilentPlatform platform;
    app::TForm1 form(platform);
    form.FormCreate();
    for (auto _ : state)
        form.Aktuel1Click();
    benchmark::DoNotOptimize(form.Text(app::Field::EUA));
}
BENCHMARK(StartUpCalculation);

void WorstCaseTenThousandPasses(benchmark::State& state)
{
    SilentPlatform platform;
    app::TForm1 form(platform);
    form.FormCreate();
    form.SetText(app::Field::Etpe, "63.001");
    for (auto _ : state)
        form.Aktuel1Click();
    benchmark::DoNotOptimize(form.Text(app::Field::EUA));
}
BENCHMARK(WorstCaseTenThousandPasses)->Unit(benchmark::kMicrosecond);

}  // namespace
