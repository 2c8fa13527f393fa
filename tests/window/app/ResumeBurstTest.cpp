#include "protocol/device/DeviceClock.h"
#include "protocol/device/HidController.h"
#include "sim/SimHidBackend.h"
#include "sim/SimReceivers.h"
#include "testing/SimSession.h"
#include "window/app/MainWindow.h"

#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A hub re-enumerating after resume: the receiver goes and comes back `cycles` times, one
// remove or add every `stepMs` of device time. Each step happens when the device clock reaches
// it, also while an exchange of an attach is waiting, as on a real bus.
class ResumeBurst {
public:
    ResumeBurst(SimSession& session, int cycles, int stepMs)
        : session_(session),
          steps_(2 * cycles),
          stepMs_(stepMs),
          start_(session.clock().nowMs()),
          receiver_(session.receiverId())
    {
        session.clock().setProcessEvents(true);
        session.clock().setPumpHook([this] { RunDueSteps(); });
    }
    ~ResumeBurst() { session_.clock().setPumpHook(nullptr); }

    // Runs the burst to its end and lets the tool settle.
    void Run()
    {
        while (done_ < steps_) {
            const qint64 due = start_ + qint64(done_) * stepMs_;
            if (session_.clock().nowMs() < due)
                session_.clock().advance(due - session_.clock().nowMs());
            RunDueSteps();
            session_.DeliverEvents();
        }
        for (int i = 0; i < 5; ++i)
            session_.DeliverEvents();
    }

private:
    void RunDueSteps()
    {
        while (done_ < steps_ && session_.clock().nowMs() >= start_ + qint64(done_) * stepMs_) {
            if (done_ % 2 == 0)
                session_.Unplug(receiver_);
            else
                receiver_ = session_.Plug(SimReceivers::receiverProfile(), firmware_);
            ++done_;
        }
    }

    SimSession& session_;
    int steps_;
    int stepMs_;
    qint64 start_;
    int receiver_;
    int done_ = 0;
    std::shared_ptr<ReceiverModel> firmware_ = SimReceivers::defaultFirmware();
};

// Attach sequences since the mark: each one begins by leaving RF access (command 2C).
int AttachSequences(const SimSession& session, qint64 mark)
{
    int count = 0;
    for (const QString& line : session.SentSince(mark))
        if (line.startsWith(QStringLiteral("01 2C")))
            ++count;
    return count;
}

TEST(ResumeBurstTest, TwentyRemovesAndAddsWithinASecondEndInOneAttachedReceiver)
{
    SimSession session;
    const qint64 mark = session.log().mark();
    ResumeBurst(session, 20, 25).Run();

    TForm1& window = session.window();
    ASSERT_NE(window.Receiver(), nullptr);
    EXPECT_EQ(window.Controller()->Count(), 2);  // the two collections of the one receiver
    EXPECT_EQ(window.Controller()->UnpluggedCount(), 0);
    EXPECT_EQ(session.Find<QListWidget>(QStringLiteral("DevListBox"))->count(), 2);
    EXPECT_EQ(session.Find<QLineEdit>(QStringLiteral("edtVID"))->text(), QStringLiteral("7A3C"));
    EXPECT_TRUE(session.Find<QWidget>(QStringLiteral("imgConnected"))->isVisibleTo(&window));
    EXPECT_TRUE(session.Find<QWidget>(QStringLiteral("rbRF_CPI_H"))->isEnabled());
    EXPECT_TRUE(window.tmrStatus->isActive());
    // Every attach that starts runs until its receiver goes, so there is at most one per add;
    // the last one ran to its end (the hotkeys' update command).
    const int attaches = AttachSequences(session, mark);
    EXPECT_GE(attaches, 1);
    EXPECT_LE(attaches, 20);
    const std::vector<QString> sent = session.SentSince(mark);
    EXPECT_EQ(sent.back(), QStringLiteral("01 08 0B 00 00 00 00 00"));
}

}  // namespace
