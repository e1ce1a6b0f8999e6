// The part-load study window on the offscreen platform, opened by its button.
#include "gui/studypage.h"
#include "gui/studywindow.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/window_test.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QInputMethodEvent>
#include <QPainter>
#include <QTableWidget>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>

namespace {

using study::Input;
using support::Q;

class StudyWindowTest : public support::WindowTest {
protected:
    app::qt::StudyWindow* OpenStudy()
    {
        QTest::mouseClick(Button("BitBtnDellast"), Qt::LeftButton);
        app::qt::StudyWindow* study = platform.studyWindow();
        EXPECT_TRUE(study && study->isVisible());
        return study;
    }
    // Replaces a field's text as the keyboard does; Ctrl+A is a control
    // character the key filter drops.
    static void TypeInto(QLineEdit* edit, const char* text)
    {
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
};

// Danish at start, English when the flag was pressed before opening or while
// the window is open.
TEST_F(StudyWindowTest, CaptionsInEitherLanguage)
{
    // Title, the calculate button's caption and spoken name, the first value's
    // spoken name, the table's first column, the quantities; the default range.
    const char* danish =
        "Tervol – Dellast|Beregn|Beregn|Første værdi|Effekt\n[kW]|Effekt [kW]|Primær temp. frem [°C]|"
        "Kold sekundær ind [°C]|Varm sekundær ud [°C]|5.5|55|10";
    const char* english =
        "Tervol – Part load|Calculate|Calculate|First value|Transferred heat\n(kW)|Transferred heat (kW)|"
        "Primary inlet temperature °C|Secondary inlet temperature °C|Secondary outlet temperature °C|5.5|55|10";
    const std::tuple<bool, bool, const char*> cases[] = {
        {false, false, danish}, {true, false, english}, {false, true, english}};
    for (const auto& [englishBefore, englishWhileOpen, expected] : cases) {
        OpenWindow();
        if (englishBefore)
            QTest::mouseClick(window->controls().unionFlag, Qt::LeftButton);
        app::qt::StudyWindow* study = OpenStudy();
        ASSERT_TRUE(study);
        if (englishWhileOpen)
            QTest::mouseClick(window->controls().unionFlag, Qt::LeftButton);
        const auto* calculate = study->findChild<QPushButton*>("calculate");
        QStringList shown{study->windowTitle(), calculate->text(), calculate->accessibleName(),
                          study->edit(Input::First)->accessibleName(), study->table()->horizontalHeaderItem(0)->text()};
        for (int i = 0; i < study->quantityBox()->count(); ++i)
            shown << study->quantityBox()->itemText(i);
        for (Input i : {Input::First, Input::Last, Input::Points})
            shown << study->edit(i)->text();
        EXPECT_EQ(shown.join('|'), Q(expected));
        EXPECT_EQ(study->quantityBox()->currentIndex(), 0);
    }
}

// A range whose ends cross the temperatures: the chart draws only the points
// that computed, on two value axes; the table gives the others' messages;
// letters typed into the range are dropped; the main window keeps its texts.
TEST_F(StudyWindowTest, ChartHasBothSeriesWithThePointsThatComputed)
{
    app::qt::StudyWindow* study = OpenStudy();
    ASSERT_TRUE(study);
    const auto before = form->CaseTexts();
    emit study->quantityBox()->activated(3);  // Etse
    TypeInto(study->edit(Input::First), "2x0");
    TypeInto(study->edit(Input::Last), "80");
    TypeInto(study->edit(Input::Points), "7");
    QTest::mouseClick(study->findChild<QPushButton*>("calculate"), Qt::LeftButton);

    EXPECT_EQ(study->model().Text(Input::First), "20");
    ASSERT_EQ(study->table()->rowCount(), 7);
    EXPECT_EQ(study->table()->item(0, 1)->text(), "Varm sekundær ud [°C] skal være større end Kold sekundær ind [°C] ");
    EXPECT_EQ(study->table()->columnSpan(0, 1), 9);

    ASSERT_EQ(study->chart()->graphCount(), 2);
    const QCPGraph* temperature = study->chart()->graph(0);
    const QCPGraph* flow = study->chart()->graph(1);
    // Return temperature and primary flow in the table's rounding of the same points.
    QString shown;
    for (const QCPGraph* graph : {temperature, flow})
        for (const QCPGraphData& p : *graph->data())
            shown += QString("%1:%2 ").arg(p.key, 0, 'g', 17).arg(p.value, 0, 'f', graph == flow ? 3 : 1);
    EXPECT_EQ(shown, "40:30.0 50:30.3 60:31.8 70:39.6 40:1.117 50:1.124 60:1.166 70:1.440 ");
    EXPECT_EQ(temperature->name(), "Primær temp. retur [°C]");
    EXPECT_EQ(flow->name(), "Primær vandflow  [m3/h]");
    EXPECT_EQ(temperature->valueAxis(), study->chart()->yAxis);
    EXPECT_EQ(flow->valueAxis(), study->chart()->yAxis2);
    EXPECT_EQ(form->CaseTexts(), before);
}

// The range fields take what the main window's input fields take, whether
// typed or committed by an input method: digits and one decimal separator;
// the other mark of the two is a thousands separator there and is dropped.
TEST_F(StudyWindowTest, RangeFieldsFilterTypedAndCommittedText)
{
    app::qt::StudyWindow* study = OpenStudy();
    ASSERT_TRUE(study);
    // decimal separator, committed by an input method (else typed), text, result
    const std::tuple<const char*, bool, const char*, const char*> cases[] = {
        {",", true, "1a,5", "1,5"},       {".", true, "1a,5", "15"},     {".", true, "2.5.-", "2.5"},
        {",", false, "1.500", "1500"},    {".", false, "1,500", "1500"}, {".", false, "0,25", "025"},
        {",", false, "-3e2 ,7,", "32,7"},
    };
    QLineEdit* edit = study->edit(Input::Last);
    for (const auto& [decimal, committed, text, expected] : cases) {
        SCOPED_TRACE(std::string(text) + " with " + decimal);
        form->SetNumberFormat({decimal, decimal == std::string(",") ? "." : ","});
        TypeInto(edit, "");
        if (committed) {
            QInputMethodEvent commit;
            commit.setCommitString(QString::fromUtf8(text));
            QCoreApplication::sendEvent(edit, &commit);
        } else {
            QTest::keyClicks(edit, text);
        }
        EXPECT_EQ(edit->text(), expected);
        EXPECT_EQ(study->model().Text(Input::Last), expected);
    }
}

// Another quantity is computed at once over its default range; the table
// never shows the old quantity's points under the new one's name.
TEST_F(StudyWindowTest, ChoosingAQuantityRecomputesItsDefaultRange)
{
    app::qt::StudyWindow* study = OpenStudy();
    ASSERT_TRUE(study);
    emit study->quantityBox()->activated(3);  // Etse: Etsa + 5 K to Etpe - 2 K
    const study::Study& s = study->model().Last();
    EXPECT_EQ(s.range.quantity, study::Quantity::Etse);
    ASSERT_EQ(s.points.size(), 10u);
    EXPECT_EQ(s.points.front().value, 35);
    EXPECT_EQ(s.points.back().value, 71);
    EXPECT_EQ(study->table()->rowCount(), 10);
    EXPECT_EQ(study->table()->horizontalHeaderItem(0)->text(), "Varm sekundær ud\n[°C]");
    EXPECT_EQ(study->edit(Input::First)->text(), "35");
    EXPECT_EQ(study->edit(Input::Last)->text(), "71");
}

// The study computed on the worker thread gives the bytes the same study gives
// computed here, a thousand points with failed ones among them.
TEST_F(StudyWindowTest, WorkerGivesTheSameStudyAsARunHere)
{
    app::qt::StudyWindow* study = OpenStudy();
    ASSERT_TRUE(study);
    emit study->quantityBox()->activated(1);  // Etpe
    TypeInto(study->edit(Input::First), "20");
    TypeInto(study->edit(Input::Last), "130");
    TypeInto(study->edit(Input::Points), "1000");
    QTest::mouseClick(study->findChild<QPushButton*>("calculate"), Qt::LeftButton);
    ASSERT_EQ(study->model().Last().points.size(), 1000u);
    const std::string here = study::Csv(study::Run(*form, {study::Quantity::Etpe, 20, 130, 1000}));
    EXPECT_NE(here.find("20,Primær temp. frem [°C] skal være større end"), std::string::npos);
    EXPECT_EQ(study::Csv(study->model().Last()), here);
    EXPECT_EQ(study->table()->rowCount(), 1000);
}

// A CSV that cannot be written names the failure in the window's language;
// a file cut short by the size limit leaves the old file as it was.
TEST_F(StudyWindowTest, FailedSaveShowsWhyAndKeepsTheOldFile)
{
    app::qt::StudyWindow* study = OpenStudy();
    ASSERT_TRUE(study);
    ExpectBox();
    study->Save("/dev/full");
    ASSERT_TRUE(seenBox);
    EXPECT_EQ(seenBox->title, "Tervol");
    EXPECT_EQ(seenBox->text, "Filen kunne ikke skrives: Disk full.");
    QTest::mouseClick(window->controls().unionFlag, Qt::LeftButton);
    ExpectBox();
    study->Save("/dev/full");
    ASSERT_TRUE(seenBox);
    EXPECT_EQ(seenBox->text, "The file could not be written: Disk full.");

    support::ScratchDir dir;
    const std::string path = dir.File("old.csv");
    {
        std::ofstream(path, std::ios::binary) << "EQ,status\r\n1,ok\r\n";
    }
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit small = before;
    small.rlim_cur = 100;  // the default study's CSV is 631 bytes
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    ExpectBox();
    study->Save(QString::fromStdString(path));
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldSignal);
    ASSERT_TRUE(seenBox);
    EXPECT_TRUE(seenBox->text.startsWith("The file could not be written: ")) << seenBox->text.toStdString();
    EXPECT_EQ(dir.Read("old.csv"), "EQ,status\r\n1,ok\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST_F(StudyWindowTest, SavesAndCopiesTheDefaultStudy)
{
    app::qt::StudyWindow* study = OpenStudy();
    ASSERT_TRUE(study);
    support::ScratchDir dir;
    study->Save(QString::fromStdString(dir.File("default.csv")));
    EXPECT_EQ(dir.Read("default.csv"),
              "EQ,status,Etpa_beregn,EAOp,EAOs,EP_p,EP_s,EV_p,EV_s,Em,EUA\r\n"
              "5.5,ok,30.3,42.7,33.0,0.005,0.008,0.112,0.145,2.65,2.07\r\n"
              "11,ok,30.6,42.4,33.0,0.020,0.033,0.226,0.290,3.37,3.27\r\n"
              "16.5,ok,31.0,42.0,33.0,0.046,0.074,0.343,0.435,3.87,4.27\r\n"
              "22,ok,31.3,41.7,33.0,0.083,0.132,0.460,0.581,4.26,5.16\r\n"
              "27.5,ok,31.6,41.4,33.0,0.131,0.206,0.580,0.726,4.60,5.98\r\n"
              "33,ok,31.9,41.1,33.0,0.191,0.297,0.701,0.871,4.88,6.76\r\n"
              "38.5,ok,32.2,40.8,33.0,0.264,0.404,0.823,1.016,5.14,7.49\r\n"
              "44,ok,32.5,40.5,33.0,0.350,0.527,0.947,1.161,5.37,8.19\r\n"
              "49.5,ok,32.7,40.3,33.0,0.448,0.668,1.073,1.306,5.58,8.87\r\n"
              "55,ok,33.0,40.0,33.0,0.560,0.824,1.199,1.451,5.78,9.52\r\n");
    ExpectBox();
    study->Save(QString::fromStdString(dir.File("no/such/folder.csv")));
    ASSERT_TRUE(seenBox);
    EXPECT_EQ(seenBox->text, "Filen kunne ikke skrives: File not found.");

    study->CopyTable();
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    ASSERT_EQ(lines.size(), 12);  // header, ten points, the empty rest after the last line end
    EXPECT_EQ(lines[10], "55.00\t33.0\t40.0\t33.0\t0.560\t0.824\t1.199\t1.451\t5.78\t9.52");
}

// The printed page of a 1000-point study on bare A4 paper at 100 dpi: the
// table keeps to a selection of rows, the chart draws its return temperature
// line, and nothing reaches into the bottom margin.
TEST_F(StudyWindowTest, PrintedPageKeepsALongStudyOnOnePage)
{
    app::qt::StudyWindow* study = OpenStudy();
    ASSERT_TRUE(study);
    TypeInto(study->edit(Input::Points), "1000");
    QTest::mouseClick(study->findChild<QPushButton*>("calculate"), Qt::LeftButton);
    ASSERT_EQ(study->table()->rowCount(), 1000);

    QImage paper(827, 1169, QImage::Format_RGB32);
    paper.setDotsPerMeterX(3937);
    paper.setDotsPerMeterY(3937);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    app::qt::PaintStudyPage(painter, study->Page(), study->model().Last(), study->chartCaptions());
    painter.end();
    const QColor line = study->chart()->graph(0)->pen().color();  // the same colours on paper
    int inked = 0, lineColoured = 0;
    for (int y = 0; y < paper.height(); ++y)
        for (int x = 0; x < paper.width(); ++x) {
            const QColor c = paper.pixelColor(x, y);
            if (y > 1169 - 50 && c != Qt::white)  // the bottom margin, 12.7 mm
                ++inked;
            if (y > 1169 / 2 &&
                qAbs(c.red() - line.red()) + qAbs(c.green() - line.green()) + qAbs(c.blue() - line.blue()) < 30)
                ++lineColoured;
        }
    EXPECT_EQ(inked, 0);
    EXPECT_GT(lineColoured, 200);
}

}  // namespace
