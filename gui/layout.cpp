#include "gui/layout.h"

#include "gui/commandbuttons.h"

#include <array>

namespace app::qt::layout {

namespace {

struct GroupGeometry {
    QRect rect;
    std::optional<Group> enclosing;
    int labelLeft, fieldLeft, firstRowTop;
};

// Indexed by Group.
constexpr std::array<GroupGeometry, kGroupCount> kGroups{{
    {{13, 37, 292, 449}, std::nullopt, 13, 219, 20},
    {{317, 37, 292, 449}, std::nullopt, 13, 221, 20},
    {{7, 260, 274, 183}, Group::GroupBox1, 7, 209, 20},
    {{7, 176, 274, 267}, Group::GroupBox2, 7, 209, 26},
}};

constexpr int kButtonLeft = 624;
constexpr QSize kButtonSize{121, 25};

const GroupGeometry& Of(Group g) { return kGroups[Index(g)]; }

}  // namespace

QRect GroupRect(Group group) { return Of(group).rect; }

std::optional<Group> EnclosingGroup(Group group) { return Of(group).enclosing; }

QPoint LabelOrigin(Group group, int row) { return {Of(group).labelLeft, Of(group).firstRowTop + kRowPitch * row}; }

QRect FieldRect(Group group, int row, FieldKind kind)
{
    const QSize size = kind == FieldKind::Result ? kResultSize : kInputSize;
    return {QPoint(Of(group).fieldLeft, Of(group).firstRowTop + kRowPitch * row), size};
}

int LabelRoom(Group group) { return Of(group).fieldLeft - Of(group).labelLeft - kLabelGap; }

QRect ButtonRect(Button button) { return {QPoint(kButtonLeft, CommandRow(button).top), kButtonSize}; }

}  // namespace app::qt::layout
