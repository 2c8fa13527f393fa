#include "protocol/receiver/BatteryAlert.h"

#include <gtest/gtest.h>

namespace {

TEST(BatteryAlertTest, TellsOncePerDropToTheLowestStepOfAReadingThatCounts)
{
    struct Tick {
        qint64 atSeconds;
        std::optional<int> level;
        int full;
        bool inReach;
        bool told;
    };
    const Tick ticks[] = {
        {0, 3, 7, true, false},             // above the lowest step
        {1, 1, 7, false, false},            // dropped while out of reach: the receiver's last word
        {2, 1, 7, true, true},              // back in reach at the lowest step: told
        {3, 1, 7, true, false},             // stays
        {4, 0, 7, true, false},             // empty is still the lowest step
        {5, std::nullopt, 7, true, false},  // no valid reply
        {6, 9, 7, true, false},             // past the scale: no reading, not a rise
        {7, 2, 7, true, false},             // wavers up for a moment ...
        {8, 1, 7, true, false},             // ... and down again: not told again
        {9, 2, 7, false, false},            // a rise out of reach does not count
        {100, 1, 7, true, false},
        {101, 2, 7, true, false},  // risen ...
        {130, 2, 7, true, false},
        {161, 2, 7, true, false},  // ... and stayed above for a minute
        {162, 1, 7, true, true},   // dropped again: told
        {163, 2, 5, true, false},  // a keyboard of five steps
        {224, 2, 5, true, false},
        {225, 1, 5, true, true},
        {226, 1, 1, true, false},  // a one-step scale: full, its lowest step is empty
        {287, 1, 1, true, false},
        {288, 0, 1, true, true},
    };
    BatteryAlert alert;
    int n = 0;
    for (const Tick& t : ticks)
        EXPECT_EQ(alert.update({t.level, t.full, t.inReach}, t.atSeconds * 1000), t.told)
            << "tick " << n++;

    alert.reset();  // another receiver: its first drop is told at once
    EXPECT_TRUE(alert.update({1, 7, true}, 289000));
}

}  // namespace
