// "Gem som" of the part-load study: a spreadsheet workbook (.xlsx) for
// people, CSV (RFC 4180, ".") for scripts, chosen by the file's ending.
#pragma once

#include "gui/studypage.h"
#include "study/studyform.h"

#include <QString>

#include <array>
#include <string>

class QWidget;

namespace app::qt {

// Writes the study through the program's one checked write: CSV when the
// name ends in ".csv" (any case), else a workbook with the page's case
// inputs above the table. Throws what the write throws.
void SaveStudyFile(const QString& path, const study::Study& study, const std::array<std::string, 10>& captions,
                   const StudyPage& page);

// The save dialog in the window's language: the workbook offered first under
// the language's file name; the ending follows the chosen filter. Empty
// when cancelled.
QString AskStudyFileName(QWidget* parent, const study::Captions& captions);
// The same dialog under any title, filters ("xlsx" first, then "csv") and
// offered name.
QString AskSaveFileName(QWidget* parent, const QString& title, const QString& filters, const QString& name);

}  // namespace app::qt
