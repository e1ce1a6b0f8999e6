#include "study/study.h"
#include "study/studyform.h"

#include "tests/support/recording_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using app::Field;
using study::Quantity;

// What a point shows: the nine result texts, or the boxes' texts.
struct Outcome {
    std::vector<std::string> results;
    std::vector<std::string> boxes;
    bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& o, std::ostream* os)
{
    for (const auto& r : o.results)
        *os << r << " ";
    for (const auto& b : o.boxes)
        *os << "[" << b << "] ";
}

// "Beregn Aktuel" pressed with `text` written into `field`.
Outcome PressBeregnAktuel(StartedForm& s, Field field, const std::string& text)
{
    s.platform.boxes.clear();
    s.form.SetText(field, text);
    s.Click(&app::TForm1::BitBtn2Click);
    Outcome out;
    for (const auto& box : s.platform.boxes)
        out.boxes.push_back(box.text);
    if (out.boxes.empty())
        for (Field f : study::kResultFields)
            out.results.push_back(s.form.Text(f));
    return out;
}

Outcome OfPoint(const study::Point& p)
{
    if (!p.ok())
        return {{}, p.messages};
    return {{p.result->texts.begin(), p.result->texts.end()}, {}};
}

std::vector<double> Values(const study::Study& st)
{
    std::vector<double> v;
    for (const auto& p : st.points)
        v.push_back(p.value);
    return v;
}

// Each point is what the window computes with the point's text in the field,
// through the same model, also in a locale with a decimal comma; ranges that
// reach the limit, order failures, slow convergence and faults included.
TEST(Study, EachPointEqualsBeregnAktuelWithThatText)
{
    struct Case {
        calc::NumberFormat format;
        bool english;
        study::Range range;
    };
    const std::vector<Case> cases{
        {{".", ","}, false, {Quantity::EQ, 5.5, 55, 10}}, {{",", "."}, false, {Quantity::EQ, 1234.5, 0, 7}},
        {{".", ","}, true, {Quantity::Etpe, 60, 100, 9}}, {{",", "."}, true, {Quantity::Etsa, -5, 70, 6}},
        {{".", ","}, false, {Quantity::Etse, 20, 80, 7}}, {{".", ","}, false, {Quantity::Etpe, 63.001, 63.1, 3}},
        {{".", ","}, true, {Quantity::Etpe, 185, 75, 3}},
    };
    for (const Case& c : cases) {
        StartedForm s(c.format);
        if (c.english)
            s.form.BitBtnUKClick();
        const study::Study st = study::Run(s.form, c.range);
        ASSERT_TRUE(st.ok());
        ASSERT_EQ(st.points.size(), size_t(c.range.points));
        for (const study::Point& p : st.points) {
            SCOPED_TRACE(p.text);
            EXPECT_EQ(OfPoint(p), PressBeregnAktuel(s, study::FieldOf(c.range.quantity), p.text));
        }
    }
}

// A nominal state that does not compute ends the study with the message the
// window shows, before any point; the window's texts stay as they were.
TEST(Study, NominalFailureEndsTheStudy)
{
    struct Case {
        Field field;
        std::string text;
        bool english;
        std::vector<std::string> failure;
    };
    const std::vector<Case> cases{
        {Field::EPs_nom, "", false, {"Alle tallene i nominelle tilstand kræves for en videreberegning"}},
        {Field::Etse, "", true, {"All inputs in actual conditions are necessary for further calculation"}},
        {Field::Etpa_nom, "80", false, {"Primær temp. frem [°C] skal være større end Primær temp. retur [°C]"}},
        {Field::Etpe_nom, "190", true, {"Primary inlet temperature°C must be less than 180°C!"}},
        {Field::Etpa_nom, "4O", false, {"'4O' is not a valid floating point value."}},
    };
    for (const Case& c : cases) {
        StartedForm s;
        if (c.english)
            s.form.BitBtnUKClick();
        s.form.SetText(c.field, c.text);
        const auto before = s.form.CaseTexts();
        const study::Study st = study::Run(s.form, {Quantity::EQ, 5.5, 55, 10});
        EXPECT_EQ(st.failure, c.failure);
        EXPECT_TRUE(st.points.empty());
        EXPECT_EQ(s.form.CaseTexts(), before);
        EXPECT_TRUE(s.platform.boxes.empty());
    }
}

// Both ends exact and evenly spaced between, in either direction; point
// counts outside 2..1000 refused in the window's language.
TEST(Study, PointsAndTheirCount)
{
    struct Case {
        bool english;
        study::Range range;
        std::vector<std::string> failure;
        size_t count;
        std::vector<double> someValues;  // the first three, then the last
    };
    const std::string dk = "Antal punkter skal være mellem 2 og 1000";
    const std::string uk = "Number of points must be between 2 and 1000";
    const std::vector<Case> cases{
        {false, {Quantity::EQ, 10, 20, 2}, {}, 2, {10, 20}},
        {false, {Quantity::EQ, 55, 5.5, 10}, {}, 10, {55, 49.5, 44, 5.5}},
        {false, {Quantity::EQ, 0.1, 100, 1000}, {}, 1000, {0.1, 0.2, 0.3, 100}},
        {true, {Quantity::Etsa, 35, 25, 3}, {}, 3, {35, 30, 25}},
        {false, {Quantity::EQ, 10, 20, 1}, {dk}, 0, {}},
        {true, {Quantity::EQ, 10, 20, 1001}, {uk}, 0, {}},
        {true, {Quantity::EQ, 10, 20, 0}, {uk}, 0, {}},
    };
    for (const Case& c : cases) {
        StartedForm s;
        if (c.english)
            s.form.BitBtnUKClick();
        const study::Study st = study::Run(s.form, c.range);
        EXPECT_EQ(st.failure, c.failure);
        ASSERT_EQ(st.points.size(), c.count);
        if (c.count == 0)
            continue;
        std::vector<double> some;
        for (size_t i = 0; i < std::min<size_t>(3, c.count - 1); ++i)
            some.push_back(st.points[i].value);
        some.push_back(st.points.back().value);
        EXPECT_EQ(some, c.someValues);
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
    EXPECT_EQ(Values(st), (std::vector<double>{5.5, 11, 16.5}));
    EXPECT_EQ(told, (std::vector<std::pair<int, int>>{{1, 10}, {2, 10}, {3, 10}}));
}

// The window's texts for the range, as the user types them: a decimal comma,
// a count that is no whole number, a value that is no number.
TEST(StudyForm, ReadsTheRangeFromItsTexts)
{
    struct Case {
        std::string first, last, points;
        std::vector<std::string> failure;
        size_t count;
    };
    const std::vector<Case> cases{
        {"5,5", "55", "10", {}, 10},
        {"5,5", "55", "2,5", {"Antal punkter skal være mellem 2 og 1000"}, 0},
        {"5,5", "", "10", {"'' is not a valid floating point value."}, 0},
    };
    for (const Case& c : cases) {
        StartedForm s({",", "."});
        study::StudyForm f;
        f.Open(s.form);
        EXPECT_EQ(f.Text(study::Input::First), "5,5");
        f.SetText(study::Input::First, c.first);
        f.SetText(study::Input::Last, c.last);
        f.SetText(study::Input::Points, c.points);
        const study::Study& st = f.Calculate(s.form);
        EXPECT_EQ(st.failure, c.failure);
        EXPECT_EQ(st.points.size(), c.count);
    }
}

}  // namespace
