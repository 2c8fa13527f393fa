#include "protocol/device/DeviceClock.h"
#include "protocol/i18n/Lang.h"
#include "protocol/receiver/ReceiverState.h"
#include "sim/ReceiverModel.h"
#include "sim/SimFaults.h"
#include "sim/SimReceivers.h"
#include "testing/RecordingPrompts.h"
#include "testing/SimSession.h"
#include "window/app/MainWindow.h"
#include "window/controls/ALed.h"

#include <QLabel>
#include <QListWidget>
#include <QMovie>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using Sent = std::vector<QString>;

class PairingHandlersTest : public ::testing::Test {
protected:
    ~PairingHandlersTest() override { CurrentLanguage = lkEng; }

    QString Caption() const
    {
        return session.Find<QPushButton>(QStringLiteral("btnCombo_Cmd_Soft_Bind_SW"))->text();
    }
    bool Shown(const char* name) const
    {
        return session.Find<QWidget>(QString::fromLatin1(name))->isVisibleTo(&window);
    }
    // The pairing animation plays only while it is shown.
    bool Animating() const
    {
        return session.Find<QLabel>(QStringLiteral("gifBind"))->movie()->state() == QMovie::Running;
    }
    void Press() { session.Click(QStringLiteral("btnCombo_Cmd_Soft_Bind_SW")); }
    // Pairing ticks a second apart while the pairing runs, at most `ticks`; returns how many ran.
    int Ticks(int ticks = 20)
    {
        int ran = 0;
        while (ran < ticks && window.tmrSoftBind->isActive()) {
            session.clock().advance(1000);
            window.tmrSoftBindTimer(window.tmrSoftBind);
            ++ran;
        }
        return ran;
    }
    QStringList Dialogs() const { return session.prompts().informations; }

    SimSession session;
    TForm1& window = session.window();
};

TEST_F(PairingHandlersTest, NewMouseFoundIsReportedAndItsSettingsReadBack)
{
    session.firmware().setPairing({2500, false, 0});
    session.firmware().mouse().setMoving(true);
    EXPECT_FALSE(Animating());
    Press();
    EXPECT_EQ(Caption(), "&Connecting");
    EXPECT_TRUE(Shown("gifBind"));
    EXPECT_TRUE(Animating());
    EXPECT_FALSE(Shown("imgConnected"));
    EXPECT_TRUE(window.tmrSoftBind->isActive());
    EXPECT_FALSE(window.tmrStatus->isActive());
    auto* debug = session.Find<QListWidget>(QStringLiteral("lstDebug"));
    EXPECT_EQ(debug->item(debug->count() - 1)->text(), "**0--PreMseID-21--PreKbdID-43--channel-40");

    EXPECT_EQ(Ticks(), 3);
    EXPECT_EQ(Dialogs(), QStringList{"Connect: Connect Success"});
    EXPECT_EQ(window.State().PreMseID, 0x22u);
    EXPECT_EQ(window.State().PreKbdID, 0x43u);
    EXPECT_EQ(Caption(), "&Connect");
    EXPECT_TRUE(Shown("imgConnected"));
    EXPECT_FALSE(Shown("gifBind"));
    EXPECT_FALSE(Animating());
    EXPECT_TRUE(window.tmrStatus->isActive());
    EXPECT_TRUE(session.Find<TALed>(QStringLiteral("ledTX"))->Value());
}

TEST_F(PairingHandlersTest, NoChangeFailsOnTheSixteenthTickAndPollingResumes)
{
    Press();
    EXPECT_EQ(Ticks(15), 15);
    EXPECT_TRUE(Dialogs().isEmpty());
    EXPECT_EQ(Ticks(), 1);
    EXPECT_EQ(Dialogs(), QStringList{"Connect: Connect Fail"});
    EXPECT_EQ(Caption(), "&Connect");
    EXPECT_TRUE(Shown("imgConnected"));
    EXPECT_TRUE(window.tmrStatus->isActive());
    EXPECT_EQ(window.State().PreMseID, 0x21u);
}

TEST_F(PairingHandlersTest, SuccessWithASilentMouseReadsNothingBack)
{
    session.firmware().setPairing({2500, true, 0});  // a new keyboard; the mouse is away
    session.firmware().mouse().setInReach(false);
    Press();
    Ticks();
    EXPECT_EQ(Dialogs(), QStringList{"Connect: Connect Success"});
    EXPECT_EQ(window.State().PreKbdID, 0x44u);
    EXPECT_FALSE(session.Find<TALed>(QStringLiteral("ledTX"))->Value());
    EXPECT_TRUE(window.tmrStatus->isActive());
    EXPECT_FALSE(window.State().PrevBindingStatusBB);
}

TEST_F(PairingHandlersTest, ButtonWithoutASteadyLinkStatusGivesUpAndPollingResumes)
{
    session.faults().corruptReplies(SimFaults::kAlways, 0, 0x29);  // channel 1
    const qint64 mark = session.log().mark();
    Press();
    EXPECT_EQ(session.SentSince(mark), Sent(19, "01 09 00 00 00 00 00 00"));
    ASSERT_EQ(Dialogs().size(), 1);
    EXPECT_TRUE(Dialogs()[0].startsWith("Connect: The receiver gives no steady link status"));
    EXPECT_FALSE(window.tmrSoftBind->isActive());
    EXPECT_TRUE(window.tmrStatus->isActive());
    EXPECT_EQ(Caption(), "&Connect");
}

TEST_F(PairingHandlersTest, CaptionFollowsTheLanguageAndADeviceChangeEndsThePairing)
{
    Press();
    session.Choose(QStringLiteral("cbbLang"), lkCht);
    EXPECT_EQ(Caption(), QString::fromUtf8("連線中(&C)"));

    // Another device plugged in: the receiver is attached again and pairing is over.
    window.State().SettingsRead = true;
    session.Plug(SimReceivers::plainKeyboardProfile());
    session.DeliverEvents();
    EXPECT_FALSE(window.tmrSoftBind->isActive());
    EXPECT_EQ(Caption(), QString::fromUtf8("連線(&C)"));
    EXPECT_FALSE(window.State().SettingsRead);
    EXPECT_TRUE(Dialogs().isEmpty());
}

TEST_F(PairingHandlersTest, ReceiverUnpluggedAtAnyExchangeOfATickEndsQuietly)
{
    // A tick with unchanged IDs makes 6 feature calls: two link status reads, one special
    // command 4 exchange.
    for (int exchange = 1; exchange <= 6; ++exchange) {
        SimSession each;
        TForm1& form = each.window();
        each.Click(QStringLiteral("btnCombo_Cmd_Soft_Bind_SW"));
        ASSERT_TRUE(form.tmrSoftBind->isActive());
        each.faults().unplugAtExchange(exchange);
        each.clock().advance(1000);
        form.tmrSoftBindTimer(form.tmrSoftBind);
        each.DeliverEvents();
        EXPECT_EQ(form.Receiver(), nullptr) << exchange;
        EXPECT_FALSE(form.tmrSoftBind->isActive()) << exchange;
        EXPECT_FALSE(form.tmrStatus->isActive()) << exchange;
        EXPECT_TRUE(each.Find<QWidget>(QStringLiteral("imgNoneDev"))->isVisibleTo(&form))
            << exchange;
        EXPECT_EQ(each.Find<QPushButton>(QStringLiteral("btnCombo_Cmd_Soft_Bind_SW"))->text(),
                  "&Connect")
            << exchange;
        EXPECT_TRUE(each.prompts().informations.isEmpty()) << exchange;
    }
}

TEST_F(PairingHandlersTest, StepsStartedInsideAnotherStepsPumpingWaitForIt)
{
    session.firmware().setBindingUnsettled(1000000, 0x00);  // special command 4 pumps a lot
    Press();
    int inner = 0;
    session.clock().setPumpHook([&] {
        ++inner;
        window.tmrSoftBindTimer(window.tmrSoftBind);
        window.tmrStatusTimer(window.tmrStatus);
    });
    const qint64 mark = session.log().mark();
    Ticks(1);
    session.clock().setPumpHook({});
    EXPECT_GT(inner, 0);
    EXPECT_EQ(window.State().BindTickCounter, 1);
    const Sent sent = session.SentSince(mark);
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "01 09 00 00 00 00 00 00"), 2);

    // The Connect button pressed while a status tick exchanges starts the pairing after it.
    session.firmware().setBindingUnsettled(0);
    window.tmrSoftBind->stop();
    window.State().SettingsRead = true;
    bool pressed = false;
    session.clock().setPumpHook([&] {
        if (!pressed) {
            pressed = true;
            Press();
            EXPECT_FALSE(window.tmrSoftBind->isActive());
        }
    });
    window.tmrStatusTimer(window.tmrStatus);
    session.clock().setPumpHook({});
    EXPECT_TRUE(window.tmrSoftBind->isActive());
    EXPECT_FALSE(window.tmrStatus->isActive());
    EXPECT_EQ(Caption(), "&Connecting");
}

}  // namespace
