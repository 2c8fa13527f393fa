#include "protocol/receiver/BatteryAlert.h"

#include <gtest/gtest.h>

namespace {

TEST(BatteryAlertTest, TellsOncePerDropToTheLowestStepOfAReadingThatCounts)
{
    struct Tick {
        std::optional<int> level;
        int full;
        bool inReach;
        bool told;
    };
    const Tick ticks[] = {
        {3, 7, true, false},             // above the lowest step
        {1, 7, false, false},            // dropped while out of reach: the receiver's last word
        {1, 7, true, true},              // back in reach at the lowest step: told
        {1, 7, true, false},             // stays
        {0, 7, true, false},             // empty is still the lowest step
        {std::nullopt, 7, true, false},  // no valid reply
        {9, 7, true, false},             // past the scale: no reading, not a rise
        {1, 7, true, false},
        {2, 7, false, false},  // a rise out of reach does not count
        {1, 7, true, false},
        {2, 7, true, false},  // risen
        {1, 7, true, true},   // dropped again
        {2, 5, true, false},  // a keyboard of five steps
        {1, 5, true, true},
        {1, 1, true, false},  // a one-step scale: full, its lowest step is empty
        {0, 1, true, true},
    };
    BatteryAlert alert;
    int n = 0;
    for (const Tick& t : ticks)
        EXPECT_EQ(alert.Update({t.level, t.full, t.inReach}), t.told) << "tick " << n++;
}

}  // namespace
