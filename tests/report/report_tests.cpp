// The painted report page, recorded in paper millimetres by a paint device.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>

#include <cmath>

#include "report/qt/report_print.h"

namespace {

using report::Tquickrptpage;

constexpr int kDpi = 600;
constexpr double kMmPerPx = 25.4 / kDpi;
const QString kDate = QStringLiteral("06.12.2025");

struct PaintOp {
    bool text = false;  // otherwise a filled rectangle
    QRectF mm;          // a text's top is its baseline less the ascent
    QString s;
    QColor fill;
    bool clipped = false;
    bool operator==(const PaintOp&) const = default;
};

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyTransform)
            transform_ = state.transform();
        if (state.state() & DirtyBrush)
            brush_ = state.brush();
        if (state.state() & DirtyClipEnabled)
            clip_ = state.isClipEnabled();
        if (state.state() & (DirtyClipRegion | DirtyClipPath))
            clip_ = state.clipOperation() != Qt::NoClip;
    }
    using QPaintEngine::drawRects;
    void drawRects(const QRectF* rects, int count) override
    {
        for (int i = 0; i < count && brush_.style() != Qt::NoBrush; ++i) {
            const QRectF px = transform_.mapRect(rects[i]);
            ops.push_back({false, {px.topLeft() * kMmPerPx, px.size() * kMmPerPx}, {}, brush_.color(), clip_});
        }
    }
    void drawTextItem(const QPointF& origin, const QTextItem& item) override
    {
        const QRectF px(transform_.map(origin) - QPointF(0, item.ascent()),
                        QSizeF(item.width(), item.ascent() + item.descent()));
        ops.push_back({true, {px.topLeft() * kMmPerPx, px.size() * kMmPerPx}, item.text(), {}, clip_});
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    std::vector<PaintOp> ops;

private:
    QTransform transform_;
    QBrush brush_;
    bool clip_ = false;
};

class RecordingDevice : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable RecordingEngine engine;

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return qRound(210 / 25.4 * kDpi);
        case PdmHeight: return qRound(297 / 25.4 * kDpi);
        case PdmWidthMM: return 210;
        case PdmHeightMM: return 297;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return kDpi;
        case PdmDepth: return 32;
        case PdmDevicePixelRatioScaled: return qRound(devicePixelRatioFScale());
        default: return 1;
        }
    }
};

std::vector<PaintOp> Record(const Tquickrptpage& page)
{
    RecordingDevice device;
    QPainter painter(&device);
    report::PaintReportPage(painter, page, kDate);
    painter.end();
    return device.engine.ops;
}

bool Near(double a, double b) { return std::abs(a - b) <= 0.5; }  // mm

int Find(const std::vector<PaintOp>& ops, double left, double top)
{  // the text there, or -1
    for (size_t i = 0; i < ops.size(); ++i)
        if (ops[i].text && Near(ops[i].mm.left(), left) && Near(ops[i].mm.top(), top))
            return int(i);
    return -1;
}

QString At(const std::vector<PaintOp>& ops, double left, double top)
{
    const int i = Find(ops, left, top);
    return i < 0 ? QStringLiteral("<nothing>") : ops[i].s;
}

// The page as printed, written out row by row: explanation at 19.84 mm,
// nominal value at 89.96, its unit at 106.10, actual value at 140.23, its unit
// at 155.84. Lines are the case-file lines whose texts the values show.
struct PageRow {
    double top;
    const char *caption, *text;
    double nominalTop;
    const char* nominalValue;
    int nominalLine;
    const char *nominalUnit, *nominalUnitText;
    const char* actualValue;
    int actualLine;
    const char *actualUnit, *actualUnitText;
};
const PageRow kPageRows[] = {
    {92.60, "QRLbl1", "Primær flow", 92.60, "Primery", 1, nullptr, "", "Primery1", 16, nullptr, ""},
    {100.01, "QRLabel2", "Sekundær flow", 100.01, "Sekundery", 2, nullptr, "", "Sekundery1", 17, nullptr, ""},
    {107.42, "QRLabel3", "Effekt", 106.36, "EQ_nom", 3, "QRLabel19", "kW ", "EQ", 18, "QRLabel18", "kW "},
    {114.83, "QRLabel4", "Primær temp. frem ", 114.83, "Etpe_nom", 4, "QRLabel20", "°C ", "Etpe", 19, "QRLabel32",
     "°C "},
    {122.24, "QRLabel5", "Primær temp. retur ", 122.24, "Etpa_nom", 5, "QRLabel21", "°C ", "Etpa_beregn", 22,
     "QRLabel33", "°C "},
    {129.65, "QRLabel6", "Varm sekundær ud", 129.65, "Etse_nom", 6, "QRLabel22", "°C  ", "Etse", 20, "QRLabel34",
     "°C "},
    {137.05, "QRLabel7", "Kold sekundær ind ", 137.05, "Etsa_nom", 7, "QRLabel23", "°C ", "Etsa", 21, "QRLabel35",
     "°C "},
    {144.46, "QRLabel8", "Primær tryktab", 144.46, "EPp_nom", 8, "QRLabel30", "bar ", "EP_p", 25, "QRLabel42", "bar "},
    {151.87, "QRLabel9", "Sekundær tryktab", 151.87, "EPs_nom", 9, "QRLabel31", "bar ", "EP_s", 26, "QRLabel43",
     "bar "},
    {159.28, "QRLabel10", "Temp. differens primær", 159.28, "EAOp_nom", 10, "QRLabel24", "°C ", "EAOp", 23, "QRLabel36",
     "°C "},
    {166.69, "QRLabel11", "Temp. differens sekundær", 166.69, "EAOs_nom", 11, "QRLabel25", "°C ", "EAOs", 24,
     "QRLabel37", "°C "},
    {174.10, "QRLabel12", "Primær vandflow", 174.10, "EV_p_nom", 12, "QRLabel29", "m3/h ", "EV_p", 27, "QRLabel41",
     "m3/h "},
    {181.50, "QRLabel13", "Sekundær vandflow", 181.50, "EV_s_nom", 13, "QRLabel28", "m3/h ", "EV_s", 28, "QRLabel40",
     "m3/h "},
    {188.91, "QRLabel14", "Logaritmisk middeltemp.", 188.91, "Em_nom", 14, "QRLabel26", "°C ", "Em", 29, "QRLabel38",
     "°C "},
    {196.32, "QRLabel15", "Varmeoverføringsevne", 196.32, "EUA_nom", 15, "QRLabel27", "kW/°C ", "EUA", 30, "QRLabel39",
     "kW/°C "},
};

struct Placed {
    const char* name;
    double left, top;
    std::string text;
};

// All 75 labels; a value label shows "t<line>" when `filled`, else its start caption.
std::vector<Placed> ExpectedLabels(bool filled)
{
    const auto value = [&](int line) { return filled ? "t" + std::to_string(line) : std::string("Primery"); };
    std::vector<Placed> labels = {{"QRLabel17", 19.84, 24.08, "Tervol Program version 1.2 for windows"},
                                  {"QRLabel1", 19.84, 82.02, "Forklaring"},
                                  {"QRLabel45", 89.96, 82.02, "Nominelle"},
                                  {"QRLabel46", 140.23, 82.02, "Aktuelle"}};
    for (const PageRow& r : kPageRows) {
        labels.push_back({r.caption, 19.84, r.top, r.text});
        labels.push_back({r.nominalValue, 89.96, r.nominalTop, value(r.nominalLine)});
        labels.push_back({r.actualValue, 140.23, r.top, value(r.actualLine)});
        if (r.nominalUnit) {
            labels.push_back({r.nominalUnit, 106.10, r.nominalTop, r.nominalUnitText});
            labels.push_back({r.actualUnit, 155.84, r.top, r.actualUnitText});
        }
    }
    return labels;
}

// Each label by its name on the page and by its text on paper at its place;
// nothing else is printed but the date. Returns what was painted.
std::vector<PaintOp> ExpectThePrintedPage(const Tquickrptpage& page, bool filled)
{
    const auto ops = Record(page);
    const std::vector<Placed> expected = ExpectedLabels(filled);
    EXPECT_EQ(expected.size(), 75u);
    for (const Placed& e : expected) {
        SCOPED_TRACE(e.name);
        EXPECT_NEAR(page.FindLabel(e.name).left, e.left, 0.005);
        EXPECT_NEAR(page.FindLabel(e.name).top, e.top, 0.005);
        EXPECT_EQ(At(ops, e.left, e.top).toStdString(), e.text);
    }
    EXPECT_EQ(At(ops, 167.22, 23.28), kDate);
    EXPECT_EQ(std::count_if(ops.begin(), ops.end(), [](const PaintOp& op) { return op.text; }), 76);
    return ops;
}

TEST(PaintedPage, EveryLabelAtItsPlaceWithItsStartCaptionThenItsCaseFileLine)
{
    Tquickrptpage page;
    const auto ops = ExpectThePrintedPage(page, false);
    EXPECT_EQ(Record(page), ops) << "painting changed the page";
    EXPECT_TRUE(std::any_of(ops.begin(), ops.end(), [](const PaintOp& op) {
        return !op.text && op.fill == Qt::black && Near(op.mm.left(), 19.05) && Near(op.mm.top(), 89.96) &&
               Near(op.mm.width(), 161.13) && Near(op.mm.height(), 0.26);
    })) << "the rule under the headings";
    report::CaseTexts texts;
    for (int i = 0; i < report::kValueCount; ++i)
        texts[i] = "t" + std::to_string(i + 1);
    report::FillReport(page, texts);
    ExpectThePrintedPage(page, true);
}

TEST(PaintedPage, LongValueIsDrawnWholeOverItsUnit)
{
    Tquickrptpage page;
    report::CaseTexts texts;
    const QString longText = QStringLiteral("123456789012345678901234,567");
    texts[2] = longText.toStdString();  // EQ_nom; its unit stands 16.14 mm further right
    report::FillReport(page, texts);
    const auto ops = Record(page);
    const int value = Find(ops, 89.96, 106.36);
    ASSERT_GT(value, Find(ops, 106.10, 106.36)) << "the unit's white box would hide part of the value";
    EXPECT_EQ(ops[value].s, longText);
    EXPECT_FALSE(ops[value].clipped);
    EXPECT_GT(ops[value].mm.right(), 106.10 + 10);
    EXPECT_GE(ops[value - 1].mm.right(), ops[value].mm.right() - 0.01) << "its own box is as wide";
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
