#pragma once

#include <QMutexLocker>
#include <QRecursiveMutex>
#include <QTimer>

// Keeps the status tick out of a sequence of exchanges that must not be split (the words of
// one EEPROM store): for its life the status timer is stopped and the device lock held. At
// the end the lock is released and the timer armed again.
class StatusTickHold {
public:
    StatusTickHold(QTimer* statusTimer, QRecursiveMutex* deviceLock)
        : timer_(Stopped(statusTimer)), lock_(deviceLock)
    {}
    ~StatusTickHold()
    {
        lock_.unlock();
        timer_->start();
    }
    StatusTickHold(const StatusTickHold&) = delete;
    StatusTickHold& operator=(const StatusTickHold&) = delete;

private:
    static QTimer* Stopped(QTimer* timer)
    {
        timer->stop();
        return timer;
    }

    QTimer* timer_;
    QMutexLocker<QRecursiveMutex> lock_;
};
