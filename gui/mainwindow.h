// The main window: shows the window model and hands every user action to it.
// The model holds all state; the widgets are re-synced from it after each
// change, touching only what differs so that typing is never disturbed.
#pragma once

#include "gui/controls.h"
#include "model/form1.h"

#include <QWidget>

#include <functional>

namespace app::qt {

class NumericKeyFilter;
class QtPlatform;

class MainWindow : public QWidget {
public:
    // Creating the window runs the model's FormCreate, so both result groups
    // are filled before the window is first shown.
    MainWindow(TForm1& form, QtPlatform& platform);
    ~MainWindow() override;

    const Controls& controls() const { return c_; }

protected:
    bool event(QEvent* event) override;

private:
    // Every user action goes through the model's Dispatch, which shows what a
    // handler throws in the error box.
    void Run(const std::function<void()>& handler) noexcept;
    void Bind();
    void BindKeys();
    void PressEnter();

    void Sync();
    void SyncList(Field field, QComboBox& box);

    TForm1& form_;
    QtPlatform& platform_;
    Controls c_;
    NumericKeyFilter* keyFilter_ = nullptr;
    // The list whose text the user's typing is changing, while it does.
    const QComboBox* typingInto_ = nullptr;
};

}  // namespace app::qt
