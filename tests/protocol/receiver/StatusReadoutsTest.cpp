#include "protocol/device/RfAccess.h"
#include "protocol/device/SpecialCommands.h"
#include "protocol/receiver/SettingsTable.h"
#include "protocol/receiver/StatusReadouts.h"
#include "support/SimRig.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

using Sent = std::vector<QString>;

CommandChannel::Report Reply(quint8 b0, quint8 b1)
{
    return {b0, b1, 0, 0, 0, 0, 0, 0xCC, 0};
}

TEST(StatusDecodeTest, BatteryReplies)
{
    const auto levels = [](quint8 b0, quint8 b1) {
        const std::optional<BatteryLevels> decoded = DecodeBattery(Reply(b0, b1));
        return decoded ? std::pair{decoded->keyboard, decoded->mouse} : std::pair{-1, -1};
    };
    EXPECT_EQ(levels(0x84, 0x73), std::pair(7, 3));    // validity 4
    EXPECT_EQ(levels(0x58, 0x0F), std::pair(0, 15));   // validity 8
    EXPECT_EQ(levels(0x81, 0x73), std::pair(-1, -1));  // any other validity nibble
    EXPECT_EQ(levels(0x01, 0x0A), std::pair(-1, -1));  // the request itself, never answered
    // Levels 0 to 15: C critical (red), L low (yellow), G good (green).
    const char bands[] = "CCLLLGGGCCCCCCCC";
    for (int level = 0; level < 16; ++level) {
        const BatteryBand expected = bands[level] == 'G'   ? BatteryBand::Good
                                     : bands[level] == 'L' ? BatteryBand::Low
                                                           : BatteryBand::Critical;
        EXPECT_EQ(MouseBatteryBand(level), expected) << level;
    }
}

TEST(StatusDecodeTest, CpiRepliesAndTheSelectionTheyMake)
{
    EXPECT_EQ(DecodeCpi(Reply(0, 5)), 5);
    EXPECT_EQ(DecodeCpi(Reply(0, 8)), 8);
    EXPECT_EQ(DecodeCpi(Reply(0, 10)), 10);
    EXPECT_EQ(DecodeCpi(Reply(0, 16)), 16);
    EXPECT_EQ(DecodeCpi(Reply(0, 12)), std::nullopt);  // 1200 is no CPI of the mouse
    EXPECT_EQ(DecodeCpi(Reply(1, 16)), std::nullopt);
    EXPECT_EQ(DecodeCpi(Reply(1, 0x0B)), std::nullopt);

    const int high = *ChoiceNamed(FirstSettingOf(SettingKind::MouseCpi), "high");
    const int low = *ChoiceNamed(FirstSettingOf(SettingKind::MouseCpi), "low");
    struct Case {
        int hundreds;
        int shown;
        bool readBack;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {16, low, false, high},        // the low button was selected
        {8, -1, false, std::nullopt},  // the first selection is the read-back's
        {8, -1, true, low},           {10, high, false, std::nullopt},  // already shown
        {5, high, false, low},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CpiChoiceToShow(c.hundreds, c.shown, c.readBack), c.expected) << c.hundreds;
}

TEST(StatusDecodeTest, BindingStatusRule)
{
    struct Case {
        bool prevBB, settingsRead;
        std::optional<quint8> status;
        bool check, nextBB;
    };
    const Case cases[] = {
        {false, false, 0x33, true, false},  // settings not read yet
        {true, true, 0x33, true, false},    // the mouse link came back
        {true, true, 0xBB, false, true},    // still searching
        {false, true, 0xBB, false, true},          {false, true, 0x33, false, false},
        {true, true, std::nullopt, false, true},  // a failed run changes nothing
        {false, false, std::nullopt, true, false},
    };
    for (const Case& c : cases) {
        const BindingStep step = NextBindingStep(c.prevBB, c.settingsRead, c.status);
        EXPECT_EQ(step.checkMouseLink, c.check)
            << c.prevBB << c.settingsRead << int(c.status.value_or(0));
        EXPECT_EQ(step.prevBindingStatusBB, c.nextBB) << c.prevBB << c.settingsRead;
    }
}

class StatusReadoutsTest : public ::testing::Test {
protected:
    int SleptMs() const
    {
        const auto& sleeps = rig.clock->sleeps();
        return std::accumulate(sleeps.begin(), sleeps.end(), 0);
    }

    SimRig rig;
    SpecialCommands special{rig.channel};
    RfAccess rf{rig.channel};
    StatusReadouts readouts{rig.channel, special, rf};
};

TEST_F(StatusReadoutsTest, ReadOutsArePolledReadsThatRejectAnUnreadBuffer)
{
    rig.firmware->setBattery({8, 6, 4, 2});
    std::optional<BatteryLevels> levels;
    EXPECT_EQ(rig.sent([&] { levels = readouts.readBattery(); }), Sent{"01 0A 00 00 00 00 00 00"});
    ASSERT_TRUE(levels);
    EXPECT_EQ(levels->keyboard, 4);
    EXPECT_EQ(levels->mouse, 2);
    EXPECT_EQ(rig.clock->sleeps(), (std::vector<int>{2, 2}));

    rig.firmware->mouse().setCpi(500);
    EXPECT_EQ(readouts.readCpi(), 5);

    rig.faults().failGets(SimFaults::kAlways);
    EXPECT_EQ(rig.sent([&] { levels = readouts.readBattery(); }).size(), 50u);
    EXPECT_FALSE(levels);
    EXPECT_EQ(readouts.readCpi(), std::nullopt);
}

TEST_F(StatusReadoutsTest, MouseLinkIsSeenAtOnceOrAfterProvokingTraffic)
{
    rig.firmware->mouse().setMoving(true);
    MouseLinkCheck check;
    EXPECT_EQ(rig.sent([&] { check = readouts.checkMouseLink(); }),
              Sent(2, "01 14 FF AA 01 00 00 00"));
    EXPECT_TRUE(check.linked);
    EXPECT_FALSE(check.sensorData);
    EXPECT_GE(SleptMs(), 10);

    // An idle mouse answers the sensor read inside the access bracket.
    rig.firmware->mouse().setMoving(false);
    rig.firmware->mouse().setSensorRegister(0, 0x31);
    rig.clock->clearRecord();
    EXPECT_EQ(rig.sent([&] { check = readouts.checkMouseLink(); }),
              (Sent{"01 14 FF AA 01 00 00 00", "01 14 FF AA 01 00 00 00", "01 2B AA 5A 33 00 00 00",
                    "01 2A AA 00 00 00 00 00", "01 14 FF AA 01 00 00 00", "01 14 FF AA 01 00 00 00",
                    "01 2C AA 00 00 00 00 00"}));
    EXPECT_TRUE(check.linked);
    EXPECT_EQ(check.sensorData, 0x31);
    EXPECT_GE(SleptMs(), 130);
    EXPECT_EQ(rig.firmware->mouse().access(), MouseModel::Access::Off);
}

TEST_F(StatusReadoutsTest, NoLinkWhenTheMouseIsAwayOrARunFails)
{
    rig.firmware->mouse().setInReach(false);
    MouseLinkCheck check;
    const Sent away = rig.sent([&] { check = readouts.checkMouseLink(); });
    EXPECT_FALSE(check.linked);
    EXPECT_EQ(away.back(), "01 2C AA 00 00 00 00 00");  // access left all the same

    // Special command 1 unanswered: an earlier run's MSE_SN must not count, and there is
    // nothing to provoke.
    rig.firmware->mouse().setInReach(true);
    rig.firmware->mouse().setMoving(true);
    rig.faults().nackReplies(SimFaults::kAlways);
    const Sent failed = rig.sent([&] { check = readouts.checkMouseLink(); });
    EXPECT_FALSE(check.linked);
    EXPECT_FALSE(check.lastReply);
    EXPECT_EQ(failed, Sent(50, "01 14 FF AA 01 00 00 00"));
}

TEST_F(StatusReadoutsTest, MouseSwitchedOffThenMovedIsReadBackOnce)
{
    // The status tick's binding rule over the simulated receiver: while the mouse is off every
    // tick checks the link and finds none; the first tick after it moves reads the settings
    // back, and after that only a return from searching does.
    bool prevBB = false;
    bool settingsRead = false;
    std::vector<bool> readBacks;
    const auto tick = [&] {
        const std::optional<SpecialReply> status = special.Run(4);
        const BindingStep step = NextBindingStep(
            prevBB, settingsRead, status ? std::optional<quint8>(status->bytes[1]) : std::nullopt);
        const bool readBack = step.checkMouseLink && readouts.checkMouseLink().linked;
        if (readBack)
            settingsRead = true;
        prevBB = step.prevBindingStatusBB;
        readBacks.push_back(readBack);
        rig.clock->advance(1000);
    };
    MouseModel& mouse = rig.firmware->mouse();
    mouse.setInReach(false);
    tick();
    tick();
    mouse.setInReach(true);
    mouse.setMoving(true);
    tick();
    tick();
    mouse.setInReach(false);  // out of reach: the receiver searches (0xBB) ...
    tick();
    mouse.setInReach(true);  // ... and finds it again
    tick();
    EXPECT_EQ(readBacks, (std::vector<bool>{false, false, true, false, false, true}));
}

}  // namespace
