#include "protocol/device/ReentryGuard.h"
#include "support/SimRig.h"

#include <gtest/gtest.h>

namespace {

TEST(SequenceTest, RunEndsWhenItsReceiverIsDroppedReplacedOrClosed)
{
    const std::function<void(SimRig&, THidDevice*)> changes[] = {
        [](SimRig& r, THidDevice*) { r.channel.setReceiver(nullptr); },
        [](SimRig& r, THidDevice* other) { r.channel.setReceiver(other); },
        [](SimRig& r, THidDevice*) { r.channel.setClosed(true); },
    };
    for (const auto& change : changes) {
        SimRig rig;
        THidDevice* other = nullptr;
        rig.controller.LendDevice(1, other);
        const CommandChannel::Sequence run(rig.channel);
        EXPECT_TRUE(run.live());
        change(rig, other);
        EXPECT_FALSE(run.live());
        rig.clock->clearRecord();
        // Whatever follows in the run sends nothing and waits for nothing.
        EXPECT_TRUE(rig.sent([&] {
                           EXPECT_EQ(rig.channel.RfQuery(0x24, 0x10), -1);
                           EXPECT_FALSE(rig.channel.EepromWriteWord(7, 0x00FF));
                           rig.channel.RfCommand(0x2B, 0x5A, 0x33);
                       })
                        .empty());
        EXPECT_TRUE(rig.clock->sleeps().empty());
        rig.channel.setReceiver(nullptr);
        rig.controller.ReturnDevice(other);
    }
}

TEST(SequenceTest, HandlerDeliveredByAPumpRunsOnTheNewReceiverThePumpingRunStaysEnded)
{
    SimRig rig;
    THidDevice* other = nullptr;
    rig.controller.LendDevice(1, other);
    int innerRead = 0;
    rig.clock->setPumpHook([&] {
        // A device change, then the attach it starts.
        rig.channel.setReceiver(other);
        const CommandChannel::Sequence attach(rig.channel);
        EXPECT_TRUE(attach.live());
        innerRead = rig.channel.EepromReadWord(15);
    });
    const CommandChannel::Sequence outer(rig.channel);
    rig.channel.pump();
    rig.clock->setPumpHook({});
    EXPECT_EQ(innerRead, 0x7A85);
    EXPECT_FALSE(outer.live());
    // Calls of the pumping run, even those opening runs of their own, send nothing now.
    EXPECT_TRUE(rig.sent([&] { EXPECT_EQ(rig.channel.EepromReadWord(15), -1); }).empty());
    rig.channel.setReceiver(nullptr);
    rig.controller.ReturnDevice(other);
}

TEST(SequenceTest, ReceiverGoneDuringAnExchangeEndsItWithoutFurtherWaits)
{
    SimRig rig;
    rig.faults().nackReplies(SimFaults::kAlways);
    int pumps = 0;
    rig.clock->setPumpHook([&] {
        if (++pumps == 3)
            rig.channel.setReceiver(nullptr);
    });
    const auto sent = rig.sent([&] { EXPECT_EQ(rig.channel.RfQuery(0x24, 0x10), -1); });
    EXPECT_EQ(sent.size(), 3u);
    EXPECT_EQ(rig.clock->sleeps(), std::vector<int>(6, 5));
}

TEST(SequenceTest, EepromWriteTellsWhetherItWasVerified)
{
    SimRig rig;
    EXPECT_TRUE(rig.channel.EepromWriteWord(7, 0x00FF));
    rig.faults().nackReplies(SimFaults::kAlways);
    EXPECT_FALSE(rig.channel.EepromWriteWord(7, 0x00FF));
}

TEST(SequenceTest, ReentryGuardRefusesTheInnerStartOnly)
{
    bool running = false;
    {
        const ReentryGuard outer(running);
        EXPECT_TRUE(outer.entered());
        {
            const ReentryGuard inner(running);
            EXPECT_FALSE(inner.entered());
        }
        EXPECT_TRUE(running);  // the refused start does not end the outer run
    }
    EXPECT_FALSE(running);
}

}  // namespace
