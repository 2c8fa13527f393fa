#pragma once

#include <QtGlobal>

#include <optional>

// One battery as a status tick saw it, as far as a notice depends on it.
struct BatteryReading {
    std::optional<int> level;  // nothing: the tick got no valid battery reply
    int full = 0;              // the gauge's maximum
    bool inReach = false;      // the device's packets reach the receiver
};

// Whether `level` stands at the lowest step of a battery of `full` steps, or below it (empty).
// A level past the scale is no reading at all.
inline bool AtLowestStep(int level, int full)
{
    const int lowest = full > 1 ? 1 : 0;
    return level >= 0 && level <= full && level <= lowest;
}

// When to tell the user that a battery runs out: once when its level drops to the lowest step,
// and again only after it has stayed above it for a minute, so that a level wavering between
// the two lowest steps is told once. A tick without a valid reading, or with the device out of
// reach, changes nothing: the receiver then only repeats the last level it heard from a device
// that has gone quiet.
class BatteryAlert {
public:
    static constexpr qint64 kRearmAfterMs = 60000;

    // True when this reading, taken at `nowMs`, should be told.
    bool update(const BatteryReading& reading, qint64 nowMs)
    {
        if (!reading.inReach || !reading.level || *reading.level < 0 ||
            *reading.level > reading.full)
            return false;
        if (!AtLowestStep(*reading.level, reading.full)) {
            if (!aboveSinceMs_)
                aboveSinceMs_ = nowMs;
            armed_ = armed_ || nowMs - *aboveSinceMs_ >= kRearmAfterMs;
            return false;
        }
        aboveSinceMs_.reset();
        const bool tell = armed_;
        armed_ = false;
        return tell;
    }

    // Whether the device's reach decides what a reading of `level` does: it would be told, or
    // would count towards making the notice ready again. Only then is asking for the reach
    // worth an exchange.
    bool reachMatters(std::optional<int> level, int full) const
    {
        return level && *level >= 0 && *level <= full && armed_ == AtLowestStep(*level, full);
    }

    // Another receiver (and so perhaps another mouse and keyboard): nothing told yet.
    void reset() { *this = BatteryAlert(); }

private:
    bool armed_ = true;
    std::optional<qint64> aboveSinceMs_;  // since when the level has been above the lowest step
};
