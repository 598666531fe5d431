// The yardstick of the start-up benchmark: a Qt window with one label and
// nothing else, built with the game's compiler and flags.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    auto* label = new QLabel(QStringLiteral("A bare Qt window"), &window);
    label->move(10, 10);
    window.resize(288, 373);
    window.show();
    return application.exec();
}
