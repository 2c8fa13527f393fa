#include "protocol/device/DeviceClock.h"

#include <QCoreApplication>
#include <QThread>

#include <chrono>

#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace {
qint64 monotonicMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

RealDeviceClock::RealDeviceClock() : origin_(monotonicMs()) {}

void RealDeviceClock::sleep(int ms)
{
    if (ms <= 0)
        return;
#ifdef __linux__
    // The protocol's waits are a few milliseconds each: the thread's timer slack (50 us by
    // default) would lengthen every one of them. Only these sleeps end on time; the event
    // loop keeps the slack that lets the kernel bundle wake-ups.
    const int slack = prctl(PR_GET_TIMERSLACK);
    prctl(PR_SET_TIMERSLACK, 1UL);
#endif
    QThread::msleep(static_cast<unsigned long>(ms));
#ifdef __linux__
    if (slack > 0)
        prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(slack));
#endif
}

void RealDeviceClock::pump()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

qint64 RealDeviceClock::nowMs() const
{
    return monotonicMs() - origin_;
}

void TestDeviceClock::sleep(int ms)
{
    sleeps_.push_back(ms);
    if (ms > 0)
        now_ += ms;
}

void TestDeviceClock::pump()
{
    ++pumps_;
    // A hook that exchanges with the device pumps again; do not recurse into it.
    if (pumpHook_ && !inHook_) {
        inHook_ = true;
        pumpHook_();
        inHook_ = false;
    }
    if (processEvents_ && QCoreApplication::instance())
        QCoreApplication::processEvents();
}
