#include "gui/groupframe.h"

#include <QPainter>

namespace app::qt {

namespace {
constexpr int kCaptionLeft = 8;
constexpr int kCaptionPadding = 2;
}  // namespace

GroupFrame::GroupFrame(QWidget* parent) : QGroupBox(parent) {}

void GroupFrame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QFontMetrics metrics(font());
    const int lineTop = metrics.height() / 2;
    const QRect frame = rect().adjusted(0, lineTop, -1, -1);

    // Etched: a shadow line with a highlight line one pixel below and right.
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(frame.translated(1, 1).adjusted(0, 0, -1, -1));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(frame.adjusted(0, 0, -1, -1));

    if (title().isEmpty())
        return;
    const QRect caption(kCaptionLeft, 0, metrics.horizontalAdvance(title()) + 2 * kCaptionPadding, metrics.height());
    p.fillRect(caption, palette().color(backgroundRole()));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}

}  // namespace app::qt
