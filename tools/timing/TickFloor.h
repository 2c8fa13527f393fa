#pragma once

// What the protocol asks of one status tick, and nothing else: the floor of the idle figures.
#include <QCoreApplication>
#include <QThread>

#include <sys/prctl.h>

// As the tool's device clock sleeps: without timer slack, which it keeps for the event loop.
inline void ProtocolSleep(unsigned long ms)
{
    const int slack = prctl(PR_GET_TIMERSLACK);
    prctl(PR_SET_TIMERSLACK, 1UL);
    QThread::msleep(ms);
    if (slack > 0)
        prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(slack));
}

// Battery, CPI and binding status: set, 2 ms, get, 2 ms, and a pump, each; the CPI read-out
// and the end of the tick pump once more.
inline void StatusTickFloor()
{
    for (int exchange = 0; exchange < 3; ++exchange) {
        ProtocolSleep(2);
        ProtocolSleep(2);
        QCoreApplication::processEvents();
        if (exchange > 0)
            QCoreApplication::processEvents();
    }
}
