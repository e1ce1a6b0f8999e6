// The preview's Print, done by the program instead of Qt's preview: the print
// dialog without the printers it would crash on, a chosen PDF file written
// through the checked write, and a job the printer refuses reported.
#pragma once

#include <QPainter>

#include <exception>
#include <functional>
#include <string_view>

#include "report/qt/print_system.h"
#include "report/quickrptpage.h"

class QPrintPreviewDialog;
class QPrinter;

namespace report {

struct PrintRequest {
    const PageSettings& settings;
    std::function<void(QPainter&)> paint;
    PrintSystem system;
    std::string_view language;
};

// Paints the page on a printer the print dialog has set up and hands the job
// over. A job that cannot start or that the printer refuses throws, with the
// message in the request's language; nothing is then reported as printed.
void PrintPage(QPrinter& printer, const PrintRequest& request);

// Rewires the preview's Print action. A failure closes the preview and is
// kept in `failure` for the caller to throw once the preview is gone. False
// when this Qt's preview has no Print action under its usual name.
bool TakeOverPrint(QPrintPreviewDialog& preview, QPrinter& printer, const PrintRequest& request,
                   std::exception_ptr& failure);

}  // namespace report
