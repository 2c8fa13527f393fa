#include "protocol/device/RfAccess.h"
#include "protocol/engineering/ReceiverControl.h"
#include "protocol/engineering/TestModeCommands.h"
#include "support/SimRig.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Every single-report command of the console, with its exact report.
struct OneReport {
    const char* name;
    std::function<void(SimRig&)> send;
    const char* report;
};

const OneReport kCommands[] = {
    {"select mouse", [](SimRig& r) { ReceiverControl(r.channel).SelectDevice(true); },
     "01 17 3C 5A 01 00 00 00"},
    {"select keyboard", [](SimRig& r) { ReceiverControl(r.channel).SelectDevice(false); },
     "01 17 3C 5A 02 00 00 00"},
    {"receiver access", [](SimRig& r) { ReceiverControl(r.channel).EnterAccess(); },
     "01 0C 00 00 00 00 00 00"},
    {"leave receiver access", [](SimRig& r) { ReceiverControl(r.channel).LeaveAccess(); },
     "01 0D 00 00 00 00 00 00"},
    {"power-on reset", [](SimRig& r) { ReceiverControl(r.channel).JumpToPowerOnReset(); },
     "01 0E 55 AA CC 00 00 00"},
    {"RSSI on", [](SimRig& r) { ReceiverControl(r.channel).EnableRssi(); },
     "01 15 BB A5 5A 00 00 00"},
    {"RSSI off", [](SimRig& r) { ReceiverControl(r.channel).DisableRssi(); },
     "01 16 BB 3C C3 00 00 00"},
    {"test on", [](SimRig& r) { TestModeCommands(r.channel).SetTestMode(true); },
     "01 08 01 00 00 00 00 00"},
    {"test off", [](SimRig& r) { TestModeCommands(r.channel).SetTestMode(false); },
     "01 08 02 00 00 00 00 00"},
    {"tx data", [](SimRig& r) { TestModeCommands(r.channel).SendTxData(0x5A); },
     "01 08 06 5A 00 00 00 00"},
    {"frequency", [](SimRig& r) { TestModeCommands(r.channel).SetFrequency(127); },
     "01 08 0A 7F 00 00 00 00"},
    {"mode number", [](SimRig& r) { TestModeCommands(r.channel).SetModeNumber(12); },
     "01 08 0C 0C 00 00 00 00"},
    {"RF access with LED", [](SimRig& r) { RfAccess(r.channel).EnterAccess(true); },
     "01 2B AA 5A CC 00 00 00"},
    {"RF access without LED", [](SimRig& r) { RfAccess(r.channel).EnterAccess(false); },
     "01 2B AA 5A 33 00 00 00"},
    {"leave RF access", [](SimRig& r) { RfAccess(r.channel).LeaveAccess(); },
     "01 2C AA 00 00 00 00 00"},
    {"CPI setup", [](SimRig& r) { RfAccess(r.channel).SetupCpi(3); }, "01 2F AA 03 CC 00 00 00"},
    {"direct write", [](SimRig& r) { RfAccess(r.channel).Write(RfSpace::DirectRegister, 5, 0x7E); },
     "01 23 AA 05 7E 00 00 00"},
    {"index write", [](SimRig& r) { RfAccess(r.channel).Write(RfSpace::IndexRegister, 5, 0x7E); },
     "01 22 AA 05 7E 00 00 00"},
    {"sensor write", [](SimRig& r) { RfAccess(r.channel).Write(RfSpace::Sensor, 5, 0x7E); },
     "01 29 AA 05 7E 00 00 00"},
};

TEST(ConsoleCommands, EachSendsExactlyItsReportAndNothingWithoutAReceiver)
{
    for (const OneReport& command : kCommands) {
        SCOPED_TRACE(command.name);
        SimRig rig;
        EXPECT_EQ(rig.sent([&] { command.send(rig); }), std::vector<QString>{command.report});
        rig.channel.setReceiver(nullptr);
        EXPECT_TRUE(rig.sent([&] { command.send(rig); }).empty());
    }
}

TEST(ConsoleCommands, TestRangesHoldTheirBoundsOnly)
{
    EXPECT_TRUE(TestModeCommands::kFrequencies.contains(1));
    EXPECT_TRUE(TestModeCommands::kFrequencies.contains(127));
    EXPECT_FALSE(TestModeCommands::kFrequencies.contains(0.5));
    EXPECT_FALSE(TestModeCommands::kFrequencies.contains(128));
    EXPECT_TRUE(TestModeCommands::kModes.contains(12));
    EXPECT_FALSE(TestModeCommands::kModes.contains(12.5));
    EXPECT_FALSE(TestModeCommands::kModes.contains(0));
}

}  // namespace
