// Runs the key handler of the input fields on every character typed into
// them, before the field takes it, and drops the ones the handler zeroes.
#pragma once

#include "model/casefields.h"

#include <QHash>
#include <QObject>

#include <functional>
#include <optional>
#include <string>

class QKeyEvent;
class QInputMethodEvent;
class QLineEdit;

namespace app::qt {

class NumericKeyFilter : public QObject {
public:
    // Leaves the key as it is, sets it to 0 to drop it, or to the character
    // the field takes instead.
    using KeyHandler = std::function<void(Field field, char32_t& key)>;

    NumericKeyFilter(KeyHandler handler, QObject* parent);
    void Watch(QLineEdit* edit, Field field);

    // The characters a key press types, none if it types none. Tab and
    // Delete carry text too but move the focus or edit, so they are left
    // alone.
    static std::u32string TypedText(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The character the field takes for the key, nothing when it is dropped.
    std::optional<char32_t> Kept(Field field, char32_t key) const;
    bool FilterKey(QObject* target, Field field, const QKeyEvent& event);
    bool FilterCommit(QObject* target, Field field, const QInputMethodEvent& event);

    KeyHandler handler_;
    QHash<const QObject*, Field> fields_;
};

}  // namespace app::qt
