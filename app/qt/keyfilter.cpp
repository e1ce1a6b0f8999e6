#include "app/qt/keyfilter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <string>

namespace app::qt {

NumericKeyFilter::NumericKeyFilter(KeyHandler handler, QObject* parent) : QObject(parent), handler_(std::move(handler))
{
}

void NumericKeyFilter::Watch(QLineEdit* edit, Field field)
{
    fields_.insert(edit, field);
    edit->installEventFilter(this);
}

std::optional<char32_t> NumericKeyFilter::TypedCharacter(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: return std::nullopt;
    default: break;
    }
    const std::u32string text = event.text().toStdU32String();
    if (text.size() != 1 || text.front() == U'\x7f')
        return std::nullopt;
    return text.front();
}

bool NumericKeyFilter::Drops(Field field, char32_t key) const
{
    handler_(field, key);
    return key == 0;
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = fields_.constFind(watched);
    if (found == fields_.cend())
        return false;
    if (event->type() == QEvent::KeyPress) {
        // A control character such as Ctrl+V's 22 is dropped here, before the
        // field's own shortcut handling would paste.
        const auto key = TypedCharacter(*static_cast<QKeyEvent*>(event));
        return key && Drops(*found, *key);
    }
    if (event->type() == QEvent::InputMethod)
        return FilterCommit(watched, *found, *static_cast<QInputMethodEvent*>(event));
    return false;
}

bool NumericKeyFilter::FilterCommit(QObject* target, Field field, const QInputMethodEvent& event)
{
    const std::u32string chars = event.commitString().toStdU32String();
    if (chars.empty())
        return false;
    if (chars.size() == 1) {
        if (!Drops(field, chars.front()))
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
