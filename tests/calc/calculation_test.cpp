// The nominal and actual calculations: limits, which fault comes first, and
// the exact doubles. Expected doubles are hexadecimal so a changed last bit fails.
#include "calc/actual.h"
#include "calc/funktion.h"
#include "calc/nominal.h"
#include "tests/support/recording_sink.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>

using calc::MessageKind;

namespace {

constexpr const char* kDivisionByZero = "Floating point division by zero";
constexpr const char* kInvalid = "Invalid floating point operation";
constexpr const char* kOverflow = "Floating point overflow";

// The start texts; the captions only name the rows in the order messages,
// whose texts the window's message test has.
calc::NominalInput NominalStart() { return {"55", "70", "40", "35", "65", "1", "1", 0, 0, "a", "b", "c", "d"}; }

struct NominalRun {
    RecordingSink sink;
    calc::NominalState state;
    std::optional<calc::NominalResult> result;
    std::string fault;
    explicit NominalRun(const calc::NominalInput& in)
    {
        fault = FaultText([&] { result = calc::BeregnNominel(in, state, {"DK", {".", ","}, sink}); });
    }
};

// The limits' and the order checks' texts, and the runs they stop, are the
// window's message test's; here the limits' edges and ties.
TEST(Nominal, LimitsAndOrderChecksStopAfterAllTheirCalls)
{
    using Kinds = std::vector<MessageKind>;
    const std::tuple<const char*, const char*, const char*, const char*, int, Kinds> cases[] = {
        {"100", "40", "35", "65", 1, {}},
        {"100.5", "40", "35", "65", 1, {MessageKind::Information}},
        {"150", "40", "35", "65", 0, {}},
        {"180", "40", "35", "65", 0, {}},
        {"500", "40", "35", "65", -1, {}},  // no medium selected: no limit
        {"70", "70", "35", "65", 0, {MessageKind::Error}},
        {"40", "70", "65", "35", 0, {MessageKind::Error, MessageKind::Error}},
    };
    for (const auto& [tpe, tpa, tsa, tse, primary, boxes] : cases) {
        calc::NominalInput in = NominalStart();
        in.Etpe_nom = tpe, in.Etpa_nom = tpa, in.Etsa_nom = tsa, in.Etse_nom = tse, in.primeryPosition = primary;
        const NominalRun run(in);
        Kinds kinds;
        for (const auto& box : run.sink.boxes)
            kinds.push_back(box.first);
        EXPECT_EQ(kinds, boxes) << tpe << "/" << tpa;
        EXPECT_EQ(run.result.has_value(), boxes.empty()) << tpe;
        EXPECT_EQ(run.state.UA_nom == 0.0, !boxes.empty()) << tpe;  // nothing derived after a stop
    }
}

TEST(Nominal, ArithmeticFaultsKeepWhatWasStoredBeforeThem)
{
    const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] = {
        {"70", "40", "0", "1", kDivisionByZero}, {"70", "40", "-1", "1", kInvalid},
        {"70", "30", "1", "1", kInvalid},         // temperature cross
        {"66", "35", "1", "1", kDivisionByZero},  // ends 1 K and 0 K
        {"70", "40", "1", "1e-320", ""},          // tiny but positive
    };
    for (const auto& [tpe, tpa, pp, ps, fault] : cases) {
        calc::NominalInput in = NominalStart();
        in.Etpe_nom = tpe, in.Etpa_nom = tpa, in.EPp_nom = pp, in.EPs_nom = ps;
        EXPECT_EQ(NominalRun(in).fault, fault) << tpe << "/" << tpa << " " << pp << "/" << ps;
    }
    calc::NominalInput in = NominalStart();
    in.EPs_nom = "0";
    const NominalRun run(in);
    EXPECT_EQ(run.state.UA_nom, 11.0);   // formed before the fault
    EXPECT_EQ(run.state.Kv_s_nom, 0.0);  // the fault's own value
}

// Nominal states: from the start texts, or as a run with other texts left it.
enum class Nominal { Water, Glycol, ZeroHeat, TightEnds, PrimaryLossZero, SecondaryLossZero };

calc::NominalState NominalFrom(Nominal which)
{
    calc::NominalInput in = NominalStart();
    switch (which) {
    case Nominal::Water: break;
    case Nominal::Glycol: in.primeryPosition = in.sekunderyPosition = 1; break;
    case Nominal::ZeroHeat: in.EQ_nom = "0"; break;
    case Nominal::TightEnds: in.Etsa_nom = "39.99", in.Etse_nom = "69.99"; break;
    // The run faults at the flow coefficient; what it stored before stays.
    case Nominal::PrimaryLossZero: in.EPp_nom = "0"; break;
    case Nominal::SecondaryLossZero: in.EPs_nom = "0"; break;
    }
    return NominalRun(in).state;
}

struct Inputs {
    double Q, tpe, tsa, tse;
    int cp, cs;
    Nominal nominal;
};

calc::ActualValues Solve(const Inputs& in)
{
    return calc::SolveActual(in.Q, in.tpe, in.tsa, in.tse, in.cp, in.cs, NominalFrom(in.nominal));
}

TEST(Iteration, FirstFaultWins)
{
    const struct {
        const char* what;
        Inputs in;
        const char* fault;
    } cases[] = {
        // Before the first pass.
        {"nominal film term at heat 0, not the loop's 0/0", {0, 73, 30, 63, 1, 1, Nominal::ZeroHeat}, kDivisionByZero},
        {"secondary capacity rate", {5e307, 1e77, 72.9, 73, 1, 2, Nominal::Water}, kOverflow},
        // The first pass.
        {"capacity ratio 0/0 before the film terms' ln 0", {0, 73, 30, 63, 1, 1, Nominal::Water}, kInvalid},
        {"ln of a negative primary rate", {-55, 73, 30, 63, 1, 1, Nominal::Water}, kInvalid},
        {"supply equal to the cold inlet", {55, 30, 30, 63, 1, 1, Nominal::Water}, kDivisionByZero},
        {"primary film term before secondary ln < 0", {1e-100, 1e80, 63, 30, 1, 2, Nominal::Water}, kOverflow},
        {"secondary viscosity of the mixture", {55, 73, -70000, 63, 1, 2, Nominal::Water}, kOverflow},
        // Its reciprocal, the film term, would quietly come out 0.
        {"primary film product", {1e240, 1e75, 1, 2, 1, 1, Nominal::Water}, kOverflow},
        // A supply below the warm outlet makes R > 1; R·e overflows, and the
        // effectiveness would quietly come out 0.
        {"effectiveness denominator", {55, 55.305, 30, 63, 1, 2, Nominal::TightEnds}, kOverflow},
        // Later passes.
        {"1st pass lands on the supply, 2nd divides by 0", {1e300, 73, 30, 63, 1, 1, Nominal::Water}, kDivisionByZero},
        {"effectiveness exponent, 4th pass", {1e100, 30.5, -1e20, -1e5, 1, 1, Nominal::Water}, kOverflow},
        // After the loop.
        {"mean difference ln 1 = 0: return at cold inlet", {55, 73, 10, 72, 1, 1, Nominal::TightEnds}, kDivisionByZero},
        {"mean difference, ends of opposite sign", {55, 60, 30, 63, 1, 1, Nominal::PrimaryLossZero}, kInvalid},
        {"primary pressure loss", {55, 73, 30, 63, 1, 1, Nominal::PrimaryLossZero}, kDivisionByZero},
        {"secondary pressure loss", {55, 73, 30, 63, 1, 1, Nominal::SecondaryLossZero}, kDivisionByZero},
        {"pressure loss after 10000 passes", {55, 63.001, 30, 63, 1, 1, Nominal::PrimaryLossZero}, kDivisionByZero},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FaultText([&] { Solve(c.in); }), c.fault) << c.what;
    // Ends of opposite sign whose difference overflows: the logarithm's fault.
    EXPECT_EQ(FaultText([] { funktion::LogMeanTempDiff(1e308, -1e308, 0, 0); }), kInvalid);
}

// A supply 0.001 K above the warm outlet creeps: the limit the command runs
// with ends it after exactly 10000 passes, unconverged.
TEST(Iteration, ResultsToTheLastBit)
{
    using V = std::array<double, 10>;  // tpa, AOp, AOs, Pp, Ps, Vp, Vs, m, UA, filmUA
    const struct {
        const char* what;
        Inputs in;
        int passes;
        V expected;
    } cases[] = {
        {"start texts",
         {55, 73, 30, 63, 1, 1, Nominal::Water},
         12,
         {0x1.07a3d0a7e4c69p+5, 0x1.405c2f581b397p+5, 0x1.08p+5, 0x1.1ee5779fb6cbp-1, 0x1.a5fde0c0a00ffp-1,
          0x1.32f47c35e0c59p+0, 0x1.738bfcaa85868p+0, 0x1.71d9a0d65f99bp+2, 0x1.308e4992288cfp+3,
          0x1.308e442bf01c3p+3}},
        {"glycol on all four lists",
         {55, 73, 30, 63, 2, 2, Nominal::Glycol},
         12,
         {0x1.07c8924d223e8p+5, 0x1.40376db2ddc18p+5, 0x1.08p+5, 0x1.2015d9af94561p-1, 0x1.a88f389b0db71p-1,
          0x1.5066d483943d2p+0, 0x1.9941783a6df28p+0, 0x1.72bfda1e33bcbp+2, 0x1.2fd12af43b03p+3, 0x1.2fd125a3b110ap+3}},
        {"supply 63.001",
         {55, 63.001, 30, 63, 1, 1, Nominal::Water},
         10000,
         {0x1.e5490c3edf8dbp+5, 0x1.2b9000adad08p+1, 0x1.08p+5, 0x1.4a6e1a456f688p+7, 0x1.a5fde0c0a00ffp-1,
          0x1.496beb41f4687p+4, 0x1.738bfcaa85868p+0, 0x1.7be137f6505d3p+1, 0x1.2883ceeabd759p+4,
          0x1.1107609dc458ep+4}},
        {"capacity ratio exactly 1 in the first pass",
         {55, 63, 30, 63, 1, 1, Nominal::Water},
         10000,
         {0x1.e8129a345b1cp+5, 0x1.fdacb9749c8p+0, 0x1.08p+5, 0x1.c8a7e95ddae9dp+7, 0x1.a5fde0c0a00ffp-1,
          0x1.8343803ce4c67p+4, 0x1.738bfcaa85868p+0, 0x1.20efe03ef99dp+3, 0x1.85d7be4ecdd0dp+2, 0x1.14e9f22f565e5p+4}},
    };
    const char* names[] = {"tpa", "AOp", "AOs", "Pp", "Ps", "Vp", "Vs", "m", "UA", "filmUA"};
    for (const auto& c : cases) {
        const calc::ActualValues v = Solve(c.in);
        EXPECT_EQ(v.passes, c.passes) << c.what;
        EXPECT_EQ(v.converged, c.passes < 10000) << c.what;
        const V got{v.tpa, v.AOp, v.AOs, v.Pp, v.Ps, v.Vp, v.Vs, v.m, v.UA, v.filmUA};
        for (std::size_t i = 0; i < got.size(); ++i)
            EXPECT_EQ(std::bit_cast<std::uint64_t>(got[i]), std::bit_cast<std::uint64_t>(c.expected[i]))
                << c.what << ": " << names[i] << " " << std::hexfloat << got[i];
    }
}

// The command: conversions first, then the iteration's fault or message.
TEST(Iteration, CommandStopsAtItsFirstFailure)
{
    using Boxes = std::vector<std::pair<MessageKind, std::string>>;
    const std::tuple<const char*, const char*, const char*, const char*, Boxes> cases[] = {
        {"abc", "73", "63", "'abc' is not a valid floating point value", {}},
        {"0", "73", "6x", "'6x' is not a valid floating point value", {}},
        {".", "73", "63", kInvalid, {}},
        {"1e300", "73", "63", kDivisionByZero, {}},
        {"55", "63.001", "63", "", {{MessageKind::Plain, "Iterration konvergerer ikke !"}}},
    };
    for (const auto& [EQ, Etpe, Etse, fault, boxes] : cases) {
        RecordingSink sink;
        std::optional<calc::ActualResult> result;
        EXPECT_EQ(FaultText([&] {
                      result = calc::BeregnAktuel({EQ, Etpe, "30", Etse, 0, 0, "a", "b", "c"},
                                                  NominalFrom(Nominal::Water), {"DK", {".", ","}, sink});
                  }),
                  fault)
            << EQ << " " << Etse;
        EXPECT_EQ(sink.boxes, boxes) << EQ;
        EXPECT_FALSE(result) << EQ;
    }
}

}  // namespace
