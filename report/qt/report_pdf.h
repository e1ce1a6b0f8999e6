// The report page as PDF bytes, made in memory without any print system,
// and saved through the program's one checked write.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <string>

#include "report/quickrptpage.h"

class QPainter;

namespace report {

// One page laid out for `settings`, painted by `paint`, as a PDF document.
// Only QPdfWriter is used: no printer is looked up, so nothing here can wait
// on CUPS. Empty when the painter could not start.
QByteArray RenderPagePdf(const PageSettings& settings, const std::function<void(QPainter&)>& paint);

QByteArray RenderReportPdf(const Tquickrptpage& page, const QString& dateText);

// Renders first, then replaces the file at `path` (UTF-8) in one step;
// throws casefile::FileError, leaving any old file as it was.
void SavePagePdf(const std::string& path, const PageSettings& settings, const std::function<void(QPainter&)>& paint);

}  // namespace report
