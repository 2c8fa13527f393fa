#include "protocol/device/DeviceClock.h"
#include "protocol/device/ReceiverSelection.h"
#include "protocol/i18n/Lang.h"
#include "protocol/receiver/ReceiverState.h"
#include "sim/ReceiverEeprom.h"
#include "sim/ReceiverModel.h"
#include "sim/SimFaults.h"
#include "sim/SimHidBackend.h"
#include "sim/SimReceivers.h"
#include "testing/RecordingPrompts.h"
#include "testing/SimSession.h"
#include "window/app/MainWindow.h"
#include "window/controls/ProgBar.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Sent = std::vector<QString>;

// A session whose devices are plugged by the test before the window starts.
SimSession::Options Unstarted(bool plugReceiver = false)
{
    SimSession::Options options;
    options.plugReceiver = plugReceiver;
    options.start = false;
    return options;
}

SimDeviceProfile ForeignMouse()
{
    SimDeviceProfile mouse;
    mouse.vendorId = 0x046D;
    mouse.productId = 0xC077;
    mouse.product = QStringLiteral("Optical Mouse");
    mouse.serial = QStringLiteral("SN0042");
    return mouse;  // one mouse collection with an 8-byte feature report
}

QStringList Lines(const SimSession& session)
{
    QStringList lines;
    const auto* list = session.Find<QListWidget>(QStringLiteral("DevListBox"));
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}

bool Shown(const SimSession& session, const char* name)
{
    return session.Find<QWidget>(QString::fromLatin1(name))->isVisibleTo(&session.window());
}

QString Text(const SimSession& session, const char* name)
{
    return session.Find<QLineEdit>(QString::fromLatin1(name))->text();
}

int Top(const SimSession& session, const char* name)
{
    return session.Find<QWidget>(QString::fromLatin1(name))->y();
}

bool Enabled(const SimSession& session, const char* name)
{
    return session.Find<QWidget>(QString::fromLatin1(name))->isEnabled();
}

// The user double-clicks a line of the device list.
void DoubleClickLine(const SimSession& session, int row)
{
    auto* list = session.Find<QListWidget>(QStringLiteral("DevListBox"));
    list->setCurrentRow(row);
    const QPointF at = list->visualItemRect(list->item(row)).center();
    QMouseEvent click(QEvent::MouseButtonDblClick, at, list->viewport()->mapToGlobal(at),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &click);
}

bool WroteWord(const Sent& sent, quint8 word)
{
    const QString write = QString::asprintf("01 04 %02X 00 FF 00 00 00", unsigned(word));
    return std::find(sent.begin(), sent.end(), write) != sent.end();
}

bool AnyEepromWrite(const Sent& sent)
{
    return std::any_of(sent.begin(), sent.end(), [](const QString& line) {
        return line.startsWith(QStringLiteral("01 04"));
    });
}

TEST(ReceiverAttachTest, AttachSequenceSendsTheseReportsWithTheseWaits)
{
    SimSession session(Unstarted(true));
    const qint64 mark = session.log().mark();
    session.Start();

    EXPECT_EQ(
        session.SentSince(mark),
        (Sent{
            "01 2C AA 00 00 00 00 00",  // leave RF access
            "01 09 00 00 00 00 00 00",  // link status
            "01 17 3C 5A 01 00 00 00",  // the mouse is the selected device
            "01 0A 00 00 00 00 00 00",  // battery, for the gauge range
            "01 0A 00 00 00 00 00 00",  // battery read-out
            "01 03 03 00 00 00 00 00", "01 03 05 00 00 00 00 00",  // hotkeys: words 3, 5 erased
            "01 04 07 00 FF 00 00 00", "01 03 07 00 00 00 00 00",  // word 7 written and verified
            "01 04 08 00 FF 00 00 00", "01 03 08 00 00 00 00 00",  // word 8 written and verified
            "01 08 0B 00 00 00 00 00",                             // hotkeys taken into use
        }));
    // 50 ms after leaving RF access; each read's get at once after its set.
    const auto entries = session.log().since(mark);
    ASSERT_GE(entries.size(), 6u);
    EXPECT_EQ(entries[1].timeMs - entries[0].timeMs, 50);
    EXPECT_TRUE(entries[2].ok && !entries[2].isSet());
    EXPECT_EQ(entries[2].timeMs, entries[1].timeMs);
    EXPECT_TRUE(entries[5].ok && !entries[5].isSet());
    EXPECT_EQ(entries[5].timeMs, entries[4].timeMs);
    // The read-out is a polled read: its get 2 ms after its set.
    ASSERT_GE(entries.size(), 8u);
    EXPECT_EQ(entries[7].timeMs - entries[6].timeMs, 2);

    TForm1& window = session.window();
    EXPECT_EQ(window.State().PreMseID, 0x21u);
    EXPECT_EQ(window.State().PreKbdID, 0x43u);
    EXPECT_EQ(session.firmware().selectedDevice(), 1);
    EXPECT_EQ(session.firmware().eeprom().word(7), 0x00FF);
    EXPECT_EQ(session.firmware().eeprom().word(8), 0x00FF);
    EXPECT_TRUE(window.tmrStatus->isActive());
    EXPECT_TRUE(Shown(session, "imgConnected"));
    EXPECT_FALSE(Shown(session, "imgNoneDev"));
    const auto* mouseGauge = session.Find<TProgBar>(QStringLiteral("pbMseBattery"));
    const auto* keyboardGauge = session.Find<TProgBar>(QStringLiteral("pbKbdBattery"));
    EXPECT_EQ(keyboardGauge->Max(), 7.0);  // the reply's range nibble 8, less one
    EXPECT_EQ(keyboardGauge->Value(), 7.0);
    EXPECT_EQ(mouseGauge->Value(), 7.0);
}

TEST(ReceiverAttachTest, ComboReceiverIsListedTwiceAndShowsTheKeyboardRow)
{
    SimSession session;
    EXPECT_EQ(Lines(session),
              (QStringList{
                  "2.4G RF Receiver    Device VID=7A3C PID=0E41    UsagePage=0001 Usage=0002",
                  "2.4G RF Receiver    Device VID=7A3C PID=0E41    UsagePage=0001 Usage=0006",
              }));
    EXPECT_EQ(Text(session, "edtVID"), QStringLiteral("7A3C"));
    EXPECT_EQ(Text(session, "edtPID"), QStringLiteral("0E41"));
    ASSERT_EQ(session.window().ProductTable().size(), 1u);
    EXPECT_TRUE(session.window().ProductTable()[0].Combo);
    for (const char* keyboardRow : {"imgKBD", "imgKbdBty", "pbKbdBattery", "shpBty"})
        EXPECT_TRUE(Shown(session, keyboardRow)) << keyboardRow;
    EXPECT_EQ(Top(session, "imgMSE"), 17);
    EXPECT_EQ(Top(session, "imgMseBty"), 16);
    EXPECT_EQ(Top(session, "pbMseBattery"), 20);
}

TEST(ReceiverAttachTest, MouseOnlyReceiverShowsTheMouseRowAlone)
{
    SimSession session;  // starts with the combo receiver: two rows
    session.Unplug(session.receiverId());
    session.Plug(SimReceivers::mouseOnlyReceiverProfile(), SimReceivers::defaultFirmware());
    session.DeliverEvents();

    EXPECT_EQ(Lines(session).size(), 1);
    EXPECT_EQ(Text(session, "edtPID"), QStringLiteral("0E41"));
    EXPECT_FALSE(session.window().ProductTable()[0].Combo);
    for (const char* keyboardRow : {"imgKBD", "imgKbdBty", "pbKbdBattery", "shpBty"})
        EXPECT_FALSE(Shown(session, keyboardRow)) << keyboardRow;
    EXPECT_EQ(Top(session, "imgMSE"), 33);
    EXPECT_EQ(Top(session, "imgMseBty"), 32);
    EXPECT_EQ(Top(session, "pbMseBattery"), 36);
}

TEST(ReceiverAttachTest, FirstListedOfTwoReceiversWinsAndTheOtherStaysListed)
{
    SimSession session(Unstarted());
    SimDeviceProfile second = SimReceivers::receiverProfile();
    second.productId = 0x0E42;
    const int first = session.Plug(second, SimReceivers::defaultFirmware());
    const int later =
        session.Plug(SimReceivers::receiverProfile(), SimReceivers::defaultFirmware());
    const qint64 mark = session.log().mark();
    session.Start();

    EXPECT_EQ(Text(session, "edtPID"), QStringLiteral("0E42"));
    EXPECT_EQ(Lines(session).size(), 4);
    EXPECT_TRUE(Lines(session)[2].contains(QStringLiteral("PID=0E41")));
    const auto entries = session.log().since(mark);
    ASSERT_FALSE(entries.empty());
    for (const auto& entry : entries) {
        EXPECT_EQ(entry.deviceId, first);
        EXPECT_EQ(entry.collection, 0);
    }
    EXPECT_NE(first, later);
}

TEST(ReceiverAttachTest, OnlyMouseAndKeyboardCollectionsWithTheEightByteReportAreListed)
{
    SimSession session(Unstarted());
    SimDeviceProfile nineBytes = ForeignMouse();
    nineBytes.collections[0].featureLength = 9;
    session.Plug(nineBytes);
    SimDeviceProfile gamepad = ForeignMouse();
    gamepad.collections[0].usage = 0x0005;
    session.Plug(gamepad);
    session.Plug(SimReceivers::plainKeyboardProfile());
    // A receiver whose keyboard collection carries a longer report: listed once, but the
    // keyboard collection still makes it a keyboard-and-mouse receiver.
    SimDeviceProfile receiver = SimReceivers::receiverProfile();
    receiver.collections[1].featureLength = 9;
    session.Plug(receiver, SimReceivers::defaultFirmware());
    session.Start();

    EXPECT_EQ(
        Lines(session),
        QStringList{"2.4G RF Receiver    Device VID=7A3C PID=0E41    UsagePage=0001 Usage=0002"});
    EXPECT_EQ(Text(session, "edtVID"), QStringLiteral("7A3C"));
    EXPECT_TRUE(Shown(session, "pbKbdBattery"));
    EXPECT_EQ(Top(session, "pbMseBattery"), 20);
}

TEST(ReceiverAttachTest, ForeignMouseIsListedButAttachedOnlyByDoubleClick)
{
    SimSession session(Unstarted());
    session.Plug(ForeignMouse());  // takes every report, acknowledges none
    session.Start();

    EXPECT_EQ(Lines(session), QStringList{"Optical Mouse    Device VID=046D PID=C077    "
                                          "UsagePage=0001 Usage=0002 (Serial=SN0042)"});
    EXPECT_EQ(session.window().Receiver(), nullptr);
    EXPECT_TRUE(Text(session, "edtVID").isEmpty());
    EXPECT_FALSE(Enabled(session, "btnCombo_Cmd_Soft_Bind_SW"));

    // A test mode left on is switched off on the device just chosen, before anything else.
    session.window().SetChecked(session.Find<QRadioButton>(QStringLiteral("rbTestOn")), true);
    session.window().State().SettingsRead = true;  // as for an earlier receiver
    const qint64 mark = session.log().mark();
    DoubleClickLine(session, 0);
    EXPECT_FALSE(session.window().State().SettingsRead);  // this one's mouse is read back afresh

    ASSERT_NE(session.window().Receiver(), nullptr);
    // Its link status reply holds no channel: no IDs are taken from it and nothing is stored
    // in a device that does not answer as a receiver.
    EXPECT_EQ(session.SentSince(mark), (Sent{"01 08 02 00 00 00 00 00", "01 2C AA 00 00 00 00 00",
                                             "01 09 00 00 00 00 00 00"}));
    EXPECT_FALSE(session.window().tmrStatus->isActive());
    EXPECT_EQ(Text(session, "edtVID"), QStringLiteral("046D"));
    EXPECT_EQ(Text(session, "edtPID"), QStringLiteral("C077"));
    EXPECT_TRUE(Enabled(session, "btnCombo_Cmd_Soft_Bind_SW"));
    EXPECT_TRUE(session.Find<QRadioButton>(QStringLiteral("rbTestOff"))->isChecked());
}

TEST(ReceiverAttachTest, AnyDeviceChangeReattachesAndWritesWordsSevenAndEightAgain)
{
    SimSession session;
    TForm1& window = session.window();
    THidDevice* before = window.Receiver();
    session.firmware().eeprom().setWord(7, 0x1234);
    session.firmware().eeprom().setWord(8, 0x5678);
    window.State().SettingsRead = true;
    window.State().PrevBindingStatusBB = true;
    const qint64 mark = session.log().mark();

    session.Plug(SimReceivers::plainKeyboardProfile());
    session.DeliverEvents();

    ASSERT_NE(window.Receiver(), nullptr);
    EXPECT_NE(window.Receiver(), before);  // a fresh device object for the same receiver
    const Sent sent = session.SentSince(mark);
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.front(), QStringLiteral("01 2C AA 00 00 00 00 00"));
    EXPECT_TRUE(WroteWord(sent, 7));
    EXPECT_TRUE(WroteWord(sent, 8));
    EXPECT_EQ(session.firmware().eeprom().word(7), 0x00FF);
    EXPECT_EQ(session.firmware().eeprom().word(8), 0x00FF);
    EXPECT_FALSE(window.State().SettingsRead);
    EXPECT_FALSE(window.State().PrevBindingStatusBB);
    EXPECT_TRUE(window.tmrStatus->isActive());
    EXPECT_EQ(Lines(session).size(), 2);
}

TEST(ReceiverAttachTest, FailedLinkStatusReadKeepsControlsButWritesNothing)
{
    SimSession session(Unstarted(true));
    session.faults().failGets(1);  // the link status read's get
    const qint64 mark = session.log().mark();
    session.Start();

    TForm1& window = session.window();
    EXPECT_NE(window.Receiver(), nullptr);
    EXPECT_TRUE(Shown(session, "imgNoneDev"));
    EXPECT_FALSE(Shown(session, "imgConnected"));
    EXPECT_FALSE(window.tmrStatus->isActive());
    for (const char* control : {"rbMSE", "cbCustKey1", "rbRF_DR_4A", "rbRF_CPI_H",
                                "btnCombo_Cmd_Soft_Bind_SW", "btnEEPROM_R_VID", "rbTestOff"})
        EXPECT_TRUE(Enabled(session, control)) << control;
    EXPECT_EQ(Text(session, "edtVID"), QStringLiteral("7A3C"));
    EXPECT_EQ(session.SentSince(mark),
              (Sent{"01 2C AA 00 00 00 00 00", "01 09 00 00 00 00 00 00"}));
    EXPECT_FALSE(AnyEepromWrite(session.SentSince(mark)));
    // The keyboard row is still set from the product table.
    EXPECT_TRUE(Shown(session, "pbKbdBattery"));
}

TEST(ReceiverAttachTest, UnpluggingReturnsToTheNoReceiverState)
{
    SimSession session;
    TForm1& window = session.window();
    window.tmrSoftBind->start();  // as while pairing runs
    window.findChild<QPushButton*>(QStringLiteral("btnCombo_Cmd_Soft_Bind_SW"))
        ->setText(QStringLiteral("&Connecting"));
    session.Unplug(session.receiverId());
    session.DeliverEvents();

    EXPECT_EQ(window.Receiver(), nullptr);
    EXPECT_TRUE(Lines(session).isEmpty());
    EXPECT_TRUE(Text(session, "edtVID").isEmpty());
    EXPECT_TRUE(Text(session, "edtPID").isEmpty());
    EXPECT_TRUE(Shown(session, "imgNoneDev"));
    EXPECT_FALSE(Shown(session, "imgConnected"));
    EXPECT_FALSE(window.tmrStatus->isActive());
    EXPECT_FALSE(window.tmrSoftBind->isActive());
    for (const char* control :
         {"rbMSE", "rbKB", "cbCustKey2", "rbRF_DR_55", "rbRF_CPI_L", "cbRF_Set_BTY_Low_Level",
          "btnCombo_Cmd_Soft_Bind_SW", "rbTestOn", "btnEEPROM_R_20"})
        EXPECT_FALSE(Enabled(session, control)) << control;
    EXPECT_EQ(session.Find<QPushButton>(QStringLiteral("btnCombo_Cmd_Soft_Bind_SW"))->text(),
              QStringLiteral("&Connect"));
    EXPECT_EQ(session.Find<QComboBox>(QStringLiteral("cbRF_Set_BTY_Low_Level"))->currentIndex(),
              -1);
}

TEST(ReceiverAttachTest, ReceiverThatCannotBeOpenedGetsHelpOncePerPlugInInTheLanguageInForce)
{
    SimDeviceProfile locked = SimReceivers::receiverProfile();
    locked.openPolicy = SimOpenPolicy::Deny;
    SimSession::Options options;
    options.receiver = locked;
    testing::internal::CaptureStderr();
    SimSession session(options);
    session.Plug(SimReceivers::plainKeyboardProfile());  // another change: no second help
    session.DeliverEvents();
    const QString err = QString::fromStdString(testing::internal::GetCapturedStderr());

    EXPECT_EQ(session.window().Receiver(), nullptr);
    QStringList& notices = session.prompts().notices;
    ASSERT_EQ(notices.size(), 1);
    for (const char* part :
         {"Receiver not accessible: ", "7A3C:0E41", "sim:hidraw1,", "udev rule",
          "missing or not yet applied",
          " --print-udev-rules | sudo tee "
          "/etc/udev/rules.d/70-karvelo-rf-receiver.rules\n",
          "    sudo udevadm control --reload\n", "unplug the receiver and plug it in again."})
        EXPECT_TRUE(notices[0].contains(QString::fromUtf8(part))) << part;
    EXPECT_TRUE(err.contains(notices[0].section(QStringLiteral(": "), 1))) << err.toStdString();

    session.Choose(QStringLiteral("cbbLang"), lkCht);  // the open help follows the language
    ASSERT_EQ(notices.size(), 2);
    EXPECT_TRUE(notices[1].contains(QStringLiteral("拔下接收器"))) << notices[1].toStdString();
    session.prompts().noticeOpen = false;  // the user closes it
    session.Choose(QStringLiteral("cbbLang"), lkEng);
    EXPECT_EQ(notices.size(), 2);

    session.Unplug(session.receiverId());  // plugged in again: the help comes again
    session.DeliverEvents();
    session.Plug(locked);
    session.DeliverEvents();
    EXPECT_EQ(notices.size(), 3);
}

// The line beside the Connect button, and one rule for the keyboard's gauge: shown only while
// a keyboard-and-mouse receiver is attached.
TEST(ReceiverAttachTest, LineSaysHowTheWindowStandsWithItsReceiver)
{
    SimSession session(Unstarted());
    session.Start();
    TForm1& window = session.window();
    const auto line = [&] { return session.Find<QLabel>(QStringLiteral("lblLinkState"))->text(); };
    const auto keyboardGauge = [&] {
        return session.Find<QWidget>(QStringLiteral("pbKbdBattery"))->isVisibleTo(&window);
    };
    EXPECT_EQ(line(), "No receiver connected");
    EXPECT_EQ(session.Find<QWidget>(QStringLiteral("imgNoneDev"))->toolTip(), line());
    EXPECT_FALSE(keyboardGauge());

    const int receiver =
        session.Plug(SimReceivers::receiverProfile(), SimReceivers::demoFirmware());
    session.DeliverEvents();
    EXPECT_EQ(line(), "Receiver connected");
    EXPECT_TRUE(keyboardGauge());
    window.btnCombo_Cmd_Soft_Bind_SWClick(nullptr);
    EXPECT_EQ(line(), "Move the new mouse or press a key on the new keyboard: 16 s left");
    window.tmrSoftBindTimer(nullptr);
    session.Choose(QStringLiteral("cbbLang"), lkCht);
    EXPECT_EQ(line(), QString::fromUtf8("請移動新滑鼠或按新鍵盤的按鍵：剩餘 15 秒"));
    session.Choose(QStringLiteral("cbbLang"), lkEng);

    session.Unplug(receiver);  // while pairing
    session.DeliverEvents();
    EXPECT_EQ(line(), "The receiver was removed while pairing");
    EXPECT_FALSE(keyboardGauge());

    SimDeviceProfile locked = SimReceivers::receiverProfile();
    locked.openPolicy = SimOpenPolicy::Deny;
    session.Plug(locked);
    session.DeliverEvents();
    EXPECT_EQ(line(), "Receiver not accessible");
}

}  // namespace
