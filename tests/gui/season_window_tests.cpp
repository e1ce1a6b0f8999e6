// The heating season window on the offscreen platform, opened by its button,
// in both languages: its size, charts, files, printed page and progress.
#include "gui/progressrun.h"
#include "gui/seasonpage.h"
#include "gui/seasonwindow.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/window_test.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QProgressDialog>
#include <QTableWidget>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

using app::qt::SeasonField;
using support::Q;

// What a command prints on standard output.
std::string Output(const std::string& command)
{
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buf[4096];
        for (size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;)
            out.append(buf, n);
        EXPECT_EQ(::pclose(pipe), 0) << command;
    }
    return out;
}

class SeasonWindowTest : public support::WindowTest {
protected:
    app::qt::SeasonWindow* OpenSeason()
    {
        QTest::mouseClick(Button("BitBtnSeason"), Qt::LeftButton);
        app::qt::SeasonWindow* season = platform.seasonWindow();
        EXPECT_TRUE(season && season->isVisible());
        return season;
    }
    // Three bins below the limit and one above it.
    app::qt::SeasonWindow* Computed()
    {
        app::qt::SeasonWindow* season = OpenSeason();
        if (season) {
            season->field(SeasonField::Weather)->setText(Q(dir.Write("bins.txt", "-10;100\n0;200\n10;300\n20;50\n")));
            season->Calculate();
        }
        return season;
    }
    void English() { QTest::mouseClick(Button("BitBtnUK"), Qt::LeftButton); }
    support::ScratchDir dir;
};

// Three bins below the limit of the start case: the table as the window
// shows numbers, the summary, in Danish, then the captions in English.
TEST_F(SeasonWindowTest, ComputesTheBinsAndFollowsTheFlags)
{
    EXPECT_EQ(Button("BitBtnSeason")->geometry(), QRect(624, 432, 121, 25));
    EXPECT_EQ(Button("BitBtnSeason")->text(), "Fyringssæson");
    app::qt::SeasonWindow* season = Computed();
    ASSERT_TRUE(season);
    EXPECT_EQ(season->windowTitle(), "Tervol – Fyringssæson");
    QTableWidget* table = season->table();
    ASSERT_EQ(table->rowCount(), 3);
    QStringList first;
    for (int c = 0; c < 7; ++c)
        first << table->item(0, c)->text();
    EXPECT_EQ(first.join(" "), "-10 100 51.56 73.0 29.7 60.7 31.7");
    // (51.5625·100 + 34.375·200 + 17.1875·300)/1000 MWh
    EXPECT_TRUE(season->summary()->text().contains("17.19")) << season->summary()->text().toStdString();
    season->CopyTable();
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("Ude [°C]\tTimer\tEffekt [kW]"));

    English();
    EXPECT_EQ(Button("BitBtnSeason")->text(), "Heating season");
    EXPECT_EQ(season->windowTitle(), "Tervol – Heating season");
    EXPECT_EQ(table->horizontalHeaderItem(0)->text(), "Outdoor\n[°C]");
    // One instance: the button raises the window already open.
    QTest::mouseClick(Button("BitBtnSeason"), Qt::LeftButton);
    EXPECT_EQ(platform.seasonWindow(), season);
}

// On a 1280 × 800 screen under a taskbar: the window with its frame within
// 1280 × 740, every setting at its full height inside it, the table and both
// charts with room, in both languages.
TEST_F(SeasonWindowTest, FitsASmallScreenInBothLanguages)
{
    app::qt::SeasonWindow* season = Computed();
    ASSERT_TRUE(season);
    for (const char* language : {"DK", "UK"}) {
        SCOPED_TRACE(language);
        if (language == std::string("UK"))
            English();
        QApplication::processEvents();
        EXPECT_LE(season->height(), 740 - 30);
        EXPECT_LE(season->width(), 1280);
        EXPECT_LE(season->minimumSizeHint().height(), 740 - 30);
        EXPECT_LE(season->minimumSizeHint().width(), 1280);
        for (int i = 0; i < app::qt::kSeasonFieldCount; ++i) {
            QLineEdit* edit = season->field(SeasonField(i));
            const QRect inside(edit->mapTo(season, QPoint(0, 0)), edit->size());
            EXPECT_TRUE(season->rect().contains(inside)) << i;
            EXPECT_GE(edit->height(), edit->sizeHint().height()) << i;
        }
        EXPECT_GE(season->table()->height(), 90);
        EXPECT_GE(season->flowChart()->height(), 190);
        EXPECT_GE(season->durationChart()->height(), 190);
    }
}

// Before "Beregn" the charts show no scale, only what to do; after it the
// two value axes are cut into the same steps, so one set of gridlines serves
// both: return 25.7..31.7 °C and flow 0.317..1.090 m³/h (from zero) in
// five steps each.
TEST_F(SeasonWindowTest, ChartsWaitForTheFirstCalculationThenShareGridlines)
{
    app::qt::SeasonWindow* season = OpenSeason();
    ASSERT_TRUE(season);
    const auto hint = [](QCustomPlot* plot) {
        auto* text = plot->itemCount() == 1 ? qobject_cast<QCPItemText*>(plot->item(0)) : nullptr;
        return text ? text->text() : QString();
    };
    // The hint drawn whole: its grey pixels span about the text's width.
    const auto drawnWidth = [](QCustomPlot* plot) {
        const QImage image = plot->toPixmap(plot->width(), plot->height()).toImage();
        int left = image.width(), right = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 200) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        return right - left + 1;
    };
    for (QCustomPlot* plot : {season->flowChart(), season->durationChart()}) {
        EXPECT_FALSE(plot->xAxis->visible());
        EXPECT_FALSE(plot->yAxis->visible());
        EXPECT_EQ(hint(plot), "Vælg en vejrfil og tryk Beregn");
        const int textWidth = QFontMetrics(plot->font()).horizontalAdvance(hint(plot));
        EXPECT_GT(drawnWidth(plot), textWidth * 8 / 10) << "of " << textWidth;
    }
    English();
    EXPECT_EQ(hint(season->flowChart()), "Choose a weather file and press Calculate");

    season->field(SeasonField::Weather)->setText(Q(dir.Write("bins.txt", "-10;100\n0;200\n10;300\n20;50\n")));
    season->Calculate();
    QCustomPlot* flow = season->flowChart();
    EXPECT_EQ(flow->itemCount(), 0);
    ASSERT_EQ(flow->graphCount(), 2);
    EXPECT_TRUE(flow->yAxis2->visible());
    const auto scale = [](QCPAxis* axis) {
        const auto fixed = axis->ticker().dynamicCast<QCPAxisTickerFixed>();
        if (!fixed)
            return QString("steps not fixed");
        return QString("%1..%2 by %3").arg(axis->range().lower).arg(axis->range().upper).arg(fixed->tickStep());
    };
    EXPECT_EQ((scale(flow->yAxis) + " | " + scale(flow->yAxis2)).toStdString(), "24..34 by 2 | 0..1.25 by 0.25");
    EXPECT_FALSE(flow->yAxis2->grid()->visible());
    QCustomPlot* duration = season->durationChart();
    ASSERT_EQ(duration->graphCount(), 1);
    // The load's steps over the file's 650 hours, zero above the limit.
    QString steps;
    for (const QCPGraphData& p : *duration->graph(0)->data())
        steps += QString("%1:%2 ").arg(p.key).arg(p.value);
    EXPECT_EQ(steps, "0:51.5625 100:51.5625 100:34.375 300:34.375 300:17.1875 600:17.1875 600:0 650:0 ");
}

// "Gem som …": a workbook read back by a spreadsheet reader, the CSV the
// command line writes; a file that cannot be written says why in the
// window's language and keeps no half file.
TEST_F(SeasonWindowTest, SavesAWorkbookAndCsv)
{
    app::qt::SeasonWindow* season = Computed();
    ASSERT_TRUE(season);
    English();
    season->Save(Q(dir.File("season.xlsx")));
    const std::string script =
        dir.Write("read.py",
                  "import sys, openpyxl\n"
                  "ws = openpyxl.load_workbook(sys.argv[1]).active\n"
                  "print(ws.title)\n"
                  "for c in ('A1','A4','A5','B6','A14','B15','B23','A25','O25','A26','G26','O28'):\n"
                  "  print(c, repr(ws[c].value))\n");
    EXPECT_EQ(Output("/usr/bin/python3 '" + script + "' '" + dir.File("season.xlsx") + "'"),
              "Heating season\n"
              "A1 'Tervol – Heating season'\n"
              "A4 'Settings'\n"
              "A5 'Weather file'\n"
              "B6 -12\n"
              "A14 'Season'\n"
              "B15 17.1875\n"
              "B23 650\n"
              "A25 'Outdoor [°C]'\n"
              "O25 'UA overall heat transfer coefficient (kW/K)'\n"
              "A26 -10\n"
              "G26 31.7\n"
              "O28 5.25\n");

    season->Save(Q(dir.File("season.CSV")));
    const std::string csv = dir.Read("season.CSV");
    EXPECT_EQ(csv.substr(0, csv.find("\r\n", csv.find("\r\n") + 2)),
              "outdoor,hours,status,EQ,Etpe,Etsa,Etse,Etpa_beregn,EAOp,EAOs,EP_p,EP_s,EV_p,EV_s,Em,EUA\r\n"
              "-10,100,ok,51.5625,73,29.747779618648053,60.68527961864805,31.708898782402528,41.29110121759747,"
              "30.9375,0.4629877616813064,0.8233842088357515,1.089913407552228,1.4506340773746926,5.635287566977147,"
              "9.149932348112433");

    for (const char* language : {"UK", "DK"}) {
        if (language == std::string("DK"))
            QTest::mouseClick(Button("BitBtnDK"), Qt::LeftButton);
        ExpectBox();
        season->Save("/dev/full");
        ASSERT_TRUE(seenBox);
        EXPECT_EQ(seenBox->text, language == std::string("UK") ? "The file could not be written: Disk full."
                                                               : "Filen kunne ikke skrives: Disk full.");
    }
}

// The printed page, painted into a PDF as the preview prints it: one A4
// page with the settings, the summary, the bins and the charts' captions, in
// either language; a long season keeps its first and last bins. Weighted
// return: Σ V·h·tpa / Σ V·h over (1.090·100, 0.670·200, 0.317·300) m³; at
// -40 °C φ = 60/32: EQ 103.125 kW, Etse 20 + 26.5·φ^(1/1.3) + 33·φ/2 = 93.9.
TEST_F(SeasonWindowTest, PrintsOnOnePageInEitherLanguage)
{
    app::qt::SeasonWindow* season = Computed();
    ASSERT_TRUE(season);
    const std::vector<std::vector<std::string>> expected = {
        {"Tervol – Fyringssæson", "Indstillinger Sæson\n", "Vejrfil bins.txt Leveret varme [MWh] 17.19\n",
         "Dimensionerende udetemperatur [°C] -12.0 Primært volumen [m3] 338.1\n",
         "Radiatoreksponent n 1.30 Største primære flow [m3/h] 1.090\n",
         "Varmegrænse [°C] 17.0 Volumenvægtet afkøling [K] 44.35\n", "Primær fremløb [°C] 73.0 Timer beregnet 600\n",
         " Timer i filen 650\n", "\n -10 100 51.56 73.0 29.7 60.7 31.7 41.3 30.9 0.463 0.823 1.090 1.451 5.64 9.15\n",
         "\n 10 300 17.19 73.0 25.7 36.0 25.7 47.3 10.3 0.039 0.814 0.317 1.443 3.27 5.25\n",
         "tpe Primær temp. frem [°C]", "Ude [°C]", "Varighedskurve for varmelasten"},
        {"Tervol – Heating season", "Settings Season\n", "Weather file bins.txt Heat delivered [MWh] 17.19\n",
         "Indoor temperature [°C] 20.0 Volume-weighted primary return [°C] 28.65\n",
         "Secondary table Peak flow at outdoor [°C] -10\n", " Hours in the file 650\n",
         "\n 0 200 34.38 73.0 28.1 48.8 28.3 44.7 20.6 0.175 0.819 0.670 1.447 4.63 7.42\n", "To Outdoor [°C]",
         "h Hours", "Load duration curve"},
        {"\n -40 1 103.13 73.0 32.0 93.9 Primary inlet temperature °C must be greater than Secondary outlet "
         "temperature "
         "°C\n",
         "\n 16 1 6.88 73.0 23.3 27.4 23.3 49.7 4.1 0.006 0.811 0.121 1.439 2.14 3.21\n", " 18 of 57 bins shown\n",
         "Primary supply [°C] 73.0 Hours computed 37\n", "Hours in the file 57\n"},
    };
    std::string bins;
    for (int outdoor = -40; outdoor <= 16; ++outdoor)
        bins += std::to_string(outdoor) + ";1\n";
    for (size_t run = 0; run < expected.size(); ++run) {
        if (run == 1)
            English();
        if (run == 2) {
            season->field(SeasonField::Weather)->setText(Q(dir.Write("long.txt", bins)));
            season->Calculate();
        }
        const std::string pdf = dir.File("page" + std::to_string(run) + ".pdf");
        {
            QPdfWriter writer(Q(pdf));
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            QPainter painter(&writer);
            app::qt::PaintSeasonPage(painter, season->Page(), season->season(), season->chartCaptions());
        }
        EXPECT_NE(Output("pdfinfo '" + pdf + "'").find("Pages:           1\n"), std::string::npos);
        const std::string text = Output("pdftotext -layout '" + pdf + "' - | tr -s ' '");
        for (const std::string& part : expected[run])
            EXPECT_NE(text.find(part), std::string::npos) << run << ": " << part << " in\n" << text;
        // For a look at the page: TERVOL_PAGE_PNG=folder keeps each one.
        if (const QString folder = qEnvironmentVariable("TERVOL_PAGE_PNG"); !folder.isEmpty())
            Output("pdftoppm -png -r 80 '" + pdf + "' '" + folder.toStdString() + "/season" + std::to_string(run) +
                   "'");
    }
}

// The worker gives the season a run here gives.
TEST_F(SeasonWindowTest, WorkerGivesTheSeasonARunHereGives)
{
    app::qt::SeasonWindow* season = Computed();
    ASSERT_TRUE(season);
    const study::Season here =
        study::RunSeason(*form, study::ReadWeather("-10;100\n0;200\n10;300\n20;50\n", false), study::SeasonSettings{});
    ASSERT_EQ(season->season().bins.size(), here.bins.size());
    for (size_t i = 0; i < here.bins.size(); ++i)
        EXPECT_EQ(season->season().bins[i].result->texts, here.bins[i].result->texts) << i;
    EXPECT_EQ(season->season().summary.primaryVolume, here.summary.primaryVolume);
    EXPECT_FALSE(season->season().cancelled);
}

// Steps of `ms` milliseconds, up to `steps` of them, until cancelled.
int Steps(study::SharedProgress& shared, int steps, int ms)
{
    int i = 0;
    for (shared.total = steps; i < steps && !shared.cancel; shared.done = ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    return i;
}

// A run that ends within half a second shows no box; a longer one shows it
// with the counts, and Cancel stops the worker, keeping what it did.
TEST(ProgressRun, BoxOnlyForALongRunWhoseCancelKeepsWhatIsDone)
{
    const app::qt::ProgressCaptions captions{"Tervol – Fyringssæson", "Beregner fyringssæson …", "Afbryd"};
    bool boxShown = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] { boxShown |= QApplication::activeModalWidget() != nullptr; });
    watch.start(5);
    EXPECT_EQ(app::qt::RunShowingProgress(nullptr, captions, [](auto& shared) { return Steps(shared, 20, 10); }), 20);
    EXPECT_FALSE(boxShown);

    QString label;
    QTimer::singleShot(800, [&] {
        auto* box = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        if (!box)
            return;
        label = box->windowTitle() + "|" + box->labelText() + "|" + QString::number(box->maximum());
        if (auto* cancel = box->findChild<QPushButton*>())
            QTest::mouseClick(cancel, Qt::LeftButton);
    });
    const int done =
        app::qt::RunShowingProgress(nullptr, captions, [](auto& shared) { return Steps(shared, 400, 10); });
    EXPECT_EQ(label, "Tervol – Fyringssæson|Beregner fyringssæson …|400");
    EXPECT_GT(done, 20);
    EXPECT_LT(done, 400);
}

}  // namespace
