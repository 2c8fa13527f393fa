#include "protocol/device/RfAccess.h"
#include "sim/MouseModel.h"
#include "support/SimRig.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class RfAccessTest : public ::testing::Test {
protected:
    SimRig rig;
    RfAccess rf{rig.channel};
    std::vector<int> readBacks;

    int WriteVerified(quint8 address, quint8 data)
    {
        return rf.WriteEepromVerified(address, data,
                                      [this](int value) { readBacks.push_back(value); });
    }
    long Count(const std::vector<QString>& sent, const char* report)
    {
        return std::count(sent.begin(), sent.end(), QString::fromLatin1(report));
    }
};

TEST_F(RfAccessTest, ReadsAskTheirSpaceAndAnswerTheByteOrMinusOne)
{
    const std::pair<RfSpace, const char*> spaces[] = {
        {RfSpace::DirectRegister, "01 26 AA D2 00 00 00 00"},
        {RfSpace::IndexRegister, "01 25 AA D2 00 00 00 00"},
        {RfSpace::Sensor, "01 2A AA D2 00 00 00 00"},
        {RfSpace::Eeprom, "01 24 AA D2 00 00 00 00"},
    };
    for (const auto& [space, report] : spaces) {
        rig.faults().scriptReplies({{0x3C, 0, 0, 0, 0, 0, 0, 0xCC}});
        int value = 0;
        EXPECT_EQ(rig.sent([&] { value = rf.Read(space, 0xD2); }), std::vector<QString>{report});
        EXPECT_EQ(value, 0x3C);
    }
    rig.firmware->mouse().setInReach(false);
    EXPECT_EQ(rf.Read(RfSpace::Sensor, 0x10), -1);
}

TEST_F(RfAccessTest, VerifiedWriteStopsAtTheFirstMatchingReadBack)
{
    const auto sent = rig.sent([&] { EXPECT_EQ(WriteVerified(0x10, 0x12), 0x12); });
    EXPECT_EQ(sent, (std::vector<QString>{"01 21 AA 10 12 00 00 00", "01 24 AA 10 00 00 00 00"}));
    EXPECT_EQ(readBacks, std::vector<int>{0x12});
    EXPECT_EQ(rig.firmware->mouse().eeprom(0x10), 0x12);
}

TEST_F(RfAccessTest, VerifiedWriteGivesUpAfterFiftyPassesReportingEachReadBack)
{
    rig.firmware->mouse().setEeprom(0x10, 0x11);
    rig.firmware->mouse().setEepromLocked(true);
    rig.clock->clearRecord();
    const auto sent = rig.sent([&] { EXPECT_EQ(WriteVerified(0x10, 0x12), 0x11); });
    EXPECT_EQ(Count(sent, "01 21 AA 10 12 00 00 00"), 50);
    EXPECT_EQ(Count(sent, "01 24 AA 10 00 00 00 00"), 50);
    EXPECT_EQ(readBacks, std::vector<int>(50, 0x11));
    const auto& sleeps = rig.clock->sleeps();
    EXPECT_EQ(std::count(sleeps.begin(), sleeps.end(), RfAccess::kEepromWriteSettleMs), 50);
}

TEST_F(RfAccessTest, VerifiedWriteStopsWhenTheReceiverGoesAndCostsNoWaitWithoutOne)
{
    rig.firmware->mouse().setInReach(false);
    // Dropped from inside the run, as a device change delivered by a pump would drop it.
    int pumps = 0;
    rig.clock->setPumpHook([&] {
        if (++pumps == 30)
            rig.channel.setReceiver(nullptr);
    });
    const auto sent = rig.sent([&] { EXPECT_EQ(WriteVerified(0x10, 0x12), -1); });
    EXPECT_EQ(Count(sent, "01 21 AA 10 12 00 00 00"), 1);
    EXPECT_EQ(readBacks, std::vector<int>{-1});

    rig.clock->setPumpHook({});
    rig.clock->clearRecord();
    readBacks.clear();
    EXPECT_EQ(WriteVerified(0x10, 0x12), -1);
    EXPECT_TRUE(readBacks.empty());
    EXPECT_TRUE(rig.clock->sleeps().empty());
}

TEST_F(RfAccessTest, VerifiedWriteStartedAgainFromItsOwnPumpingIsRefused)
{
    int inner = 0;
    rig.clock->setPumpHook([&] {
        if (inner == 0)
            inner = rf.WriteEepromVerified(0x20, 0x01) == -1 ? 1 : 2;
    });
    EXPECT_EQ(WriteVerified(0x10, 0x12), 0x12);
    EXPECT_EQ(inner, 1);
    EXPECT_NE(rig.firmware->mouse().eeprom(0x20), 0x01);
}

}  // namespace
