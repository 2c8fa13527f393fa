#include "support/SimRig.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

std::vector<int> repeated(int value, size_t times)
{
    return std::vector<int>(times, value);
}

class ChannelOnSimTest : public ::testing::Test {
protected:
    SimRig rig;

    void SetUp() override
    {
        ASSERT_NE(rig.receiver, nullptr);
        rig.clock->clearRecord();
    }
};

TEST_F(ChannelOnSimTest, EepromReadAcknowledgedOnTheThirdAttempt)
{
    rig.firmware->setReplyDelayMs(9);  // attempts read at 2, 6 and 10 ms after the first request
    const qint64 mark = rig.log().mark();
    EXPECT_EQ(rig.channel.EepromReadWord(15), 0x7A85);
    EXPECT_EQ(rig.log().setsSince(mark).size(), 3u);
    EXPECT_EQ(rig.clock->sleeps(), repeated(2, 6));

    // The same with replies refused outright: the first two are discarded.
    rig.firmware->setReplyDelayMs(0);
    rig.faults().scriptReplies({{0x11, 0x11, 0, 0, 0, 0, 0, 0xCB},
                                {0x22, 0x22, 0, 0, 0, 0, 0, 0x00},
                                {0x12, 0x34, 0, 0, 0, 0, 0, 0xCC}});
    EXPECT_EQ(rig.channel.EepromReadWord(5), 0x1234);
}

TEST_F(ChannelOnSimTest, NeverAcknowledgedReadGivesUpAfterFiftyAttempts)
{
    rig.faults().nackReplies(SimFaults::kAlways, 0xCB);
    const qint64 mark = rig.log().mark();
    EXPECT_EQ(rig.channel.EepromReadWord(15), -1);
    EXPECT_EQ(rig.log().setsSince(mark).size(), 50u);
    EXPECT_EQ(rig.log().getsSince(mark).size(), 50u);
    EXPECT_EQ(rig.clock->sleeps(), repeated(2, 100));
    EXPECT_EQ(rig.clock->nowMs(), 200);

    rig.clock->clearRecord();
    EXPECT_EQ(rig.channel.RfQuery(0x24, 0x12), -1);
    EXPECT_EQ(rig.clock->sleeps(), repeated(5, 100));
}

TEST_F(ChannelOnSimTest, RfQueryWhoseSetAlwaysFailsNeverReads)
{
    rig.faults().failSets(SimFaults::kAlways);
    const qint64 mark = rig.log().mark();
    EXPECT_EQ(rig.channel.RfQuery(0x24, 0x12), -1);
    const auto sets = rig.log().setsSince(mark);
    ASSERT_EQ(sets.size(), 50u);
    EXPECT_EQ(sets.front().hex(), "01 24 AA 12 00 00 00 00");
    EXPECT_FALSE(sets.back().ok);
    EXPECT_TRUE(rig.log().getsSince(mark).empty());
    EXPECT_EQ(rig.clock->sleeps(), repeated(5, 50));
}

TEST_F(ChannelOnSimTest, FailedGetEndsEepromReadAtOnce)
{
    rig.faults().failGets(1);
    const qint64 mark = rig.log().mark();
    EXPECT_EQ(rig.channel.EepromReadWord(15), -1);
    EXPECT_EQ(rig.log().since(mark).size(), 2u);
}

TEST_F(ChannelOnSimTest, EepromWriteIsVerifiedAndLogged)
{
    QStringList lines;
    rig.channel.setDebugLog([&](const QString& line) { lines << line; });
    const qint64 mark = rig.log().mark();
    rig.channel.EepromWriteWord(7, 0x00FF);
    EXPECT_EQ(rig.log().sentSince(mark).front(), "01 04 07 00 FF 00 00 00");
    EXPECT_EQ(rig.firmware->eeprom().word(7), 0x00FF);
    EXPECT_EQ(lines, QStringList{"WRT EEPROM Addr 7 data FF CheckData FF"});

    // A receiver that does not take the write: 50 passes, then silence.
    lines.clear();
    rig.firmware->eeprom().setLocked(true);
    rig.channel.EepromWriteWord(8, 0x1234);
    ASSERT_EQ(lines.size(), 50);
    EXPECT_EQ(lines.back(), "WRT EEPROM Addr 8 data 1234 CheckData FFFF");
}

TEST_F(ChannelOnSimTest, OptionChangeRoundTripThroughTheMouse)
{
    const qint64 mark = rig.log().mark();
    rig.channel.RfCommand(0x2B, 0x5A, 0x33);
    rig.channel.RfCommand(0x23, 0xFF, 0x2A);
    EXPECT_EQ(rig.channel.RfQuery(0x24, 0x14), 0xAA);
    EXPECT_EQ(rig.channel.RfQuery(0x24, 0x15), 0x55);
    rig.channel.RfCommand(0x2C, 0, 0);
    const std::vector<QString> expected = {"01 2B AA 5A 33 00 00 00", "01 23 AA FF 2A 00 00 00",
                                           "01 24 AA 14 00 00 00 00", "01 24 AA 15 00 00 00 00",
                                           "01 2C AA 00 00 00 00 00"};
    EXPECT_EQ(rig.log().sentSince(mark), expected);
    EXPECT_EQ(rig.firmware->mouse().access(), MouseModel::Access::Off);
}

TEST_F(ChannelOnSimTest, MouseOutOfReachLeavesRfQueriesUnanswered)
{
    rig.firmware->mouse().setInReach(false);
    EXPECT_EQ(rig.channel.RfQuery(0x26, 0xD2), -1);
    rig.firmware->mouse().setInReach(true);
    EXPECT_EQ(rig.channel.RfQuery(0x26, 0xD2), 0);
}

TEST_F(ChannelOnSimTest, LinkStatusIsValidWithoutWaitEvenWithSlowReplies)
{
    rig.firmware->setReplyDelayMs(20);
    CommandChannel::Report reply{};
    ASSERT_TRUE(rig.channel.statusRead(CommandChannel::request({0x09}), reply, false));
    EXPECT_EQ(ReportLog::hex(reply.data(), 8), "28 21 43 00 00 00 00 CC");
    EXPECT_TRUE(rig.clock->sleeps().empty());
}

TEST_F(ChannelOnSimTest, PairingSeenThroughTheChannel)
{
    rig.firmware->setPairing({4000, false, 0x5C});
    CommandChannel::Report reply{};
    rig.channel.plainCommand(CommandChannel::request({0x08, 0x00, 0x01}));
    for (int tick = 1; tick <= 3; ++tick) {
        rig.clock->advance(1000);
        rig.channel.statusRead(CommandChannel::request({0x09}), reply);
        EXPECT_EQ(reply[1], 0x21) << tick;
    }
    rig.clock->advance(1000);
    rig.channel.statusRead(CommandChannel::request({0x09}), reply);
    EXPECT_EQ(reply[1], 0x5C);
}

TEST_F(ChannelOnSimTest, UnplugInsideAnExchangeIsNoticedThroughTheNotification)
{
    int changes = 0;
    rig.controller.OnDeviceChange = [&](QObject*) { ++changes; };
    rig.faults().unplugAtExchange(2);  // the get of the first attempt
    EXPECT_EQ(rig.channel.EepromReadWord(15), -1);
    EXPECT_TRUE(rig.receiver->IsPluggedIn());  // not yet told
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(rig.channel.RfQuery(0x24, 0x12), -1);
    QCoreApplication::processEvents();
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(rig.receiver->IsPluggedIn());
    EXPECT_EQ(rig.channel.EepromReadWord(15), -1);
}

TEST_F(ChannelOnSimTest, CorruptedReplyIsPassedOnAsIs)
{
    rig.faults().corruptReplies(1, 0, 0x01);
    EXPECT_EQ(rig.channel.EepromReadWord(15), 0x7B85);
    EXPECT_EQ(rig.channel.EepromReadWord(15), 0x7A85);
}

}  // namespace

namespace {

TEST_F(ChannelOnSimTest, WriteWhoseReadBackAlwaysFailsLogsFiftyFailedChecks)
{
    QStringList lines;
    rig.channel.setDebugLog([&](const QString& line) { lines << line; });
    rig.faults().nackReplies(SimFaults::kAlways);
    rig.channel.EepromWriteWord(3, 0x23DC);
    ASSERT_EQ(lines.size(), 50);
    EXPECT_EQ(lines.front(), "WRT EEPROM Addr 3 data 23DC CheckData FFFFFFFF");
    EXPECT_EQ(lines.back(), lines.front());
}

TEST_F(ChannelOnSimTest, WithoutAReceiverNothingIsSent)
{
    rig.channel.setReceiver(nullptr);
    const qint64 mark = rig.log().mark();
    EXPECT_EQ(rig.channel.EepromReadWord(5), -1);
    EXPECT_EQ(rig.channel.RfQuery(0x24, 0x12), -1);
    rig.channel.EepromWriteWord(7, 0x00FF);
    rig.channel.RfCommand(0x2B, 0x5A, 0x33);
    CommandChannel::Report reply{};
    EXPECT_FALSE(rig.channel.polledRead(CommandChannel::request({0x0A}), reply));
    EXPECT_FALSE(rig.channel.strictRead(CommandChannel::request({0x14, 0xFF, 0xAA, 1}), reply));
    EXPECT_TRUE(rig.log().since(mark).empty());
    EXPECT_TRUE(rig.clock->sleeps().empty());
}

TEST_F(ChannelOnSimTest, RfCommandAndQueryFrames)
{
    const qint64 mark = rig.log().mark();
    rig.channel.RfCommand(0x2B, 0x5A, 0x33);
    rig.faults().scriptReplies({{0x3A, 0, 0, 0, 0, 0, 0, 0x00}, {0x3A, 0, 0, 0, 0, 0, 0, 0xCC}});
    EXPECT_EQ(rig.channel.RfQuery(0x24, 0x12), 0x3A);
    EXPECT_EQ(rig.log().sentSince(mark),
              (std::vector<QString>{"01 2B AA 5A 33 00 00 00", "01 24 AA 12 00 00 00 00",
                                    "01 24 AA 12 00 00 00 00"}));
    EXPECT_EQ(rig.clock->sleeps(), repeated(5, 4));
}

TEST_F(ChannelOnSimTest, PolledReadKeepsGoingAfterFailuresStrictReadGivesUp)
{
    CommandChannel::Report reply{};
    rig.faults().failSets(2);
    EXPECT_TRUE(rig.channel.polledRead(CommandChannel::request({0x0A}), reply));
    EXPECT_EQ(rig.clock->sleeps(), (std::vector<int>{2, 2, 2, 2}));  // no get after a failed set

    rig.clock->clearRecord();
    rig.faults().failSets(1);
    EXPECT_FALSE(rig.channel.strictRead(CommandChannel::request({0x14, 0xFF, 0xAA, 1}), reply));
    EXPECT_TRUE(rig.clock->sleeps().empty());
    EXPECT_TRUE(rig.channel.strictRead(CommandChannel::request({0x14, 0xFF, 0xAA, 1}), reply));
}

}  // namespace
