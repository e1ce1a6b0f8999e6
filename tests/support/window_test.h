// The one fixture of the window tests: the offscreen platform, a fresh
// window, and a watchdog that fails the test on any modal window but an
// expected message box, instead of waiting for a click that never comes.
#pragma once

#include "gui/mainwindow.h"
#include "gui/qtplatform.h"
#include "model/form1.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace support {

inline QString Q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon;
    QStringList buttons;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QObject::connect(&watchdog_, &QTimer::timeout, [this] { Watch(); });
        watchdog_.start(10);
        OpenWindow();
    }
    void TearDown() override { EXPECT_FALSE(boxExpected_) << "an expected message box never came"; }
    void ExpectBox() { seenBox.reset(), boxExpected_ = true; }

    void OpenWindow()
    {
        window.reset();
        form = std::make_unique<app::TForm1>(platform, calc::NumberFormat{".", ","});
        window = std::make_unique<app::qt::MainWindow>(*form, platform);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QLineEdit* Edit(app::Field f) const { return window->controls().rows[app::Index(f)].edit; }
    QPushButton* Button(const char* name) const { return window->findChild<QPushButton*>(name); }
    std::string Text(app::Field f) const { return form->Text(f); }

    QTimer watchdog_;
    bool boxExpected_ = false;
    app::qt::QtPlatform platform;
    std::unique_ptr<app::TForm1> form;
    std::unique_ptr<app::qt::MainWindow> window;
    std::optional<SeenBox> seenBox;

private:
    void Watch();
};

}  // namespace support
