#pragma once

#include <QtGlobal>

// Counts the radio packets a linked device sends, on the device clock's time: one packet per
// interval while the device is sending. The receiver reports the count's low byte, so a reader
// sees it move only while packets arrive.
class PacketCounter {
public:
    static constexpr qint64 kIntervalMs = 8;

    // Accounts for the time since the last call; `sending` is the state during that time.
    void advanceTo(qint64 nowMs, bool sending)
    {
        if (started_ && sending && nowMs > lastMs_)
            sendingMs_ += nowMs - lastMs_;
        lastMs_ = nowMs;
        started_ = true;
    }

    quint8 lowByte() const { return quint8((sendingMs_ / kIntervalMs) & 0xFF); }

private:
    qint64 sendingMs_ = 0;
    qint64 lastMs_ = 0;
    bool started_ = false;
};
