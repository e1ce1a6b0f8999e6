#include "gui/icons.h"

#include "gui/layout.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace app::qt {

namespace {

using Drawing = std::function<void(QPainter&)>;

// The drawing at one device pixel ratio; it works in logical pixels of `size`.
QPixmap PaintedPixmap(QSize size, const Drawing& draw, qreal ratio)
{
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return pixmap;
}

// One pixmap per common device pixel ratio.
QIcon Painted(QSize size, const Drawing& draw)
{
    QIcon icon;
    for (qreal ratio : {1.0, 1.5, 2.0, 3.0})
        icon.addPixmap(PaintedPixmap(size, draw, ratio));
    return icon;
}

QPen Stroke(QColor colour, qreal width) { return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void CheckMark(QPainter& p)
{
    p.setPen(Stroke(QColor(0, 128, 0), 2.6));
    p.drawPolyline(QPolygonF{{2.5, 8.5}, {6.0, 12.5}, {13.5, 3.5}});
}

void Cross(QPainter& p)
{
    p.setPen(Stroke(QColor(192, 0, 0), 2.6));
    p.drawLine(QPointF(4, 4), QPointF(12, 12));
    p.drawLine(QPointF(12, 4), QPointF(4, 12));
}

void OpenFolder(QPainter& p)
{
    const QColor outline(128, 96, 0);
    p.setPen(QPen(outline, 1));
    p.setBrush(QColor(224, 176, 32));
    p.drawPolygon(QPolygonF{{1.5, 3.5}, {5.5, 3.5}, {6.5, 4.5}, {11.5, 4.5}, {11.5, 13.5}, {1.5, 13.5}});
    p.setBrush(QColor(255, 224, 96));
    p.drawPolygon(QPolygonF{{4.0, 7.5}, {15.0, 7.5}, {12.0, 13.5}, {1.5, 13.5}});
}

void FloppyDisk(QPainter& p)
{
    p.setPen(QPen(QColor(0, 0, 64), 1));
    p.setBrush(QColor(0, 0, 160));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(4, 2, 7, 4.5));
    p.setBrush(QColor(0, 0, 160));
    p.drawRect(QRectF(8.5, 2.5, 1.5, 3));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 8.5, 9, 6));
    p.setPen(QPen(QColor(128, 128, 128), 0.8));
    p.drawLine(QPointF(5, 10.5), QPointF(11, 10.5));
    p.drawLine(QPointF(5, 12.5), QPointF(11, 12.5));
}

void Printer(QPainter& p)
{
    p.setPen(QPen(QColor(64, 64, 64), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(176, 176, 176));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 192, 0));
    p.drawEllipse(QPointF(12.5, 8.5), 0.9, 0.9);
}

void QuestionMark(QPainter& p)
{
    p.setPen(QPen(QColor(0, 0, 128), 1));
    p.setBrush(QColor(32, 96, 208));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    QPainterPath hook;
    hook.moveTo(5.6, 6.2);
    hook.cubicTo(5.6, 3.4, 10.4, 3.4, 10.4, 6.0);
    hook.cubicTo(10.4, 7.8, 8.0, 7.8, 8.0, 10.0);
    p.setPen(Stroke(Qt::white, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8.0, 12.3), 1.1, 1.1);
}

// A load curve falling over a pair of axes: the part-load study.
void FallingCurve(QPainter& p)
{
    p.setPen(Stroke(QColor(64, 64, 64), 1.2));
    p.drawPolyline(QPolygonF{{2.0, 1.5}, {2.0, 14.0}, {14.5, 14.0}});
    QPainterPath curve;
    curve.moveTo(3.5, 3.0);
    curve.cubicTo(7.0, 3.5, 8.5, 10.5, 14.0, 11.0);
    p.setPen(Stroke(QColor(192, 0, 0), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
}

const QColor kFlagRed(200, 16, 46);

// Dannebrog's 12-4-21 by 12-4-12 proportions, stretched to the picture.
void DanishFlagDrawing(QPainter& p)
{
    const QSizeF s = layout::kFlagPictureSize;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(QPointF(0, 0), s), kFlagRed);
    const qreal x = s.width() * 12 / 37, w = s.width() * 4 / 37;
    const qreal y = s.height() * 12 / 28, h = s.height() * 4 / 28;
    p.fillRect(QRectF(x, 0, w, s.height()), Qt::white);
    p.fillRect(QRectF(0, y, s.width(), h), Qt::white);
    p.setPen(QPen(QColor(96, 96, 96), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0, 0, s.width() - 1, s.height() - 1));
}

// Drawn on a 60 x 30 grid: white saltire 6 wide with the red one 2 wide
// set off clockwise, white cross 10 wide with the red one 6 wide.
void UnionFlagDrawing(QPainter& p)
{
    const QSizeF s = layout::kFlagPictureSize;
    p.save();
    p.scale(s.width() / 60.0, s.height() / 30.0);
    p.fillRect(QRectF(0, 0, 60, 30), QColor(1, 33, 105));
    p.setPen(QPen(Qt::white, 6));
    p.drawLine(QPointF(0, 0), QPointF(60, 30));
    p.drawLine(QPointF(60, 0), QPointF(0, 30));
    // Each quarter keeps only the half of the red band on its clockwise side.
    QPainterPath clip;
    clip.addPolygon(QPolygonF{{30, 15}, {60, 15}, {60, 30}});
    clip.addPolygon(QPolygonF{{30, 15}, {30, 30}, {0, 30}});
    clip.addPolygon(QPolygonF{{30, 15}, {0, 15}, {0, 0}});
    clip.addPolygon(QPolygonF{{30, 15}, {30, 0}, {60, 0}});
    p.save();
    p.setClipPath(clip);
    p.setPen(QPen(kFlagRed, 4));
    p.drawLine(QPointF(0, 0), QPointF(60, 30));
    p.drawLine(QPointF(60, 0), QPointF(0, 30));
    p.restore();
    p.fillRect(QRectF(25, 0, 10, 30), Qt::white);
    p.fillRect(QRectF(0, 10, 60, 10), Qt::white);
    p.fillRect(QRectF(27, 0, 6, 30), kFlagRed);
    p.fillRect(QRectF(0, 12, 60, 6), kFlagRed);
    p.restore();
    p.setPen(QPen(QColor(96, 96, 96), 1));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawRect(QRectF(0, 0, s.width() - 1, s.height() - 1));
}

// A plate exchanger: hot red flow in at the top left, cold blue flow in at
// the bottom right, in counterflow through the plate pack.
void WindowIconDrawing(QPainter& p)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(QRectF(8.5, 4.5, 15, 23));
    p.setPen(QPen(QColor(96, 96, 96), 1));
    for (qreal x = 11.5; x < 23; x += 3)
        p.drawLine(QPointF(x, 5), QPointF(x, 27));
    const auto arrow = [&p](QColor colour, QPointF from, QPointF to, int direction) {
        p.setPen(Stroke(colour, 2.5));
        p.drawLine(from, to);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPolygon(QPolygonF{to + QPointF(direction * 4, 0), to + QPointF(0, -4), to + QPointF(0, 4)});
    };
    arrow(QColor(224, 0, 0), {1, 10}, {25, 10}, 1);
    arrow(QColor(0, 64, 224), {31, 22}, {7, 22}, -1);
}

}  // namespace

QIcon ButtonPicture(Picture picture)
{
    static const Drawing drawings[] = {CheckMark, Cross, OpenFolder, FloppyDisk, Printer, QuestionMark, FallingCurve};
    return Painted({16, 16}, drawings[static_cast<int>(picture)]);
}

QIcon DanishFlag() { return Painted(layout::kFlagPictureSize, DanishFlagDrawing); }
QIcon UnionFlag() { return Painted(layout::kFlagPictureSize, UnionFlagDrawing); }
QIcon WindowIcon() { return Painted({32, 32}, WindowIconDrawing); }

QImage WindowIconImage(int pixels)
{
    QImage image = PaintedPixmap({32, 32}, WindowIconDrawing, pixels / 32.0).toImage();
    image.setDevicePixelRatio(1.0);
    return image;
}

}  // namespace app::qt
