#include "calc/actual.h"
#include "calc/nominal.h"
#include "tests/support/recording_sink.h"

#include <gtest/gtest.h>

using calc::MessageKind;

namespace {

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
        {"70", "40", "0", "1", "Floating point division by zero"},
        {"70", "40", "-1", "1", "Invalid floating point operation"},
        {"70", "30", "1", "1", "Invalid floating point operation"},  // temperature cross
        {"66", "35", "1", "1", "Floating point division by zero"},   // ends 1 K and 0 K
        {"70", "40", "1", "1e-320", ""},                             // tiny but positive
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

// A supply 0.001 K above the warm outlet creeps: the limit the window's
// command runs with ends it after exactly 10000 passes, unconverged.
TEST(Actual, CommandsLimitIsTenThousandPasses)
{
    const calc::ActualValues slow = calc::SolveActual(55, 63.001, 30, 63, 1, 1, NominalRun(NominalStart()).state);
    EXPECT_EQ(slow.passes, 10000);
    EXPECT_FALSE(slow.converged);
}

}  // namespace
