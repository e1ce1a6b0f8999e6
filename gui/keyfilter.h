// Runs the key handler of a numeric field on every character typed into it
// or committed by an input method, before the field takes it, and drops the
// ones the handler zeroes. The main window's and the part-load window's
// fields share it.
#pragma once

#include <QHash>
#include <QObject>

#include <functional>
#include <string>

class QKeyEvent;
class QInputMethodEvent;
class QLineEdit;

namespace app::qt {

class NumericKeyFilter : public QObject {
public:
    // Leaves the key as it is or sets it to 0 to drop it.
    using KeyHandler = std::function<void(char32_t& key)>;

    explicit NumericKeyFilter(QObject* parent);
    void Watch(QLineEdit* edit, KeyHandler handler);

    // The characters a key press types, none if it types none. Tab, Delete,
    // Return, Enter and Escape carry text too but move the focus, edit, run
    // a command or close, so they are left alone.
    static std::u32string TypedText(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool FilterKey(QObject* target, const KeyHandler& handler, const QKeyEvent& event);
    bool FilterCommit(QObject* target, const KeyHandler& handler, const QInputMethodEvent& event);

    QHash<const QObject*, KeyHandler> handlers_;
};

}  // namespace app::qt
