#include "gui/seasonexport.h"

#include "cli/season_command.h"
#include "lang/texts.h"
#include "report/qt/report_print.h"
#include "study/season_rows.h"
#include "study/shown.h"
#include "study/xlsx.h"

#include <QFileInfo>

#include <sstream>

namespace app::qt {

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

const lang::SeasonTexts& TextsOf(const TForm1& form) { return lang::TextsFor(form.Language()).season; }

study::SeasonGiven Files(const cli::SeasonOptions& given)
{
    return {given.weather, given.secondaryTable, given.supplyCurve};
}

// A setting's value as the window writes numbers; a text as given.
QString Shown(const study::SeasonRow& row, const calc::NumberFormat& format)
{
    if (row.value)
        return Q(calc::FormatResult(*row.value, row.decimals, format));
    return row.text ? Q(*row.text) : QString();
}

}  // namespace

QStringList SeasonColumns(const TForm1& form)
{
    const lang::SeasonTexts& t = TextsOf(form);
    QStringList columns{Q(t.outdoor), Q(t.hoursColumn)};
    for (Field f : {Field::EQ, Field::Etpe, Field::Etsa, Field::Etse})
        columns << Q(form.Caption(f));
    for (Field f : study::kResultFields)
        columns << Q(form.Caption(f));
    return columns;
}

QStringList SeasonBinRow(const study::SeasonBin& bin, const calc::NumberFormat& format)
{
    QStringList row{QString::number(bin.outdoor),
                    Q(calc::FormatResult(bin.hours, study::HourDecimals(bin.hours), format))};
    const double inputs[] = {bin.inputs.EQ, bin.inputs.Etpe, bin.inputs.Etsa, bin.inputs.Etse};
    for (int i = 0; i < 4; ++i)
        row << Q(study::ShownValue(inputs[i], study::kQuantities[size_t(i)], format));
    if (bin.ok())
        for (const std::string& text : bin.result->texts)
            row << Q(text);
    else
        row << Q(study::Joined(bin.messages, " | "));
    return row;
}

StudyPage SeasonPageOf(const study::Season& season, const cli::SeasonOptions& given, const TForm1& form)
{
    const lang::SeasonTexts& t = TextsOf(form);
    StudyPage page;
    page.title = Q(t.title);
    page.sheetName = Q(t.sheetName);
    page.date = report::TodayReportDateText();
    page.nominalHeading = Q(t.settings);
    page.actualHeading = Q(t.summary);
    for (study::SeasonRow row : study::SettingsRows(season, Files(given), t)) {
        // On paper the file's name; its folder is the user's business.
        if (row.text && row.name != "supply_curve")
            row.text = QFileInfo(Q(*row.text)).fileName().toStdString();
        page.nominalInputs.push_back({Q(row.caption), Shown(row, season.format)});
    }
    for (const study::SeasonRow& row : study::SummaryRows(season, t))
        page.actualInputs.push_back({Q(row.caption), Shown(row, season.format)});
    page.columns = SeasonColumns(form);
    for (const study::SeasonBin& bin : season.bins)
        page.rows.push_back(SeasonBinRow(bin, season.format));
    // Outdoor, hours and the four inputs before a failed bin's messages.
    page.leadingCells = 6;
    page.shownOf = Q(t.shownOf);
    return page;
}

std::string SeasonFileBytes(const QString& path, const study::Season& season, const cli::SeasonOptions& given,
                            const TForm1& form)
{
    if (path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
        std::ostringstream out;
        const auto language = form.Language() == "UK" ? lang::Language::English : lang::Language::Danish;
        cli::WriteSeason(out, {cli::Format::Csv, cli::Precision::Full, language, form.Format()}, "", given, form,
                         season);
        return out.str();
    }
    const lang::SeasonTexts& t = TextsOf(form);
    study::SeasonSheet sheet;
    sheet.title = std::string(t.title);
    sheet.date = report::TodayReportDateText().toStdString();
    sheet.sheetName = std::string(t.sheetName);
    sheet.settingsHeading = std::string(t.settings);
    sheet.summaryHeading = std::string(t.summary);
    sheet.settings = study::SettingsRows(season, Files(given), t);
    sheet.summary = study::SummaryRows(season, t);
    for (const QString& column : SeasonColumns(form))
        sheet.columns.push_back(column.toStdString());
    return study::XlsxSeasonBytes(season, sheet);
}

}  // namespace app::qt
