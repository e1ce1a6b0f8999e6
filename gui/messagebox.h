// The program's modal boxes: one button, which both Enter and Escape press,
// centred on the screen.
#pragma once

#include "calc/messages.h"

#include <QMessageBox>
#include <QString>

namespace app::qt {

struct BoxStyle {
    QString title;
    QMessageBox::Icon icon;
    QString button;
};

BoxStyle StyleOf(calc::MessageKind kind);
// The box that reports a failed command.
BoxStyle ErrorBoxStyle();

// Shows the box modally and returns when it is closed. `parent` keeps the box
// above the window; it may be null.
void RunBox(QWidget* parent, const BoxStyle& style, const QString& text);

}  // namespace app::qt
