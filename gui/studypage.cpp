#include "gui/studypage.h"

#include "gui/pagepainter.h"
#include "report/qt/report_print.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPicture>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace app::qt {

QString ColumnHeader(const QString& caption)
{
    QString text = caption;
    for (const QString& unitStart : {QStringLiteral(" ["), QStringLiteral(" ("), QStringLiteral(" °")}) {
        const qsizetype at = text.lastIndexOf(unitStart);
        if (at > 0) {
            text[at] = QLatin1Char('\n');
            break;
        }
    }
    return text;
}

QStringList ColumnSymbols(study::Quantity varied)
{
    static const char* const kVaried[] = {"Q\n[kW]", "tpe\n[°C]", "tsa\n[°C]", "tse\n[°C]"};
    QStringList symbols{QString::fromUtf8(kVaried[static_cast<int>(varied)])};
    for (const char* s : {"tpa\n[°C]", "Δtp\n[°C]", "Δts\n[°C]", "Δpp\n[bar]", "Δps\n[bar]", "Vp\n[m³/h]", "Vs\n[m³/h]",
                          "Δtm\n[°C]", "UA\n[kW/°C]"})
        symbols << QString::fromUtf8(s);
    return symbols;
}

std::vector<int> RowsShown(int rowCount, int capacity)
{
    std::vector<int> rows;
    if (rowCount <= capacity) {
        for (int i = 0; i < rowCount; ++i)
            rows.push_back(i);
        return rows;
    }
    for (int k = 0; k < capacity; ++k)
        rows.push_back(int(std::lround(double(k) * (rowCount - 1) / (capacity - 1))));
    return rows;
}

void PaintStudyPage(QPainter& painter, const StudyPage& page, const study::Study& study, const ChartCaptions& captions)
{
    if (!painter.isActive() || painter.device() == nullptr)
        return;
    report::RegisterReportFontSubstitutes();
    PagePainter paper(painter, page);
    painter.save();
    painter.setPen(Qt::black);
    paper.Title();
    const QStringList symbols = ColumnSymbols(study.range.quantity);
    const double tableEnd = paper.Table(paper.Inputs() + 4, symbols);
    const double legendEnd = paper.Legend(tableEnd + 2, symbols);
    paper.Chart(PagePainter::left, legendEnd + 6, PagePainter::width,
                [&](QCustomPlot& plot) { FillStudyChart(plot, study, captions); });
    painter.restore();
}

void ShowStudyPreview(const StudyPage& page, const study::Study& study, const ChartCaptions& captions, QWidget* parent)
{
    // The report's paper and print settings, kept through the print dialog.
    report::ShowPagePreview(report::PageSettings{}, parent,
                            [&](QPainter& painter) { PaintStudyPage(painter, page, study, captions); });
}

}  // namespace app::qt
