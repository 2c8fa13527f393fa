#include "protocol/device/DeviceClock.h"
#include "sim/ReceiverModel.h"
#include "sim/SimFaults.h"
#include "testing/RecordingPrompts.h"
#include "testing/SimSession.h"
#include "window/app/MainWindow.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Sent = std::vector<QString>;

const QString k46 = QStringLiteral("123456789A123456789B123456789C123456789D123456");

QString Write(quint8 word, quint16 value)
{
    return QString::asprintf("01 04 %02X %02X %02X 00 00 00", unsigned(word), unsigned(value >> 8),
                             unsigned(value & 0xFF));
}

QString Read(quint8 word)
{
    return QString::asprintf("01 03 %02X 00 00 00 00 00", unsigned(word));
}

// The words a run wrote, in order, without their read-backs.
Sent Writes(const Sent& sent)
{
    Sent writes;
    std::copy_if(sent.begin(), sent.end(), std::back_inserter(writes),
                 [](const QString& r) { return r.startsWith(QStringLiteral("01 04")); });
    return writes;
}

class IdentityTest : public ::testing::Test {
protected:
    SimSession session;
    TForm1& window = session.window();
    ReceiverEeprom& eeprom = session.firmware().eeprom();

    QLineEdit* Box(const char* name) const
    {
        return session.Find<QLineEdit>(QString::fromLatin1(name));
    }
    QString Text(const char* name) const { return Box(name)->text(); }
    Sent Click(const char* button)
    {
        const qint64 mark = session.log().mark();
        session.Click(QString::fromLatin1(button));
        return session.SentSince(mark);
    }
};

TEST_F(IdentityTest, VidAndPidWritesGoHighByteFirstThroughTheByteBoxes)
{
    const struct {
        const char* box;
        const char* text;
        const char* button;
        Sent writes;
        const char* highBox;
        const char* lowBox;
        const char* highText;
        const char* lowText;
    } cases[] = {
        {"edtVID_SET",
         "1A2B",
         "btnEEPROM_W_VID",
         {Write(15, 0x1AE5), Write(16, 0x2BD4)},
         "edtEEPROM_15",
         "edtEEPROM_16",
         "1A",
         "2B"},
        {"edtVID_SET",
         "00FF",
         "btnEEPROM_W_VID",
         {Write(15, 0x00FF), Write(16, 0xFF00)},
         "edtEEPROM_15",
         "edtEEPROM_16",
         "",
         "FF"},
        {"edtPID_SET",
         "E41",
         "btnEEPROM_W_PID",
         {Write(17, 0x0EF1), Write(18, 0x41BE)},
         "edtEEPROM_17",
         "edtEEPROM_18",
         "E",
         "41"},
    };
    for (const auto& c : cases) {
        Box(c.box)->setText(QString::fromLatin1(c.text));
        EXPECT_EQ(Writes(Click(c.button)), c.writes) << c.text;
        EXPECT_EQ(Text(c.highBox), QString::fromLatin1(c.highText));
        EXPECT_EQ(Text(c.lowBox), QString::fromLatin1(c.lowText));
    }
    EXPECT_EQ(eeprom.word(17), 0x0EF1);
    EXPECT_TRUE(session.prompts().messages.isEmpty());
}

TEST_F(IdentityTest, ReadsFillEachWordsOwnBoxAndJoinTheVidBytes)
{
    eeprom.setWord(15, 0x04FB);
    eeprom.setWord(16, 0xF30C);
    Click("btnEEPROM_R_VID");
    EXPECT_EQ(Text("edtVID_SET"), QStringLiteral("04F3"));

    // One handler serves every R button: each addresses its own word and box.
    eeprom.setWord(2, 0x56A9);
    eeprom.setWord(19, 0x08F7);
    EXPECT_EQ(Click("btnEEPROM_R_02"), Sent{Read(2)});
    EXPECT_EQ(Click("btnEEPROM_R_19"), Sent{Read(19)});
    EXPECT_EQ(Text("edtEEPROM_02"), QStringLiteral("56"));
    EXPECT_EQ(Text("edtEEPROM_19"), QStringLiteral("08"));

    session.faults().nackReplies(SimFaults::kAlways);
    Click("btnEEPROM_R_VID");
    EXPECT_EQ(Text("edtEEPROM_15"), QStringLiteral("FFFFFF"));
    EXPECT_EQ(Text("edtVID_SET"), QStringLiteral("FFFFFFFFFFFF"));
}

TEST_F(IdentityTest, StringWriteSendsTheLengthWordThenOnlyTheWordsTheTextNeeds)
{
    const struct {
        QString text;
        Sent writes;
    } cases[] = {
        {"ABC", {Write(19, 0x08F7), Write(20, 0x4142), Write(21, 0x4300)}},
        {"", {Write(19, 0x02FD)}},  // no character word
    };
    for (const auto& c : cases) {
        Box("edtEEPROM_20")->setText(c.text);
        EXPECT_EQ(Writes(Click("btnEEPROM_W_20")), c.writes) << qPrintable(c.text);
    }
    Box("edtEEPROM_20")->setText(k46);
    const Sent writes = Writes(Click("btnEEPROM_W_20"));
    ASSERT_EQ(writes.size(), 24u);
    EXPECT_EQ(writes.front(), Write(19, 0x5EA1));
    EXPECT_EQ(writes.back(), Write(42, 0x3536));
    EXPECT_EQ(Text("edtEEPROM_19"), QStringLiteral("5E"));
}

TEST_F(IdentityTest, StringReadFollowsTheLengthByteWithinTheEeprom)
{
    for (quint8 word = 22; word <= 42; ++word)
        eeprom.setWord(word, 0xFFFF);
    eeprom.setWord(20, 0x4142);
    eeprom.setWord(21, 0x4300);
    const struct {
        quint16 lengthWord;
        QString text;
        size_t reads;
    } cases[] = {
        {0x08F7, "ABC", 3},
        {0x02FD, "", 1},
        {0x01FE, "", 1},
        {0x00FF, "", 1},
        // Erased: capped to 46 characters, shown as they are (the fourth is code 0).
        {0xFFFF, "ABC" + QString(1, QChar(0)) + QString(42, QChar(0xFF)), 24},
    };
    for (const auto& c : cases) {
        eeprom.setWord(19, c.lengthWord);
        EXPECT_EQ(Click("btnEEPROM_R_20").size(), c.reads) << c.lengthWord;
        EXPECT_EQ(Text("edtEEPROM_20"), c.text) << c.lengthWord;
    }
}

TEST_F(IdentityTest, FailedLengthOrCharacterReadLeavesTheStringBoxEmpty)
{
    session.faults().nackReplies(SimFaults::kAlways);  // the length word
    Click("btnEEPROM_R_20");
    EXPECT_TRUE(Text("edtEEPROM_20").isEmpty());
    session.faults().clear();
    session.faults().unplugAtExchange(3);  // the first character word's set
    EXPECT_EQ(Click("btnEEPROM_R_20"), Sent{Read(19)});
    EXPECT_EQ(Text("edtEEPROM_19"), QStringLiteral("22"));
    EXPECT_TRUE(Text("edtEEPROM_20").isEmpty());
}

TEST_F(IdentityTest, ValuesTheFieldCannotTakeAreRefusedWithNothingSent)
{
    const struct {
        const char* box;
        QString text;
        const char* button;
        const char* message;
    } cases[] = {
        {"edtEEPROM_15", "FFFFFF", "btnEEPROM_W_15", "FFFFFF does not fit one byte"},
        {"edtEEPROM_02", "100", "btnEEPROM_W_02", "100 does not fit one byte"},
        {"edtVID_SET", "FFFFFFFFFFFF", "btnEEPROM_W_VID", "FFFFFFFFFFFF does not fit a VID or PID"},
        {"edtPID_SET", "10000", "btnEEPROM_W_PID", "10000 does not fit a VID or PID"},
        {"edtEEPROM_20", QString::fromUtf8("USB 接收器"), "btnEEPROM_W_20",
         "The character \"接\" (U+63A5) cannot be stored"},
        {"edtEEPROM_20", k46 + "7", "btnEEPROM_W_20", "at most 46 characters; this text has 47"},
        {"edtVID_SET", "XYZ", "btnEEPROM_W_VID", "'$0XYZ' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        Box(c.box)->setText(c.text);
        session.prompts().messages.clear();
        EXPECT_TRUE(Click(c.button).empty()) << c.button;
        ASSERT_EQ(session.prompts().messages.size(), 1) << c.button;
        EXPECT_TRUE(session.prompts().messages[0].contains(QString::fromUtf8(c.message)))
            << qPrintable(session.prompts().messages[0]);
        EXPECT_TRUE(window.tmrStatus->isActive()) << c.button;
    }
    EXPECT_EQ(Text("edtEEPROM_15"), QStringLiteral("FFFFFF"));  // the VID refusal left it alone
}

TEST_F(IdentityTest, WritesHoldTheStatusTickOffAndRefuseAWriteStartedInsideThem)
{
    std::vector<bool> tickArmed;
    bool clickedAgain = false;
    session.clock().setPumpHook([&] {
        tickArmed.push_back(window.tmrStatus->isActive());
        if (!clickedAgain) {
            clickedAgain = true;  // a second write clicked while the first one waits
            Box("edtEEPROM_20")->setText(QStringLiteral("Other"));
            session.Click(QStringLiteral("btnEEPROM_W_20"));
        }
    });
    const quint16 lengthBefore = eeprom.word(19);
    Box("edtVID_SET")->setText(QStringLiteral("1A2B"));
    Click("btnEEPROM_W_VID");

    EXPECT_TRUE(std::none_of(tickArmed.begin(), tickArmed.end(), [](bool a) { return a; }));
    EXPECT_TRUE(window.tmrStatus->isActive());
    EXPECT_EQ(eeprom.word(16), 0x2BD4);
    EXPECT_EQ(eeprom.word(19), lengthBefore);  // "Other" was never written
    ASSERT_EQ(session.prompts().messages.size(), 1);
    EXPECT_TRUE(session.prompts().messages[0].startsWith(QStringLiteral("Another write")));
}

TEST_F(IdentityTest, UnconfirmedWriteStopsThereAndTellsTheUser)
{
    eeprom.setLocked(true);
    Box("edtEEPROM_20")->setText(QStringLiteral("ABC"));
    const Sent writes = Writes(Click("btnEEPROM_W_20"));
    EXPECT_EQ(writes, Sent(50, Write(19, 0x08F7)));
    ASSERT_EQ(session.prompts().messages.size(), 1);
    EXPECT_TRUE(
        session.prompts().messages[0].startsWith(QStringLiteral("The receiver did not confirm")));
}

TEST(IdentityUnplugTest, UnplugAtAnyExchangeOfAStringWriteEndsItWithoutAReceiver)
{
    for (int exchange = 1; exchange <= 9; ++exchange) {  // three words: set, read-back set, get
        SimSession session;
        session.Find<QLineEdit>(QStringLiteral("edtEEPROM_20"))->setText(QStringLiteral("ABC"));
        session.faults().unplugAtExchange(exchange);
        session.clock().setProcessEvents(true);
        session.Click(QStringLiteral("btnEEPROM_W_20"));
        session.DeliverEvents();

        EXPECT_EQ(session.window().Receiver(), nullptr) << exchange;
        EXPECT_EQ(session.prompts().messages.size(), 1) << exchange;
        EXPECT_LE(session.clock().nowMs(), 200) << exchange;
    }
}

}  // namespace
