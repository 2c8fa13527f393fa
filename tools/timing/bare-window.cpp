// The floor of the tool's start-up figures: a Qt Widgets window of the main window's size and
// style with nothing in it.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(725, 410);
    window.show();
    return app.exec();
}
