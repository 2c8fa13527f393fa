// The floors of the tool's whole-process figures, a Qt Widgets window of the main window's
// size and style:
//   bare-window           nothing in it;
//   bare-window --text    one line of text, laid out before the window shows: it loads the font
//                         database, as any window with text must (the floor of the start-up
//                         and memory figures);
//   bare-window --tick    one line of text and a one-second timer doing only what the protocol
//                         asks of a status tick: six sleeps of 2 ms and five event pumps, the
//                         sleeps made as the tool makes them (the floor of the idle figures).
#include "TickFloor.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <cstring>

namespace {

bool Has(int argc, char** argv, const char* option)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], option) == 0)
            return true;
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(725, 410);
    const bool tick = Has(argc, argv, "--tick");
    if (tick || Has(argc, argv, "--text")) {
        auto* line = new QLabel(QStringLiteral("Karvelo 2.4G RF SoC Setting Tool"), &window);
        line->move(10, 10);
        line->adjustSize();  // laid out before the window shows, as any layout of text is
    }
    QTimer timer;
    timer.setInterval(1000);
    QObject::connect(&timer, &QTimer::timeout, [&timer] {
        timer.stop();  // as the status tick: the next one comes a second after this one ends
        StatusTickFloor();
        timer.start();
    });
    if (tick)
        timer.start();
    window.show();
    return app.exec();
}
