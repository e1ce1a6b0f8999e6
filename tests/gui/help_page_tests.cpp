// The help pages as the help window lays them out: formulas whose indices and
// exponents can be read at the window's size, and units that never break at
// their slash, whatever width the window is given.
#include "gui/helpwindow.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QGlyphRun>
#include <QImage>
#include <QRawFont>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextLayout>

#include <cstdlib>
#include <memory>

namespace {

const char* const kLanguages[] = {"DK", "UK"};
const char* const kFormulaPages[] = {"properties.html", "nominal.html", "actual.html",
                                     "flow.html",       "ua.html",      "pressure-loss.html"};

std::unique_ptr<app::qt::HelpWindow> HelpAt(const char* language, const QString& page)
{
    auto help = std::make_unique<app::qt::HelpWindow>(language);
    const QUrl index = help->browser()->source();
    help->browser()->setSource(index.resolved(QUrl(page)));
    return help;
}

// Every index and exponent drawn at 11 px or more beside the 11pt (14.7 px)
// text; Qt's own default would draw them at 9 px.
TEST(HelpPageLayout, IndicesAndExponentsAreDrawnLargeEnoughToRead)
{
    for (const char* language : kLanguages)
        for (const char* page : kFormulaPages) {
            SCOPED_TRACE(std::string(language) + " " + page);
            auto help = HelpAt(language, page);
            help->show();
            const QTextDocument* document = help->browser()->document();
            document->documentLayout()->documentSize();
            int scripts = 0;
            for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
                for (auto it = block.begin(); !it.atEnd(); ++it) {
                    const QTextFragment fragment = it.fragment();
                    const auto align = fragment.charFormat().verticalAlignment();
                    if (align != QTextCharFormat::AlignSuperScript && align != QTextCharFormat::AlignSubScript)
                        continue;
                    ++scripts;
                    const auto runs =
                        block.layout()->glyphRuns(fragment.position() - block.position(), fragment.length());
                    ASSERT_FALSE(runs.isEmpty()) << fragment.text().toStdString();
                    for (const QGlyphRun& run : runs) {
                        EXPECT_GE(run.rawFont().pixelSize(), 11.0) << fragment.text().toStdString();
                        EXPECT_LT(run.rawFont().pixelSize(), 14.0) << fragment.text().toStdString();
                    }
                }
            EXPECT_GT(scripts, 0);
            // Exponents are raised text, not the font's small superscript digits;
            // only the units m² and m³ keep those.
            const QString text = document->toPlainText();
            const QRegularExpressionMatch small = QRegularExpression("[A-Za-ln-z)][²³⁴]").match(text);
            EXPECT_FALSE(small.hasMatch()) << small.captured().toStdString();
        }
}

// Where a unit such as "m³/h" or "kW/K" stands on a line, the line may not end
// inside it: never at the help window's own size, and at no width from a
// narrow window to a wide one while the line has a blank before the unit to
// break at instead (a table cell narrower than the unit itself must cut it).
// The English caption of UA is quoted as the window shows it, plain slash and all.
TEST(HelpPageLayout, UnitsStayWholeOnALine)
{
    const QRegularExpression unit(
        QString::fromUtf8("(?<!coefficient \\()\\b(m³|kW|kg|J|W|m²)\u2060?/\u2060?(h|s|K|m³|\\(kg·K\\)|\\(m·K\\))"));
    const auto brokenUnits = [&](const QTextDocument& document, bool forcedToo) {
        QStringList broken;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            const QTextLayout* layout = block.layout();
            for (auto m = unit.globalMatch(block.text()); m.hasNext();) {
                const QRegularExpressionMatch found = m.next();
                for (int line = 1; line < layout->lineCount(); ++line) {
                    const int start = layout->lineAt(line).textStart();
                    const int before = layout->lineAt(line - 1).textStart();
                    const bool blank = before < found.capturedStart() &&
                                       block.text().mid(before, found.capturedStart() - before).contains(' ');
                    if (start > found.capturedStart() && start < found.capturedEnd() && (blank || forcedToo))
                        broken << block.text().mid(before, start - before) + "|";
                }
            }
        }
        return broken;
    };
    for (const char* language : kLanguages)
        for (const char* page : kFormulaPages) {
            SCOPED_TRACE(std::string(language) + " " + page);
            auto help = HelpAt(language, page);
            help->show();
            QTextDocument* shown = help->browser()->document();
            shown->documentLayout()->documentSize();
            EXPECT_GT(unit.globalMatch(shown->toPlainText()).hasNext(), false);
            EXPECT_EQ(brokenUnits(*shown, true).join('\n').toStdString(), "");

            std::unique_ptr<QTextDocument> document(shown->clone());
            for (int width = 180; width <= 700; width += 8) {
                document->setTextWidth(width);
                document->documentLayout()->documentSize();
                EXPECT_EQ(brokenUnits(*document, false).join('\n').toStdString(), "") << "at width " << width;
            }
        }
}

// The water coefficients are read digit by digit: at the help window's size
// none is split over two lines and the table needs no sideways scrolling.
TEST(HelpPageLayout, CoefficientsStayWholeAtTheWindowsSize)
{
    const QRegularExpression number("^[−-]?[0-9]+\\.[0-9]+(e-[0-9]+)?$");
    for (const char* language : kLanguages) {
        SCOPED_TRACE(language);
        auto help = HelpAt(language, "properties.html");
        help->show();
        const QTextDocument* document = help->browser()->document();
        document->documentLayout()->documentSize();
        int numbers = 0;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            if (number.match(block.text()).hasMatch()) {
                ++numbers;
                EXPECT_EQ(block.layout()->lineCount(), 1) << block.text().toStdString();
            }
        EXPECT_EQ(numbers, 25);
        EXPECT_EQ(help->browser()->horizontalScrollBar()->maximum(), 0);
    }
}

// The start page's figure comes from the PNGs rendered from its drawing at
// build time, plain and for screens of twice the density, and is painted:
// its red primary and blue secondary pipes are on the screen.
TEST(HelpPageLayout, TheStartPageShowsTheExchangerFigure)
{
    EXPECT_EQ(QImage(":/help/images/exchanger.png").size(), QSize(560, 300));
    EXPECT_EQ(QImage(":/help/images/exchanger@2x.png").size(), QSize(1120, 600));
    for (const char* language : kLanguages) {
        SCOPED_TRACE(language);
        app::qt::HelpWindow help(language);
        help.show();
        QTextBrowser* browser = help.browser();
        ASSERT_EQ(browser->source().fileName(), "index.html");
        const QImage shown = browser->viewport()->grab().toImage();
        int red = 0;
        int blue = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const QColor c = shown.pixelColor(x, y);
                red += std::abs(c.red() - 0xc0) + std::abs(c.green() - 0x28) + std::abs(c.blue() - 0x2d) < 24;
                blue += std::abs(c.red() - 0x1f) + std::abs(c.green() - 0x5f) + std::abs(c.blue() - 0xbf) < 24;
            }
        EXPECT_GT(red, 1000);
        EXPECT_GT(blue, 1000);
    }
}

}  // namespace
