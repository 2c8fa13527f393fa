#include "protocol/receiver/StatusEvents.h"

namespace {

bool IdsDiffer(const LinkStatus& a, const LinkStatus& b)
{
    return a.mouseId != b.mouseId || a.keyboardId != b.keyboardId;
}

template <typename T>
bool KnownChange(const std::optional<T>& before, const std::optional<T>& after)
{
    return after && before != after;
}

void ReadingChanges(const WatchedReceiver& before, const WatchedReceiver& after,
                    std::vector<StatusEvent>& events)
{
    if (KnownChange(before.mouseInReach, after.mouseInReach) ||
        KnownChange(before.keyboardInReach, after.keyboardInReach))
        events.push_back(StatusEvent::Link);
    if (!after.reading)
        return;
    const std::optional<StatusReading>& earlier = before.reading;
    if (KnownChange(earlier ? earlier->battery : std::nullopt, after.reading->battery))
        events.push_back(StatusEvent::Battery);
    if (KnownChange(earlier ? earlier->cpi : std::nullopt, after.reading->cpi))
        events.push_back(StatusEvent::Cpi);
    if (earlier && IdsDiffer(earlier->link, after.reading->link))
        events.push_back(StatusEvent::Paired);
}

}  // namespace

std::vector<StatusEvent> StatusChanges(const WatchedState& before, const WatchedState& after)
{
    std::vector<StatusEvent> events;
    const bool sameReceiver = before && after && before->node == after->node;
    if (before && !sameReceiver)
        events.push_back(StatusEvent::ReceiverRemoved);
    if (after && !sameReceiver)
        events.push_back(StatusEvent::ReceiverAdded);
    if (sameReceiver)
        ReadingChanges(*before, *after, events);
    return events;
}

WatchedReceiver CarriedForward(const WatchedReceiver& known, WatchedReceiver fresh)
{
    if (!fresh.mouseInReach)
        fresh.mouseInReach = known.mouseInReach;
    if (!fresh.keyboardInReach)
        fresh.keyboardInReach = known.keyboardInReach;
    if (!fresh.reading) {
        fresh.reading = known.reading;
        return fresh;
    }
    if (const std::optional<StatusReading>& earlier = known.reading) {
        StatusReading& now = *fresh.reading;
        if (!now.battery)
            now.battery = earlier->battery;
        if (!now.cpi)
            now.cpi = earlier->cpi;
        if (!now.binding)
            now.binding = earlier->binding;
    }
    return fresh;
}

std::optional<bool> KeyboardReach::Update(std::optional<quint8> packets, qint64 nowMs)
{
    if (packets) {
        if (lastCount_ && *packets != *lastCount_) {
            moved_ = true;
            sinceMs_ = nowMs;
        }
        if (!sinceMs_)
            sinceMs_ = nowMs;
        lastCount_ = packets;
        readMs_ = nowMs;
    }
    if (!sinceMs_)
        return std::nullopt;
    if (nowMs - *sinceMs_ < kQuietMs)
        return moved_ ? std::optional<bool>(true) : std::nullopt;
    return false;
}
