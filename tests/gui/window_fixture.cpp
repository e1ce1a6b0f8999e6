#include "window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using app::Field;

void WindowTest::SetUp()
{
    QObject::connect(&watchdog_, &QTimer::timeout, [this] { Watch(); });
    watchdog_.start(10);
    OpenWindow();
}

void WindowTest::TearDown()
{
    watchdog_.stop();
    ExpectModalAnswered();
    window.reset();
    form.reset();
    platform.reset();
}

void WindowTest::OpenWindow()
{
    window.reset();
    form.reset();
    platform = std::make_unique<app::qt::QtPlatform>([this](const QUrl& url) {
        helpRequests.push_back(url);
        return false;
    });
    // A fixed format, whatever the locale of the machine running the tests.
    form = std::make_unique<app::TForm1>(*platform, calc::NumberFormat{".", ","});
    window = std::make_unique<app::qt::MainWindow>(*form, *platform);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

void WindowTest::ExpectModal(std::function<void(QWidget*)> answer) { answer_ = std::move(answer); }

void WindowTest::ExpectBox()
{
    seenBox.reset();
    ExpectModal([this](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            ADD_FAILURE() << "a modal window that is no message box: " << modal->metaObject()->className();
            modal->close();
            return;
        }
        SeenBox seen;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* b : box->buttons())
            seen.buttons << b->text();
        seen.oneButtonForEnterAndEscape = box->buttons().size() == 1 &&
                                          box->defaultButton() == box->buttons().front() &&
                                          box->escapeButton() == box->buttons().front();
        seen.centre = box->frameGeometry().center();
        QTest::keyClick(box, Qt::Key_Return);
        seen.enterClosedIt = !box->isVisible();
        if (box->isVisible())
            box->done(0);
        seenBox = seen;
    });
}

void WindowTest::ExpectModalAnswered()
{
    if (answer_)
        ADD_FAILURE() << "an expected modal window never came";
    answer_ = nullptr;
}

void WindowTest::Watch()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    if (answer_) {
        std::exchange(answer_, nullptr)(modal);
        return;
    }
    const auto* box = qobject_cast<QMessageBox*>(modal);
    ADD_FAILURE() << "unexpected modal window \"" << modal->windowTitle().toStdString() << "\""
                  << (box ? " saying \"" + box->text().toStdString() + "\"" : std::string());
    modal->close();
}

QLineEdit* WindowTest::Edit(Field field) const { return window->controls().rows[app::Index(field)].edit; }
QComboBox* WindowTest::List(Field field) const { return window->controls().rows[app::Index(field)].list; }
QLabel* WindowTest::Label(Field field) const { return window->controls().rows[app::Index(field)].label; }
QPushButton* WindowTest::Button(const char* name) const { return window->findChild<QPushButton*>(name); }
QWidget* WindowTest::Named(const QString& name) const { return window->findChild<QWidget*>(name); }

void WindowTest::Type(QWidget* widget, const QString& keys)
{
    widget->setFocus();
    QTest::keyClicks(widget, keys);
}
