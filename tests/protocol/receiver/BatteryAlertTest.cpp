#include "protocol/receiver/BatteryAlert.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

TEST(BatteryAlertTest, TellsOncePerDropIntoTheCriticalBand)
{
    using B = BatteryBand;
    BatteryAlert alert;
    const std::pair<B, bool> readings[] = {
        {B::Good, false}, {B::Critical, true}, {B::Critical, false}, {B::Low, false},
        {B::Critical, true}, {B::Critical, false}, {B::Good, false}, {B::Critical, true},
    };
    for (const auto& [band, told] : readings)
        EXPECT_EQ(alert.Update(band), told);
}

}  // namespace
