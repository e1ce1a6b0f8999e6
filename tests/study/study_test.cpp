#include "study/study.h"

#include "tests/support/recording_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using app::Field;
using study::Quantity;

// What "Beregn Aktuel" shows with `text` written into `field`: the nine
// result texts, or the boxes it showed.
struct WindowOutcome {
    std::vector<std::string> results;
    std::vector<std::string> boxes;
};

WindowOutcome PressBeregnAktuel(StartedForm& s, Field field, const std::string& text)
{
    s.platform.boxes.clear();
    s.form.SetText(field, text);
    s.Click(&app::TForm1::BitBtn2Click);
    WindowOutcome out;
    for (const auto& box : s.platform.boxes)
        out.boxes.push_back(box.text);
    if (out.boxes.empty())
        for (Field f : study::kResultFields)
            out.results.push_back(s.form.Text(f));
    return out;
}

WindowOutcome OfPoint(const study::Point& p)
{
    if (!p.ok())
        return {{}, p.messages};
    return {{p.result->texts.begin(), p.result->texts.end()}, {}};
}

bool operator==(const WindowOutcome& a, const WindowOutcome& b) { return a.results == b.results && a.boxes == b.boxes; }

void PrintTo(const WindowOutcome& o, std::ostream* os)
{
    for (const auto& r : o.results)
        *os << r << " ";
    for (const auto& b : o.boxes)
        *os << "[" << b << "] ";
}

// Each point of a study is what the window computes with the point's text in
// the field: through the same model, in a Danish-format locale too.
TEST(Study, EachPointEqualsBeregnAktuelWithThatText)
{
    struct Case {
        calc::NumberFormat format;
        std::string language;
        study::Range range;
    };
    const std::vector<Case> cases{
        {{".", ","}, "DK", {Quantity::EQ, 5.5, 55, 10}},  {{",", "."}, "DK", {Quantity::EQ, 1234.5, 0.1, 7}},
        {{".", ","}, "UK", {Quantity::Etpe, 60, 100, 9}},  // crosses Etse, then converges slowly
        {{",", "."}, "UK", {Quantity::Etsa, -5, 70, 6}},  {{".", ","}, "DK", {Quantity::Etse, 20, 80, 7}},
    };
    for (const Case& c : cases) {
        StartedForm s(c.format);
        if (c.language == "UK")
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

}  // namespace
