// Where every control of the window sits, in pixels at 96 dpi from the
// top-left corner of the window's client area or of the enclosing group.
#pragma once

#include "model/casefields.h"

#include <QRect>
#include <QSize>

#include <optional>

namespace app::qt::layout {

// The window was drawn as 768 x 544 with a classic Windows frame (4-px
// borders, 19-px caption); this is what that frame leaves inside.
inline constexpr QSize kClientSize{760, 517};

inline constexpr QSize kInputSize{60, 21};  // input fields and medium lists
inline constexpr QSize kResultSize{60, 20};
inline constexpr int kLabelHeight = 13;
inline constexpr int kRowPitch = 26;
// Keeps a label's text off the frame of the field beside it.
inline constexpr int kLabelGap = 3;

// Relative to the window, or to the enclosing group for the result groups.
QRect GroupRect(Group group);
// The group a result group sits in; none for the two outer groups.
std::optional<Group> EnclosingGroup(Group group);

// Row `row` of `group`: where its label starts and where its field stands.
QPoint LabelOrigin(Group group, int row);
QRect FieldRect(Group group, int row, FieldKind kind);
// The widest a label can be without running under its field.
int LabelRoom(Group group);

QRect ButtonRect(Button button);
inline constexpr QRect kDanishFlagRect{648, 272, 73, 49};
inline constexpr QRect kUnionFlagRect{648, 328, 73, 49};
inline constexpr QSize kFlagPictureSize{48, 32};

}  // namespace app::qt::layout
