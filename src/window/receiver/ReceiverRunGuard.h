#pragma once

#include <QtGlobal>

#include <optional>

// Marks a sequence as running on the receiver of the moment (a count of receiver changes).
// Another start inside its message pumping is refused while that receiver is still attached;
// after an attach the new receiver's sequence runs, as the first one then sends nothing more.
//
//     ReceiverRunGuard guard(statusTickOn_, state_.ReceiverChanges);
//     if (!guard.entered())
//         return;
class ReceiverRunGuard {
public:
    ReceiverRunGuard(std::optional<quint64>& runningOn, quint64 receiver)
        : runningOn_(runningOn), outer_(runningOn), entered_(runningOn != receiver)
    {
        if (entered_)
            runningOn_ = receiver;
    }
    ~ReceiverRunGuard()
    {
        if (entered_)
            runningOn_ = outer_;
    }
    ReceiverRunGuard(const ReceiverRunGuard&) = delete;
    ReceiverRunGuard& operator=(const ReceiverRunGuard&) = delete;

    bool entered() const { return entered_; }

    static bool Busy(const std::optional<quint64>& runningOn, quint64 receiver)
    {
        return runningOn == receiver;
    }

private:
    std::optional<quint64>& runningOn_;
    std::optional<quint64> outer_;
    bool entered_;
};
