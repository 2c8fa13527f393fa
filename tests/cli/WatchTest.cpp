#include "cli/CliRunner.h"
#include "cli/CliSession.h"
#include "cli/StatusWatch.h"
#include "protocol/device/DeviceClock.h"
#include "protocol/device/ReceiverLock.h"
#include "protocol/i18n/Lang.h"
#include "sim/ReceiverModel.h"
#include "sim/SimHidBackend.h"
#include "sim/SimReceivers.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <signal.h>

namespace {

// The watch on the simulated receiver and the test clock; every line it prints is kept.
struct WatchRig {
    std::shared_ptr<TestDeviceClock> clock = std::make_shared<TestDeviceClock>();
    std::shared_ptr<SimHidBackend> backend = std::make_shared<SimHidBackend>(clock);
    std::shared_ptr<ReceiverModel> firmware = SimReceivers::defaultFirmware();
    int receiverId = backend->plug(SimReceivers::receiverProfile(), firmware);
    CliSession session{clock, backend};
    QStringList lines;
    StatusWatch watch;

    explicit WatchRig(bool json, const std::function<void(WatchRig&)>& before = {})
        : watch(
              session, QString(), json, [this](const QString& line) { return lines << line, 0; },
              [] {
                  return QDateTime({2026, 12, 9}, {14, 3, 7}, Qt::OffsetFromUTC, 3600);
              })
    {
        firmware->setBattery({4, 6, 4, 6, 0});
        if (before)
            before(*this);
        watch.start();
    }
    // An interval that reads the keyboard's packet count too, the device changes delivered,
    // and a poll.
    QStringList Next()
    {
        lines.clear();
        clock->advance(KeyboardReach::kReadMs);
        QCoreApplication::processEvents();
        watch.poll();
        return lines;
    }
};

using Change = std::function<void(WatchRig&)>;
struct Row {
    const char* name;
    Change change;
    const char* json;  // the lines, "|" between them; "" none
    const char* text;
};

const Row kRows[] = {
    // A read-out without a valid answer is no change, nor is an unsettled binding status.
    {"battery reply invalid",
     [](WatchRig& r) {
         r.firmware->setBattery({1, 6, 3, 5, 0});
     },
     "", ""},
    {"binding status unsettled", [](WatchRig& r) { r.firmware->setBindingUnsettled(10); }, "", ""},
    {"battery step",
     [](WatchRig& r) {
         r.firmware->setBattery({4, 6, 3, 5, 0});
     },
     R"({"event":"battery","keyboardBattery":3,"keyboardBatteryMax":5,"mouseBattery":5,"mouseBatteryBand":"good","mouseBatteryMax":7,"time":"2026-12-09T14:03:07+01:00"})",
     "14:03:07 battery: mouse 5 of 7 (good), keyboard 3 of 5"},
    {"nothing changes", [](WatchRig&) {}, "", ""},
    {"link lost", [](WatchRig& r) { r.firmware->mouse().setInReach(false); },
     R"({"event":"link","keyboardInReach":null,"mouseInReach":false,"time":"2026-12-09T14:03:07+01:00"})",
     "14:03:07 link: mouse out of reach, keyboard unknown"},
    {"link back, keyboard typing",
     [](WatchRig& r) {
         r.firmware->mouse().setInReach(true);
         r.firmware->setKeyboardActive(true);
     },
     R"({"event":"link","keyboardInReach":true,"mouseInReach":true,"time":"2026-12-09T14:03:07+01:00"})",
     "14:03:07 link: mouse in reach, keyboard in reach"},
    {"CPI", [](WatchRig& r) { r.firmware->mouse().setCpi(800); },
     R"({"cpi":800,"event":"cpi","time":"2026-12-09T14:03:07+01:00"})", "14:03:07 CPI: 800"},
    {"a pairing", [](WatchRig& r) { r.firmware->setMouseId(0x22); },
     R"({"event":"paired","keyboardId":"43","mouseId":"22","time":"2026-12-09T14:03:07+01:00"})",
     "14:03:07 paired: mouse ID 22, keyboard ID 43"},
    {"keyboard quiet for 30 s",
     [](WatchRig& r) {
         r.firmware->setKeyboardActive(false);
         r.Next();  // the packets sent since the last poll
         r.clock->advance(KeyboardReach::kQuietMs - KeyboardReach::kReadMs);
     },
     R"({"event":"link","keyboardInReach":false,"mouseInReach":true,"time":"2026-12-09T14:03:07+01:00"})",
     "14:03:07 link: mouse in reach, keyboard out of reach"},
    {"receiver removed", [](WatchRig& r) { r.backend->unplug(r.receiverId); },
     R"({"event":"receiverRemoved","node":"sim:hidraw1","time":"2026-12-09T14:03:07+01:00"})",
     "14:03:07 receiver removed: sim:hidraw1"},
    {"receiver added",
     [](WatchRig& r) {
         r.receiverId = r.backend->plug(SimReceivers::receiverProfile(), r.firmware);
     },
     R"({"bindingSettled":true,"bindingStatus":"33","channel":40,"cpi":800,"event":"receiverAdded","keyboardBattery":3,"keyboardBatteryMax":5,"keyboardId":"43","keyboardInReach":null,"mouseBattery":5,"mouseBatteryBand":"good","mouseBatteryMax":7,"mouseId":"22","mouseInReach":true,"node":"sim:hidraw2","productId":"0E41","time":"2026-12-09T14:03:07+01:00","vendorId":"7A3C"})",
     "14:03:07 receiver added: receiver sim:hidraw2 (7A3C:0E41), channel 40, mouse ID 22, keyboard "
     "ID 43, battery mouse 5 of 7 (good), keyboard 3 of 5, CPI 800, binding 33, link mouse in "
     "reach, keyboard unknown"},
};

TEST(WatchTest, EachChangeGivesItsLinesInJsonAndText)
{
    CurrentLanguage = lkEng;
    for (const bool json : {true, false}) {
        WatchRig rig(json);
        EXPECT_TRUE(rig.lines.value(0).startsWith(json ? R"({"bindingSettled":true,)"
                                                       : "14:03:07 state: receiver sim:hidraw1"))
            << rig.lines.value(0).toStdString();
        for (const Row& row : kRows) {
            SCOPED_TRACE(row.name);
            row.change(rig);
            const QString wanted = QString::fromUtf8(json ? row.json : row.text);
            EXPECT_EQ(rig.Next().join('|').toStdString(), wanted.toStdString());
        }
    }
}

// The window holds the receiver: the poll sends nothing and waits for nothing; the next one
// reports what changed meanwhile.
TEST(WatchTest, APollFindingTheReceiverTakenIsSkipped)
{
    struct Taken : ReceiverLock {
        bool taken = true;
        bool acquire(const QString&, int) override { return !taken; }
        void release() override {}
    };
    auto lock = std::make_shared<Taken>();
    WatchRig rig(true);
    rig.session.channel().setLock(lock, 0);
    rig.firmware->mouse().setCpi(800);
    const qint64 mark = rig.backend->log().mark();
    EXPECT_EQ(rig.Next(), QStringList());
    EXPECT_TRUE(rig.backend->log().since(mark).empty());
    lock->taken = false;
    EXPECT_TRUE(rig.Next().join('|').contains(R"("cpi":800)"));
    EXPECT_FALSE(rig.session.channel().lockRefused());
}

// A receiver that goes while the first state is read: the state, then its removal.
TEST(WatchTest, AReceiverGoneDuringTheFirstReadingIsRemovedAfterTheState)
{
    WatchRig rig(true, [](WatchRig& r) {
        r.clock->setProcessEvents(true);  // the exchanges' pumps deliver the device change
        r.backend->faults(r.receiverId).unplugAtExchange(3);
    });
    ASSERT_EQ(rig.lines.size(), 2);
    EXPECT_TRUE(rig.lines[0].contains(R"("event":"state")"));
    EXPECT_TRUE(rig.lines[1].contains(R"("event":"receiverRemoved")"));
    rig.backend->plug(SimReceivers::receiverProfile(), rig.firmware);
    EXPECT_TRUE(rig.Next().join('|').contains(R"("event":"receiverAdded")"));
}

TEST(WatchTest, EndsWithStatusZeroOnSignalsAndAClosedPipe)
{
    CliRunner cli;
    const CliRun piped =
        cli.run({"-c", "set -o pipefail; \"$0\" --simulate --json watch | head -n 1",
                 QStringLiteral(KARVELO_RF_PROGRAM)},
                {}, 30000, QStringLiteral("/bin/bash"));
    EXPECT_EQ(piped.status, 0);
    EXPECT_TRUE(piped.out.startsWith(R"({"bindingSettled":true,)")) << piped.out.toStdString();
    EXPECT_EQ(piped.err, QString());
    for (const int signal : {SIGINT, SIGTERM}) {
        QProcess process;
        process.start(QStringLiteral(KARVELO_RF_PROGRAM), {"--simulate", "watch"});
        ASSERT_TRUE(process.waitForReadyRead(30000));
        ::kill(pid_t(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0);
        EXPECT_TRUE(process.readAllStandardOutput().contains("state: receiver sim:hidraw1"));
        EXPECT_EQ(process.readAllStandardError(), QByteArray());
    }
}

// Only a reader that went away ends the watch quietly; a SIGINT the watch was started with
// ignored (a shell's background job) does not end it.
TEST(WatchTest, AFullDiskIsToldAndAnIgnoredSigintStaysIgnored)
{
    CliRunner cli;
    const CliRun full =
        cli.run({"-c", "\"$0\" --simulate watch >/dev/full", QStringLiteral(KARVELO_RF_PROGRAM)},
                {}, 30000, QStringLiteral("/bin/bash"));
    EXPECT_EQ(full.status, 1);
    EXPECT_TRUE(full.err.contains("cannot write the stream: No space left on device"))
        << full.err.toStdString();

    QProcess process;
    process.start(QStringLiteral("/bin/bash"), {"-c", "trap '' INT; exec \"$0\" --simulate watch",
                                                QStringLiteral(KARVELO_RF_PROGRAM)});
    ASSERT_TRUE(process.waitForReadyRead(30000));
    ::kill(pid_t(process.processId()), SIGINT);
    EXPECT_FALSE(process.waitForFinished(500));
    ::kill(pid_t(process.processId()), SIGTERM);
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
}

}  // namespace
