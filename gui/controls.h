// The window's controls, created in the order of the window's children and
// placed at their pixels; empty until the window fills them from the model.
#pragma once

#include "model/casefields.h"

#include <array>
#include <vector>

#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace app::qt {

class GroupFrame;

struct Row {
    QLabel* label = nullptr;
    QLineEdit* edit = nullptr;  // input and result fields
    QComboBox* list = nullptr;  // medium lists
    QString caption;            // the model's caption the label shows, before any line break
};

struct Controls {
    std::array<Row, kFieldCount> rows;               // by Field
    std::array<GroupFrame*, kGroupCount> groups;     // by Group
    std::array<QPushButton*, kButtonCount> buttons;  // by Button
    QPushButton* danishFlag = nullptr;
    QPushButton* unionFlag = nullptr;
    // Every control that takes the focus, in tab order.
    std::vector<QWidget*> tabOrder;
};

Controls BuildControls(QWidget* window);

// What a row label shows for its caption: the caption on one line, or, when
// one line would run under the field, broken at the last blank that lets the
// first line fit.
QString LabelText(const QLabel& label, Field field, const QString& caption);

// Sizes a row label to its text beside its field; two lines are centred on
// the field.
void PlaceLabel(QLabel* label, Field field);

}  // namespace app::qt
