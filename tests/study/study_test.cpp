#include "study/study.h"
#include "study/studyform.h"

#include "tests/support/recording_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using app::Field;
using study::Quantity;

// What a point shows: the nine result texts, or its boxes' texts after "!".
using Outcome = std::vector<std::string>;

// "Beregn Aktuel" pressed with `text` written into `field`.
Outcome PressBeregnAktuel(StartedForm& s, Field field, const std::string& text)
{
    s.platform.boxes.clear();
    s.form.SetText(field, text);
    s.Click(&app::TForm1::BitBtn2Click);
    Outcome out;
    for (const auto& box : s.platform.boxes)
        out.push_back("! " + box.text);
    if (out.empty())
        for (Field f : study::kResultFields)
            out.push_back(s.form.Text(f));
    return out;
}

Outcome OfPoint(const study::Point& p)
{
    Outcome out;
    for (const auto& m : p.messages)
        out.push_back("! " + m);
    if (p.ok())
        out.assign(p.result->texts.begin(), p.result->texts.end());
    return out;
}

// Each point is what the window computes with the point's text in the field,
// through the same model, also in a locale with a decimal comma; ranges that
// reach the limit, order failures, slow convergence and faults included.
TEST(Study, EachPointEqualsBeregnAktuelWithThatText)
{
    const std::tuple<calc::NumberFormat, bool, study::Range> cases[] = {
        {{".", ","}, false, {Quantity::EQ, 5.5, 55, 10}}, {{",", "."}, false, {Quantity::EQ, 1234.5, 0, 7}},
        {{".", ","}, true, {Quantity::Etpe, 60, 100, 9}}, {{",", "."}, true, {Quantity::Etsa, -5, 70, 6}},
        {{".", ","}, false, {Quantity::Etse, 20, 80, 7}}, {{".", ","}, false, {Quantity::Etpe, 63.001, 63.1, 3}},
        {{".", ","}, true, {Quantity::Etpe, 185, 75, 3}},
    };
    for (const auto& [format, english, range] : cases) {
        StartedForm s(format);
        if (english)
            s.form.BitBtnUKClick();
        const study::Study st = study::Run(s.form, range);
        ASSERT_TRUE(st.ok());
        ASSERT_EQ(st.points.size(), size_t(range.points));
        for (const study::Point& p : st.points) {
            SCOPED_TRACE(p.text);
            EXPECT_EQ(OfPoint(p), PressBeregnAktuel(s, study::FieldOf(range.quantity), p.text));
        }
    }
}

// A nominal state that does not compute ends the study with the message the
// window shows, before any point; the window's texts stay as they were.
TEST(Study, NominalFailureEndsTheStudy)
{
    using Texts = std::vector<std::string>;
    const std::tuple<Field, const char*, bool, Texts> cases[] = {
        {Field::EPs_nom, "", false, {"Alle tallene i nominelle tilstand kræves for en videreberegning"}},
        {Field::Etse, "", true, {"All inputs in actual conditions are necessary for further calculation"}},
        {Field::Etpa_nom, "80", false, {"Primær temp. frem [°C] skal være større end Primær temp. retur [°C]"}},
        {Field::Etpe_nom, "190", true, {"Primary inlet temperature°C must be less than 180°C!"}},
        {Field::Etpa_nom, "4O", false, {"'4O' is not a valid floating point value."}},
    };
    for (const auto& [field, text, english, failure] : cases) {
        StartedForm s;
        if (english)
            s.form.BitBtnUKClick();
        s.form.SetText(field, text);
        const auto before = s.form.CaseTexts();
        const study::Study st = study::Run(s.form, {Quantity::EQ, 5.5, 55, 10});
        EXPECT_EQ(st.failure, failure);
        EXPECT_TRUE(st.points.empty());
        EXPECT_EQ(s.form.CaseTexts(), before);
        EXPECT_TRUE(s.platform.boxes.empty());
    }
}

// Both ends exact and evenly spaced between, in either direction; point
// counts outside 2..1000 refused in the window's language.
TEST(Study, PointsAndTheirCount)
{
    const std::string dk = "Antal punkter skal være mellem 2 og 1000";
    const std::string uk = "Number of points must be between 2 and 1000";
    // the failure, the count, and the first three values and the last
    const std::tuple<bool, study::Range, std::vector<std::string>, size_t, std::vector<double>> cases[] = {
        {false, {Quantity::EQ, 10, 20, 2}, {}, 2, {10, 20}},
        {false, {Quantity::EQ, 55, 5.5, 10}, {}, 10, {55, 49.5, 44, 5.5}},
        {false, {Quantity::EQ, 0.1, 100, 1000}, {}, 1000, {0.1, 0.2, 0.3, 100}},
        {true, {Quantity::Etsa, 35, 25, 3}, {}, 3, {35, 30, 25}},
        {false, {Quantity::EQ, 10, 20, 1}, {dk}, 0, {}},
        {true, {Quantity::EQ, 10, 20, 1001}, {uk}, 0, {}},
        {true, {Quantity::EQ, 10, 20, 0}, {uk}, 0, {}},
    };
    for (const auto& [english, range, failure, count, someValues] : cases) {
        StartedForm s;
        if (english)
            s.form.BitBtnUKClick();
        const study::Study st = study::Run(s.form, range);
        EXPECT_EQ(st.failure, failure);
        ASSERT_EQ(st.points.size(), count);
        if (count == 0)
            continue;
        std::vector<double> some;
        for (size_t i = 0; i < std::min<size_t>(3, count - 1); ++i)
            some.push_back(st.points[i].value);
        some.push_back(st.points.back().value);
        EXPECT_EQ(some, someValues);
    }
}

TEST(Study, CancellingKeepsThePointsDone)
{
    StartedForm s;
    std::vector<std::pair<int, int>> told;
    const study::Study st = study::Run(s.form, {Quantity::EQ, 5.5, 55, 10}, [&](int done, int total) {
        told.push_back({done, total});
        return done < 3;
    });
    EXPECT_TRUE(st.cancelled);
    ASSERT_EQ(st.points.size(), 3u);
    EXPECT_EQ(st.points[2].value, 16.5);
    EXPECT_EQ(told, (std::vector<std::pair<int, int>>{{1, 10}, {2, 10}, {3, 10}}));
}

// The window's texts for the range, as the user types them: a decimal comma,
// a count that is no whole number, a value that is no number.
TEST(StudyForm, ReadsTheRangeFromItsTexts)
{
    const std::tuple<const char*, const char*, std::vector<std::string>, size_t> cases[] = {
        {"55", "10", {}, 10},
        {"55", "2,5", {"Antal punkter skal være mellem 2 og 1000"}, 0},
        {"", "10", {"'' is not a valid floating point value."}, 0},
    };
    for (const auto& [last, points, failure, count] : cases) {
        StartedForm s({",", "."});
        study::StudyForm f;
        f.Open(s.form);
        EXPECT_EQ(f.Text(study::Input::First), "5,5");  // the default's, in the locale's form
        f.SetText(study::Input::Last, last);
        f.SetText(study::Input::Points, points);
        const study::Study& st = f.Calculate(s.form);
        EXPECT_EQ(st.failure, failure);
        EXPECT_EQ(st.points.size(), count);
    }
}

}  // namespace
