#include "gui/style.h"

namespace app::qt {

QFont WindowFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    return font;
}

QFont ResultFont()
{
    QFont font(QStringLiteral("Microsoft Sans Serif"));
    font.setPixelSize(12);
    return font;
}

QPalette WindowPalette(QPalette base)
{
    base.setColor(QPalette::Window, base.color(QPalette::Button));
    return base;
}

QPalette ResultPalette(QPalette base)
{
    base.setColor(QPalette::Base, base.color(QPalette::Button));
    base.setColor(QPalette::Text, QColor(Qt::blue));
    return base;
}

}  // namespace app::qt
