#include "protocol/device/SpecialCommands.h"
#include "sim/ReceiverModel.h"
#include "support/SimRig.h"

#include <gtest/gtest.h>

namespace {

QString Request(int command)
{
    return QStringLiteral("01 14 FF AA 0%1 00 00 00").arg(command);
}

SpecialReply ReplyOf(int command, std::array<quint8, 7> bytes, bool settled = false)
{
    SpecialReply reply;
    reply.command = command;
    reply.bytes = bytes;
    reply.bindingSettled = settled;
    return reply;
}

TEST(ChannelMapRowsTest, EachCommandPaintsItsRows)
{
    using G = ChannelGrid;
    const std::array<quint8, 7> bytes{1, 2, 3, 4, 5, 6, 7};
    EXPECT_EQ(ChannelMapRows(ReplyOf(2, bytes)),
              (std::vector<ChannelMapRow>{{G::MouseHopping, 0, 1},
                                          {G::MouseHopping, 1, 2},
                                          {G::MouseHopping, 2, 3},
                                          {G::MouseHopping, 3, 4},
                                          {G::KeyboardHopping, 0, 5},
                                          {G::KeyboardHopping, 1, 6},
                                          {G::KeyboardHopping, 2, 7}}));
    EXPECT_EQ(ChannelMapRows(ReplyOf(3, bytes)),
              (std::vector<ChannelMapRow>{
                  {G::Rssi, 0, 1}, {G::Rssi, 1, 2}, {G::Rssi, 2, 3}, {G::Rssi, 3, 4}}));
    EXPECT_EQ(ChannelMapRows(ReplyOf(4, bytes, true)),
              (std::vector<ChannelMapRow>{{G::KeyboardHopping, 3, 1}}));
    EXPECT_TRUE(ChannelMapRows(ReplyOf(4, bytes, false)).empty());
    EXPECT_TRUE(ChannelMapRows(ReplyOf(1, bytes)).empty());
    EXPECT_TRUE(ChannelBitShown(0x80, 0));
    EXPECT_TRUE(ChannelBitShown(0x01, 7));
    EXPECT_FALSE(ChannelBitShown(0x7F, 0));
}

class SpecialCommandsTest : public ::testing::Test {
protected:
    SimRig rig;
    SpecialCommands commands{rig.channel};
};

TEST_F(SpecialCommandsTest, OneExchangeForCommandsOneToThree)
{
    rig.faults().scriptReplies({{0x50, 0x07, 0x00, 0x2A, 0x05, 0x00, 0x1E, 0xCC}});
    std::optional<SpecialReply> reply;
    EXPECT_EQ(rig.sent([&] { reply = commands.Run(1); }), std::vector<QString>{Request(1)});
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->command, 1);
    EXPECT_EQ(reply->bytes, (std::array<quint8, 7>{0x50, 0x07, 0x00, 0x2A, 0x05, 0x00, 0x1E}));
    EXPECT_EQ(rig.sent([&] { commands.Run(3); }), std::vector<QString>{Request(3)});
}

TEST_F(SpecialCommandsTest, CommandFourAsksUntilSettledWithinItsBound)
{
    rig.firmware->setBindingUnsettled(3, 0x00);
    std::optional<SpecialReply> reply;
    EXPECT_EQ(rig.sent([&] { reply = commands.Run(4); }), std::vector<QString>(4, Request(4)));
    ASSERT_TRUE(reply);
    EXPECT_TRUE(reply->bindingSettled);

    rig.firmware->setBindingUnsettled(1000000, 0x00);
    EXPECT_EQ(rig.sent([&] { reply = commands.Run(4); }),
              std::vector<QString>(SpecialCommands::kBindingStatusExchanges, Request(4)));
    ASSERT_TRUE(reply);  // the last unsettled reply of this run
    EXPECT_FALSE(reply->bindingSettled);
    EXPECT_EQ(reply->bytes[1], 0x00);
}

TEST_F(SpecialCommandsTest, NothingForAFailedRunAnotherNumberOrNoReceiver)
{
    ASSERT_TRUE(commands.Run(2));  // an earlier run's reply is not this run's
    rig.faults().nackReplies(SimFaults::kAlways);
    EXPECT_EQ(rig.sent([&] { EXPECT_FALSE(commands.Run(2)); }),
              std::vector<QString>(50, Request(2)));
    rig.faults().clear();
    for (int command : {0, 5, -1})
        EXPECT_TRUE(rig.sent([&] { EXPECT_FALSE(commands.Run(command)); }).empty());
    rig.channel.setReceiver(nullptr);
    rig.clock->clearRecord();
    EXPECT_FALSE(commands.Run(4));
    EXPECT_TRUE(rig.clock->sleeps().empty());
}

TEST_F(SpecialCommandsTest, RunStopsAtTheReceiverItBeganWith)
{
    // A device change delivered while command 4 waits puts another receiver in place: the run
    // sends nothing to it.
    rig.firmware->setBindingUnsettled(1000000, 0x00);
    THidDevice* other = nullptr;
    rig.controller.LendDevice(1, other);
    ASSERT_NE(other, nullptr);
    rig.clock->setPumpHook([&] { rig.channel.setReceiver(other); });
    const auto sent = rig.sent([&] { EXPECT_FALSE(commands.Run(4)); });
    EXPECT_EQ(sent.size(), 1u);
    rig.clock->setPumpHook({});
    rig.channel.setReceiver(rig.receiver);
    rig.controller.ReturnDevice(other);
}

TEST_F(SpecialCommandsTest, SameCommandStartedFromItsOwnPumpingIsRefused)
{
    int innerRuns = 0;
    int refused = 0;
    rig.clock->setPumpHook([&] {
        ++innerRuns;
        if (!commands.Run(2))
            ++refused;
    });
    EXPECT_TRUE(commands.Run(2));
    EXPECT_GT(innerRuns, 0);
    EXPECT_EQ(refused, innerRuns);
}

}  // namespace
