#pragma once

#include "protocol/receiver/StatusPoll.h"

#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

// The receiver as a watcher last saw it: where it is and its last known readings.
struct WatchedReceiver {
    QString node;
    quint16 vendorId = 0;
    quint16 productId = 0;
    std::optional<StatusReading> reading;  // nothing until a poll got an answer
    std::optional<bool> mouseInReach;
    std::optional<bool> keyboardInReach;
};
// A receiver, or none.
using WatchedState = std::optional<WatchedReceiver>;

// What a watcher tells, in the order StatusChanges gives them.
enum class StatusEvent { ReceiverRemoved, ReceiverAdded, Link, Battery, Cpi, Paired };

// The changes from `before` to `after`: a receiver that came or went (another node counts as
// one going and one coming); for the same receiver a known value that differs from the last
// known one. New IDs count as a pairing only after a reading with the earlier ones.
std::vector<StatusEvent> StatusChanges(const WatchedState& before, const WatchedState& after);

// A fresh poll of a receiver, its unknowns (a read-out that got no valid answer, an unsettled
// binding status) filled from what was known before, so that a failed read-out is no change.
WatchedReceiver CarriedForward(const WatchedReceiver& known, WatchedReceiver fresh);

// A keyboard sends only while it is used: it counts as in reach while its packet count moved
// within the last kQuietMs, out of reach after that long without a move; unknown until either.
// The count is read every kReadMs, not at every poll: its run costs as much as a read-out.
class KeyboardReach {
public:
    static constexpr qint64 kQuietMs = 30000;
    static constexpr qint64 kReadMs = 5000;

    // Whether a poll at this time reads the count.
    bool Due(qint64 nowMs) const { return !readMs_ || nowMs - *readMs_ >= kReadMs; }

    // The count of this poll (nothing when it was not read) at this time.
    std::optional<bool> Update(std::optional<quint8> packets, qint64 nowMs);
    // Another receiver: nothing is known of its keyboard yet.
    void Reset() { *this = KeyboardReach(); }

private:
    std::optional<quint8> lastCount_;
    std::optional<qint64> readMs_;
    std::optional<qint64> sinceMs_;  // the last move, or the first reading
    bool moved_ = false;
};
