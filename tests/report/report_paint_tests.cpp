// The painted page: every item where the page says, in millimetres from the
// paper's corner, checked on a recording device and in real PDF output.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <map>

#include "recording_device.h"
#include "report/report_print.h"

namespace {

using report::Label;
using report::LabelRole;
using report::Tquickrptpage;

constexpr double kTolMm = 0.5;
constexpr double kMmPerPt = 25.4 / 72.0;
const QString kDate = QStringLiteral("06.12.2025");

// Field texts as the window shows them after the start-up calculation.
report::CaseTexts SampleTexts() {
  return {"Vand",  "Vand",  "100",   "90",    "70",     "60",    "40",   "0,2",
          "0,2",   "20",    "20",    "4,428", "4,359",  "29,72", "3,365", "Glykol",
          "Vand",  "80",    "85",    "55",    "35",     "63,06", "21,94", "20",
          "0,1416", "0,1276", "3,269", "3,486", "24,29", "3,293"};
}

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

std::vector<PaintOp> Record(const Tquickrptpage& page, const QString& date = kDate) {
  RecordingDevice device;
  QPainter painter(&device);
  report::PaintReportPage(painter, page, date);
  painter.end();
  return device.ops();
}

bool Near(double a, double b) { return std::abs(a - b) <= kTolMm; }

// Index of the text drawn at (left, top), or -1.
int FindText(const std::vector<PaintOp>& ops, double left, double top) {
  for (size_t i = 0; i < ops.size(); ++i) {
    const PaintOp& op = ops[i];
    if (op.kind == PaintOp::Text && Near(op.mm.left(), left) && Near(op.mm.top(), top)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

QString TextAt(const std::vector<PaintOp>& ops, double left, double top) {
  const int at = FindText(ops, left, top);
  return at < 0 ? QStringLiteral("<nothing>") : ops[at].text;
}

QString Substitute(const std::string& family) {
  return family == "Times New Roman" ? QStringLiteral("Liberation Serif")
                                     : QStringLiteral("Liberation Sans");
}

void ExpectLabelsRecorded(const Tquickrptpage& page, const std::vector<PaintOp>& ops) {
  for (const Label& label : page.Labels()) {
    SCOPED_TRACE(label.name);
    const int at = FindText(ops, label.left, label.top);
    ASSERT_GE(at, 0) << "nothing drawn at " << label.left << ", " << label.top;
    const PaintOp& op = ops[at];
    EXPECT_EQ(op.text, Q(label.caption));
    EXPECT_EQ(op.family, Q(label.font.family));
    EXPECT_TRUE(op.usedFamily == op.family || op.usedFamily == Substitute(label.font.family))
        << op.usedFamily.toStdString();
    EXPECT_DOUBLE_EQ(op.pointSize, label.font.pointSize);
    EXPECT_EQ(op.color, QColor(Qt::black));
    EXPECT_FALSE(op.clipped);
  }
}

// --- PDF output, read back with poppler ------------------------------------

struct PdfWord {
  double left;  // mm from the paper's left edge
  double top;   // mm from its top edge: the font's ascent above the baseline
  QString text;
};

struct PdfPage {
  double width = 0;  // mm
  double height = 0;
  std::vector<PdfWord> words;
};

QString Unescape(QString s) {
  s.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&apos;", "'");
  return s.replace("&amp;", "&");
}

PdfPage ReadPdf(const QString& pdf) {
  const QString tool = QStandardPaths::findExecutable("pdftotext");
  EXPECT_FALSE(tool.isEmpty()) << "pdftotext (poppler-utils) is needed";
  QProcess process;
  process.start(tool, {"-bbox", pdf, "-"});
  EXPECT_TRUE(process.waitForFinished(30000));
  const QString html = QString::fromUtf8(process.readAllStandardOutput());

  PdfPage page;
  static const QRegularExpression kPage(R"re(<page width="([\d.]+)" height="([\d.]+)")re");
  const auto pageMatch = kPage.match(html);
  if (pageMatch.hasMatch()) {
    page.width = pageMatch.captured(1).toDouble() * kMmPerPt;
    page.height = pageMatch.captured(2).toDouble() * kMmPerPt;
  }
  static const QRegularExpression kWord(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re");
  for (auto it = kWord.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    page.words.push_back({m.captured(1).toDouble() * kMmPerPt,
                          m.captured(2).toDouble() * kMmPerPt, Unescape(m.captured(3))});
  }
  return page;
}

// The words of one text on the line that starts at (left, top), in order.
QStringList WordsAt(const PdfPage& page, double left, double top, int count) {
  std::vector<const PdfWord*> line;
  for (const PdfWord& w : page.words) {
    if (std::abs(w.top - top) <= kTolMm && w.left >= left - kTolMm) line.push_back(&w);
  }
  std::sort(line.begin(), line.end(), [](auto* a, auto* b) { return a->left < b->left; });
  QStringList words;
  if (line.empty() || !Near(line.front()->left, left)) return words;
  for (int i = 0; i < count && i < static_cast<int>(line.size()); ++i) words << line[i]->text;
  return words;
}

void ExpectTextInPdf(const PdfPage& pdf, double left, double top, const QString& text) {
  const QStringList expected = text.split(' ', Qt::SkipEmptyParts);
  EXPECT_EQ(WordsAt(pdf, left, top, expected.size()), expected)
      << "at " << left << ", " << top;
}

void ExpectPageInPdf(const PdfPage& pdf, const Tquickrptpage& page, const QString& date) {
  EXPECT_NEAR(pdf.width, 210, 0.5);
  EXPECT_NEAR(pdf.height, 297, 0.5);
  for (const Label& label : page.Labels()) {
    SCOPED_TRACE(label.name);
    ExpectTextInPdf(pdf, label.left, label.top, Q(label.caption));
  }
  ExpectTextInPdf(pdf, page.QRSysData1().left, page.QRSysData1().top, date);
}

class PdfTest : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QTemporaryDir dir_;
};

// --- the recording device --------------------------------------------------

TEST(PaintedPage, EveryStartLabelAtItsPlaceWithItsFont) {
  const Tquickrptpage page;
  const auto ops = Record(page);
  ExpectLabelsRecorded(page, ops);
  int texts = 0;
  for (const PaintOp& op : ops) texts += op.kind == PaintOp::Text;
  EXPECT_EQ(texts, 76);  // 75 labels and the date, nothing else
}

TEST(PaintedPage, FieldTextsAfterFillReport) {
  Tquickrptpage page;
  report::FillReport(page, SampleTexts());
  const auto ops = Record(page);
  ExpectLabelsRecorded(page, ops);
  EXPECT_EQ(TextAt(ops, 140.23, 92.60), "Glykol");  // primery1
  EXPECT_EQ(TextAt(ops, 89.96, 106.36), "100");       // EQ_nom
}

TEST(PaintedPage, DateFrameBandAndRule) {
  const auto ops = Record(Tquickrptpage());
  const int date = FindText(ops, 167.22, 23.28);
  ASSERT_GE(date, 0);
  EXPECT_EQ(ops[date].text, kDate);
  EXPECT_EQ(ops[date].family, "Times New Roman");
  EXPECT_DOUBLE_EQ(ops[date].pointSize, 12);

  struct Expected {
    PaintOp::Kind kind;
    QRectF mm;
    QColor color;
  };
  const Expected shapes[] = {
      {PaintOp::Outline, {12.7, 12.7, 184.6, 271.6}, Qt::black},   // page frame
      {PaintOp::Fill, {12.7, 12.7, 184.68, 8.73}, Qt::white},      // title band
      {PaintOp::Fill, {19.05, 89.96, 161.13, 0.26}, Qt::black},    // QRShape1
  };
  std::vector<long> order;
  for (const Expected& e : shapes) {
    const auto found = std::find_if(ops.begin(), ops.end(), [&](const PaintOp& op) {
      return op.kind == e.kind && op.color == e.color && Near(op.mm.left(), e.mm.left()) &&
             Near(op.mm.top(), e.mm.top()) && Near(op.mm.width(), e.mm.width()) &&
             Near(op.mm.height(), e.mm.height());
    });
    EXPECT_NE(found, ops.end()) << e.mm.left() << ", " << e.mm.top();
    order.push_back(found - ops.begin());
  }
  EXPECT_LT(order[1], order[0]) << "the white band would hide the frame's top line";
  EXPECT_EQ(std::count_if(ops.begin(), ops.end(),
                          [](const PaintOp& op) { return op.kind == PaintOp::Outline; }),
            1);
}

TEST(PaintedPage, OpaqueLabelsGetAWhiteBoxTheTitleDoesNot) {
  const Tquickrptpage page;
  const auto ops = Record(page);
  for (const Label& label : page.Labels()) {
    SCOPED_TRACE(label.name);
    const int text = FindText(ops, label.left, label.top);
    ASSERT_GE(text, 0);
    const auto box = std::find_if(ops.begin(), ops.begin() + text, [&](const PaintOp& op) {
      return op.kind == PaintOp::Fill && op.color == QColor(Qt::white) &&
             Near(op.mm.left(), label.left) && Near(op.mm.top(), label.top);
    });
    if (label.transparent) {
      EXPECT_EQ(box, ops.begin() + text);
    } else {
      ASSERT_NE(box, ops.begin() + text);
      EXPECT_NEAR(box->mm.height(), label.height, 0.01);
      EXPECT_GE(box->mm.width(), ops[text].mm.width() - 0.01);
    }
  }
}

TEST(PaintedPage, LongValueIsDrawnWholeOverItsUnit) {
  Tquickrptpage page;
  report::CaseTexts texts = SampleTexts();
  const QString longText = QStringLiteral("123456789012345678901234,567");
  texts[2] = longText.toStdString();  // EQ_nom, unit QRLabel19 16.14 mm further right
  report::FillReport(page, texts);
  const auto ops = Record(page);

  const int value = FindText(ops, 89.96, 106.36);
  const int unit = FindText(ops, 106.10, 106.36);
  ASSERT_GE(value, 0);
  ASSERT_GE(unit, 0);
  EXPECT_EQ(ops[value].text, longText);
  EXPECT_FALSE(ops[value].clipped);
  EXPECT_GT(ops[value].mm.right(), 106.10 + 10);
  ASSERT_GT(value, unit) << "the unit's box would hide part of the value";
  const PaintOp& box = ops[value - 1];
  EXPECT_EQ(box.kind, PaintOp::Fill);
  EXPECT_GE(box.mm.right(), ops[value].mm.right() - 0.01);
}

TEST(PaintedPage, ValuesArePaintedAfterEveryFixedText) {
  const Tquickrptpage page;
  const auto ops = Record(page);
  int lastFixed = -1;
  int firstValue = static_cast<int>(ops.size());
  for (const Label& label : page.Labels()) {
    const int at = FindText(ops, label.left, label.top);
    if (label.role == LabelRole::Value) {
      firstValue = std::min(firstValue, at);
    } else {
      lastFixed = std::max(lastFixed, at);
    }
  }
  EXPECT_LT(lastFixed, firstValue);
}

TEST(PaintedPage, PaintingTwiceGivesTheSamePage) {
  Tquickrptpage page;
  report::FillReport(page, SampleTexts());
  EXPECT_EQ(Record(page), Record(page));
}

TEST(PaintedPage, ChangedTextShowsOnlyOnceItIsSet) {
  Tquickrptpage page;
  report::CaseTexts texts = SampleTexts();
  report::FillReport(page, texts);
  const auto before = Record(page);

  texts[17] = "75";  // EQ changes in the window, not yet on the page
  EXPECT_EQ(Record(page), before);

  report::FillReport(page, texts);
  const auto after = Record(page);
  EXPECT_EQ(TextAt(after, 140.23, 107.42), "75");
  EXPECT_EQ(TextAt(before, 140.23, 107.42), "80");

  page.SetCaption("QRLabel45", "Nominal");
  const auto english = Record(page);
  EXPECT_EQ(TextAt(english, 89.96, 82.02), "Nominal");
}

// --- PDF output ------------------------------------------------------------

TEST_F(PdfTest, StartPageAndFilledPageReadBackAtTheirPlaces) {
  Tquickrptpage page;
  ASSERT_TRUE(report::PrintReportToPdf(page, Path("start.pdf"), kDate));
  {
    SCOPED_TRACE("start captions");
    ExpectPageInPdf(ReadPdf(Path("start.pdf")), page, kDate);
  }
  report::FillReport(page, SampleTexts());
  ASSERT_TRUE(report::PrintReportToPdf(page, Path("filled.pdf"), kDate));
  {
    SCOPED_TRACE("field texts");
    ExpectPageInPdf(ReadPdf(Path("filled.pdf")), page, kDate);
  }
}

// A writer that is not in full-page mode moves the painter's origin to its
// margins; the page must still be placed from the paper's edge.
TEST_F(PdfTest, PlacesAreFromThePaperEdgeWhateverTheDeviceMargins) {
  const Tquickrptpage page;
  {
    QPdfWriter writer(Path("margins.pdf"));
    writer.setResolution(300);
    ASSERT_TRUE(writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                                 QMarginsF(25, 30, 20, 15),
                                                 QPageLayout::Millimeter)));
    QPainter painter(&writer);
    report::PaintReportPage(painter, page, kDate);
  }
  ExpectPageInPdf(ReadPdf(Path("margins.pdf")), page, kDate);
}

TEST_F(PdfTest, UnwritablePathFails) {
  EXPECT_FALSE(report::PrintReportToPdf(Tquickrptpage(), Path("missing/dir/x.pdf"), kDate));
}

// --- printer set-up and preview --------------------------------------------

TEST(ReportPrinter, A4PortraitFullPageOneCopyAllPages) {
  QPrinter printer(QPrinter::HighResolution);
  report::ConfigureReportPrinter(printer, Tquickrptpage().Page());
  const QPageLayout layout = printer.pageLayout();
  EXPECT_EQ(layout.pageSize().id(), QPageSize::A4);
  EXPECT_EQ(layout.orientation(), QPageLayout::Portrait);
  EXPECT_EQ(layout.mode(), QPageLayout::FullPageMode);
  EXPECT_TRUE(printer.fullPage());
  EXPECT_NEAR(layout.margins(QPageLayout::Millimeter).left(), 12.7, 0.01);
  EXPECT_EQ(printer.copyCount(), 1);
  EXPECT_EQ(printer.printRange(), QPrinter::AllPages);
  EXPECT_EQ(printer.fromPage(), 0);
  EXPECT_EQ(printer.toPage(), 0);
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
  } else if (QPrinterInfo(printer).supportedDuplexModes().contains(QPrinter::DuplexLongSide)) {
    EXPECT_EQ(printer.duplex(), QPrinter::DuplexLongSide);
  }
}

TEST(ReportPreview, ShowsTheOnePageAndReturnsWhenClosed) {
  const Tquickrptpage page;
  int pages = -1;
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    auto* preview = dialog->findChild<QPrintPreviewWidget*>();
    if (preview != nullptr && preview->pageCount() == 0 && ++ticks < 100) return;
    pages = preview != nullptr ? preview->pageCount() : -2;
    dialog->reject();
  });
  timer.start(20);
  report::ShowReportPreview(page, nullptr);
  timer.stop();
  EXPECT_EQ(pages, 1);
}

TEST(ReportDate, ShortDateWithoutTime) {
  const QDate day(2025, 12, 6);
  const std::map<QString, QString> expected = {
      {"da_DK", "06.12.2025"}, {"en_GB", "06/12/2025"}, {"de_DE", "06.12.25"}};
  for (const auto& [locale, text] : expected) {
    EXPECT_EQ(report::ReportDateText(day, QLocale(locale)), text) << locale.toStdString();
  }
  EXPECT_FALSE(report::TodayReportDateText().contains(':'));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
