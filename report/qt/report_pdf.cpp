#include "report/qt/report_pdf.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "casefile/casefile.h"
#include "casefile/replace_file.h"
#include "report/qt/report_print.h"

#include <cerrno>
#include <string_view>

namespace report {

QByteArray RenderPagePdf(const PageSettings& settings, const std::function<void(QPainter&)>& paint)
{
    RegisterReportFontSubstitutes();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("Tervol"));
        writer.setCreator(QStringLiteral("Tervol"));
        QPageLayout layout(
            QPageSize(QSizeF(settings.paperWidth, settings.paperHeight), QPageSize::Millimeter),
            settings.orientation == Orientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
            QMarginsF(settings.marginLeft, settings.marginTop, settings.marginRight, settings.marginBottom),
            QPageLayout::Millimeter);
        layout.setMode(QPageLayout::FullPageMode);
        writer.setPageLayout(layout);
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        paint(painter);
        if (!painter.end())
            return {};
    }
    return bytes;
}

QByteArray RenderReportPdf(const Tquickrptpage& page, const QString& dateText)
{
    return RenderPagePdf(page.Page(), [&](QPainter& painter) { PaintReportPage(painter, page, dateText); });
}

void SavePagePdf(const std::string& path, const PageSettings& settings, const std::function<void(QPainter&)>& paint)
{
    const QByteArray bytes = RenderPagePdf(settings, paint);
    // A painter that cannot start on a memory buffer means memory ran out.
    if (bytes.isEmpty())
        throw casefile::FileErrorFromErrno(ENOMEM);
    casefile::ReplaceFile(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace report
