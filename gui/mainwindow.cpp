#include "gui/mainwindow.h"

#include "gui/commandbuttons.h"
#include "gui/groupframe.h"
#include "gui/icons.h"
#include "gui/keyfilter.h"
#include "gui/layout.h"
#include "gui/localeformat.h"
#include "gui/qtplatform.h"
#include "gui/style.h"
#include "gui/translations.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>

namespace app::qt {

namespace {

QString FromModel(const std::string& text) { return QString::fromStdString(text); }

// A field is announced by its row caption (Qt would take its group's title, or
// a list's shown text), and so is its label. The blanks that align captions
// on screen (doubled before a unit, trailing) mean nothing to a listener and
// would show as empty cells on a braille line, so they are left out.
void SetSpokenName(QWidget& widget, const QString& caption) { widget.setAccessibleName(caption.simplified()); }

}  // namespace

MainWindow::MainWindow(TForm1& form, QtPlatform& platform) : form_(form), platform_(platform)
{
    platform.SetWindow(this);
    platform.SetForm(&form);
    setFont(WindowFont());
    setPalette(WindowPalette(palette()));
    setAutoFillBackground(true);
    setWindowIcon(WindowIcon());
    resize(layout::kClientSize);
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());

    c_ = BuildControls(this);
    keyFilter_ = new NumericKeyFilter(this);
    Bind();
    BindKeys();

    form_.SetChangeListener([this] { Sync(); });
    Sync();
    Run([this] { form_.FormCreate(); });
    c_.tabOrder.front()->setFocus();
}

MainWindow::~MainWindow() { form_.SetChangeListener({}); }

void MainWindow::Run(const std::function<void()>& handler) noexcept { form_.Dispatch(handler); }

void MainWindow::Bind()
{
    for (const FieldInfo& info : CaseFields()) {
        const Field field = info.field;
        const Row& row = c_.rows[Index(field)];
        const auto typed = [this, field](const QString& text) {
            Run([&] { form_.SetText(field, text.toStdString()); });
        };
        if (info.kind == FieldKind::Input) {
            connect(row.edit, &QLineEdit::textEdited, this, typed);
            keyFilter_->Watch(row.edit, [this, field](char32_t& key) { Run([&] { form_.KeyPress(field, key); }); });
        } else if (info.kind == FieldKind::MediumList) {
            connect(row.list, &QComboBox::activated, this, [this, field, box = row.list](int item) {
                Run([&] { form_.ChooseItem(field, item); });
                // The box wrote the picked text itself, with the cursor at its end.
                box->lineEdit()->home(false);
            });
            connect(row.list->lineEdit(), &QLineEdit::textEdited, this,
                    [this, typed, box = row.list](const QString& text) {
                        typingInto_ = box;
                        typed(text);
                        typingInto_ = nullptr;
                    });
        }
    }
    for (const CommandButton& row : kCommandButtons)
        connect(c_.buttons[Index(row.button)], &QPushButton::clicked, this,
                [this, command = row.handler] { Run([&] { (form_.*command)(); }); });
    connect(c_.danishFlag, &QPushButton::clicked, this, [this] { Run([this] { form_.BitBtnDKClick(); }); });
    connect(c_.unionFlag, &QPushButton::clicked, this, [this] { Run([this] { form_.BitBtnUKClick(); }); });
}

void MainWindow::BindKeys()
{
    // Window-wide, so neither key ever reaches a field; an open list or a
    // modal box is a window of its own and keeps its Enter and Escape.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, [this] { PressEnter(); });
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            [this] { c_.buttons[Index(Button::BitBtn4)]->click(); });
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { c_.buttons[Index(Button::BitBtnHelp)]->click(); });
}

void MainWindow::PressEnter()
{
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    if (focused && isAncestorOf(focused))
        focused->click();
    else
        c_.buttons[Index(Button::BitBtn1)]->click();
}

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        Run([this] { form_.SetNumberFormat(LocaleNumberFormat()); });
    return QWidget::event(event);
}

void MainWindow::Sync()
{
    if (windowTitle() != FromModel(std::string(form_.WindowCaption())))
        setWindowTitle(FromModel(std::string(form_.WindowCaption())));
    for (const FieldInfo& info : CaseFields()) {
        Row& row = c_.rows[Index(info.field)];
        // Measured for line breaks only when the caption changed, not at
        // every keystroke.
        if (const QString caption = FromModel(form_.Caption(info.field)); row.caption != caption) {
            row.caption = caption;
            row.label->setText(LabelText(*row.label, info.field, caption));
            PlaceLabel(row.label, info.field);
            SetSpokenName(*row.label, caption);
            if (row.list) {
                SetSpokenName(*row.list, caption);
                SetSpokenName(*row.list->lineEdit(), caption);  // the part that has the focus
            } else {
                SetSpokenName(*row.edit, caption);
            }
        }
        if (row.list) {
            SyncList(info.field, *row.list);
        } else if (const QString text = FromModel(form_.Text(info.field)); row.edit->text() != text) {
            const QSignalBlocker blocker(row.edit);
            row.edit->setText(text);
        }
    }
    for (const GroupInfo& g : Groups())
        if (const QString title = FromModel(form_.GroupCaption(g.group)); c_.groups[Index(g.group)]->title() != title) {
            c_.groups[Index(g.group)]->setTitle(title);
            // Otherwise a result group is announced by the title of the group around it.
            SetSpokenName(*c_.groups[Index(g.group)], title);
        }
    for (const ButtonInfo& b : Buttons())
        if (const QString text = FromModel(form_.ButtonCaption(b.button)); c_.buttons[Index(b.button)]->text() != text)
            c_.buttons[Index(b.button)]->setText(text);
    platform_.SetHelpLanguage(form_.Language());
    FollowLanguage(form_.Language());
}

void MainWindow::SyncList(Field field, QComboBox& box)
{
    const QSignalBlocker blocker(box);
    QLineEdit& edit = *box.lineEdit();
    const QSignalBlocker editBlocker(&edit);
    const QString text = FromModel(form_.Text(field));
    const int cursor = edit.cursorPosition();
    bool rewritten = false;
    for (int item = 0; item < 2; ++item)
        if (const QString itemText = FromModel(form_.Item(field, item)); box.itemText(item) != itemText) {
            box.setItemText(item, itemText);
            rewritten = true;
        }
    // Selecting rewrites the edit text with the item's; the model's own text
    // (as typed, say in other letter case) is put back below.
    if (const int position = form_.ItemIndex(field); box.currentIndex() != position) {
        box.setCurrentIndex(position);
        rewritten = true;
    }
    if (edit.text() != text) {
        edit.setText(text);
        rewritten = true;
    }
    // Only while the user types does the view follow the cursor; a text the
    // program wrote is shown from its first character, as a classic list
    // shows it, not scrolled to its end.
    if (rewritten)
        edit.setCursorPosition(typingInto_ == &box ? cursor : 0);
}

}  // namespace app::qt
