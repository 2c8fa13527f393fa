// The floor of karvelo-rf watch's cost: a Qt Core event loop with a one-second timer doing
// only a status tick's waits and pumps (six sleeps of 2 ms, five pumps), the next tick a
// second after the previous one ended, as the watch polls.
#include "TickFloor.h"

#include <QTimer>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTimer timer;
    timer.setSingleShot(true);
    timer.setInterval(1000);
    QObject::connect(&timer, &QTimer::timeout, [&timer] {
        StatusTickFloor();
        timer.start();
    });
    timer.start();
    return app.exec();
}
