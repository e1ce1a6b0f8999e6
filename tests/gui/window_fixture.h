// The one fixture of the window tests: the program's window on the offscreen
// platform, and a watchdog that fails the test on a modal window nobody
// expected instead of letting it wait for a click forever.
#pragma once

#include "form1.h"
#include "mainwindow.h"
#include "qtplatform.h"

#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// What a message box showed, and whether Enter closed it.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool oneButtonForEnterAndEscape = false;
    bool enterClosedIt = false;
    QPoint centre;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A fresh model and window, shown and active.
    void OpenWindow();

    // The next modal window is handed to `answer`, which must close it.
    void ExpectModal(std::function<void(QWidget*)> answer);
    // The next modal window must be a message box; it is recorded in
    // seenBox and closed with Enter.
    void ExpectBox();
    // Fails when an expected modal window never came.
    void ExpectModalAnswered();

    QLineEdit* Edit(app::Field field) const;
    QComboBox* List(app::Field field) const;
    QLabel* Label(app::Field field) const;
    QPushButton* Button(const char* name) const;
    QWidget* Named(const QString& name) const;
    std::string Text(app::Field field) const { return form->Text(field); }

    // Types into a widget as the keyboard would, after giving it the focus.
    void Type(QWidget* widget, const QString& keys);

    std::unique_ptr<app::qt::QtPlatform> platform;
    std::unique_ptr<app::TForm1> form;
    std::unique_ptr<app::qt::MainWindow> window;
    std::optional<SeenBox> seenBox;
    QList<QUrl> helpRequests;

private:
    void Watch();

    QTimer watchdog_;
    std::function<void(QWidget*)> answer_;
};
