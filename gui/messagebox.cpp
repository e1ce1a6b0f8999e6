#include "gui/messagebox.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace app::qt {

namespace {

// QMessageBox centres itself on its parent and only knows its size once
// shown; the program's boxes stand in the middle of the screen instead.
class ScreenCentredBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
};

}  // namespace

BoxStyle StyleOf(calc::MessageKind kind)
{
    switch (kind) {
    case calc::MessageKind::Information:
        return {QStringLiteral("Information"), QMessageBox::Information, QStringLiteral("OK")};
    case calc::MessageKind::Error: return {QStringLiteral("Error"), QMessageBox::Critical, QStringLiteral("&Yes")};
    case calc::MessageKind::Plain: break;
    }
    return {QStringLiteral("Tervol"), QMessageBox::NoIcon, QStringLiteral("OK")};
}

BoxStyle ErrorBoxStyle() { return {QStringLiteral("Tervol"), QMessageBox::Critical, QStringLiteral("OK")}; }

void RunBox(QWidget* parent, const BoxStyle& style, const QString& text)
{
    ScreenCentredBox box(parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(style.title);
    box.setIcon(style.icon);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    // The button's role only matters to Qt; nobody asks which one closed it.
    QPushButton* button = box.addButton(style.button, QMessageBox::AcceptRole);
    box.setDefaultButton(button);
    box.setEscapeButton(button);
    box.exec();
}

}  // namespace app::qt
