#include "calc/actual.h"
#include "calc/nominal.h"
#include "tests/support/recording_sink.h"

#include <gtest/gtest.h>

using calc::MessageKind;

namespace {

// The start texts and the captions as the window is created.
calc::NominalInput NominalStart(int medium = 0)
{
    return {"55",
            "70",
            "40",
            "35",
            "65",
            "1",
            "1",
            medium,
            medium,
            "Primær temp. frem [°C]",
            "Primær temp. retur [°C]",
            "Kold sekundær ind [°C] ",
            "Varm sekundær ud [°C] "};
}

calc::ActualInput ActualStart(int medium = 0)
{
    return {"55",
            "73",
            "30",
            "63",
            medium,
            medium,
            "Primær temp. frem [°C]",
            "Varm sekundær ud [°C]",
            "Kold sekundær ind [°C] "};
}

struct NominalRun {
    RecordingSink sink;
    calc::NominalState state;
    std::optional<calc::NominalResult> result;
    std::string fault;
    explicit NominalRun(const calc::NominalInput& in, calc::NumberFormat format = {".", ","})
    {
        fault = FaultText([&] { result = calc::BeregnNominel(in, state, {"DK", format, sink}); });
    }
};

struct ActualRun {
    RecordingSink sink;
    std::optional<calc::ActualResult> result;
    std::string fault;
    explicit ActualRun(const calc::ActualInput& in, int nominalMedium = 0)
    {
        const calc::NominalState nominal = NominalRun(NominalStart(nominalMedium)).state;
        fault = FaultText([&] { result = calc::BeregnAktuel(in, nominal, {"DK", {".", ","}, sink}); });
    }
};

TEST(Nominal, StartTextsInBothLocales)
{
    EXPECT_EQ(NominalRun(NominalStart()).result,
              (calc::NominalResult{"30.0", "30.0", "1.602", "1.599", "5.00", "11.00"}));
    EXPECT_EQ(NominalRun(NominalStart(), {",", "."}).result,
              (calc::NominalResult{"30,0", "30,0", "1,602", "1,599", "5,00", "11,00"}));
}

// The texts of these boxes are the window's message table's concern.
TEST(Nominal, LimitsAndOrderChecksStopAfterAllTheirCalls)
{
    const struct {
        const char *tpe, *tpa, *tsa, *tse;
        int primary;
        std::vector<MessageKind> boxes;
    } cases[] = {
        {"100", "40", "35", "65", 1, {}},
        {"100.5", "40", "35", "65", 1, {MessageKind::Information}},
        {"150", "40", "35", "65", 0, {}},
        {"180", "40", "35", "65", 0, {}},
        {"180.5", "40", "35", "65", 0, {MessageKind::Information}},
        {"500", "40", "35", "65", -1, {}},  // no medium selected: no limit
        {"70", "70", "35", "65", 0, {MessageKind::Error}},
        {"40", "70", "65", "50", 0, {MessageKind::Error, MessageKind::Error, MessageKind::Error}},
        {"40", "70", "65", "35", 0, {MessageKind::Error, MessageKind::Error}},
    };
    for (const auto& c : cases) {
        calc::NominalInput in = NominalStart();
        in.Etpe_nom = c.tpe, in.Etpa_nom = c.tpa, in.Etsa_nom = c.tsa, in.Etse_nom = c.tse;
        in.primeryPosition = c.primary;
        const NominalRun run(in);
        std::vector<MessageKind> kinds;
        for (const auto& box : run.sink.boxes)
            kinds.push_back(box.first);
        EXPECT_EQ(kinds, c.boxes) << c.tpe << "/" << c.tpa;
        EXPECT_EQ(run.result.has_value(), c.boxes.empty()) << c.tpe;
        if (!c.boxes.empty()) {
            EXPECT_EQ(run.state.UA_nom, 0.0) << c.tpe;  // nothing derived after a stop
        }
    }
}

TEST(Nominal, ArithmeticFaultsKeepWhatWasStoredBeforeThem)
{
    const struct {
        const char *tpe, *tpa, *pp, *ps, *fault;
    } cases[] = {
        {"70", "40", "0", "1", "Floating point division by zero"},
        {"70", "40", ".", "1", "Floating point division by zero"},
        {"70", "40", "-1", "1", "Invalid floating point operation"},
        {"70", "30", "1", "1", "Invalid floating point operation"},  // temperature cross
        {"66", "35", "1", "1", "Floating point division by zero"},   // ends 1 K and 0 K
        {"70", "40", "1", "1e-320", ""},                             // tiny but positive
    };
    for (const auto& c : cases) {
        calc::NominalInput in = NominalStart();
        in.Etpe_nom = c.tpe, in.Etpa_nom = c.tpa, in.EPp_nom = c.pp, in.EPs_nom = c.ps;
        EXPECT_EQ(NominalRun(in).fault, c.fault) << c.tpe << "/" << c.tpa << " " << c.pp << "/" << c.ps;
    }
    calc::NominalInput in = NominalStart();
    in.EPs_nom = "0";
    const NominalRun run(in);
    EXPECT_EQ(run.state.UA_nom, 11.0);   // formed before the fault
    EXPECT_EQ(run.state.Kv_s_nom, 0.0);  // the fault's own value
}

TEST(Actual, WorkedCases)
{
    const struct {
        const char *EQ, *Etpe;
        int medium, actualPrimary;
        calc::ActualResultTexts expected;
    } cases[] = {
        {"55", "73", 0, 0, {"33.0", "40.0", "33.0", "0.560", "0.824", "1.199", "1.451", "5.78", "9.52"}},
        {"100", "73", 0, 0, {"34.7", "38.3", "33.0", "2.023", "2.725", "2.278", "2.639", "7.00", "14.29"}},
        {"55", "73", 1, 1, {"33.0", "40.0", "33.0", "0.563", "0.829", "1.314", "1.599", "5.79", "9.49"}},
        {"55", "63.1", 0, 0, {"51.9", "11.2", "33.0", "7.209", "0.824", "4.301", "1.451", "4.05", "13.59"}},
        // Film terms from the actual lists, flow coefficients from the nominal ones.
        {"55", "73", 0, 1, {"33.1", "39.9", "33.0", "0.677", "0.824", "1.318", "1.451", "5.89", "9.34"}},
    };
    for (const auto& c : cases) {
        calc::ActualInput in = ActualStart(c.medium);
        in.EQ = c.EQ, in.Etpe = c.Etpe, in.primery1Position = c.actualPrimary;
        const ActualRun run(in, c.medium);
        ASSERT_TRUE(run.result) << c.EQ << run.fault;
        EXPECT_EQ(run.result->texts, c.expected) << c.EQ << " " << c.Etpe;
        EXPECT_TRUE(run.sink.boxes.empty());
    }
}

TEST(Actual, IterationFromTheStartTexts)
{
    const calc::NominalState nominal = NominalRun(NominalStart()).state;
    const double firstPasses[] = {32.1751, 32.7258, 32.8857, 32.9339};
    for (int n = 1; n <= 4; ++n)
        EXPECT_NEAR(calc::SolveActual(55, 73, 30, 63, 1, 1, nominal, n).tpa, firstPasses[n - 1], 1e-4) << n;
    EXPECT_NEAR(calc::SolveActual(55, 73, 30, 63, 1, 1, nominal, 1).filmUA, 9.2393, 1e-4);
    const calc::ActualValues v = calc::SolveActual(55, 73, 30, 63, 1, 1, nominal);
    EXPECT_EQ(v.passes, 12);
    EXPECT_NEAR(v.filmUA, 9.517, 1e-3);
    EXPECT_NEAR(v.UA, 55 / v.m, 1e-12);  // the shown UA is Q / m, not the film model's
    // A supply 0.001 K above the warm outlet creeps: the limit the window's
    // command runs with ends it after exactly 10000 passes, unconverged.
    const calc::ActualValues slow = calc::SolveActual(55, 63.001, 30, 63, 1, 1, nominal);
    EXPECT_EQ(slow.passes, 10000);
    EXPECT_FALSE(slow.converged);
}

}  // namespace
