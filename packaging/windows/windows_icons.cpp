// Writes the Windows icon files at build time from the window icon's own
// drawing: the program's icon and the case files' icon (the program's picture
// on a sheet of paper with a folded corner).
//   windows_icons PROGRAM.ico CASE.ico
#include "gui/icons.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <vector>

namespace {

const int kSizes[] = {16, 24, 32, 48, 64, 256};

QImage CaseIcon(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = pixels / 32.0;
    const double left = 4 * s, right = 27 * s, top = 1 * s, bottom = 31 * s, fold = 7 * s;
    QPainterPath sheet;
    sheet.moveTo(left, top);
    sheet.lineTo(right - fold, top);
    sheet.lineTo(right, top + fold);
    sheet.lineTo(right, bottom);
    sheet.lineTo(left, bottom);
    sheet.closeSubpath();
    painter.setPen(QPen(QColor(96, 96, 96), std::max(1.0, s)));
    painter.setBrush(Qt::white);
    painter.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(right - fold, top);
    corner.lineTo(right - fold, top + fold);
    corner.lineTo(right, top + fold);
    painter.setBrush(QColor(220, 220, 220));
    painter.drawPath(corner);
    // The program's picture on the lower part of the sheet.
    const int inner = std::max(8, int(pixels * 0.625));
    painter.drawImage(QPointF((pixels - inner) / 2.0 - 0.5 * s, bottom - inner - 2 * s),
                      app::qt::WindowIconImage(inner));
    return image;
}

// An .ico file whose every image is stored as PNG (read by Windows Vista on).
bool WriteIcon(const QString& file, QImage (*draw)(int))
{
    std::vector<QByteArray> pngs;
    for (int size : kSizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!draw(size).convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG"))
            return false;
        pngs.push_back(png);
    }
    QByteArray ico;
    auto put16 = [&ico](int v) { ico.append(char(v & 0xff)).append(char((v >> 8) & 0xff)); };
    auto put32 = [&](quint32 v) { put16(int(v & 0xffff)), put16(int(v >> 16)); };
    put16(0), put16(1), put16(int(pngs.size()));
    quint32 offset = 6 + 16 * quint32(pngs.size());
    for (std::size_t i = 0; i < pngs.size(); ++i) {
        const int size = kSizes[i] == 256 ? 0 : kSizes[i];  // 0 stands for 256
        ico.append(char(size)).append(char(size)).append('\0').append('\0');
        put16(1), put16(32), put32(quint32(pngs[i].size())), put32(offset);
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray& png : pngs)
        ico.append(png);
    QFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(ico) == ico.size() && out.flush();
}

QImage ProgramIcon(int pixels) { return app::qt::WindowIconImage(pixels); }

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PROGRAM.ico CASE.ico\n", argv[0]);
        return 2;
    }
    QGuiApplication application(argc, argv);
    if (!WriteIcon(QString::fromLocal8Bit(argv[1]), ProgramIcon) ||
        !WriteIcon(QString::fromLocal8Bit(argv[2]), CaseIcon)) {
        std::fprintf(stderr, "%s: cannot write the icons\n", argv[0]);
        return 1;
    }
    return 0;
}
