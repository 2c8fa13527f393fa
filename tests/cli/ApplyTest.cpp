// karvelo-rf apply in process, on the simulated receiver and the test clock, with faults.
#include "cli/CliCommands.h"
#include "cli/CliSession.h"
#include "protocol/device/DeviceClock.h"
#include "sim/MouseModel.h"
#include "sim/ReceiverModel.h"
#include "sim/SimFaults.h"
#include "sim/SimHidBackend.h"
#include "sim/SimReceivers.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct ApplyRig {
    std::shared_ptr<TestDeviceClock> clock = std::make_shared<TestDeviceClock>();
    std::shared_ptr<SimHidBackend> backend = std::make_shared<SimHidBackend>(clock);
    std::shared_ptr<ReceiverModel> firmware = SimReceivers::defaultFirmware();
    int receiverId = backend->plug(SimReceivers::receiverProfile(), firmware);
    CliSession session{clock, backend};
    QTemporaryDir folder;
    QJsonObject document;

    // Runs a command as main does once its receiver is open; its exit status.
    int Run(int (*command)(CliSession&, const CliOptions&, CliOutput&), QStringList arguments)
    {
        QCoreApplication::processEvents();
        if (command != RunApply && session.OpenReceiver(QString()) != CliSession::Open::Ok)
            return -1;
        CliOptions options;
        options.arguments = arguments;
        CliOutput out(true);
        const int status = command(session, options, out);
        document = out.document();
        return status;
    }
    int Apply(const QByteArray& file)
    {
        QFile saved(folder.path() + QStringLiteral("/settings.json"));
        saved.open(QIODevice::WriteOnly);
        saved.write(file);
        saved.close();
        return Run(RunApply, {saved.fileName()});
    }
    // "setting:outcome" for each change, in order.
    QStringList Outcomes() const
    {
        QStringList outcomes;
        for (const QJsonValue& change : document.value(QStringLiteral("changes")).toArray())
            outcomes << change[QStringLiteral("setting")].toString() + ':' +
                            change[QStringLiteral("outcome")].toString();
        return outcomes;
    }
    std::vector<QString> Sent(const std::function<void()>& action)
    {
        const qint64 mark = backend->log().mark();
        action();
        return backend->log().sentSince(mark);
    }
};

const QByteArray kTwoChanges = R"({"wakeup": "button-only", "hotkey1": "MUTE"})";

TEST(ApplyTest, AFaultEndsTheRunAndTheReportSaysWhatWasWritten)
{
    struct Case {
        const char* name;
        std::function<void(ApplyRig&)> fault;
        int status;
        QStringList outcomes;
    };
    const Case cases[] = {
        {"nothing goes wrong", [](ApplyRig&) {}, 0, {"wakeup:written", "hotkey1:written"}},
        {"the mouse is out of reach",
         [](ApplyRig& r) { r.firmware->mouse().setInReach(false); },
         1,
         {"wakeup:mouseOutOfReach", "hotkey1:written"}},
        {"the mouse never takes it",
         [](ApplyRig& r) { r.firmware->mouse().setEepromLocked(true); },
         1,
         {"wakeup:failed", "hotkey1:notWritten"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ApplyRig rig;
        c.fault(rig);
        EXPECT_EQ(rig.Apply(kTwoChanges), c.status);
        EXPECT_EQ(rig.Outcomes(), c.outcomes);
    }
}

TEST(ApplyTest, AnUnplugAtAnyExchangeEndsTheRunWithNothingSentAfterIt)
{
    ApplyRig whole;
    const qint64 all = whole.backend->log().mark();
    ASSERT_EQ(whole.Apply(kTwoChanges), 0);
    const size_t exchanges = whole.backend->log().since(all).size();
    ASSERT_GT(exchanges, 40u);
    for (size_t n = 1; n <= exchanges; n += 3) {
        ApplyRig rig;
        rig.clock->setProcessEvents(true);  // the removal arrives while the exchanges pump
        rig.backend->faults(rig.receiverId).unplugAtExchange(int(n));
        const qint64 mark = rig.backend->log().mark();
        const int status = rig.Apply(kTwoChanges);
        EXPECT_TRUE(status == 1 || status == 3) << n << " " << status;
        EXPECT_TRUE(rig.session.ReceiverRemoved()) << n;
        const auto entries = rig.backend->log().since(mark);
        const auto unplug =
            std::find_if(entries.begin(), entries.end(), [](const auto& e) { return !e.ok; });
        EXPECT_TRUE(std::none_of(unplug, entries.end(), [](const auto& e) { return e.ok; })) << n;
        // Never a change written after one that was not.
        const QStringList outcomes = rig.Outcomes();
        EXPECT_FALSE(outcomes.value(0) != "wakeup:written" &&
                     outcomes.value(1) == "hotkey1:written")
            << n;
    }
}

TEST(ApplyTest, SendsTheReadsOfGetAndTheBytesOfOneSetForEachChange)
{
    ApplyRig getting, setting, applying, unchanged;
    const std::vector<QString> reads = getting.Sent([&] { getting.Run(RunGet, {}); });
    const std::vector<QString> set = setting.Sent([&] {
        setting.Run(RunSet, {"wakeup", "button-only"});
    });
    std::vector<QString> wanted = reads;
    wanted.insert(wanted.end(), set.begin(), set.end());
    EXPECT_EQ(applying.Sent([&] { applying.Apply(R"({"wakeup": "button-only"})"); }), wanted);
    EXPECT_EQ(unchanged.Sent([&] { unchanged.Apply(R"({"wakeup": "motion-and-button"})"); }),
              reads);
}

}  // namespace
