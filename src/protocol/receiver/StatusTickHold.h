#pragma once

#include "protocol/device/CommandChannel.h"

#include <QMutexLocker>
#include <QRecursiveMutex>
#include <QTimer>

#include <optional>

// Keeps the window's status tick out of a sequence of exchanges that must not be split (a
// verified write, the words of one EEPROM store): for its life the status timer is stopped
// and the device lock held, either of which may be absent. At the end the timer is armed
// again (also when another program kept the receiver), unless the receiver went meanwhile (its
// detach and the next attach set the timers)
// or the sequence ran inside another one's exchanges that keeps the timer off (that one arms
// it when it ends).
class StatusTickHold {
public:
    StatusTickHold(QTimer* statusTimer, QRecursiveMutex* deviceLock, CommandChannel& channel)
        : timer_(statusTimer),
          rearm_(!channel.insideRun() || (timer_ && timer_->isActive())),
          run_(channel)
    {
        if (timer_)
            timer_->stop();
        if (deviceLock)
            lock_.emplace(deviceLock);
    }
    ~StatusTickHold()
    {
        lock_.reset();
        if (timer_ && rearm_ && (run_.live() || run_.refused()))
            timer_->start();
    }
    StatusTickHold(const StatusTickHold&) = delete;
    StatusTickHold& operator=(const StatusTickHold&) = delete;

private:
    QTimer* timer_;
    bool rearm_;
    const CommandChannel::Sequence run_;
    std::optional<QMutexLocker<QRecursiveMutex>> lock_;
};
