#include "gui/studytable.h"

#include "study/shown.h"

#include <QHeaderView>
#include <QRegularExpression>
#include <QStyle>
#include <QTableWidget>

#include <algorithm>
#include <vector>

namespace app::qt {

void SetUpResultTable(QTableWidget& table)
{
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.verticalHeader()->setVisible(false);
    table.verticalHeader()->setDefaultSectionSize(table.fontMetrics().height() + 6);
    // Long captions wrap; FitStudyColumns gives each column room for its
    // longest word and its numbers.
    QHeaderView* header = table.horizontalHeader();
    header->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    header->setMinimumHeight(4 * table.fontMetrics().lineSpacing() + 8);
    table.setSelectionMode(QAbstractItemView::ContiguousSelection);
}

void FillStudyTable(QTableWidget& table, const study::Study& s)
{
    table.clearContents();
    table.clearSpans();
    table.setRowCount(int(s.points.size()));
    for (int r = 0; r < int(s.points.size()); ++r) {
        const study::Point& p = s.points[r];
        const auto cell = [&](int column, const std::string& text) {
            auto* item = new QTableWidgetItem(QString::fromStdString(text));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table.setItem(r, column, item);
            return item;
        };
        cell(0, study::ShownValue(p.value, s.range.quantity, s.format));
        if (p.ok()) {
            for (int i = 0; i < 9; ++i)
                cell(i + 1, p.result->texts[i]);
        } else {
            QTableWidgetItem* message = cell(1, study::Joined(p.messages, " | "));
            message->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            message->setForeground(QColor(160, 0, 0));
            table.setSpan(r, 1, 1, 9);
        }
    }
}

void FitStudyColumns(QTableWidget& table)
{
    QHeaderView* header = table.horizontalHeader();
    const QFontMetrics captions(header->font()), cells(table.font());
    const int padding = 2 * table.style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
    std::vector<int> widths(size_t(table.columnCount()));
    int total = 0;
    for (int c = 0; c < table.columnCount(); ++c) {
        int width = 0;
        if (const QTableWidgetItem* item = table.horizontalHeaderItem(c))
            for (const QString& word : item->text().split(QRegularExpression(QStringLiteral("\\s+"))))
                width = std::max(width, captions.horizontalAdvance(word));
        // A failed point's message spans the row and is not a column's width.
        for (int r = 0; r < table.rowCount(); ++r)
            if (table.columnSpan(r, c) == 1 && table.item(r, c))
                width = std::max(width, cells.horizontalAdvance(table.item(r, c)->text()));
        widths[c] = width + padding;
        total += widths[c];
    }
    const int spare = std::max(0, table.viewport()->width() - total) / std::max(1, table.columnCount());
    for (int c = 0; c < table.columnCount(); ++c)
        header->resizeSection(c, widths[c] + spare);
}

}  // namespace app::qt
