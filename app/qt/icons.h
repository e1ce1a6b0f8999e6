// The pictures of the command buttons, the two flags and the window icon,
// drawn here so that they stay sharp at any device pixel ratio.
#pragma once

#include <QIcon>

namespace app::qt {

enum class Picture { CheckMark, Cross, OpenFolder, FloppyDisk, Printer, QuestionMark };

QIcon ButtonPicture(Picture picture);  // 16 x 16
QIcon DanishFlag();                    // layout::kFlagPictureSize
QIcon UnionFlag();
QIcon WindowIcon();                    // 32 x 32

}  // namespace app::qt
