#include "device/DeviceClock.h"

#include <QCoreApplication>
#include <QThread>

#include <chrono>

namespace {
qint64 monotonicMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
}

RealDeviceClock::RealDeviceClock() : origin_(monotonicMs()) {}

void RealDeviceClock::sleep(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
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
