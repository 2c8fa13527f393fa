#include "protocol/device/DeviceClock.h"
#include "protocol/device/ReceiverLock.h"
#include "protocol/receiver/ReceiverState.h"
#include "sim/ReceiverModel.h"
#include "sim/SimFaults.h"
#include "testing/SimSession.h"
#include "window/app/LanguageChooser.h"
#include "window/app/MainWindow.h"
#include "window/controls/ProgBar.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

using Sent = std::vector<QString>;

const QString kBattery = QStringLiteral("01 0A 00 00 00 00 00 00");
const QString kCpi = QStringLiteral("01 0B 00 00 00 00 00 00");
const QString kStatus = QStringLiteral("01 14 FF AA 04 00 00 00");

class StatusHandlersTest : public ::testing::Test {
protected:
    StatusHandlersTest()
    {
        window.State().SettingsRead = true;  // the read-back has run: ticks only poll
    }

    QRadioButton* Radio(const char* name) const
    {
        return session.Find<QRadioButton>(QString::fromLatin1(name));
    }
    // Shows a CPI choice as the read-back does, without sending it to the mouse.
    void ShowChoice(const char* name)
    {
        window.State().ReadBackInProgress = true;
        window.SetChecked(Radio(name), true);
        window.State().ReadBackInProgress = false;
    }
    Sent Tick()
    {
        const qint64 mark = session.log().mark();
        window.tmrStatusTimer(window.tmrStatus);
        return session.SentSince(mark);
    }

    SimSession session;
    TForm1& window = session.window();
    TProgBar* mouseGauge = session.Find<TProgBar>(QStringLiteral("pbMseBattery"));
    TProgBar* keyboardGauge = session.Find<TProgBar>(QStringLiteral("pbKbdBattery"));
    QLineEdit* cpiBox = session.Find<QLineEdit>(QStringLiteral("edtCPI"));
};

TEST_F(StatusHandlersTest, BatteryReadOutFillsTheGaugesAndColoursTheMouseBar)
{
    session.faults().scriptReplies({{0x84, 0x73, 0, 0, 0, 0, 0, 0xCC}});
    window.btnBatteryClick(nullptr);
    EXPECT_EQ(keyboardGauge->Value(), 7.0);
    EXPECT_EQ(mouseGauge->Value(), 3.0);
    EXPECT_EQ(mouseGauge->ColorMax(), clYellow);
    EXPECT_EQ(mouseGauge->ColorMin(), clYellow);
    EXPECT_EQ(keyboardGauge->ColorMax(), clLime);  // the keyboard bar keeps its colours

    session.faults().scriptReplies({{0x81, 0x11, 0, 0, 0, 0, 0, 0xCC}});  // not valid
    window.btnBatteryClick(nullptr);
    EXPECT_EQ(mouseGauge->Value(), 3.0);
    EXPECT_EQ(keyboardGauge->Value(), 7.0);
}

TEST_F(StatusHandlersTest, CpiReadOutShowsTheCpiAndSelectsWithoutSendingIt)
{
    ShowChoice("rbRF_CPI_L");
    session.faults().scriptReplies({{0x00, 0x10, 0, 0, 0, 0, 0, 0xCC}});
    const qint64 mark = session.log().mark();
    window.btnCPIClick(nullptr);
    EXPECT_EQ(session.SentSince(mark), Sent{kCpi});  // nothing sent back to the mouse
    EXPECT_EQ(cpiBox->text(), "1600");
    EXPECT_TRUE(Radio("rbRF_CPI_H")->isChecked());
    EXPECT_FALSE(window.State().ReadBackInProgress);

    session.faults().scriptReplies({{0x00, 0x0C, 0, 0, 0, 0, 0, 0xCC}});  // 1200: ignored
    window.btnCPIClick(nullptr);
    EXPECT_EQ(cpiBox->text(), "1600");

    window.SetChecked(Radio("rbRF_CPI_H"), false);
    session.faults().scriptReplies({{0x00, 0x08, 0, 0, 0, 0, 0, 0xCC}});
    window.btnCPIClick(nullptr);
    EXPECT_EQ(cpiBox->text(), "800");
    EXPECT_FALSE(Radio("rbRF_CPI_H")->isChecked());
    EXPECT_FALSE(Radio("rbRF_CPI_L")->isChecked());

    // After a CPI change the read-out first checks the mouse link.
    window.State().CpiChanged = true;
    const qint64 changed = session.log().mark();
    window.btnCPIClick(nullptr);
    EXPECT_EQ(session.SentSince(changed).front(), "01 14 FF AA 01 00 00 00");
    EXPECT_EQ(session.SentSince(changed).back(), kCpi);
    EXPECT_FALSE(window.State().CpiChanged);
}

TEST_F(StatusHandlersTest, TickPollsAndArmsTheTimerAgain)
{
    window.tmrStatus->stop();
    EXPECT_EQ(Tick(), (Sent{kBattery, kStatus}));
    EXPECT_TRUE(window.tmrStatus->isActive());

    // A CPI choice on show adds the CPI read-out; engineering mode the channel maps.
    ShowChoice("rbRF_CPI_H");
    window.SetEngineeringMode(true);
    session.firmware().radio().mouseChannelMap = 0x80;
    EXPECT_EQ(Tick(), (Sent{kBattery, kCpi, "01 14 FF AA 02 00 00 00", "01 14 FF AA 03 00 00 00",
                            kStatus}));
    EXPECT_EQ(TForm1::GridCellColour(window.FHSSCell(0, 0)), clRed);
    EXPECT_EQ(TForm1::GridCellColour(window.FHSSCell(1, 0)), clMoneyGreen);
}

TEST_F(StatusHandlersTest, TickWaitsForTheChooserAndTheReadBack)
{
    TForm2* chooser = CreateLanguageChooser(&window);
    chooser->show();
    EXPECT_TRUE(Tick().empty());
    EXPECT_TRUE(window.tmrStatus->isActive());
    chooser->hide();

    window.State().ReadBackInProgress = true;
    EXPECT_TRUE(Tick().empty());
    EXPECT_TRUE(window.tmrStatus->isActive());
}

TEST(StatusTickWithoutReceiverTest, ShowsTheNoDevicePictureAndStops)
{
    SimSession::Options options;
    options.plugReceiver = false;
    SimSession session(options);
    TForm1& window = session.window();
    session.Find<QWidget>(QStringLiteral("imgConnected"))->show();
    window.tmrStatus->start();
    window.tmrStatusTimer(window.tmrStatus);
    EXPECT_FALSE(window.tmrStatus->isActive());
    EXPECT_TRUE(session.Find<QWidget>(QStringLiteral("imgNoneDev"))->isVisibleTo(&window));
    EXPECT_FALSE(session.Find<QWidget>(QStringLiteral("imgConnected"))->isVisibleTo(&window));
    EXPECT_FALSE(session.Find<QWidget>(QStringLiteral("gifBind"))->isVisibleTo(&window));
}

TEST_F(StatusHandlersTest, UnreadSettingsMakeTheTickCheckTheMouseLink)
{
    window.State().SettingsRead = false;
    window.State().PrevBindingStatusBB = true;
    session.firmware().mouse().setMoving(true);
    // The link check, then the read-back it allows.
    const Sent sent = Tick();
    ASSERT_GT(sent.size(), 4u);
    EXPECT_EQ(Sent(sent.begin(), sent.begin() + 4),
              (Sent{kBattery, kStatus, "01 14 FF AA 01 00 00 00", "01 14 FF AA 01 00 00 00"}));
    EXPECT_TRUE(window.State().SettingsRead);
    EXPECT_FALSE(window.State().PrevBindingStatusBB);
    EXPECT_TRUE(window.tmrStatus->isActive());
}

TEST_F(StatusHandlersTest, TicksAndReadOutsStartedInsideAnotherOnesPumpingAreRefused)
{
    ShowChoice("rbRF_CPI_L");
    int inner = 0;
    session.clock().setPumpHook([&] {
        ++inner;
        window.tmrStatusTimer(window.tmrStatus);
    });
    EXPECT_EQ(Tick(), (Sent{kBattery, kCpi, kStatus}));
    EXPECT_GT(inner, 0);

    session.clock().setPumpHook([&] {
        window.btnBatteryClick(nullptr);
        window.btnCPIClick(nullptr);
    });
    const qint64 mark = session.log().mark();
    window.btnBatteryClick(nullptr);
    window.btnCPIClick(nullptr);
    session.clock().setPumpHook({});
    EXPECT_EQ(session.SentSince(mark), (Sent{kBattery, kCpi}));
}

// Every way a tick can end early, and whether the status timer brings the next one: another
// program holding the receiver skips the tick (and an attach it kept off comes again with the
// next one); a receiver that went leaves the timers to its detach; a pairing started meanwhile
// arms the timer itself when it ends.
TEST(StatusTickEndsTest, OnlyAGoneReceiverOrAPairingLeavesTheTimerOff)
{
    struct Taken : ReceiverLock {
        bool taken = false;
        bool acquire(const QString&, int) override { return !taken; }
        void release() override {}
    };
    struct Case {
        const char* name;
        std::function<void(SimSession&, Taken&)> before;
        bool armed;
    };
    const Case cases[] = {
        {"another program holds the receiver", [](SimSession&, Taken& lock) { lock.taken = true; },
         true},
        {"it held it when the user chose a setting",
         [](SimSession& s, Taken& lock) {
             lock.taken = true;
             s.Click(QStringLiteral("rbRF_DR_2A"));
             EXPECT_TRUE(s.window().tmrStatus->isActive());  // before any tick arms it
         },
         true},
        {"it held it at the attach",
         [](SimSession& s, Taken& lock) {
             lock.taken = true;
             s.window().HidDeviceController1DeviceChange(nullptr);
         },
         true},
        {"the receiver goes during the tick",
         [](SimSession& s, Taken&) {
             s.clock().setProcessEvents(true);
             s.faults().unplugAtExchange(2);
         },
         false},
        {"a pairing is started during the tick",
         [](SimSession& s, Taken&) {
             s.clock().setPumpHook([session = &s] {
                 SimSession* const once = session;  // the hook goes with the next line
                 once->clock().setPumpHook({});
                 once->Click(QStringLiteral("btnCombo_Cmd_Soft_Bind_SW"));
             });
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimSession session;
        TForm1& window = session.window();
        window.State().SettingsRead = true;
        auto lock = std::make_shared<Taken>();
        window.Channel().setLock(lock, 0);
        c.before(session, *lock);
        const qint64 mark = session.log().mark();
        window.tmrStatusTimer(window.tmrStatus);
        session.DeliverEvents();
        EXPECT_EQ(window.tmrStatus->isActive(), c.armed);
        if (!c.armed)
            continue;
        EXPECT_TRUE(session.SentSince(mark).empty());
        lock->taken = false;
        const qint64 next = session.log().mark();
        window.tmrStatusTimer(window.tmrStatus);
        const Sent sent = session.SentSince(next);
        EXPECT_NE(std::find(sent.begin(), sent.end(), kBattery), sent.end());
        EXPECT_TRUE(window.tmrStatus->isActive());
    }
}

}  // namespace
