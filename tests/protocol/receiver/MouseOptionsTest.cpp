#include "protocol/receiver/MouseOptions.h"
#include "window/receiver/ChoiceHistory.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(MouseOptions, AnswersDecodeByTheirGroupsTable)
{
    struct Case {
        OptionGroup group;
        int first;
        int second;
        std::optional<int> choice;
    };
    const Case cases[] = {
        // L+R CPI switch: 0xCC or a broken pair is "disabled"; any other valid value "enabled".
        {OptionGroup::LrCpiSwitch, 0x00, 0xFF, Choice::kLrCpiEnable},
        {OptionGroup::LrCpiSwitch, 0xCC, 0x33, Choice::kLrCpiDisable},
        {OptionGroup::LrCpiSwitch, 0xFF, 0xFF, Choice::kLrCpiDisable},
        {OptionGroup::LrCpiSwitch, 0x12, 0xED, Choice::kLrCpiEnable},
        // Wake-up: only a valid 0xAA means "button only".
        {OptionGroup::Wakeup, 0xAA, 0x55, Choice::kWakeupButtonOnly},
        {OptionGroup::Wakeup, 0xAA, 0x54, Choice::kWakeupMotionAndButton},
        {OptionGroup::Wakeup, 0x55, 0xAA, Choice::kWakeupMotionAndButton},
        // Power saving while unlinked.
        {OptionGroup::PowerSaving, 0xC5, 0x3A, Choice::kPowerSavingButtonWakeup},
        {OptionGroup::PowerSaving, 0xCA, 0x35, Choice::kPowerSavingOn},
        {OptionGroup::PowerSaving, 0xCA, 0x36, Choice::kPowerSavingOff},
        {OptionGroup::PowerSaving, 0x00, 0xFF, Choice::kPowerSavingOff},
        // CPI: bit 0 of one byte.
        {OptionGroup::Cpi, 0x02, -1, Choice::kCpiLow},
        {OptionGroup::Cpi, 0xFF, -1, Choice::kCpiHigh},
        // Battery-low: 2.0 V for 0x20, an unlisted value or a broken pair.
        {OptionGroup::BatteryLow, 0xE0, 0x1F, 0},
        {OptionGroup::BatteryLow, 0xA0, 0x5F, 2},
        {OptionGroup::BatteryLow, 0x00, 0xFF, 7},
        {OptionGroup::BatteryLow, 0x20, 0xDF, Choice::kBatteryLow2V0},
        {OptionGroup::BatteryLow, 0xFF, 0xFF, Choice::kBatteryLow2V0},
        {OptionGroup::BatteryLow, 0x10, 0xEF, Choice::kBatteryLow2V0},
        // A failed read is never an answer, whatever the other byte.
        {OptionGroup::LrCpiSwitch, -1, 0xFF, std::nullopt},
        {OptionGroup::Wakeup, 0xAA, -1, std::nullopt},
        {OptionGroup::BatteryLow, 0x100, 0xFF, std::nullopt},
        {OptionGroup::Cpi, -1, 0x00, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeAnswer(c.group, c.first, c.second), c.choice)
            << GroupIndex(c.group) << " " << std::hex << c.first << " " << c.second;
}

TEST(ChoiceHistory, KnowsTheChoiceBeforeAChangeAndWhetherAClickChangedAnything)
{
    ChoiceHistory history;
    EXPECT_FALSE(history.takeChange());

    // A switch from code or by the user: the old choice tells first, the new one is checked.
    history.selected(1);
    history.unselected(1, 0);
    history.selected(0);
    EXPECT_EQ(history.current(), 0);
    EXPECT_EQ(history.previous(), 1);
    EXPECT_TRUE(history.takeChange());
    EXPECT_FALSE(history.takeChange());  // a second click on the same choice

    // Cleared by the attach, then the user picks a choice: nothing was shown before.
    history.unselected(0, -1);
    EXPECT_EQ(history.current(), -1);
    history.selected(1);
    EXPECT_EQ(history.previous(), -1);

    // A selection from code whose handler does not run leaves no change waiting.
    history.selected(0);
    history.settle();
    EXPECT_FALSE(history.takeChange());
    EXPECT_EQ(history.previous(), 1);

    // A list cleared from code (index -1).
    history.selected(-1);
    EXPECT_EQ(history.current(), -1);
    EXPECT_FALSE(history.takeChange());
}

}  // namespace
