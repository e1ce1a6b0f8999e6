#include "study/weather.h"

#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using study::WeatherForm;

std::string Epw(const std::string& rows)
{
    std::string out = "LOCATION,Odense,-,DNK,DRY,061200,55.47,10.33,1.0,16.0\r\n";
    for (int i = 2; i <= 8; ++i)
        out += "HEADER" + std::to_string(i) + ",x\r\n";
    return out + rows;
}

std::string Row(const std::string& dryBulb)
{
    return "2001,1,1,1,60,A7A7E8*0?9?9?9?9?9?9?9A7A7A7A7A7A7*0E8*0*0," + dryBulb + ",-5.0,86,101100,0\r\n";
}

using Bins = std::vector<std::pair<int, double>>;

Bins BinsOf(const study::Weather& w)
{
    Bins out;
    for (const auto& b : w.bins)
        out.emplace_back(b.outdoor, b.hours);
    return out;
}

// Halves round away from zero; 99.9 is the EPW mark of a missing hour.
TEST(SeasonWeather, ReadsEachFormIntoWholeDegreeBins)
{
    struct Case {
        std::string bytes;
        WeatherForm form;
        Bins bins;
        double total;
    };
    const Case cases[] = {
        {Epw(Row("-3.4") + Row("-2.6") + Row("0.5") + Row("-0.5") + Row("2.5") + Row("99.9") + Row("12")),
         WeatherForm::Epw,
         {{-3, 2}, {-1, 1}, {1, 1}, {3, 1}, {12, 1}},
         6},
        {"\xEF\xBB\xBF-7,5\r\n+2\r\n\r\n -0.4 \r\n1.5e1\r\n-8\n",
         WeatherForm::Hourly,
         {{-8, 2}, {0, 1}, {2, 1}, {15, 1}},
         5},
        {"-5;212\n0;100,5\n-5.2;10\n7;0\n", WeatherForm::Bins, {{-5, 222}, {0, 100.5}}, 322.5},
    };
    for (const Case& c : cases) {
        const study::Weather w = study::ReadWeather(c.bytes, true);
        EXPECT_EQ(w.form, c.form) << c.bytes;
        EXPECT_EQ(BinsOf(w), c.bins) << c.bytes;
        EXPECT_EQ(w.hoursTotal, c.total) << c.bytes;
    }
}

TEST(SeasonWeather, CountsTheHoursTheFileHolds)
{
    for (int hours : {8784, 8760, 100}) {
        std::string bytes;
        for (int i = 0; i < hours; ++i)
            bytes += std::to_string(i % 30 - 10) + "\n";
        EXPECT_EQ(study::ReadWeather(bytes, false).hoursTotal, hours);
    }
}

TEST(SeasonWeather, RefusesAMalformedLineNamingItAndWhatWasExpected)
{
    std::string leapAndOne;
    for (int i = 0; i < 8785; ++i)
        leapAndOne += "1\n";
    const std::pair<std::string, std::string> cases[] = {
        {Epw(Row("1") + "2001,1,1,2,60\r\n"), "Line 10: expected at least 7 comma-separated fields, found 5"},
        {Epw(Row("abc")), "Line 9: expected a temperature in °C between -100 and 100, found \"abc\""},
        {Epw(Row("")), "Line 9: expected a temperature in °C between -100 and 100, found \"\""},
        {"LOCATION,x\r\nA\r\nB\r\n", "Line 3: the file ends within the 8 header lines of the EPW form"},
        {"", "The weather file holds no temperatures"},
        {" \r\n\r\n", "The weather file holds no temperatures"},
        {Epw(Row("99.9")), "The weather file holds no temperatures"},
        {"12\nabc\n", "Line 2: expected a temperature in °C between -100 and 100, found \"abc\""},
        {"12\n5,3,1\n", "Line 2: expected a temperature in °C between -100 and 100, found \"5,3,1\""},
        {"1e5\n", "Line 1: expected a temperature in °C between -100 and 100, found \"1e5\""},
        {"nan\n", "Line 1: expected a temperature in °C between -100 and 100, found \"nan\""},
        {std::string("\x7f"
                     "ELF\x02\x01\0\0",
                     8),
         "Line 1: expected a temperature in °C between -100 and 100, found \"\\x7FELF\\x02\\x01\\x00\\x00\""},
        {std::string(50, '7') + "x",
         "Line 1: expected a temperature in °C between -100 and 100, found \"" + std::string(40, '7') + "…\""},
        {"5;10\n3\n", "Line 2: expected two fields temperature;hours, found 1"},
        {"5;10;2\n", "Line 1: expected two fields temperature;hours, found 3"},
        {"5;-1\n", "Line 1: expected a number of hours between 0 and 8784, found \"-1\""},
        {"x;1\n", "Line 1: expected a temperature in °C between -100 and 100, found \"x\""},
        {"5;8000\n6;785\n", "Line 2: more than 8784 hours; expected one year at most"},
        {leapAndOne, "Line 8785: more than 8784 hours; expected one year at most"},
    };
    for (const auto& [bytes, message] : cases) {
        try {
            study::ReadWeather(bytes, true);
            ADD_FAILURE() << "read: " << bytes;
        } catch (const study::WeatherError& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
}

TEST(SeasonWeather, SpeaksDanishWhenAsked)
{
    const std::pair<std::string, std::string> cases[] = {
        {Epw("1,2,3\r\n"), "Linje 9: forventede mindst 7 kommaseparerede felter, fandt 3"},
        {"12\nabc\n", "Linje 2: forventede en temperatur i °C mellem -100 og 100, fandt \"abc\""},
        {"5;1;1\n", "Linje 1: forventede to felter temperatur;timer, fandt 3"},
        {"5;x\n", "Linje 1: forventede et antal timer mellem 0 og 8784, fandt \"x\""},
        {"5;8785\n", "Linje 1: forventede et antal timer mellem 0 og 8784, fandt \"8785\""},
        {"5;8000\n6;785\n", "Linje 2: mere end 8784 timer; forventede højst et år"},
        {"LOCATION,x\n", "Linje 1: filen slutter inden for EPW-formatets 8 hovedlinjer"},
        {"", "Vejrfilen indeholder ingen temperaturer"},
    };
    for (const auto& [bytes, message] : cases) {
        try {
            study::ReadWeather(bytes, false);
            ADD_FAILURE() << "read: " << bytes;
        } catch (const study::WeatherError& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
}

TEST(SeasonWeather, ReadsAFileAndNamesOneItCannotRead)
{
    support::ScratchDir dir;
    // Made and named in UTF-8 as the reader takes names: the scratch folder's
    // narrow names are the ANSI code page's on Windows.
    const std::filesystem::path file = dir.Path() / std::filesystem::path(u8"år.txt");
    std::ofstream(file, std::ios::binary) << "-1\n-1\n3\n";
    const std::u8string utf8 = file.u8string();
    const std::string path(utf8.begin(), utf8.end());
    EXPECT_EQ(BinsOf(study::ReadWeatherFile(path, true)), (Bins{{-1, 2}, {3, 1}}));
    const std::string missing = dir.File("none.epw");
    for (const auto& [english, message] :
         {std::pair{true, "The weather file cannot be read: "}, std::pair{false, "Vejrfilen kan ikke læses: "}}) {
        for (const std::string& name : {missing, dir.Path().string()}) {
            try {
                study::ReadWeatherFile(name, english);
                ADD_FAILURE() << name;
            } catch (const study::WeatherError& e) {
                EXPECT_EQ(e.what(), message + name);
            }
        }
    }
}

}  // namespace
