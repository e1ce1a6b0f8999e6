// The start-up calculation and the slowest actual-state run there is: a
// supply so close to the secondary outlet that all 10000 passes are spent,
// timed beside the same iteration written plainly without a single check.
#include "bench/plain_iteration.h"
#include "model/form1.h"
#include "tests/support/recording_platform.h"

#include <benchmark/benchmark.h>

#include <bit>

namespace {

void StartUpCalculation(benchmark::State& state)
{
    RecordingPlatform platform;
    app::TForm1 form(platform);
    form.FormCreate();
    for (auto _ : state)
        form.Aktuel1Click();
    benchmark::DoNotOptimize(form.Text(app::Field::EUA));
}
BENCHMARK(StartUpCalculation);

void WorstCaseTenThousandPasses(benchmark::State& state)
{
    RecordingPlatform platform;
    app::TForm1 form(platform);
    form.FormCreate();
    form.SetText(app::Field::Etpe, "63.001");
    for (auto _ : state)
        form.Aktuel1Click();
    benchmark::DoNotOptimize(form.Text(app::Field::EUA));
}
BENCHMARK(WorstCaseTenThousandPasses)->Unit(benchmark::kMicrosecond);

// The worst case's inputs after conversion, on the nominal state of the
// start-up texts.
struct WorstCaseInputs {
    double Q = 55, tpe = 63.001, tsa = 30, tse = 63;
    int cp = funktion::MediumWater, cs = funktion::MediumWater;
    calc::NominalState nominal;
    WorstCaseInputs()
    {
        RecordingPlatform platform;
        app::TForm1 form(platform);
        form.FormCreate();
        nominal = form.NominalState();
    }
};

// The checked iteration alone, without the command around it.
void WorstCaseIterationOnly(benchmark::State& state)
{
    const WorstCaseInputs in;
    calc::ActualValues v;
    for (auto _ : state) {
        v = calc::SolveActual(in.Q, in.tpe, in.tsa, in.tse, in.cp, in.cs, in.nominal);
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(WorstCaseIterationOnly)->Unit(benchmark::kMicrosecond);

bool SameBits(const calc::ActualValues& a, const calc::ActualValues& b)
{
    const auto same = [](double x, double y) {
        return std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(y);
    };
    return same(a.tpa, b.tpa) && same(a.AOp, b.AOp) && same(a.AOs, b.AOs) && same(a.Pp, b.Pp) && same(a.Ps, b.Ps) &&
           same(a.Vp, b.Vp) && same(a.Vs, b.Vs) && same(a.m, b.m) && same(a.UA, b.UA) && same(a.filmUA, b.filmUA) &&
           a.passes == b.passes && a.converged == b.converged;
}

// The yardstick. Refuses to run when it is not the same iteration as the
// checked one, that is when any result differs in a single bit.
void PlainIterationTenThousandPasses(benchmark::State& state)
{
    const WorstCaseInputs in;
    const calc::ActualValues checked = calc::SolveActual(in.Q, in.tpe, in.tsa, in.tse, in.cp, in.cs, in.nominal);
    if (checked.passes != calc::kMaxPasses ||
        !SameBits(checked, plain::SolveActual(in.Q, in.tpe, in.tsa, in.tse, in.cp, in.cs, in.nominal))) {
        state.SkipWithError("the plain iteration differs from the checked one");
        return;
    }
    calc::ActualValues v;
    for (auto _ : state) {
        v = plain::SolveActual(in.Q, in.tpe, in.tsa, in.tse, in.cp, in.cs, in.nominal);
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(PlainIterationTenThousandPasses)->Unit(benchmark::kMicrosecond);

}  // namespace
