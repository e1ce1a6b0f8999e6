// The heating season as the window shows it, for the table, the printed page
// and the saved files: its columns, a bin's row, the page's texts and the
// file's bytes, all in the main window's language and number format.
#pragma once

#include "cli/options.h"
#include "gui/studypage.h"
#include "model/form1.h"
#include "study/season.h"

#include <QString>
#include <QStringList>

#include <string>

namespace app::qt {

// Outdoor, hours, the four inputs' and the nine results' captions.
QStringList SeasonColumns(const TForm1& form);

// Outdoor, hours, the four inputs as the window rounds them, then the nine
// results, or the bin's messages joined by " | ".
QStringList SeasonBinRow(const study::SeasonBin& bin, const calc::NumberFormat& format);

// Settings at the left (files by name), the summary at the right, every bin.
StudyPage SeasonPageOf(const study::Season& season, const cli::SeasonOptions& given, const TForm1& form);

// CSV as `tervol season --format csv --precision full` writes it when the
// name ends in ".csv" (any case), else the workbook.
std::string SeasonFileBytes(const QString& path, const study::Season& season, const cli::SeasonOptions& given,
                            const TForm1& form);

}  // namespace app::qt
