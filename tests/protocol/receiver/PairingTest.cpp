#include "protocol/device/SpecialCommands.h"
#include "protocol/receiver/Pairing.h"
#include "support/SimRig.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

using Sent = std::vector<QString>;
using Outcome = Pairing::Outcome;

const QString kLinkStatus = QStringLiteral("01 09 00 00 00 00 00 00");

class PairingTest : public ::testing::Test {
protected:
    // Starts a pairing and runs ticks a second apart until one ends it (at most `ticks`);
    // returns each tick's outcome.
    std::vector<Outcome> Run(int ticks = 20)
    {
        std::optional<LinkStatus> held = pairing.start();
        std::vector<Outcome> outcomes;
        for (int tick = 1; held && tick <= ticks; ++tick) {
            rig.clock->advance(1000);
            const Pairing::TickResult result = pairing.tick(tick, *held, {}, {});
            outcomes.push_back(result.outcome);
            last = result.now;
            if (result.outcome != Outcome::Pairing)
                break;
        }
        return outcomes;
    }

    static std::vector<Outcome> Waiting(int ticks, Outcome end)
    {
        std::vector<Outcome> outcomes(size_t(ticks - 1), Outcome::Pairing);
        outcomes.push_back(end);
        return outcomes;
    }

    SimRig rig;
    SpecialCommands special{rig.channel};
    Pairing pairing{rig.channel, special};
    LinkStatus last;
};

TEST_F(PairingTest, StartNotesTheIdsAndSendsTheStartCommandInTheReadingsBuffer)
{
    rig.faults().scriptReplies(
        {{40, 0x21, 0x43, 0, 0, 0x11, 0x22, 0xCC}, {40, 0x21, 0x43, 0, 0, 0x11, 0x22, 0xCC}});
    std::optional<LinkStatus> held;
    EXPECT_EQ(rig.sent([&] { held = pairing.start(); }),
              (Sent{kLinkStatus, kLinkStatus, "01 08 00 01 00 11 22 CC"}));
    ASSERT_TRUE(held);
    EXPECT_EQ(held->mouseId, 0x21);
    EXPECT_EQ(held->keyboardId, 0x43);
    EXPECT_EQ(rig.clock->sleeps(), (std::vector<int>{2, 5, 2}));
    EXPECT_TRUE(rig.firmware->pairingInProgress());
    EXPECT_EQ(PairingStartLine(0, *held), "**0--PreMseID-21--PreKbdID-43--channel-40");
}

TEST_F(PairingTest, ChannelOutsideTwoToEightyTwoIsNoReadingAndTheStartGivesUp)
{
    // The simulated channel 40 (0x28) XOR the mask gives the channel byte under test.
    const struct {
        quint8 channel;
        bool valid;
    } cases[] = {{1, false}, {83, false}, {2, true}, {82, true}};
    for (const auto& c : cases) {
        rig.faults().clear();
        rig.faults().corruptReplies(SimFaults::kAlways, 0, quint8(0x28 ^ c.channel));
        std::optional<LinkStatus> held;
        const Sent sent = rig.sent([&] { held = pairing.start(); });
        EXPECT_EQ(held.has_value(), c.valid) << int(c.channel);
        EXPECT_EQ(sent.size(), c.valid ? 3u : size_t(Pairing::kStableAttempts)) << int(c.channel);
    }
}

TEST_F(PairingTest, ReadingsThatDisagreeOnTheMouseIdAreNotStable)
{
    for (int reading = 0; reading < 2 * Pairing::kStableAttempts; ++reading)
        rig.faults().scriptReply({40, quint8(0x21 + reading % 2), 0x43, 0, 0, 0, 0, 0xCC});
    QStringList lines;
    Pairing::TickResult result;
    const Sent sent = rig.sent([&] {
        result = pairing.tick(1, {40, 0x21, 0x43},
                              [&](ReadingStage stage, const LinkStatus& r) {
                                  lines << PairingReadingLine(stage, 1, r);
                              },
                              {});
    });
    EXPECT_EQ(result.outcome, Outcome::NoStableReading);
    EXPECT_EQ(sent, Sent(2 * Pairing::kStableAttempts, kLinkStatus));  // nothing more
    ASSERT_EQ(lines.size(), 2 * Pairing::kStableAttempts);
    EXPECT_EQ(lines[0], "*1*1--NowMseID-21--NowKbdID-43--channel-40");
    EXPECT_EQ(lines[1], "*2*1--NowMseID-22--NowKbdID-43--channel-40");
}

TEST_F(PairingTest, IdsThatNeverChangeFailOnTheSixteenthTick)
{
    EXPECT_EQ(Run(), Waiting(16, Outcome::TimedOut));
}

TEST_F(PairingTest, OnlyTheKeyboardIdChangingIsASuccess)
{
    rig.firmware->setPairing({2500, true, 0x55});
    EXPECT_EQ(Run(), Waiting(3, Outcome::Paired));
    EXPECT_EQ(last.mouseId, 0x21);
    EXPECT_EQ(last.keyboardId, 0x55);
}

TEST_F(PairingTest, IdChangingOnTheSixteenthTickIsASuccessOnly)
{
    rig.firmware->setPairing({15500, false, 0});
    EXPECT_EQ(Run(), Waiting(16, Outcome::Paired));
    EXPECT_EQ(last.mouseId, 0x22);
}

TEST_F(PairingTest, BindingStatusThatNeverSettlesStillTimesOut)
{
    rig.firmware->setPairing({2500, false, 0});  // a change never taken while unsettled
    rig.firmware->setBindingUnsettled(1000000, 0x00);
    const qint64 mark = rig.log().mark();
    EXPECT_EQ(Run(), Waiting(16, Outcome::TimedOut));
    const Sent sent = rig.log().sentSince(mark);
    const auto statusRuns = std::count(sent.begin(), sent.end(), "01 14 FF AA 04 00 00 00");
    EXPECT_EQ(statusRuns,
              16 * Pairing::kBindingStatusRuns * SpecialCommands::kBindingStatusExchanges);
}

TEST_F(PairingTest, FailedStatusRunsAreNotASettledStatus)
{
    // Link status needs no acknowledgement; special command 4 does.
    rig.firmware->setPairing({2500, false, 0});
    ASSERT_TRUE(pairing.start());
    rig.faults().nackReplies(SimFaults::kAlways);
    rig.clock->advance(3000);
    const Pairing::TickResult result = pairing.tick(3, {40, 0x21, 0x43}, {}, {});
    EXPECT_EQ(result.outcome, Outcome::Pairing);
    EXPECT_EQ(result.now.mouseId, 0x22);
}

}  // namespace
