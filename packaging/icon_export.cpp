// Writes the window icon as PNG files for the desktop's icon theme, so the
// menu entry and the running window show the same picture.
//   icon_export SIZE FILE [SIZE FILE ...]
#include "gui/icons.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <string>

int main(int argc, char* argv[])
{
    if (argc < 3 || argc % 2 == 0) {
        std::fprintf(stderr, "usage: %s SIZE FILE [SIZE FILE ...]\n", argv[0]);
        return 2;
    }
    QGuiApplication application(argc, argv);
    for (int i = 1; i + 1 < argc; i += 2) {
        const QImage image = app::qt::WindowIconImage(std::stoi(argv[i])).convertToFormat(QImage::Format_ARGB32);
        if (!image.save(QString::fromLocal8Bit(argv[i + 1]), "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[i + 1]);
            return 1;
        }
    }
    return 0;
}
