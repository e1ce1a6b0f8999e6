#include "gui/keyfilter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <string>

namespace app::qt {

NumericKeyFilter::NumericKeyFilter(QObject* parent) : QObject(parent) {}

void NumericKeyFilter::Watch(QLineEdit* edit, KeyHandler handler)
{
    handlers_.insert(edit, std::move(handler));
    edit->installEventFilter(this);
    connect(edit, &QObject::destroyed, this, [this, edit] { handlers_.remove(edit); });
}

namespace {

// Types one character into the field as a key press of its own, which passes
// the filter like any other.
void SendKey(QObject* target, char32_t c, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent press(QEvent::KeyPress, c == 8 ? Qt::Key_Backspace : Qt::Key_unknown, modifiers,
                    QString::fromUcs4(&c, 1));
    QCoreApplication::sendEvent(target, &press);
}

}  // namespace

std::u32string NumericKeyFilter::TypedText(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: return {};
    default: break;
    }
    std::u32string text = event.text().toStdU32String();
    if (text == U"\x7f")
        return {};
    return text;
}

namespace {

bool Passes(const NumericKeyFilter::KeyHandler& handler, char32_t key)
{
    handler(key);
    return key != 0;
}

}  // namespace

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = handlers_.constFind(watched);
    if (found == handlers_.cend())
        return false;
    // A copy: the replay below sends events that look the handler up again.
    const KeyHandler handler = *found;
    // A control character such as Ctrl+V's 22 is dropped here, before the
    // field's own shortcut handling would paste.
    if (event->type() == QEvent::KeyPress)
        return FilterKey(watched, handler, *static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::InputMethod)
        return FilterCommit(watched, handler, *static_cast<QInputMethodEvent*>(event));
    return false;
}

bool NumericKeyFilter::FilterKey(QObject* target, const KeyHandler& handler, const QKeyEvent& event)
{
    const std::u32string typed = TypedText(event);
    if (typed.empty())
        return false;
    if (typed.size() > 1) {
        // Several characters in one event (key compression, some layouts):
        // one key press per character, so that each is judged against the
        // text the ones before it left.
        for (const char32_t c : typed)
            SendKey(target, c, event.modifiers());
        return true;
    }
    return !Passes(handler, typed.front());
}

bool NumericKeyFilter::FilterCommit(QObject* target, const KeyHandler& handler, const QInputMethodEvent& event)
{
    const std::u32string chars = event.commitString().toStdU32String();
    if (chars.empty())
        return false;
    if (chars.size() == 1) {
        if (Passes(handler, chars.front()))
            return false;
        if (!event.preeditString().isEmpty() || !event.attributes().isEmpty()) {
            // Keep the composition going without the refused character.
            QInputMethodEvent rest(event.preeditString(), event.attributes());
            QCoreApplication::sendEvent(target, &rest);
        }
        return true;
    }
    // One keystroke per character, so that each is judged against the text
    // the ones before it left (a second decimal separator in one commit).
    for (size_t i = 0; i < chars.size(); ++i) {
        const bool first = i == 0, last = i + 1 == chars.size();
        QInputMethodEvent one(last ? event.preeditString() : QString(),
                              last ? event.attributes() : QList<QInputMethodEvent::Attribute>());
        one.setCommitString(QString::fromUcs4(&chars[i], 1), first ? event.replacementStart() : 0,
                            first ? event.replacementLength() : 0);
        QCoreApplication::sendEvent(target, &one);
    }
    return true;
}

}  // namespace app::qt
