// The part-load study: the actual state of the window's case over a range of
// one actual input, each point computed exactly as "Beregn Aktuel" computes it
// with that value written into the field.
#pragma once

#include "calc/actual.h"
#include "calc/messages.h"
#include "model/casefields.h"
#include "model/form1.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace study {

// The actual inputs a study can vary.
enum class Quantity { EQ, Etpe, Etsa, Etse };
inline constexpr std::array<Quantity, 4> kQuantities{Quantity::EQ, Quantity::Etpe, Quantity::Etsa, Quantity::Etse};
app::Field FieldOf(Quantity q);
// By the field's name ("EQ", "Etpe", "Etsa", "Etse").
std::optional<Quantity> QuantityNamed(std::string_view name);

inline constexpr int kMinPoints = 2, kMaxPoints = 1000;
inline constexpr int kDefaultPoints = 10;

// The nine results in the window's order, as in calc::ActualResultTexts.
inline constexpr std::array<app::Field, 9> kResultFields{app::Field::Etpa_beregn, app::Field::EAOp, app::Field::EAOs,
                                                         app::Field::EP_p,        app::Field::EP_s, app::Field::EV_p,
                                                         app::Field::EV_s,        app::Field::Em,   app::Field::EUA};

// The numbers behind those nine results, in the same order.
inline std::array<double, 9> ResultValues(const calc::ActualValues& v)
{
    return {v.tpa, v.AOp, v.AOs, v.Pp, v.Ps, v.Vp, v.Vs, v.m, v.UA};
}

struct Range {
    Quantity quantity = Quantity::EQ;
    double first = 0, last = 0;  // both included; first may lie above last
    int points = kDefaultPoints;
};

// The default range of each quantity, from the window's current texts:
//   EQ    10 % to 100 % of the actual EQ,
//   Etpe  Etse + 2 K to Etpe + 20 K (just above the secondary outlet up to a
//         winter supply),
//   Etsa  Etsa − 20 K to Etse − 5 K,
//   Etse  Etsa + 5 K to Etpe − 2 K,
// 10 points each. Nothing when a text it needs is not a number.
std::optional<Range> DefaultRange(const app::TForm1& form, Quantity q = Quantity::EQ);

// The value of point `index` (from 0): evenly spaced, both ends exact, each
// taken to 12 significant digits so that its text reads back as this value.
double PointValue(const Range& range, int index);
// The value as written into the field: the shortest text that reads back as
// it, with the given decimal separator.
std::string ValueText(double value, std::string_view decimalSeparator);

struct Point {
    double value = 0;
    std::string text;  // as written into the field, in the window's number format
    // The results of a point that computed: values and the window's texts.
    std::optional<calc::ActualResult> result;
    // The boxes the point showed, in order; an error box's text carries its
    // full stop as the box shows it. Empty when it computed.
    std::vector<std::string> messages;
    bool ok() const { return result.has_value(); }
};

// The texts a point writes into its actual fields.
using FieldTexts = std::vector<std::pair<app::Field, std::string>>;

// The one way a point is computed, for the part-load study and the heating
// season alike: on a copy of the window's form, whose boxes it keeps as texts,
// the point's texts go into their fields and the actual half of "Beregn
// Aktuel" runs. The window's own form is never touched.
class PointRunner {
public:
    explicit PointRunner(const app::TForm1& form);
    ~PointRunner();
    PointRunner(const PointRunner&) = delete;
    PointRunner& operator=(const PointRunner&) = delete;

    // The presence check and the nominal calculation, with the first point's
    // texts in their fields (every point fills them alike): the boxes they
    // showed, none when the points can run.
    std::vector<std::string> Start(const FieldTexts& texts);
    // The point's result, nothing when a box stopped it; its boxes in order,
    // an error box's text with its full stop.
    std::optional<calc::ActualResult> Compute(const FieldTexts& texts, std::vector<std::string>& messages);
    const app::TForm1& Form() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

struct Study {
    Range range;
    // The messages that ended the study before its first point: the
    // presence check, a point count out of range or a nominal failure.
    std::vector<std::string> failure;
    std::vector<Point> points;  // fewer than range.points when cancelled
    bool cancelled = false;
    calc::NumberFormat format;  // the window's, in which the point texts are written
    bool ok() const { return failure.empty(); }
};

// Told after each point with the number done; returning false stops the
// study, keeping the points done.
using Progress = std::function<bool(int done, int total)>;

// Runs the study on a copy of `form`, whose texts, captions, media, language
// and number format it uses; `form` itself is not touched. Messages come in
// the form's language.
Study Run(const app::TForm1& form, const Range& range, const Progress& progress = {});

// ---- the study as text

// One RFC 4180 text field, safe to open in a spreadsheet (CsvTextField).
std::string CsvField(std::string_view text);

// The texts with the separator between them.
std::string Joined(const std::vector<std::string>& texts, std::string_view separator);

// The texts of a number the calculation wrote, with "." as decimal separator
// and no thousands separator.
std::string PlainNumber(const std::string& text, const calc::NumberFormat& format);

// RFC 4180, UTF-8, CRLF line ends: a header row (the varied field's name,
// "status", the nine result fields' names), then one row per point: the value
// and results with "." as decimal separator, status "ok" or the point's
// messages joined by " | ".
std::string CsvHeader(Quantity q);
std::string CsvRow(const Point& point, const calc::NumberFormat& format);
std::string Csv(const Study& study);

// For the clipboard, so that it pastes into a spreadsheet: tab-separated, the
// given captions as header row, numbers with the window's decimal separator
// and no thousands groups, a failed point's messages (joined by " | ") in the
// column after its value; "\n" line ends.
std::string TabSeparated(const Study& study, const std::array<std::string, 10>& captions);

}  // namespace study
