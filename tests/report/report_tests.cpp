// The painted report page, recorded in paper millimetres by a paint device.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
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

// Every label where the page places it, with the caption it holds.
void ExpectEveryLabelAtThePagesPlace(const Tquickrptpage& page, const std::vector<PaintOp>& ops)
{
    for (const report::Label& label : page.Labels())
        EXPECT_EQ(At(ops, label.left, label.top), QString::fromStdString(label.caption)) << label.name;
    EXPECT_EQ(std::count_if(ops.begin(), ops.end(), [](const PaintOp& op) { return op.text; }), 76);
}

TEST(PaintedPage, StartCaptionsDateAndRuleAtTheirPlaces)
{
    const Tquickrptpage page;
    const auto ops = Record(page);
    ExpectEveryLabelAtThePagesPlace(page, ops);
    EXPECT_EQ(At(ops, 19.84, 24.08), "Tervol Program version 1.2 for windows");
    EXPECT_EQ(At(ops, 89.96, 82.02), "Nominelle");
    EXPECT_EQ(At(ops, 19.84, 107.42), "Effekt");
    EXPECT_EQ(At(ops, 89.96, 106.36), "Primery");  // EQ_nom, raised above its row
    EXPECT_EQ(At(ops, 106.10, 106.36), "kW ");
    EXPECT_EQ(At(ops, 155.84, 196.32), "kW/°C ");
    EXPECT_EQ(At(ops, 167.22, 23.28), kDate);
    const report::DateItem& date = page.QRSysData1();
    EXPECT_EQ(At(ops, date.left, date.top), kDate);

    const report::RectMm& r = page.QRShape1().area;
    for (const QRectF& rule : {QRectF(19.05, 89.96, 161.13, 0.26), QRectF(r.left, r.top, r.width, r.height)}) {
        EXPECT_TRUE(std::any_of(ops.begin(), ops.end(),
                                [&](const PaintOp& op) {
                                    return !op.text && op.fill == Qt::black && Near(op.mm.left(), rule.left()) &&
                                           Near(op.mm.top(), rule.top()) && Near(op.mm.width(), rule.width()) &&
                                           Near(op.mm.height(), rule.height());
                                }))
            << "rule at " << rule.left() << ", " << rule.top();
    }
}

TEST(PaintedPage, FillReportPutsTheCaseFileTextsOnTheirLabels)
{
    Tquickrptpage page;
    report::CaseTexts texts;
    for (int i = 0; i < report::kValueCount; ++i)
        texts[i] = "t" + std::to_string(i);
    report::FillReport(page, texts);
    const auto ops = Record(page);
    ExpectEveryLabelAtThePagesPlace(page, ops);
    EXPECT_EQ(At(ops, 89.96, 92.60), "t0");     // Primery
    EXPECT_EQ(At(ops, 89.96, 106.36), "t2");    // EQ_nom
    EXPECT_EQ(At(ops, 140.23, 92.60), "t15");   // primery1, on the label Primery1
    EXPECT_EQ(At(ops, 140.23, 122.24), "t21");  // Etpa_beregn
    EXPECT_EQ(At(ops, 140.23, 196.32), "t29");  // EUA, the last row
    EXPECT_EQ(At(ops, 19.84, 107.42), "Effekt");
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

TEST(PaintedPage, PaintingTwiceGivesTheSamePage)
{
    const Tquickrptpage page;
    EXPECT_EQ(Record(page), Record(page));
}

TEST(ReportPrinter, A4PortraitOneCopyDuplexAllPages)
{
    QPrinter printer(QPrinter::HighResolution);
    report::ConfigureReportPrinter(printer, Tquickrptpage().Page());
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(printer.copyCount(), 1);
    EXPECT_EQ(printer.printRange(), QPrinter::AllPages);
    // Qt's PDF output keeps no duplex; the page asks for it, and a printer that can takes it.
    EXPECT_TRUE(Tquickrptpage().Page().duplex);
    if (QPrinterInfo(printer).supportedDuplexModes().contains(QPrinter::DuplexLongSide)) {
        EXPECT_EQ(printer.duplex(), QPrinter::DuplexLongSide);
    }
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
