#include "fault.h"
#include "nominal.h"
#include "numtext.h"
#include "recording_sink.h"

#include <gtest/gtest.h>

#include <cmath>

using calc::MessageKind;
using calc::NominalInput;
using calc::NominalResult;

namespace {

// The start texts and the captions as the window is created.
NominalInput StartInput()
{
    return NominalInput{"55", "70", "40", "35", "65", "1", "1", 0, 0,
                        "Primær temp. frem [°C]", "Primær temp. retur [°C]", "Kold sekundær ind [°C] ",
                        "Varm sekundær ud [°C] "};
}

struct CalcRun {
    RecordingSink sink;
    calc::NominalState state;
    std::optional<NominalResult> result;
    std::string fault;

    explicit CalcRun(const NominalInput& in, std::string language = "DK", calc::NumberFormat format = {".", ","})
    {
        const calc::Environment env{language, format, sink};
        fault = FaultText([&] { result = calc::BeregnNominel(in, state, env); });
    }
};

TEST(Nominal, StartTextsInBothLocales)
{
    const CalcRun english(StartInput());
    ASSERT_TRUE(english.result);
    EXPECT_EQ(*english.result, (NominalResult{"30.0", "30.0", "1.602", "1.599", "5.00", "11.00"}));
    EXPECT_TRUE(english.sink.boxes.empty());

    NominalInput in = StartInput();
    const CalcRun danish(in, "DK", {",", "."});
    ASSERT_TRUE(danish.result);
    EXPECT_EQ(*danish.result, (NominalResult{"30,0", "30,0", "1,602", "1,599", "5,00", "11,00"}));
}

TEST(Nominal, StartTextsFillTheState)
{
    const CalcRun run(StartInput());
    const calc::NominalState& s = run.state;
    EXPECT_EQ(s.m_nom, 5.0);  // both end differences are 5 K
    EXPECT_EQ(s.UA_nom, 11.0);
    EXPECT_NEAR(s.Wp_nom, 55.0 / 30, 1e-12);
    EXPECT_NEAR(s.Ws_nom, 55.0 / 30, 1e-12);
    EXPECT_EQ(s.tpm_nom, 55.0);
    EXPECT_EQ(s.tsm_nom, 50.0);
    // 1 bar: the flow coefficient equals the flow.
    EXPECT_EQ(s.Kv_p_nom, s.V_p_nom);
    EXPECT_NEAR(s.V_p_nom, 1.6017961, 1e-6);
    EXPECT_NEAR(s.V_s_nom, 1.5986618, 1e-6);
}

struct LimitCase {
    const char* supply;
    int primary;
    const char* message;  // "" when it computes
};

TEST(Nominal, PrimaryTemperatureLimit)
{
    const LimitCase cases[] = {
        {"100", 1, ""},
        {"100.5", 1, "Primær temperaturer skal være mindre end 100°C!"},
        {"150", 1, "Primær temperaturer skal være mindre end 100°C!"},
        {"150", 0, ""},
        {"180", 0, ""},
        {"180.5", 0, "Primær temperaturer skal være mindre end 180°C!"},
        {"500", -1, ""},  // no medium selected: no limit
    };
    for (const LimitCase& c : cases) {
        NominalInput in = StartInput();
        in.Etpe_nom = c.supply;
        in.primeryPosition = c.primary;
        in.sekunderyPosition = 1;  // the secondary medium plays no part
        const CalcRun run(in);
        EXPECT_EQ(run.fault, "") << c.supply;
        if (*c.message) {
            EXPECT_FALSE(run.result) << c.supply;
            ASSERT_EQ(run.sink.boxes.size(), 1u) << c.supply;
            EXPECT_EQ(run.sink.boxes[0], std::make_pair(MessageKind::Information, std::string(c.message)));
        } else {
            EXPECT_TRUE(run.result) << c.supply << " " << c.primary;
        }
    }
}

TEST(Nominal, LimitMessageInEnglishAndNoneInAnUnknownLanguage)
{
    NominalInput in = StartInput();
    in.Etpe_nom = "181";
    const CalcRun english(in, "UK");
    ASSERT_EQ(english.sink.boxes.size(), 1u);
    EXPECT_EQ(english.sink.boxes[0].second, "Primary inlet temperature°C must be less than 180°C!");
    const CalcRun unknown(in, "");
    EXPECT_TRUE(unknown.sink.boxes.empty());
    EXPECT_FALSE(unknown.result);
}

struct OrderCase {
    const char *tpe, *tpa, *tsa, *tse;
    std::vector<std::string> messages;
};

TEST(Nominal, AllOrderChecksRunBeforeStopping)
{
    const std::string call1 = "Primær temp. frem [°C] skal være større end Primær temp. retur [°C]";
    const std::string call2 = "Varm sekundær ud [°C]  skal være større end Kold sekundær ind [°C] ";
    const std::string call3 = "Primær temp. frem [°C] skal være større end Varm sekundær ud [°C] ";
    const OrderCase cases[] = {
        {"70", "70", "35", "65", {call1}},
        {"40", "70", "65", "50", {call1, call2, call3}},
        {"40", "70", "65", "35", {call1, call2}},
        {"70", "40", "65", "65", {call2}},
        {"65", "40", "35", "65", {call3}},
    };
    for (const OrderCase& c : cases) {
        NominalInput in = StartInput();
        in.Etpe_nom = c.tpe;
        in.Etpa_nom = c.tpa;
        in.Etsa_nom = c.tsa;
        in.Etse_nom = c.tse;
        const CalcRun run(in);
        EXPECT_FALSE(run.result);
        std::vector<std::string> shown;
        for (const auto& [kind, text] : run.sink.boxes) {
            EXPECT_EQ(kind, MessageKind::Error);
            shown.push_back(text);
        }
        EXPECT_EQ(shown, c.messages);
        // The inputs are stored, the derived values are not touched.
        EXPECT_EQ(run.state.tpe_nom, std::stod(c.tpe));
        EXPECT_EQ(run.state.UA_nom, 0.0);
    }
}

TEST(Nominal, EnglishCaptionsNameTheQuantities)
{
    NominalInput in = StartInput();
    in.Etpa_nom = "70";
    in.Label4 = "Primary inlet temperature °C";
    in.Label5 = "Primary outlet temperature °C";
    const CalcRun run(in, "UK");
    ASSERT_EQ(run.sink.boxes.size(), 1u);
    EXPECT_EQ(run.sink.boxes[0].second,
              "Primary inlet temperature °C must be greater than Primary outlet temperature °C");
}

struct FaultCase {
    const char *tpe, *tpa, *tsa, *tse, *pp, *ps;
    const char* fault;
};

TEST(Nominal, ArithmeticFaults)
{
    const FaultCase cases[] = {
        {"70", "40", "35", "65", "0", "1", "Floating point division by zero"},
        {"70", "40", "35", "65", "1", "0", "Floating point division by zero"},
        {"70", "40", "35", "65", ".", "1", "Floating point division by zero"},
        {"70", "40", "35", "65", "-1", "1", "Invalid floating point operation"},
        {"70", "30", "35", "65", "1", "1", "Invalid floating point operation"},  // temperature cross
        {"66", "35", "35", "65", "1", "1", "Floating point division by zero"},   // ends 1 K and 0 K
        {"70", "40", "35", "65", "1", "1e-320", ""},                             // tiny but positive
    };
    for (const FaultCase& c : cases) {
        NominalInput in = StartInput();
        in.Etpe_nom = c.tpe;
        in.Etpa_nom = c.tpa;
        in.Etsa_nom = c.tsa;
        in.Etse_nom = c.tse;
        in.EPp_nom = c.pp;
        in.EPs_nom = c.ps;
        const CalcRun run(in);
        EXPECT_EQ(run.fault, c.fault) << c.tpe << "/" << c.tpa << " " << c.pp << "/" << c.ps;
        EXPECT_TRUE(run.sink.boxes.empty());
    }
}

TEST(Nominal, FaultKeepsWhatWasStoredBeforeIt)
{
    NominalInput in = StartInput();
    in.EPs_nom = "0";
    const CalcRun run(in);
    EXPECT_EQ(run.fault, "Floating point division by zero");
    EXPECT_EQ(run.state.UA_nom, 11.0);    // formed before the fault
    EXPECT_NEAR(run.state.Kv_p_nom, 1.6017961, 1e-6);
    EXPECT_EQ(run.state.Kv_s_nom, 0.0);   // the fault's own value
}

TEST(Nominal, ColdEndZeroUsesTheSpecialMean)
{
    NominalInput in = StartInput();
    in.Etpe_nom = "70";
    in.Etpa_nom = "35";
    in.Etsa_nom = "35";
    in.Etse_nom = "60";
    const CalcRun run(in);
    ASSERT_TRUE(run.result);
    EXPECT_NEAR(run.state.m_nom, 10 / std::log(10.0), 1e-12);
    EXPECT_EQ((*run.result)[4], "4.34");
    EXPECT_EQ((*run.result)[5], "12.66");  // 55 / 4.3429
}

TEST(Nominal, ConversionStopsAtTheFirstBadField)
{
    NominalInput in = StartInput();
    in.Etpa_nom = "4O";
    in.Etse_nom = "x";
    const CalcRun run(in);
    EXPECT_EQ(run.fault, "'4O' is not a valid floating point value");
    EXPECT_EQ(run.state.tpe_nom, 70.0);
    EXPECT_EQ(run.state.tpa_nom, 0.0);
}

TEST(Nominal, UnselectedMediumUsesTheMixture)
{
    NominalInput glycol = StartInput();
    glycol.primeryPosition = 1;
    NominalInput none = StartInput();
    none.primeryPosition = -1;
    const CalcRun a(glycol), b(none);
    ASSERT_TRUE(a.result && b.result);
    EXPECT_EQ(a.state.V_p_nom, b.state.V_p_nom);
    EXPECT_NEAR(a.state.V_p_nom, 1.7518325, 1e-6);
}

}  // namespace
