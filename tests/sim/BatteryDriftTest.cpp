#include "ModelProbe.h"
#include "sim/ReceiverModel.h"

#include <gtest/gtest.h>

namespace {

TEST(BatteryDriftTest, LevelsFallAStepEachPeriodAndStartAgainFromFull)
{
    ReceiverModel model;
    model.setBattery({4, 8, 7, 6, 1000});  // keyboard 0..7, mouse 0..7
    EXPECT_EQ(ask(model, {0x0A}, 0), "84 76 00 00 00 00 00 CC");
    EXPECT_EQ(ask(model, {0x0A}, 1999), "84 65 00 00 00 00 00 CC");
    EXPECT_EQ(ask(model, {0x0A}, 7000), "84 07 00 00 00 00 00 CC");  // the mouse's fresh again

    model.setBattery({4, 8, 7, 6, 0});
    EXPECT_EQ(ask(model, {0x0A}, 90000), "84 76 00 00 00 00 00 CC");
}

}  // namespace
