#pragma once

#include <QtGlobal>

#include <array>
#include <deque>
#include <initializer_list>
#include <optional>

// Faults injected on the wire of one simulated device. Counts say how many of the next calls
// are affected; kAlways affects every call until cleared.
class SimFaults {
public:
    using Report = std::array<quint8, 8>;
    static constexpr int kAlways = -1;

    // Replies whose byte 7 is `byte7` instead of the acknowledgement.
    void nackReplies(int count, quint8 byte7 = 0xCB)
    {
        nack_ = {count};
        nackByte_ = byte7;
    }
    void failSets(int count) { failSets_ = {count}; }
    void failGets(int count) { failGets_ = {count}; }
    // The n-th feature call from now (1: the next one) finds the device unplugged.
    void unplugAtExchange(int n) { unplugIn_ = n > 0 ? n : 0; }
    // Reply byte `index` (0..7) XORed with `mask`.
    void corruptReplies(int count, int index, quint8 mask);
    // Exact replies returned by the next gets, in order, instead of the firmware's answers.
    void scriptReplies(std::initializer_list<Report> replies);
    void scriptReply(const Report& reply) { scripted_.push_back(reply); }
    void clear() { *this = SimFaults(); }

    // Used by the simulated device at each call.
    bool takeSetFailure() { return failSets_.take(); }
    bool takeGetFailure() { return failGets_.take(); }
    bool takeUnplug() { return unplugIn_ > 0 && --unplugIn_ == 0; }
    std::optional<Report> takeScripted();
    void spoil(Report& reply);

private:
    struct Countdown {
        int remaining = 0;
        bool take()
        {
            if (remaining == 0)
                return false;
            if (remaining > 0)
                --remaining;
            return true;
        }
    };

    Countdown nack_;
    quint8 nackByte_ = 0xCB;
    Countdown failSets_;
    Countdown failGets_;
    Countdown corrupt_;
    int corruptIndex_ = 0;
    quint8 corruptMask_ = 0;
    int unplugIn_ = 0;
    std::deque<Report> scripted_;
};
