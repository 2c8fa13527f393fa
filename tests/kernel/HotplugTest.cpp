// Plugging and unplugging as the kernel and systemd-udevd announce it: the window (offscreen)
// follows the udev monitor through an add, a remove and 20 quick remove/add cycles, and a
// removal in the middle of any sequence ends that sequence at once, after which the window
// shows no receiver and attaches again on the next add.
#include "GuestSequences.h"
#include "protocol/device/DeviceList.h"
#include "protocol/device/HidController.h"
#include "protocol/device/linux/LinuxHidBackend.h"
#include "sim/ReceiverModel.h"
#include "sim/SimFaults.h"
#include "sim/SimReceivers.h"
#include "window/app/BatteryTray.h"
#include "window/app/MainWindow.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Between the removal and the device change that drops the receiver (at the sequence's next
// pump), exchanges fail: at worst a stable link reading's 19 attempts of two calls (171 ms of
// waits), or the rest of an option change pass; the pairing helper's tick interval (1,000 ms)
// may come first, and a receiver plugged in again at once has the window attach (94 ms). A
// sequence that went on failing through its retries would take seconds to minutes.
constexpr int kCallsAfterRemoval = 2 * 19 + 2;
constexpr qint64 kWaitsAfterRemovalMs = 1000 + 171 + 94 + 35;

TEST(RealStackHotplug, WindowFollowsAddRemoveAndTwentyQuickReplugs)
{
    auto clock = std::make_shared<SteppedClock>();
    clock->setProcessEvents(true);
    ServedReceiver receiver(SimReceivers::receiverProfile(), SimReceivers::defaultFirmware(),
                            clock);
    GuestWindow window(CreateLinuxHidBackend(), clock);
    EXPECT_TRUE(window.showsNoReceiver());

    ASSERT_TRUE(receiver.plug());
    EXPECT_TRUE(WaitFor([&] { return window.attachedTo(receiver); }));
    receiver.unplug();
    EXPECT_TRUE(WaitFor([&] { return window.showsNoReceiver(); }));

    for (int cycle = 1; cycle < 20; ++cycle) {  // as fast as the kernel takes them
        ASSERT_TRUE(receiver.device().plug());
        receiver.device().unplug();
    }
    ASSERT_TRUE(receiver.plug());
    // One receiver present: its two collections listed, nothing of the earlier ones kept.
    EXPECT_TRUE(WaitFor([&] {
        return window.attachedTo(receiver) && window->Controller()->Count() == 2 &&
               window->Controller()->UnpluggedCount() == 0 && window->Devices().Count() == 2;
    }));
}

// Hidden in the tray, as after a suspend and resume: the receiver goes and comes back, and the
// tray follows it without the window ever showing.
TEST(RealStackHotplug, HiddenInTheTrayTheWindowAttachesAgain)
{
    auto clock = std::make_shared<SteppedClock>();
    clock->setProcessEvents(true);
    ServedReceiver receiver(SimReceivers::receiverProfile(), SimReceivers::defaultFirmware(),
                            clock);
    ASSERT_TRUE(receiver.plug());
    GuestWindow window(CreateLinuxHidBackend(), clock, true);
    const TBatteryTray& tray = *window->trayBattery;
    EXPECT_TRUE(WaitFor([&] { return window.attachedTo(receiver) && tray.level(); }));
    receiver.unplug();
    EXPECT_TRUE(WaitFor([&] { return window.showsNoReceiver() && !tray.level(); }));
    ASSERT_TRUE(receiver.plug());
    EXPECT_TRUE(WaitFor([&] { return window.attachedTo(receiver) && tray.level(); }));
    EXPECT_FALSE(window->isVisible());
}

// Each sequence loses its receiver half-way, once for good and once plugged in again at once.
TEST(RealStackHotplug, RemovalDuringEachSequenceEndsItAndTheWindowAttachesAgain)
{
    SimSide sim;  // tells how many calls each sequence makes, and what the attach sends
    KernelSide kernel;
    ASSERT_TRUE(sim.Start());
    ASSERT_TRUE(kernel.Start());
    kernel.clock->setProcessEvents(true);  // the udev monitor is heard while sequences pump
    // The attach's opening reports, the same whatever the receiver holds: leave RF access, the
    // link status, the device selection, the battery twice.
    constexpr size_t kAttachOpening = 5;
    const std::string attachOpening =
        SetLines(RunOn(sim, Sequences().front()).reports, kAttachOpening);
    for (const Sequence& sequence : Sequences()) {
        const int removalCall = std::max(1, int(RunOn(sim, sequence).reports.size()) / 2);
        for (const bool replugAtOnce : {false, true}) {
            SCOPED_TRACE(std::string(sequence.name) +
                         (replugAtOnce ? ", plugged in again at once" : ""));
            ServedReceiver& receiver = kernel.receiver();
            receiver.setReplugAfterRemoval(replugAtOnce);
            const KernelSide::RemovalRun run = kernel.RunWithRemoval(sequence, removalCall);
            EXPECT_LE(run.failedAfter, kCallsAfterRemoval);
            EXPECT_LE(run.waitedAfterMs, kWaitsAfterRemovalMs);

            if (!replugAtOnce) {
                EXPECT_TRUE(WaitFor([&] { return kernel.guestWindow().showsNoReceiver(); }));
                receiver.unplug();
                ASSERT_TRUE(receiver.plug());
            }
            EXPECT_TRUE(receiver.findReplugged() &&
                        WaitFor([&] { return kernel.guestWindow().attachedTo(receiver); }));
            kernel.window().tmrStatus->stop();
            // The receiver plugged in after the removal hears the window's attach first: nothing
            // of the sequence that lost the old one.
            const std::vector<ReportLogEntry> seen = receiver.device().logSince(run.mark);
            const auto removal = std::find_if(seen.begin(), seen.end(),
                                              [](const ReportLogEntry& e) { return !e.ok; });
            ASSERT_NE(removal, seen.end());
            EXPECT_EQ(SetLines(Transcript({removal + 1, seen.end()}), kAttachOpening),
                      attachOpening);
        }
    }
}

}  // namespace
