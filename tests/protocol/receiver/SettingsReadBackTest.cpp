#include "protocol/receiver/SettingsReadBack.h"
#include "sim/MouseModel.h"
#include "support/SimRig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

namespace {

// A setting shown, and its value, as the command line names them.
using Shown = std::pair<QString, QString>;

class SettingsReadBackTest : public ::testing::Test {
protected:
    SimRig rig;
    MouseModel& mouse = rig.firmware->mouse();
    SettingsReadBack readBack{rig.channel};
    std::vector<Shown> shown;
    std::vector<int> positions;
    QStringList lines;
    int hotkeyReads = 0;
    int cpiReadOuts = 0;
    bool cpiOnShow = true;
    std::function<void(const QString&)> onLine;

    SettingsReadBack::Hooks Hooks()
    {
        SettingsReadBack::Hooks hooks;
        hooks.readHotkeys = [this] { ++hotkeyReads; };
        hooks.readCpi = [this] {
            ++cpiReadOuts;
            return cpiOnShow;
        };
        hooks.show = [this](const SettingRow& row, int choice) {
            shown.emplace_back(row.cliName, row.choices[size_t(choice)].value);
        };
        hooks.progress = [this](int position) { positions.push_back(position); };
        hooks.debug = [this](const QString& line) {
            lines << line;
            if (onLine)
                onLine(line);
        };
        return hooks;
    }
    SettingsReadBack::Result Run() { return readBack.run(Hooks()); }
    std::vector<QString> SentBy(SettingsReadBack::Result& result)
    {
        return rig.sent([&] { result = Run(); });
    }
    long Lines(const QString& prefix) const
    {
        return std::count_if(lines.begin(), lines.end(),
                             [&](const QString& l) { return l.startsWith(prefix); });
    }
};

TEST_F(SettingsReadBackTest, ErasedEepromReadsBackInOnePassAsTheBrokenPairChoices)
{
    rig.clock->clearRecord();
    SettingsReadBack::Result result;
    const auto sent = SentBy(result);
    EXPECT_EQ(sent, (std::vector<QString>{
                        "01 2C AA 00 00 00 00 00",  // leave access, then the hotkeys
                        "01 2B AA 5A 33 00 00 00",
                        "01 24 AA 12 00 00 00 00",
                        "01 24 AA 13 00 00 00 00",
                        "01 2C AA 00 00 00 00 00",  // the CPI read-out runs outside access
                        "01 2B AA 5A 33 00 00 00",
                        "01 24 AA 16 00 00 00 00",
                        "01 24 AA 17 00 00 00 00",
                        "01 24 AA 14 00 00 00 00",
                        "01 24 AA 15 00 00 00 00",
                        "01 24 AA 1A 00 00 00 00",
                        "01 24 AA 1B 00 00 00 00",
                        "01 2C AA 00 00 00 00 00",
                    }));
    EXPECT_EQ(result.position, 6);
    EXPECT_EQ(result.passes, 1);
    EXPECT_FALSE(result.receiverGone);
    EXPECT_EQ(hotkeyReads, 1);
    EXPECT_EQ(cpiReadOuts, 1);
    EXPECT_EQ(positions, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(shown, (std::vector<Shown>{{"lr-cpi-switch", "disable"},
                                         {"power-saving", "off"},
                                         {"wakeup", "motion-and-button"},
                                         {"battery-low", "2.0"}}));
    EXPECT_EQ(lines, (QStringList{"-----------", "SoftISS V ff", "SoftISS V_C ff", "NoLink V ff",
                                  "NoLink V_C ff", "Wakeup V ff", "Wakeup V_C ff", "BAT V ff",
                                  "BAT V_C ff"}));
    const auto& sleeps = rig.clock->sleeps();
    EXPECT_EQ(std::accumulate(sleeps.begin(), sleeps.end(), 0), 370);
}

TEST_F(SettingsReadBackTest, ReadFailingOnceResumesTheNextPassAtItsStep)
{
    mouse.setEeprom(0x16, 0xC5);
    mouse.setEeprom(0x17, 0x3A);
    // The mouse goes out of reach during the CPI read-out and is back after the failed read.
    SettingsReadBack::Hooks hooks = Hooks();
    hooks.readCpi = [this] {
        ++cpiReadOuts;
        mouse.setInReach(false);
        return true;
    };
    onLine = [this](const QString& line) {
        if (line == QLatin1String("NoLink V ffffffff"))
            mouse.setInReach(true);
    };
    SettingsReadBack::Result result;
    const auto sent = rig.sent([&] { result = readBack.run(hooks); });
    EXPECT_EQ(result.passes, 2);
    EXPECT_EQ(result.position, 6);
    EXPECT_EQ(positions, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    // Finished steps are not repeated.
    EXPECT_EQ(std::count(sent.begin(), sent.end(), QStringLiteral("01 24 AA 12 00 00 00 00")), 1);
    EXPECT_EQ(cpiReadOuts, 1);
    EXPECT_EQ(lines.mid(3, 3), (QStringList{"NoLink V ffffffff", "NoLink V c5", "NoLink V_C 3a"}));
    EXPECT_EQ(shown[1], Shown("power-saving", "button-wakeup"));
}

TEST_F(SettingsReadBackTest, CpiStepThatNeverShowsIsGivenUpEachPassAndTheRunEnds)
{
    cpiOnShow = false;
    SettingsReadBack::Result result;
    const auto sent = SentBy(result);
    EXPECT_EQ(result.passes, 50);
    EXPECT_EQ(result.position, 2);
    EXPECT_EQ(cpiReadOuts, 50 * SettingsReadBack::kCpiReadOutsPerPass);
    EXPECT_EQ(shown.size(), 1u);  // the L+R CPI switch only; the later steps keep their controls
    EXPECT_EQ(sent.back(), "01 2C AA 00 00 00 00 00");
    EXPECT_EQ(std::count(sent.begin(), sent.end(), QStringLiteral("01 2B AA 5A 33 00 00 00")), 50);
}

TEST_F(SettingsReadBackTest, ReceiverDroppedEndsTheRunAtTheNextExchange)
{
    onLine = [this](const QString& line) {
        if (line.startsWith(QLatin1String("NoLink V_C")))
            rig.channel.setReceiver(nullptr);  // what the device change does
    };
    SettingsReadBack::Result result;
    const auto sent = SentBy(result);
    EXPECT_TRUE(result.receiverGone);
    EXPECT_EQ(result.position, 3);
    EXPECT_EQ(sent.back(), "01 24 AA 17 00 00 00 00");
    EXPECT_EQ(shown.size(), 1u);  // the answer at 0x16 is not shown without its pair
    rig.channel.setReceiver(rig.receiver);
}

}  // namespace
