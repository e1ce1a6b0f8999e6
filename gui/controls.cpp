#include "gui/controls.h"

#include "gui/commandbuttons.h"
#include "gui/groupframe.h"
#include "gui/icons.h"
#include "gui/layout.h"
#include "gui/style.h"
#include "lang/texts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <variant>

namespace app::qt {

namespace {

enum class Flag { Danish, Union };
using Child = std::variant<Group, Button, Flag>;

// The window's children in their order, which is also the tab order.
constexpr Child kWindowChildren[] = {
    Group::GroupBox2,   Button::BitBtn1,       Button::BitBtn2,      Button::BitBtn3,       Button::BitBtn4,
    Group::GroupBox1,   Flag::Danish,          Flag::Union,          Button::BitBtnHentSag, Button::BitBtnGemSom,
    Button::BitBtnHelp, Button::BitBtnDellast, Button::BitBtnSeason,
};

QString Name(std::string_view name) { return QString::fromUtf8(name.data(), qsizetype(name.size())); }

class Builder {
public:
    explicit Builder(QWidget* window) : window_(window) {}

    Controls Build()
    {
        for (const Child& child : kWindowChildren)
            std::visit([this](auto which) { Add(which); }, child);
        return std::move(c_);
    }

private:
    void Add(Group group) { AddGroup(group, window_); }

    void AddGroup(Group group, QWidget* parent)
    {
        auto* frame = new GroupFrame(parent);
        frame->setObjectName(Name(Groups()[Index(group)].name));
        frame->setGeometry(layout::GroupRect(group));
        c_.groups[Index(group)] = frame;
        for (const FieldInfo& info : CaseFields())
            if (info.group == group)
                AddRow(info, frame);
        for (const GroupInfo& inner : Groups())
            if (layout::EnclosingGroup(inner.group) == group)
                AddGroup(inner.group, frame);
    }

    void AddRow(const FieldInfo& info, QWidget* group)
    {
        Row& row = c_.rows[Index(info.field)];
        row.label = new QLabel(group);
        row.label->setObjectName(Name(info.label));
        row.label->setTextFormat(Qt::PlainText);
        const QRect rect = layout::FieldRect(info.group, info.row, info.kind);
        switch (info.kind) {
        case FieldKind::MediumList:
            row.list = new QComboBox(group);
            row.list->setEditable(true);
            // The shown text must be exactly what the model holds: no inline
            // completion and no item added by Enter.
            row.list->setCompleter(nullptr);
            row.list->setInsertPolicy(QComboBox::NoInsert);
            row.list->addItems({QString(), QString()});
            row.list->setObjectName(Name(info.name));
            row.list->setGeometry(rect);
            c_.tabOrder.push_back(row.list);
            break;
        case FieldKind::Input:
            row.edit = new QLineEdit(group);
            row.edit->setObjectName(Name(info.name));
            row.edit->setGeometry(rect);
            c_.tabOrder.push_back(row.edit);
            break;
        case FieldKind::Result:
            row.edit = new QLineEdit(group);
            row.edit->setObjectName(Name(info.name));
            row.edit->setReadOnly(true);
            row.edit->setFocusPolicy(Qt::NoFocus);
            row.edit->setAlignment(Qt::AlignCenter);
            row.edit->setFont(ResultFont());
            row.edit->setPalette(ResultPalette(row.edit->palette()));
            row.edit->setGeometry(rect);
            break;
        }
        // The label relation this gives is how a screen reader names a list
        // on Linux, where Qt names the list itself after its shown text.
        row.label->setBuddy(row.list ? static_cast<QWidget*>(row.list) : row.edit);
    }

    void Add(Button button)
    {
        auto* b = new QPushButton(window_);
        b->setObjectName(Name(Buttons()[Index(button)].name));
        b->setIcon(ButtonPicture(CommandRow(button).picture));
        b->setGeometry(layout::ButtonRect(button));
        b->setAutoDefault(false);
        c_.buttons[Index(button)] = b;
        c_.tabOrder.push_back(b);
    }

    void Add(Flag flag)
    {
        auto* b = new QPushButton(window_);
        const bool danish = flag == Flag::Danish;
        b->setObjectName(danish ? QStringLiteral("BitBtnDK") : QStringLiteral("BitBtnUK"));
        b->setIcon(danish ? DanishFlag() : UnionFlag());
        b->setIconSize(layout::kFlagPictureSize);
        b->setAccessibleName(Name(lang::TextsOf(danish ? lang::Language::Danish : lang::Language::English).name));
        b->setGeometry(danish ? layout::kDanishFlagRect : layout::kUnionFlagRect);
        b->setAutoDefault(false);
        (danish ? c_.danishFlag : c_.unionFlag) = b;
        c_.tabOrder.push_back(b);
    }

    QWidget* window_;
    Controls c_;
};

}  // namespace

Controls BuildControls(QWidget* window)
{
    Controls controls = Builder(window).Build();
    for (size_t i = 1; i < controls.tabOrder.size(); ++i)
        QWidget::setTabOrder(controls.tabOrder[i - 1], controls.tabOrder[i]);
    return controls;
}

QString LabelText(const QLabel& label, Field field, const QString& caption)
{
    const QFontMetrics metrics(label.font());
    const int room = layout::LabelRoom(Info(field).group);
    if (metrics.horizontalAdvance(caption) <= room)
        return caption;
    for (qsizetype blank = caption.lastIndexOf(u' '); blank > 0; blank = caption.lastIndexOf(u' ', blank - 1)) {
        const QString first = caption.left(blank);
        if (metrics.horizontalAdvance(first) <= room)
            return first + u'\n' + caption.mid(blank + 1);
    }
    return caption;
}

void PlaceLabel(QLabel* label, Field field)
{
    const FieldInfo& info = Info(field);
    const QPoint origin = layout::LabelOrigin(info.group, info.row);
    const QSize size = label->sizeHint();
    if (!label->text().contains(u'\n')) {
        label->setGeometry(QRect(origin, QSize(size.width(), std::max(layout::kLabelHeight, size.height()))));
        return;
    }
    const int fieldMiddle = layout::FieldRect(info.group, info.row, info.kind).center().y();
    label->setGeometry(QRect(QPoint(origin.x(), fieldMiddle - (size.height() - 1) / 2), size));
}

}  // namespace app::qt
