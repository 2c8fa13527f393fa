#include "protocol/receiver/OptionChange.h"
#include "sim/MouseModel.h"
#include "support/SimRig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace {

using Outcome = OptionChange::Outcome;

class OptionChangeTest : public ::testing::Test {
protected:
    SimRig rig;
    MouseModel& mouse = rig.firmware->mouse();
    OptionChange change{rig.channel};
    QStringList lines;

    void SetUp() override
    {
        change.setDebugLog([this](const QString& line) { lines << line; });
        rig.clock->clearRecord();
    }
    static const SettingRow& Row(const char* setting) { return *FindSetting(setting); }
    static int Choice(const char* setting, const char* value)
    {
        return *ChoiceNamed(Row(setting), QString::fromLatin1(value));
    }
    OptionChange::Result Run(const char* setting, const char* value)
    {
        const int wanted = Choice(setting, value);
        return change.run(Row(setting), [wanted] { return wanted; });
    }
    void StorePair(quint8 address, quint8 value)
    {
        mouse.setEeprom(address, value);
        mouse.setEeprom(quint8(address + 1), quint8(value ^ 0xFF));
    }
    int SleptMs() const
    {
        const auto& sleeps = rig.clock->sleeps();
        return std::accumulate(sleeps.begin(), sleeps.end(), 0);
    }
    static long Count(const std::vector<QString>& sent, const char* report)
    {
        return std::count(sent.begin(), sent.end(), QString::fromLatin1(report));
    }
};

TEST_F(OptionChangeTest, ChoiceTakenAtOnceIsOnePassAndAQuarterSecondOfWaits)
{
    OptionChange::Result result;
    const auto sent = rig.sent([&] { result = Run("wakeup", "button-only"); });
    EXPECT_EQ(sent, (std::vector<QString>{
                        "01 2B AA 5A 33 00 00 00",  // enter access without LED
                        "01 23 AA FF 2A 00 00 00",  // option register := 0x2A
                        "01 24 AA 14 00 00 00 00",  // the pair at 0x14
                        "01 24 AA 15 00 00 00 00",
                        "01 2C AA 00 00 00 00 00",  // leave access
                    }));
    EXPECT_EQ(result.outcome, Outcome::Taken);
    EXPECT_EQ(result.passes, 1);
    EXPECT_EQ(result.answered, Choice("wakeup", "button-only"));
    EXPECT_EQ(rig.clock->sleeps(), (std::vector<int>{50, 50, 5, 5, 10, 5, 5, 50, 50}));
    EXPECT_EQ(SleptMs(), 230);
    EXPECT_EQ(mouse.eeprom(0x14), 0xAA);
    EXPECT_TRUE(lines.isEmpty());  // only the L+R CPI switch logs its passes
}

TEST_F(OptionChangeTest, CpiChoiceUsesTheSetupCommandAndOneByteWithoutGap)
{
    mouse.setEeprom(MouseModel::kCpiByte, 0x02);
    mouse.setEepromLocked(true);  // bit 0 already clear: "Low" is accepted as it stands
    OptionChange::Result result;
    const auto sent = rig.sent([&] { result = Run("cpi", "low"); });
    EXPECT_EQ(sent, (std::vector<QString>{"01 2B AA 5A 33 00 00 00", "01 2F AA 00 CC 00 00 00",
                                          "01 24 AA 10 00 00 00 00", "01 2C AA 00 00 00 00 00"}));
    EXPECT_EQ(result.outcome, Outcome::Taken);
    EXPECT_EQ(rig.clock->sleeps(), (std::vector<int>{50, 50, 5, 5, 50, 50}));

    mouse.setEepromLocked(false);
    EXPECT_EQ(Run("cpi", "high").passes, 1);
    EXPECT_EQ(mouse.eeprom(MouseModel::kCpiByte) & 1, 1);
}

TEST_F(OptionChangeTest, BatteryLowEndsOnTheEntrysValueOrOnAnErasedPairForTwoVolts)
{
    // 2.0 V (0x61) counts an erased pair as taken; 1.8 V (0x60) needs 0x00 0xFF.
    mouse.setEepromLocked(true);
    auto sent = rig.sent([&] { EXPECT_EQ(Run("battery-low", "2.0").passes, 1); });
    EXPECT_EQ(Count(sent, "01 23 AA FF 61 00 00 00"), 1);
    StorePair(0x1A, 0x20);
    EXPECT_EQ(Run("battery-low", "2.0").outcome, Outcome::Taken);

    mouse.setEepromLocked(false);
    sent = rig.sent([&] { EXPECT_EQ(Run("battery-low", "1.8").passes, 1); });
    EXPECT_EQ(Count(sent, "01 23 AA FF 60 00 00 00"), 1);
    EXPECT_EQ(mouse.eeprom(0x1A), 0x00);
    EXPECT_EQ(mouse.eeprom(0x1B), 0xFF);
}

TEST_F(OptionChangeTest, AnAnswerThatMeansTheOtherChoiceRepeatsFiftyPassesAndIsReported)
{
    StorePair(0x12, 0xCC);  // "disabled"
    mouse.setEepromLocked(true);
    OptionChange::Result result;
    const auto sent = rig.sent([&] { result = Run("lr-cpi-switch", "enable"); });
    EXPECT_EQ(result.outcome, Outcome::NotTaken);
    EXPECT_EQ(result.passes, 50);
    EXPECT_EQ(result.answered, Choice("lr-cpi-switch", "disable"));
    EXPECT_EQ(Count(sent, "01 23 AA FF 15 00 00 00"), 50);
    EXPECT_EQ(Count(sent, "01 2C AA 00 00 00 00 00"), 1);
    ASSERT_EQ(lines.size(), 50);
    EXPECT_EQ(lines.front(), "SoftISS V cc V_C 33");
}

TEST_F(OptionChangeTest, FailedReadsAreNeverAnAnswer)
{
    mouse.setInReach(false);
    const OptionChange::Result result = Run("lr-cpi-switch", "disable");
    // An erased pair would read as "disabled"; a read that failed must not.
    EXPECT_EQ(result.outcome, Outcome::NotTaken);
    EXPECT_FALSE(result.answered.has_value());
    EXPECT_EQ(lines.front(), "SoftISS V ffffffff V_C ffffffff");
}

TEST_F(OptionChangeTest, FollowsTheWantedChoiceWhenItMovesDuringTheChange)
{
    // The window's selection moves while the first pass waits for its answer.
    int wanted = Choice("wakeup", "button-only");
    rig.clock->setPumpHook([&] { wanted = Choice("wakeup", "motion-and-button"); });
    OptionChange::Result result;
    const auto sent = rig.sent([&] { result = change.run(Row("wakeup"), [&] { return wanted; }); });
    EXPECT_EQ(result.outcome, Outcome::Taken);
    EXPECT_EQ(result.answered, Choice("wakeup", "motion-and-button"));
    EXPECT_EQ(Count(sent, "01 23 AA FF 25 00 00 00"), 1);
    EXPECT_EQ(mouse.eeprom(0x14), 0x55);

    // Nothing wanted any more: the change ends without another pass.
    wanted = -1;
    EXPECT_EQ(rig.sent([&] { result = change.run(Row("wakeup"), [&] { return wanted; }); }),
              std::vector<QString>{});
    EXPECT_EQ(result.outcome, Outcome::Withdrawn);
}

TEST_F(OptionChangeTest, ReceiverDroppedDuringTheChangeEndsItWithNothingMoreSent)
{
    // What the device change does, delivered where the first read lets events run.
    rig.clock->setPumpHook([&] { rig.channel.setReceiver(nullptr); });
    OptionChange::Result result;
    const auto sent = rig.sent([&] { result = Run("wakeup", "button-only"); });
    EXPECT_EQ(result.outcome, Outcome::ReceiverGone);
    EXPECT_EQ(sent, (std::vector<QString>{"01 2B AA 5A 33 00 00 00", "01 23 AA FF 2A 00 00 00",
                                          "01 24 AA 14 00 00 00 00"}));
    rig.channel.setReceiver(rig.receiver);
}

TEST_F(OptionChangeTest, AutoConnectIsOnePassAndClearsIndexRegisterFiveBeforeEnabling)
{
    auto sent =
        rig.sent([&] { change.sendOnly(Row("auto-connect"), Choice("auto-connect", "on")); });
    EXPECT_EQ(sent, (std::vector<QString>{"01 2B AA 5A 33 00 00 00", "01 22 AA 05 00 00 00 00",
                                          "01 23 AA FF 5A 00 00 00", "01 2C AA 00 00 00 00 00"}));
    EXPECT_EQ(rig.clock->sleeps(), (std::vector<int>{50, 50, 50}));
    EXPECT_TRUE(mouse.powerOnAutoConnect());
    sent = rig.sent([&] { change.sendOnly(Row("auto-connect"), Choice("auto-connect", "off")); });
    EXPECT_EQ(sent, (std::vector<QString>{"01 2B AA 5A 33 00 00 00", "01 23 AA FF 55 00 00 00",
                                          "01 2C AA 00 00 00 00 00"}));
    EXPECT_FALSE(mouse.powerOnAutoConnect());
}

}  // namespace
