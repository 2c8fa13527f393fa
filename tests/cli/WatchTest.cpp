#include "cli/BarLines.h"
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
     R"({"apiVersion":1,"event":"battery","keyboardBattery":3,"keyboardBatteryBand":"low","keyboardBatteryMax":5,"mouseBattery":5,"mouseBatteryBand":"good","mouseBatteryMax":7,"time":"2026-12-09T14:03:07+01:00"})",
     "14:03:07 battery: mouse 5 of 7 (good), keyboard 3 of 5"},
    {"nothing changes", [](WatchRig&) {}, "", ""},
    {"link lost", [](WatchRig& r) { r.firmware->mouse().setInReach(false); },
     R"({"apiVersion":1,"event":"link","keyboardInReach":null,"mouseInReach":false,"time":"2026-12-09T14:03:07+01:00"})",
     "14:03:07 link: mouse out of reach, keyboard unknown"},
    {"link back, keyboard typing",
     [](WatchRig& r) {
         r.firmware->mouse().setInReach(true);
         r.firmware->setKeyboardActive(true);
     },
     R"({"apiVersion":1,"event":"link","keyboardInReach":true,"mouseInReach":true,"time":"2026-12-09T14:03:07+01:00"})",
     "14:03:07 link: mouse in reach, keyboard in reach"},
    {"CPI", [](WatchRig& r) { r.firmware->mouse().setCpi(800); },
     R"({"apiVersion":1,"cpi":800,"event":"cpi","time":"2026-12-09T14:03:07+01:00"})",
     "14:03:07 CPI: 800"},
    {"a pairing", [](WatchRig& r) { r.firmware->setMouseId(0x22); },
     R"({"apiVersion":1,"event":"paired","keyboardId":"43","mouseId":"22","time":"2026-12-09T14:03:07+01:00"})",
     "14:03:07 paired: mouse ID 22, keyboard ID 43"},
    {"keyboard quiet for 30 s",
     [](WatchRig& r) {
         r.firmware->setKeyboardActive(false);
         r.Next();  // the packets sent since the last poll
         r.clock->advance(KeyboardReach::kQuietMs - KeyboardReach::kReadMs);
     },
     R"({"apiVersion":1,"event":"link","keyboardInReach":false,"mouseInReach":true,"time":"2026-12-09T14:03:07+01:00"})",
     "14:03:07 link: mouse in reach, keyboard out of reach"},
    {"receiver removed", [](WatchRig& r) { r.backend->unplug(r.receiverId); },
     R"({"apiVersion":1,"event":"receiverRemoved","node":"sim:hidraw1","time":"2026-12-09T14:03:07+01:00"})",
     "14:03:07 receiver removed: sim:hidraw1"},
    {"receiver added",
     [](WatchRig& r) {
         r.receiverId = r.backend->plug(SimReceivers::receiverProfile(), r.firmware);
     },
     R"({"apiVersion":1,"bindingSettled":true,"bindingStatus":"33","channel":40,"cpi":800,"event":"receiverAdded","keyboardBattery":3,"keyboardBatteryBand":"low","keyboardBatteryMax":5,"keyboardId":"43","keyboardInReach":null,"mouseBattery":5,"mouseBatteryBand":"good","mouseBatteryMax":7,"mouseId":"22","mouseInReach":true,"node":"sim:hidraw2","productId":"0E41","time":"2026-12-09T14:03:07+01:00","vendorId":"7A3C"})",
     "14:03:07 receiver added: receiver sim:hidraw2 (7A3C:0E41), channel 40, mouse ID 22, keyboard "
     "ID 43, battery mouse 5 of 7 (good), keyboard 3 of 5, CPI 800, binding 33, link mouse in "
     "reach, keyboard unknown"},
};

TEST(WatchTest, EachChangeGivesItsLinesInJsonAndText)
{
    CurrentLanguage = lkEng;
    for (const bool json : {true, false}) {
        WatchRig rig(json);
        EXPECT_TRUE(rig.lines.value(0).startsWith(json ? R"({"apiVersion":1,"bindingSettled":true,)"
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

// What a status bar shows: a receiver in each of the mouse's bands, a mouse-only receiver, one
// whose battery is not known, none and one this user may not open.
TEST(WatchTest, BarLinesInBothFormats)
{
    const auto receiver = [](std::optional<BatteryLevels> battery) {
        StatusReading reading;
        reading.battery = battery;
        return WatchedState(WatchedReceiver{"/dev/hidraw3", 0x7A3C, 0x0E41, reading, true, {}});
    };
    struct Case {
        WatchedState state;
        const char* waybar;
        const char* line;
    };
    const Case cases[] = {
        {receiver(BatteryLevels{4, 6, 5}),
         R"j({"apiVersion":1,"class":"good","percentage":86,"text":"mouse 6/7, keyboard 4/5","tooltip":"mouse 6 of 7 (good), keyboard 4 of 5"})j",
         "mouse 6/7, keyboard 4/5"},
        {receiver(BatteryLevels{1, 3, 5}),
         R"j({"apiVersion":1,"class":"low","percentage":43,"text":"mouse 3/7, keyboard 1/5","tooltip":"mouse 3 of 7 (low), keyboard 1 of 5"})j",
         "mouse 3/7, keyboard 1/5"},
        {receiver(BatteryLevels{0, 1, 0}),
         R"j({"apiVersion":1,"class":"critical","percentage":14,"text":"mouse 1/7","tooltip":"mouse 1 of 7 (critical)"})j",
         "mouse 1/7"},
        {receiver(std::nullopt),
         R"j({"apiVersion":1,"class":"unknown","text":"mouse ?","tooltip":"/dev/hidraw3 (7A3C:0E41)"})j",
         "mouse ?"},
        {std::nullopt, R"j({"apiVersion":1,"class":"none","text":"","tooltip":"no receiver"})j",
         ""},
    };
    CurrentLanguage = lkEng;
    for (const Case& c : cases) {
        EXPECT_EQ(BarLine(BarFormat::Waybar, c.state).toStdString(), c.waybar);
        EXPECT_EQ(BarLine(BarFormat::Line, c.state).toStdString(), c.line);
    }
    // clang-format off
    EXPECT_EQ(BarDeniedLine(BarFormat::Waybar, "/dev/hidraw3").toStdString(),
              R"j({"apiVersion":1,"class":"none","text":"receiver not accessible","tooltip":"receiver not accessible: /dev/hidraw3 (no permission)"})j");
    // clang-format on
    CurrentLanguage = lkCht;
    EXPECT_EQ(BarLine(BarFormat::Line, cases[0].state), QString::fromUtf8("滑鼠 6/7，鍵盤 4/5"));
    CurrentLanguage = lkEng;
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

// Another process holds the receiver for all of the first reading's wait: the state comes with
// the first poll that reads it, never with unknown values; a status bar's line likewise.
TEST(WatchTest, TheFirstStateWaitsForAReceiverThatIsTaken)
{
    struct Taken : ReceiverLock {
        bool taken = true;
        bool acquire(const QString&, int) override { return !taken; }
        void release() override {}
    };
    for (const bool bar : {false, true}) {
        auto lock = std::make_shared<Taken>();
        WatchRig rig(true, [&](WatchRig& r) {
            r.session.channel().setLock(lock, 0);
            if (bar)
                r.watch.setBar(BarFormat::Line);
        });
        EXPECT_EQ(rig.lines, QStringList());
        EXPECT_EQ(rig.Next(), QStringList());
        lock->taken = false;
        const QStringList first = rig.Next();
        ASSERT_EQ(first.size(), 1);
        EXPECT_TRUE(first[0].contains(bar ? "mouse 6/7, keyboard 4/5"
                                          : R"("event":"state","keyboardBattery":4,)"))
            << first[0].toStdString();
        rig.firmware->mouse().setCpi(800);  // not on a bar
        EXPECT_EQ(rig.Next().size(), bar ? 0 : 1);
    }
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
    EXPECT_TRUE(piped.out.startsWith(R"({"apiVersion":1,"bindingSettled":true,)"))
        << piped.out.toStdString();
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
