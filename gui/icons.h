// The pictures of the command buttons, the two flags and the window icon,
// drawn here so that they stay sharp at any device pixel ratio.
#pragma once

#include <QIcon>
#include <QImage>

namespace app::qt {

enum class Picture { CheckMark, Cross, OpenFolder, FloppyDisk, Printer, QuestionMark, FallingCurve };

QIcon ButtonPicture(Picture picture);  // 16 x 16
QIcon DanishFlag();                    // layout::kFlagPictureSize
QIcon UnionFlag();
QIcon WindowIcon();                  // 32 x 32
QImage WindowIconImage(int pixels);  // the same drawing, pixels x pixels, for the desktop's icon theme

}  // namespace app::qt
