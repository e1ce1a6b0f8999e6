// The part-load chart's scales and axis numbers, and the printed page's
// table heads, checked on what the painter is handed.
#include "gui/chartscale.h"
#include "gui/studychart.h"
#include "gui/studypage.h"
#include "gui/studywindow.h"
#include "model/headless_platform.h"
#include "tests/support/window_test.h"

#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <tuple>

namespace {

using app::qt::Scale;

QString Described(const Scale& s) { return QString("%1..%2 by %3").arg(s.low).arg(s.high()).arg(s.step); }

// Readable steps that cover the data; both value axes in as many steps.
TEST(ChartScale, ReadableStepsSharedByBothAxes)
{
    const std::tuple<double, double, int, const char*> single[] = {
        {30, 39.6, 5, "30..40 by 2"}, {-5, 70, 5, "-20..80 by 20"},     {55, 55, 5, "54..56.5 by 0.5"},
        {1, 0, 5, "0..1 by 0.2"},     {0.1, 0.3, 2, "0.1..0.3 by 0.1"}, {1000, 1234.5, 4, "1000..1400 by 100"},
    };
    for (const auto& [low, high, intervals, expected] : single)
        EXPECT_EQ(Described(app::qt::ScaleFor(low, high, intervals)), expected) << low << " " << high;

    // Return temperature 30.0..39.6 °C, flow 0..1.44 m³/h: six steps leave
    // the least room unused on the two together.
    const auto [t, v] = app::qt::SharedScales(30, 39.6, 0, 1.44);
    EXPECT_EQ(Described(t) + " | " + Described(v), "30..42 by 2 | 0..1.5 by 0.25");
    EXPECT_EQ(t.intervals, v.intervals);

    const std::pair<double, int> decimals[] = {{2, 0}, {0.25, 2}, {0.5, 1}, {2.5, 1}, {0.1, 1}, {1e-9, 6}, {62.5, 1}};
    for (const auto& [step, expected] : decimals)
        EXPECT_EQ(app::qt::StepDecimals(step), expected) << step;
}

// A paint device that keeps each piece of text the painter draws, where it
// lands on the page and in which type size.
struct DrawnText {
    QString text;
    QRectF rect;  // device pixels
    double points;
    bool bold;
};

class TextRecorder : public QPaintEngine {
public:
    std::vector<DrawnText> texts;
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyTransform)
            transform_ = state.transform();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        const QFontMetricsF metrics(item.font(), paintDevice());
        const QRectF local(p.x(), p.y() - item.ascent(), item.width(), item.ascent() + item.descent());
        texts.push_back(
            {item.text(), transform_.mapRect(local), item.font().pointSizeF() * transform_.m22(), item.font().bold()});
    }
    Type type() const override { return User; }

private:
    QTransform transform_;
};

// A4 at 300 dpi.
class RecordingPage : public QPaintDevice {
public:
    TextRecorder engine;
    QPaintEngine* paintEngine() const override { return const_cast<TextRecorder*>(&engine); }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return 2480;
        case PdmHeight: return 3508;
        case PdmWidthMM: return 210;
        case PdmHeightMM: return 297;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 300;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        }
        return 0;
    }
};

class StudyPageTest : public support::WindowTest {};

// The printed page in either language and either decimal mark: every table
// head at least the body's type size and clear of the others, no word left
// alone on a line of its own, the axis numbers in the window's number format.
TEST_F(StudyPageTest, TableHeadsLegibleAndAxisNumbersInTheWindowsFormat)
{
    // The default study's return temperature runs from 30.3 to 33.0 °C, the
    // primary flow up to 1.199 m³/h: six steps of 0.5 K and 0.2 m³/h.
    const std::tuple<bool, calc::NumberFormat, QStringList> cases[] = {
        {false, {",", "."}, {"30,0", "30,5", "33,0", "0,0", "0,2", "1,2"}},
        {true, {",", "."}, {"30,0", "30,5", "33,0", "0,0", "0,2", "1,2"}},
        {false, {".", ","}, {"30.0", "30.5", "33.0", "0.0", "0.2", "1.2"}},
    };
    for (const auto& [english, format, axisNumbers] : cases) {
        OpenWindow();
        if (english)
            QTest::mouseClick(window->controls().unionFlag, Qt::LeftButton);
        QTest::mouseClick(Button("BitBtnDellast"), Qt::LeftButton);
        app::qt::StudyWindow* study = platform.studyWindow();
        ASSERT_TRUE(study);
        RecordingPage page;
        QPainter painter(&page);
        app::HeadlessPlatform headless;
        app::TForm1 computing(headless, format);
        computing.FormCreate();
        const study::Study run = study::Run(computing, {study::Quantity::EQ, 5.5, 55, 10});
        app::qt::PaintStudyPage(painter, study->Page(), run, study->chartCaptions());
        painter.end();
        // For a look at the page: TERVOL_PAGE_PNG=folder keeps each one as a picture.
        if (const QString folder = qEnvironmentVariable("TERVOL_PAGE_PNG"); !folder.isEmpty()) {
            QImage paper(1240, 1754, QImage::Format_RGB32);
            paper.setDotsPerMeterX(5906), paper.setDotsPerMeterY(5906);
            paper.fill(Qt::white);
            QPainter onPaper(&paper);
            app::qt::PaintStudyPage(onPaper, study->Page(), run, study->chartCaptions());
            onPaper.end();
            paper.save(QString("%1/page-%2-%3.png")
                           .arg(folder, english ? "en" : "da", format.decimal == "," ? "comma" : "point"));
        }

        std::vector<DrawnText> heads;
        QStringList words;
        for (const DrawnText& t : page.engine.texts) {
            words << t.text;
            if (t.bold && t.rect.width() < 300 && t.text != study->Page().title)  // narrower than 25 mm
                heads.push_back(t);
        }
        const QString all = words.join('|');
        // "Δ" may come from another font than the letters after it.
        EXPECT_TRUE(QString(all).replace("Δ|", "Δ").contains("|Q|[kW]|tpa|[°C]|Δtp|[°C]|Δts|")) << all.toStdString();
        EXPECT_FALSE(words.contains("i")) << all.toStdString();
        ASSERT_GE(heads.size(), 20u);
        for (size_t i = 0; i < heads.size(); ++i) {
            EXPECT_GE(heads[i].points, 7 - 1e-6) << heads[i].text.toStdString();
            for (size_t j = i + 1; j < heads.size(); ++j)
                EXPECT_FALSE(heads[i].rect.intersects(heads[j].rect))
                    << heads[i].text.toStdString() << " / " << heads[j].text.toStdString();
        }
        for (const QString& number : axisNumbers)
            EXPECT_TRUE(words.contains(number)) << number.toStdString() << " in " << all.toStdString();
        EXPECT_FALSE(words.contains("1,4") || words.contains("1.4")) << all.toStdString();
        // Every text on the paper, 10 mm clear of its edges (118 px at 300 dpi).
        const QRectF printable(118, 118, 2480 - 2 * 118, 3508 - 2 * 118);
        for (const DrawnText& t : page.engine.texts)
            EXPECT_TRUE(printable.contains(t.rect)) << t.text.toStdString() << " at " << t.rect.x() << "," << t.rect.y()
                                                    << " " << t.rect.width() << "x" << t.rect.height();
    }
}

}  // namespace
