// Painting, previewing and printing the report page with Qt.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <functional>
#include <string_view>

#include "report/quickrptpage.h"

class QPainter;
class QPrinter;
class QWidget;

namespace report {

// Lets the page's Windows font names resolve to the metric-compatible
// Liberation fonts where the named fonts are missing. Safe to call often.
void RegisterReportFontSubstitutes();

// The date as the report shows it: the locale's short date, no time.
QString ReportDateText(const QDate& date, const QLocale& locale = QLocale::system());
QString TodayReportDateText();

// Paints the page onto the painter's device, millimetres measured from the
// paper's top-left corner whatever the device's page layout mode. Works on
// QPrinter and QPdfWriter; any other device is taken as the bare paper.
void PaintReportPage(QPainter& painter, const Tquickrptpage& page, const QString& dateText);

// Paper, copies, duplex and page range from the page settings, in
// full-page mode. Falls back to PDF output when no printer is installed.
void ConfigureReportPrinter(QPrinter& printer, const PageSettings& settings);

// Qt's print dialog puts the chosen printer's default paper (US Letter on
// many) in place of the page's; call on the printer handed to the painting,
// before painting, to keep the paper the page is laid out for.
void KeepReportPaper(QPrinter& printer, const PageSettings& settings);

// A modal print preview of one page laid out for `settings`, painted by
// `paint`; printing goes through the standard print dialog, on that paper.
// The print system is asked first, off the GUI thread and for a bounded
// time; one that does not answer gets a preview that saves a PDF instead.
// `language` is the window's code ("DK", "UK") for the preview's messages.
// Throws what printing ran into (a file error, a refused job) once the
// preview has closed.
void ShowPagePreview(const PageSettings& settings, QWidget* parent, const std::function<void(QPainter&)>& paint,
                     std::string_view language = "DK");

// The report page's preview.
void ShowReportPreview(const Tquickrptpage& page, QWidget* parent, std::string_view language = "DK");

}  // namespace report
