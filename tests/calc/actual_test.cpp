#include "actual.h"
#include "fault.h"
#include "nominal.h"
#include "recording_sink.h"

#include <gtest/gtest.h>

using calc::ActualInput;
using calc::ActualResultTexts;
using calc::MessageKind;

namespace {

calc::NominalState NominalOfStartTexts(int primary = 0, int secondary = 0)
{
    RecordingSink sink;
    calc::NominalState state;
    const calc::NominalInput in{"55", "70", "40", "35", "65", "1", "1", primary, secondary, "a", "b", "c", "d"};
    calc::BeregnNominel(in, state, calc::Environment{"DK", {".", ","}, sink});
    return state;
}

ActualInput StartInput()
{
    return ActualInput{"55", "73", "30", "63", 0, 0,
                       "Primær temp. frem [°C]", "Varm sekundær ud [°C]", "Kold sekundær ind [°C] "};
}

struct CalcRun {
    RecordingSink sink;
    std::optional<calc::ActualResult> result;
    std::string fault;

    CalcRun(const ActualInput& in, const calc::NominalState& nominal, std::string language = "DK",
        calc::NumberFormat format = {".", ","})
    {
        fault = FaultText([&] { result = calc::BeregnAktuel(in, nominal, calc::Environment{language, format, sink}); });
    }
};

struct ResultCase {
    const char* name;
    const char* EQ;
    const char* Etpe;
    int medium;  // all four lists
    ActualResultTexts expected;
};

TEST(Actual, WorkedCases)
{
    const ResultCase cases[] = {
        {"start", "55", "73", 0, {"33.0", "40.0", "33.0", "0.560", "0.824", "1.199", "1.451", "5.78", "9.52"}},
        {"100 kW", "100", "73", 0, {"34.7", "38.3", "33.0", "2.023", "2.725", "2.278", "2.639", "7.00", "14.29"}},
        {"glycol", "55", "73", 1, {"33.0", "40.0", "33.0", "0.563", "0.829", "1.314", "1.599", "5.79", "9.49"}},
        {"near outlet", "55", "63.1", 0, {"51.9", "11.2", "33.0", "7.209", "0.824", "4.301", "1.451", "4.05", "13.59"}},
    };
    for (const ResultCase& c : cases) {
        ActualInput in = StartInput();
        in.EQ = c.EQ;
        in.Etpe = c.Etpe;
        in.primery1Position = in.sekundery1Position = c.medium;
        const CalcRun run(in, NominalOfStartTexts(c.medium, c.medium));
        ASSERT_TRUE(run.result) << c.name << run.fault;
        EXPECT_EQ(run.result->texts, c.expected) << c.name;
        EXPECT_TRUE(run.sink.boxes.empty()) << c.name;
    }
}

TEST(Actual, StartTextsWithDecimalComma)
{
    const CalcRun run(StartInput(), NominalOfStartTexts(), "DK", {",", "."});
    ASSERT_TRUE(run.result);
    EXPECT_EQ(run.result->texts[0], "33,0");
    EXPECT_EQ(run.result->texts[3], "0,560");
}

TEST(Actual, IterationFromTheStartTexts)
{
    const calc::NominalState nominal = NominalOfStartTexts();
    // The first passes of the substitution, each a run cut short.
    const double firstPasses[] = {32.1751, 32.7258, 32.8857, 32.9339};
    for (int n = 1; n <= 4; ++n) {
        const calc::ActualValues v = calc::SolveActual(55, 73, 30, 63, 1, 1, nominal, n);
        EXPECT_NEAR(v.tpa, firstPasses[n - 1], 1e-4) << "pass " << n;
        EXPECT_FALSE(v.converged);
        if (n == 1) {
            EXPECT_NEAR(v.filmUA, 9.2393, 1e-4);
        }
    }
    const calc::ActualValues v = calc::SolveActual(55, 73, 30, 63, 1, 1, nominal);
    EXPECT_EQ(v.passes, 12);
    EXPECT_TRUE(v.converged);
    EXPECT_NEAR(v.tpa, 32.955, 1e-3);
    EXPECT_NEAR(v.filmUA, 9.517, 1e-3);
    EXPECT_NEAR(v.UA, 55 / v.m, 1e-12);  // the shown UA is Q / m, not the film model's
}

TEST(Actual, NoConvergenceWithinTenThousandPasses)
{
    ActualInput in = StartInput();
    in.Etpe = "63.001";
    const CalcRun run(in, NominalOfStartTexts());
    EXPECT_EQ(run.fault, "");
    EXPECT_FALSE(run.result);
    ASSERT_EQ(run.sink.boxes.size(), 1u);
    EXPECT_EQ(run.sink.boxes[0], std::make_pair(MessageKind::Plain, std::string("Iterration konvergerer ikke !")));
    EXPECT_EQ(calc::SolveActual(55, 63.001, 30, 63, 1, 1, NominalOfStartTexts()).passes, 10000);

    const CalcRun english(in, NominalOfStartTexts(), "UK");
    ASSERT_EQ(english.sink.boxes.size(), 1u);
    EXPECT_EQ(english.sink.boxes[0].second, "Iterration konvergerer ikke !");  // Danish in both languages
}

TEST(Actual, MixedMediaTakeFilmTermsFromTheActualLists)
{
    ActualInput in = StartInput();
    in.primery1Position = 1;
    const CalcRun run(in, NominalOfStartTexts(0, 0));
    ASSERT_TRUE(run.result);
    EXPECT_NEAR(run.result->values.tpa, 33.0932453, 1e-6);
    EXPECT_NEAR(run.result->values.Pp, 0.6770404, 1e-6);
    EXPECT_NEAR(run.result->values.Vp, 1.3179973, 1e-6);
}

TEST(Actual, ZeroHeatLoadIsTheCapacityRatioZeroByZero)
{
    for (const char* q : {"0", ".", "0.000"}) {
        ActualInput in = StartInput();
        in.EQ = q;
        const CalcRun run(in, NominalOfStartTexts());
        EXPECT_EQ(run.fault, "Invalid floating point operation") << q;
    }
}

TEST(Actual, WithoutACompletedNominalRunTheFilmTermFaults)
{
    const CalcRun run(StartInput(), calc::NominalState{});
    EXPECT_EQ(run.fault, "Floating point division by zero");  // ln of a zero capacity rate
}

struct LimitCase {
    const char* supply;
    int primary;
    const char* message;
};

TEST(Actual, PrimaryTemperatureLimit)
{
    const LimitCase cases[] = {
        {"100", 1, ""},
        {"100.5", 1, "Primær temperaturer skal være mindre end 100°C!"},
        {"150", 0, ""},
        {"180.5", 0, "Primær temperaturer skal være mindre end 180°C!"},
        {"200", -1, ""},
    };
    for (const LimitCase& c : cases) {
        ActualInput in = StartInput();
        in.Etpe = c.supply;
        in.primery1Position = c.primary;
        const CalcRun run(in, NominalOfStartTexts());
        EXPECT_EQ(run.fault, "") << c.supply;
        if (*c.message) {
            EXPECT_FALSE(run.result);
            ASSERT_EQ(run.sink.boxes.size(), 1u);
            EXPECT_EQ(run.sink.boxes[0], std::make_pair(MessageKind::Information, std::string(c.message)));
        } else {
            EXPECT_TRUE(run.result) << c.supply;
        }
    }
}

TEST(Actual, BothOrderChecksRun)
{
    struct {
        const char *tpe, *tsa, *tse;
        std::vector<std::string> messages;
    } cases[] = {
        {"63", "30", "63", {"Primær temp. frem [°C] skal være større end Varm sekundær ud [°C]"}},
        {"50", "70", "60",
         {"Primær temp. frem [°C] skal være større end Varm sekundær ud [°C]",
          "Varm sekundær ud [°C] skal være større end Kold sekundær ind [°C] "}},
    };
    for (const auto& c : cases) {
        ActualInput in = StartInput();
        in.Etpe = c.tpe;
        in.Etsa = c.tsa;
        in.Etse = c.tse;
        const CalcRun run(in, NominalOfStartTexts());
        EXPECT_FALSE(run.result);
        std::vector<std::string> shown;
        for (const auto& box : run.sink.boxes)
            shown.push_back(box.second);
        EXPECT_EQ(shown, c.messages);
    }
}

TEST(Actual, ConversionOrder)
{
    ActualInput in = StartInput();
    in.Etsa = "3O";
    in.Etse = "y";
    EXPECT_EQ(CalcRun(in, NominalOfStartTexts()).fault, "'3O' is not a valid floating point value");
}

}  // namespace
