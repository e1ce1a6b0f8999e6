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

// What a point shows: the nine result texts, or its boxes' texts after "!";
// first as "Beregn Aktuel" shows it with `text` written into `field`.
using Outcome = std::vector<std::string>;

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

// A study either fails before its first point with the window's message (a
// nominal state that does not compute, the actual presence check, a point
// count outside 2..1000), showing no box and leaving the window's texts as
// they were; or it has all its points, both ends exact and evenly spaced
// between in either direction (the first three values and the last here).
TEST(Study, FailureBeforeAnyPointOrEvenlySpacedPoints)
{
    const std::string dk = "Antal punkter skal være mellem 2 og 1000";
    const std::string uk = "Number of points must be between 2 and 1000";
    const Quantity EQ = Quantity::EQ;
    const study::Range D{EQ, 5.5, 55, 10};
    const std::tuple<bool, Field, const char*, study::Range, std::vector<std::string>, std::vector<double>> cases[] = {
        {false, Field::EPs_nom, "", D, {"Alle tallene i nominelle tilstand kræves for en videreberegning"}, {}},
        {true, Field::Etse, "", D, {"All inputs in actual conditions are necessary for further calculation"}, {}},
        {false, Field::Etpa_nom, "80", D, {"Primær temp. frem [°C] skal være større end Primær temp. retur [°C]"}, {}},
        {true, Field::Etpe_nom, "190", D, {"Primary inlet temperature°C must be less than 180°C!"}, {}},
        {false, Field::Etpa_nom, "4O", D, {"'4O' is not a valid floating point value."}, {}},
        {false, Field::EQ, nullptr, {EQ, 10, 20, 1}, {dk}, {}},
        {true, Field::EQ, nullptr, {EQ, 10, 20, 1001}, {uk}, {}},
        {true, Field::EQ, nullptr, {EQ, 10, 20, 0}, {uk}, {}},
        {false, Field::EQ, nullptr, {EQ, 10, 20, 2}, {}, {10, 20}},
        {false, Field::EQ, nullptr, {EQ, 55, 5.5, 10}, {}, {55, 49.5, 44, 5.5}},
        {false, Field::EQ, nullptr, {EQ, 0.1, 100, 1000}, {}, {0.1, 0.2, 0.3, 100}},
        {true, Field::EQ, nullptr, {Quantity::Etsa, 35, 25, 3}, {}, {35, 30, 25}},
    };
    for (const auto& [english, field, text, range, failure, someValues] : cases) {
        StartedForm s;
        if (english)
            s.form.BitBtnUKClick();
        if (text)
            s.form.SetText(field, text);
        const auto before = s.form.CaseTexts();
        const study::Study st = study::Run(s.form, range);
        EXPECT_EQ(st.failure, failure);
        ASSERT_EQ(st.points.size(), failure.empty() ? size_t(range.points) : 0u);
        std::vector<double> some;
        for (size_t i = 0; i < st.points.size(); ++i)
            if (i < 3 || i + 1 == st.points.size())
                some.push_back(st.points[i].value);
        EXPECT_EQ(some, someValues);
        EXPECT_EQ(s.form.CaseTexts(), before);
        EXPECT_TRUE(s.platform.boxes.empty());
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
        {"", "10", {"'' is not a valid floating point value."}, 0}};
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

// A prepared study runs on the case as it was when it was prepared: the
// window may change meanwhile (the worker thread's copy). Cancelling through
// the shared flag stops it after the point under way.
TEST(StudyForm, PreparedStudyKeepsItsCaseAndStopsWhenCancelled)
{
    StartedForm s;
    study::StudyForm f;
    f.Open(s.form);
    const study::StudyJob job = f.Prepare(s.form);
    s.form.SetText(Field::Etpe, "20");  // every point would now fail
    s.form.SetText(Field::EQ_nom, "");
    const study::Study st = job.Run();
    ASSERT_TRUE(st.ok());
    ASSERT_EQ(st.points.size(), 10u);
    EXPECT_EQ(st.points[9].result->texts[0], "33.0");  // Etpa_beregn at 55 kW, as "Beregn Aktuel" gives it
    EXPECT_EQ(st.points[0].result->texts[8], "2.07");

    study::SharedProgress shared;
    shared.cancel = true;
    const study::Study stopped = job.Run(shared);
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_EQ(stopped.points.size(), 1u);
    EXPECT_EQ(shared.done, 1);
    EXPECT_EQ(shared.total, 10);
}

// The window rewrites its captions only when the language or a caption it
// shows changes: the shown study's quantity names its columns.
TEST(StudyForm, ShownTextsFollowLanguageAndQuantity)
{
    StartedForm s;
    study::StudyForm f;
    f.Open(s.form);
    f.Calculate(s.form);
    const study::ShownTexts danish = f.Shown(s.form);
    EXPECT_EQ(danish.language, "DK");
    EXPECT_EQ(danish.columns[0], "Effekt [kW]");
    EXPECT_EQ(danish.quantities[3], "Varm sekundær ud [°C]");
    s.form.SetText(Field::EQ, "40");  // a text, not a caption
    EXPECT_EQ(f.Shown(s.form), danish);
    f.ChooseQuantity(Quantity::Etsa, s.form);
    EXPECT_EQ(f.Shown(s.form), danish);  // until its study is computed
    f.Calculate(s.form);
    EXPECT_EQ(f.Shown(s.form).columns[0], "Kold sekundær ind [°C]");
    s.Click(&app::TForm1::BitBtnUKClick);
    EXPECT_EQ(f.Shown(s.form).language, "UK");
    EXPECT_EQ(f.Shown(s.form).quantities[0], "Transferred heat (kW)");
}

}  // namespace
