#include "protocol/device/DeviceClock.h"
#include "protocol/receiver/ReceiverState.h"
#include "protocol/receiver/SettingsTable.h"
#include "sim/ReceiverModel.h"
#include "sim/SimFaults.h"
#include "sim/SimReceivers.h"
#include "testing/RecordingPrompts.h"
#include "testing/SimSession.h"
#include "window/app/MainWindow.h"

#include <QComboBox>
#include <QListWidget>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Sent = std::vector<QString>;

const QString kUpdate = QStringLiteral("01 08 0B 00 00 00 00 00");

std::shared_ptr<ReceiverModel> FirmwareWithHotkeys(quint16 w3, quint16 w4, quint16 w5, quint16 w6)
{
    auto firmware = SimReceivers::defaultFirmware();
    const quint16 words[] = {w3, w4, w5, w6};
    for (quint8 i = 0; i < 4; ++i)
        firmware->eeprom().setWord(quint8(3 + i), words[i]);
    return firmware;
}

SimSession::Options WithFirmware(std::shared_ptr<ReceiverModel> firmware)
{
    SimSession::Options options;
    options.firmware = std::move(firmware);
    return options;
}

QComboBox* List(const SimSession& session, int hotkey)
{
    return session.Find<QComboBox>(hotkey == 0 ? QStringLiteral("cbCustKey1")
                                               : QStringLiteral("cbCustKey2"));
}

QString Shown(const SimSession& session, int hotkey)
{
    return List(session, hotkey)->currentText();
}

QStringList DebugLines(const SimSession& session)
{
    QStringList lines;
    const auto* list = session.Find<QListWidget>(QStringLiteral("lstDebug"));
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}

bool Sends(const Sent& sent, const QString& report)
{
    return std::find(sent.begin(), sent.end(), report) != sent.end();
}

TEST(HotkeyListsTest, BothListsHoldTheKeyListWithCodesAndNothingChosenWithoutAReceiver)
{
    SimSession::Options options;
    options.plugReceiver = false;
    SimSession session(options);
    const std::span<const SettingChoice> keys = FindSetting("hotkey1")->choices;
    for (int hotkey = 0; hotkey < 2; ++hotkey) {
        QComboBox* list = List(session, hotkey);
        ASSERT_EQ(list->count(), 24);
        for (int i = 0; i < 24; ++i) {
            EXPECT_EQ(list->itemText(i), QString::fromLatin1(keys[size_t(i)].value));
            EXPECT_EQ(list->itemData(i).toInt(), keys[size_t(i)].code);
        }
        EXPECT_EQ(list->currentIndex(), -1);
    }
}

TEST(HotkeyReadTest, AttachShowsTheStoredEntryOrTheDefaultForErasedWords)
{
    SimSession session(WithFirmware(FirmwareWithHotkeys(0x23DC, 0x02FD, 0xFFFF, 0xFFFF)));
    EXPECT_EQ(Shown(session, 0), QStringLiteral("WWW HOME"));
    EXPECT_EQ(Shown(session, 1), QStringLiteral("MAIL"));
    const QStringList lines = DebugLines(session);
    for (const char* line : {"EE3 High 23 Low DC", "EE4 High 02 Low FD", "EE5 High FF Low FF"})
        EXPECT_TRUE(lines.contains(QString::fromLatin1(line))) << line;
    EXPECT_FALSE(lines.contains(QStringLiteral("EE6 High FF Low FF")));
}

TEST(HotkeyReadTest, DemoReceiverShowsItsStoredChoicesAndKeepsANewOneAcrossAReattach)
{
    SimSession session(WithFirmware(SimReceivers::demoFirmware()));
    EXPECT_EQ(Shown(session, 0), QStringLiteral("CALCULATOR"));
    EXPECT_EQ(Shown(session, 1), QStringLiteral("PLAY/PAUSE"));
    session.Choose(QStringLiteral("cbCustKey2"), 9);     // MUTE
    List(session, 1)->setCurrentIndex(0);                // shown only, not stored
    session.Plug(SimReceivers::plainKeyboardProfile());  // any device change attaches again
    session.DeliverEvents();
    EXPECT_EQ(Shown(session, 1), QStringLiteral("MUTE"));
}

TEST(HotkeyReadTest, InvalidOrUnlistedWordsLeaveTheChoiceAndSelectingStoresNothing)
{
    SimSession session;
    TForm1& window = session.window();
    List(session, 0)->setCurrentIndex(11);  // VOLUME +
    List(session, 1)->setCurrentIndex(9);   // MUTE
    ReceiverEeprom& eeprom = session.firmware().eeprom();
    const quint16 cases[][4] = {
        {0xFFFF, 0x02FD, 0xFFFF, 0xFFFF},  // word 3 invalid: word 4 not read
        {0x00FF, 0x01FE, 0x23DC, 0x01FE},  // 0x0100 and 0x0123: in no list entry
    };
    for (const auto& words : cases) {
        for (quint8 i = 0; i < 4; ++i)
            eeprom.setWord(quint8(3 + i), words[i]);
        const qint64 mark = session.log().mark();
        window.btnGetCustKeyClick(nullptr);
        EXPECT_EQ(Shown(session, 0), QStringLiteral("VOLUME +"));
        EXPECT_EQ(Shown(session, 1), QStringLiteral("MUTE"));
        const Sent sent = session.SentSince(mark);
        EXPECT_EQ(Sends(sent, "01 03 04 00 00 00 00 00"), words[0] != 0xFFFF);
        EXPECT_TRUE(Sends(sent, "01 03 05 00 00 00 00 00"));  // hotkey 2 read all the same
        EXPECT_TRUE(std::none_of(sent.begin(), sent.end(),
                                 [](const QString& r) { return r.startsWith("01 04"); }));
    }
}

TEST(HotkeyStoreTest, ChoiceIsStoredWithTheStatusTickHeldOffButNotDuringAReadBack)
{
    SimSession session;
    TForm1& window = session.window();
    std::vector<bool> tickArmed;
    session.clock().setPumpHook([&] { tickArmed.push_back(window.tmrStatus->isActive()); });
    session.Choose(QStringLiteral("cbCustKey1"), 0);   // [DISABLE]
    session.Choose(QStringLiteral("cbCustKey2"), 11);  // VOLUME +
    EXPECT_EQ(session.firmware().hotkeysInUse(),
              (std::array<quint16, 4>{0x00FF, 0x00FF, 0xE916, 0x00FF}));
    ASSERT_FALSE(tickArmed.empty());
    EXPECT_TRUE(std::none_of(tickArmed.begin(), tickArmed.end(), [](bool armed) { return armed; }));
    EXPECT_TRUE(window.tmrStatus->isActive());

    // While the settings are read back, a selection is not a choice: nothing is sent and the
    // timer stays as it was.
    window.tmrStatus->stop();
    window.State().ReadBackInProgress = true;
    const qint64 mark = session.log().mark();
    session.Choose(QStringLiteral("cbCustKey1"), 5);
    EXPECT_TRUE(session.SentSince(mark).empty());
    EXPECT_FALSE(window.tmrStatus->isActive());
}

TEST(HotkeyStoreTest, UnconfirmedWordIsNotTakenIntoUseAndTheListShowsTheStoredEntry)
{
    SimSession session(WithFirmware(FirmwareWithHotkeys(0x23DC, 0x02FD, 0x8A75, 0x01FE)));
    session.firmware().eeprom().setLocked(true);
    const int updatesBefore = session.firmware().hotkeyUpdates();
    const qint64 mark = session.log().mark();

    session.Choose(QStringLiteral("cbCustKey1"), 9);  // MUTE

    EXPECT_FALSE(Sends(session.SentSince(mark), kUpdate));
    EXPECT_EQ(session.firmware().hotkeyUpdates(), updatesBefore);
    EXPECT_EQ(Shown(session, 0), QStringLiteral("WWW HOME"));
    ASSERT_EQ(session.prompts().messages.size(), 1);
    EXPECT_TRUE(
        session.prompts().messages[0].startsWith(QStringLiteral("Hotkey 1 was not stored")));
    EXPECT_TRUE(session.window().tmrStatus->isActive());
}

TEST(HotkeyStoreTest, ChoiceMadeWhileAStoreWaitsIsStoredAfterIt)
{
    SimSession session;
    bool chosenAgain = false;
    session.clock().setPumpHook([&] {
        if (!chosenAgain) {
            chosenAgain = true;  // the user picks again while the first choice is written
            session.Choose(QStringLiteral("cbCustKey1"), 9);  // MUTE
        }
    });
    const qint64 mark = session.log().mark();
    session.Choose(QStringLiteral("cbCustKey1"), 11);  // VOLUME +

    EXPECT_EQ(Shown(session, 0), QStringLiteral("MUTE"));
    EXPECT_EQ(session.firmware().eeprom().word(3), 0xE21D);
    EXPECT_EQ(session.firmware().hotkeysInUse()[0], 0xE21D);
    const Sent sent = session.SentSince(mark);
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back(), kUpdate);
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "01 04 03 E2 1D 00 00 00"), 1);
}

TEST(HotkeyStoreTest, UnplugAtAnyExchangeOfAStoreSendsNoUpdateAndEndsWithoutAReceiver)
{
    for (int exchange = 1; exchange <= 6; ++exchange) {
        SimSession session;
        session.faults().unplugAtExchange(exchange);
        session.clock().setProcessEvents(true);  // the device change arrives while it pumps
        const qint64 mark = session.log().mark();
        session.Choose(QStringLiteral("cbCustKey2"), 17);  // MY COMPUTER
        session.DeliverEvents();

        EXPECT_FALSE(Sends(session.SentSince(mark), kUpdate)) << exchange;
        EXPECT_EQ(session.window().Receiver(), nullptr) << exchange;
        EXPECT_EQ(List(session, 1)->currentIndex(), -1) << exchange;
        EXPECT_LE(session.prompts().messages.size(), 1) << exchange;
    }
}

}  // namespace
