// The floor of the tool's start-up figures: a Qt Widgets window of the main window's size and
// style with nothing in it. With --edit it holds one line edit, whose creation loads the font
// database as the tool's first edit box does: the floor of any window that shows text.
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include <cstring>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(725, 410);
    if (argc > 1 && std::strcmp(argv[1], "--edit") == 0)
        (new QLineEdit(QStringLiteral("0E41"), &window))->setGeometry(10, 10, 100, 22);
    window.show();
    return app.exec();
}
