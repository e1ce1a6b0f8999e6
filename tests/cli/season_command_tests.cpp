// `tervol season`: a three-bin weather file in every format, and its usage
// errors and unreadable files.
#include "cli/cli.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Tervol(const std::vector<std::string>& args, calc::NumberFormat locale = {",", "."})
{
    std::ostringstream out, err;
    const int status = cli::Run(args, {locale, nullptr}, out, err);
    return {status, out.str(), err.str()};
}

// The start-up case as a Danish window saves it.
constexpr const char* kStartCase =
    "Vand\r\nVand\r\n55\r\n70\r\n40\r\n65\r\n35\r\n1\r\n1\r\n30,0\r\n30,0\r\n1,602\r\n1,599\r\n5,00\r\n11,00\r\n"
    "Vand\r\nVand\r\n55\r\n73\r\n63\r\n30\r\n33,0\r\n40,0\r\n33,0\r\n0,560\r\n0,824\r\n1,199\r\n1,451\r\n5,78\r\n9,"
    "52\r\n";

class Season : public testing::Test {
protected:
    // Names joined with "/", which Windows takes too, so that every output
    // below is the same on both.
    void SetUp() override
    {
        dir_.Write("start.tvl", kStartCase);
        dir_.Write("bins.txt", "-10;100\n0;200\n10;300\n20;50\n");
        dir_.Write("table.txt", "-12;70;40\n17;35;25\n");
        start_ = dir_.Path().string() + "/start.tvl";
        bins_ = dir_.Path().string() + "/bins.txt";
    }
    support::ScratchDir dir_;
    std::string start_, bins_;
};

// The scratch folder as DIR, so that the texts below are literal; JSON writes
// it with each "\\" of a Windows folder doubled.
std::string Named(std::string text, const std::string& dir)
{
    std::string json;
    for (char c : dir)
        json += c == '\\' ? std::string("\\\\") : std::string(1, c);
    for (const std::string& name : {json, dir})
        for (size_t at = text.find(name); at != std::string::npos; at = text.find(name, at))
            text.replace(at, name.size(), "DIR");
    return text;
}

// Three bins below the limit and one above; the window's start case as the
// design point. CSV at full precision in English with a supply curve whose
// 185 °C at -10 °C is too hot for water: that bin fails and the summary is
// that of the other two (volume 229.07492273896804 m³ and return
// 27.2003313332301 °C, summed by hand in the engine's tests).
TEST_F(Season, CsvFullPrecisionWithAFailingBin)
{
    const Outcome o = Tervol({"season", start_, "--weather", bins_, "--format", "csv", "--precision", "full", "--lang",
                              "en", "--supply-curve", "-10:185,0:73"});
    const std::string dir = dir_.Path().string();
    std::string expected = R"(outdoor,hours,status,EQ,Etpe,Etsa,Etse,Etpa_beregn,EAOp,EAOs,EP_p,EP_s,EV_p,EV_s,Em,EUA
-10,100,Primary inlet temperature°C must be less than 180°C!,51.5625,185,29.747779618648053,60.68527961864805,,,,,,,,,
0,200,ok,34.375,73,28.14744924709683,48.77244924709683,28.28064609686674,44.71935390313326,20.625,0.17519715507053762,0.8191022183935575,0.6704567449499319,1.4468571661361411,4.630486282663786,7.423626354039223
10,300,ok,17.1875,73,25.67476026758015,35.987260267580155,25.67521642891341,47.32478357108659,10.312500000000004,0.03906969522580595,0.8142794925969404,0.3166119124966056,1.442591461215371,3.274285675623102,5.249236536677329
settings,value
weather,DIR/bins.txt
design_outdoor,-12
indoor,20
limit,17
exponent,1.3
secondary_table,
supply,
supply_curve,"'-10:185,0:73"
summary,value
heat_MWh,12.03125
primary_volume_m3,229.07492273896804
weighted_return,27.2003313332301
weighted_cooling,45.799668666769904
peak_flow,0.6704567449499319
peak_flow_outdoor,0
hours_computed,500
hours_below_limit,600
hours_total,650
)";
    for (size_t at = expected.find('\n'); at != std::string::npos; at = expected.find('\n', at + 2))
        expected.insert(at, "\r");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(Named(o.out, dir), expected);
    EXPECT_EQ(Named(o.err, dir),
              "tervol: DIR/start.tvl: -10 °C: Primary inlet temperature°C must be less than 180°C!\n");
}

// Indoor 21 °C and floor heating (n = 1, typed with the locale's comma): at
// 10 °C φ = 11/33, EQ = 18.333…, ΔTm = 25.5/3 = 8.5, spread 11, so Etse 35
// and Etsa 24 exactly.
TEST_F(Season, JsonAsTheWindowRounds)
{
    const Outcome o =
        Tervol({"season", start_, "--weather", bins_, "--format", "json", "--indoor", "21", "--exponent", "1,0"});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(
        Named(o.out, dir_.Path().string()),
        R"({"file": "DIR/start.tvl", "status": "ok", "messages": [], "settings": {"weather":"DIR/bins.txt","design_outdoor":-12.0,"indoor":21.0,"limit":17.0,"exponent":1.0,"secondary_table":null,"supply":73.0,"supply_curve":null}, "units": {"outdoor":"°C","hours":"h","EQ":"kW","Etpe":"°C","Etsa":"°C","Etse":"°C","Etpa_beregn":"°C","EAOp":"°C","EAOs":"°C","EP_p":"bar","EP_s":"bar","EV_p":"m3/h","EV_s":"m3/h","Em":"°C","EUA":"kW/°C"}, "bins": [
  {"outdoor":-10,"hours":100,"status":"ok","messages":[],"fields":{"EQ":51.66666666666667,"Etpe":73.0,"Etsa":29.454545454545453,"Etse":60.45454545454545,"Etpa_beregn":31.4,"EAOp":41.6,"EAOs":31.0,"EP_p":0.457,"EP_s":0.823,"EV_p":1.083,"EV_s":1.45,"Em":5.67,"EUA":9.12}},
  {"outdoor":0,"hours":200,"status":"ok","messages":[],"fields":{"EQ":35.0,"Etpe":73.0,"Etsa":26.727272727272727,"Etse":47.72727272727273,"Etpa_beregn":26.9,"EAOp":46.1,"EAOs":21.0,"EP_p":0.171,"EP_s":0.818,"EV_p":0.661,"EV_s":1.446,"Em":4.77,"EUA":7.33}},
  {"outdoor":10,"hours":300,"status":"ok","messages":[],"fields":{"EQ":18.333333333333332,"Etpe":73.0,"Etsa":24.0,"Etse":35.0,"Etpa_beregn":24.0,"EAOp":49.0,"EAOs":11.0,"EP_p":0.041,"EP_s":0.813,"EV_p":0.326,"EV_s":1.442,"Em":3.47,"EUA":5.28}}
],
"summary": {"heat_MWh":17.67,"primary_volume_m3":338.4,"weighted_return":27.48,"weighted_cooling":45.52,"peak_flow":1.083,"peak_flow_outdoor":-10,"hours_computed":600,"hours_below_limit":600,"hours_total":650}}
)");
    EXPECT_EQ(o.err, "");
}

// A secondary table (-12 °C: 70/40, 17 °C: 35/25; at -10 °C Etse = 70 −
// 35·2/29 = 67.59) and a constant supply, in the Danish table. The files are
// named from the scratch folder: the table cuts a cell at 40 characters, and
// that folder's own name is longer on some machines (Windows) than others.
TEST_F(Season, TableWithASecondaryTableAndConstantSupply)
{
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir_.Path());
    const Outcome o =
        Tervol({"season", "start.tvl", "--weather", "bins.txt", "--secondary-table", "table.txt", "--supply", "75.5"});
    std::filesystem::current_path(before);
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, R"(start.tvl
  Ude [°C]  Timer  Effekt [kW]  Primær temp. frem [°C]  Kold sekundær ind [°C]   Varm sekundær ud [°C]  Primær temp. retur [°C]  Temp. differens primær [°C]  Temp. differens sekundær [°C]  Primær tryktab i  [bar]  Sekundær tryktab i  [bar]  Primær vandflow  [m3/h]  Sekundær vandflow  [m3/h]  Logaritmisk middeltemp.  [°C]  Varmeoverføringsevne [kW/°C]
  -10       100    51,56        75,5                    39,0                     67,6                   41,7                     33,8                         28,6                           0,696                    0,968                      1,336                    1,573                      4,89                           10,53
  0         200    34,38        75,5                    33,8                     55,5                   34,0                     41,5                         21,7                           0,204                    0,742                      0,724                    1,377                      4,40                           7,82
  10        300    17,19        75,5                    28,6                     43,4                   28,6                     46,9                         14,8                           0,040                    0,395                      0,320                    1,005                      3,42                           5,02

Indstillinger
  Vejrfil                             bins.txt
  Dimensionerende udetemperatur [°C]  -12,0
  Indetemperatur [°C]                 20,0
  Varmegrænse [°C]                    17,0
  Radiatoreksponent n
  Sekundær tabel                      table.txt
  Primær fremløb [°C]                 75,5
  Primær fremløbskurve [°C]

Sæson
  Leveret varme [MWh]              17,19
  Primært volumen [m3]             374,4
  Volumenvægtet primær retur [°C]  35,39
  Volumenvægtet afkøling [K]       40,11
  Største primære flow [m3/h]      1,336
  Største flow ved ude [°C]        -10
  Timer beregnet                   600
  Timer under varmegrænsen         600
  Timer i filen                    650
)");
}

// A usage error is told in every language, before --lang is known.
std::string Usage(const std::string& english, const std::string& danish)
{
    return "tervol: " + english + "\ntervol: " + danish + "\nTry 'tervol --help'. / Se 'tervol --help'.\n";
}

TEST_F(Season, UsageErrorsAndUnreadableFiles)
{
    const std::string dir = dir_.Path().string();
    dir_.Write("broken.txt", "-3\n-2.5\nfrost\n");
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        {{"season", start_},
         2,
         Usage("the heating season needs --weather FILE", "fyringssæsonen kræver --weather FIL")},
        {{"season", start_, "--weather", bins_, "--exponent", "1", "--secondary-table", bins_},
         2,
         Usage("--exponent and --secondary-table cannot be given together",
               "--exponent og --secondary-table kan ikke gives sammen")},
        {{"season", start_, "--weather", bins_, "--supply", "70", "--supply-curve", "0:70", "--lang", "da"},
         2,
         Usage("--supply and --supply-curve cannot be given together",
               "--supply og --supply-curve kan ikke gives sammen")},
        {{"season", start_, "--weather", bins_, "--indoor", "varm"},
         2,
         Usage("invalid value 'varm' for --indoor", "ugyldig værdi 'varm' til --indoor")},
        {{"season", start_, "--weather", bins_, "--supply-curve", "0=70"},
         2,
         Usage("invalid value '0=70' for --supply-curve", "ugyldig værdi '0=70' til --supply-curve")},
        {{"study", start_, "--weather", bins_},
         2,
         Usage("--weather does not apply to study", "--weather kan ikke bruges med study")},
        {{"season", start_, "--weather", dir + "/broken.txt", "--lang", "en"},
         1,
         "tervol: DIR/start.tvl: Line 3: expected a temperature in °C between -100 and 100, found \"frost\"\n"},
        {{"season", start_, "--weather", dir + "/none.epw"},
         1,
         "tervol: DIR/start.tvl: Vejrfilen kan ikke læses: DIR/none.epw\n"},
        {{"season", start_, "--weather", bins_, "--limit", "25", "--lang", "en"},
         1,
         "tervol: DIR/start.tvl: The heating limit must be greater than the design outdoor temperature and at most the "
         "indoor temperature\n"},
    };
    for (const auto& [args, status, err] : cases) {
        const Outcome o = Tervol(args);
        EXPECT_EQ(o.status, status) << args.back();
        EXPECT_EQ(Named(o.err, dir), err) << args.back();
    }
}

}  // namespace
