// The preview for when the print system does not answer: the page as a
// picture, with the reason said and "save as PDF" as the way out. No QPrinter
// is made, since even making one asks CUPS for the default printer.
#pragma once

#include <QPainter>
#include <QWidget>

#include <functional>
#include <string_view>

#include "report/quickrptpage.h"

namespace report {

// Throws casefile::FileError when the chosen PDF cannot be written; the
// dialog has closed by then.
void ShowPdfOnlyPreview(const PageSettings& settings, QWidget* parent, const std::function<void(QPainter&)>& paint,
                        std::string_view language);

}  // namespace report
