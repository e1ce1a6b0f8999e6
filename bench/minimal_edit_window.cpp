// A second yardstick: the least window a user can type into. Its first
// edit field loads the input-method plugin and initialises fontconfig, one-
// time costs that any window with a text field pays and a blank one does not.
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    auto* edit = new QLineEdit(&window);
    edit->setText(QStringLiteral("55"));
    window.show();
    return application.exec();
}
