#include "protocol/receiver/SettingsTable.h"
#include "window/receiver/ChoiceHistory.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(SettingsTable, AnswersDecodeByTheirRows)
{
    struct Case {
        const char* setting;
        int first;
        int second;
        const char* choice;  // null: no answer
    };
    const Case cases[] = {
        // L+R CPI switch: 0xCC or a broken pair is "disabled"; any other valid value "enabled".
        {"lr-cpi-switch", 0x00, 0xFF, "enable"},
        {"lr-cpi-switch", 0xCC, 0x33, "disable"},
        {"lr-cpi-switch", 0xFF, 0xFF, "disable"},
        {"lr-cpi-switch", 0x12, 0xED, "enable"},
        // Wake-up: only a valid 0xAA means "button only".
        {"wakeup", 0xAA, 0x55, "button-only"},
        {"wakeup", 0xAA, 0x54, "motion-and-button"},
        {"wakeup", 0x55, 0xAA, "motion-and-button"},
        // Power saving while unlinked.
        {"power-saving", 0xC5, 0x3A, "button-wakeup"},
        {"power-saving", 0xCA, 0x35, "on"},
        {"power-saving", 0xCA, 0x36, "off"},
        {"power-saving", 0x00, 0xFF, "off"},
        // CPI: bit 0 of one byte.
        {"cpi", 0x02, -1, "low"},
        {"cpi", 0xFF, -1, "high"},
        // Battery-low: 2.0 V for 0x20, an unlisted value or a broken pair.
        {"battery-low", 0xE0, 0x1F, "3.2"},
        {"battery-low", 0xA0, 0x5F, "2.8"},
        {"battery-low", 0x00, 0xFF, "1.8"},
        {"battery-low", 0x20, 0xDF, "2.0"},
        {"battery-low", 0xFF, 0xFF, "2.0"},
        {"battery-low", 0x10, 0xEF, "2.0"},
        // A failed read is never an answer, whatever the other byte.
        {"lr-cpi-switch", -1, 0xFF, nullptr},
        {"wakeup", 0xAA, -1, nullptr},
        {"battery-low", 0x100, 0xFF, nullptr},
        {"cpi", -1, 0x00, nullptr},
    };
    for (const Case& c : cases) {
        const SettingRow& row = *FindSetting(QString::fromLatin1(c.setting));
        const std::optional<int> wanted =
            c.choice ? ChoiceNamed(row, QString::fromLatin1(c.choice)) : std::nullopt;
        EXPECT_EQ(DecodeAnswer(row, c.first, c.second), wanted)
            << c.setting << " " << std::hex << c.first << " " << c.second;
    }
}

TEST(ChoiceHistory, KnowsTheChoiceBeforeAChangeAndWhetherAClickChangedAnything)
{
    ChoiceHistory history;
    EXPECT_FALSE(history.takeChange());

    // A switch from code or by the user.
    history.selected(1);
    history.selected(0);
    EXPECT_EQ(history.current(), 0);
    EXPECT_EQ(history.previous(), 1);
    EXPECT_TRUE(history.takeChange());
    EXPECT_FALSE(history.takeChange());  // a second click on the same choice

    // Cleared by the attach, then the user picks a choice: nothing was shown before.
    history.selected(-1);
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
