// Fonts and colours of the window.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

namespace app::qt {

// "MS Sans Serif" at character height 12 px has no face of its own: Windows
// draws it with the 8-point raster face (11-px characters in a 13-px cell),
// which is what the 13-px row labels are measured for.
QFont WindowFont();

// "Microsoft Sans Serif" is a TrueType face, so character height 12 px is an
// em of 12 px.
QFont ResultFont();

// The window and result fields sit on the button face.
QPalette WindowPalette(QPalette base);
QPalette ResultPalette(QPalette base);

}  // namespace app::qt
