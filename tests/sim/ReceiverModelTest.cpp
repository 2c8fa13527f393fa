#include "ModelProbe.h"
#include "sim/SimReceivers.h"

#include <gtest/gtest.h>

namespace {

class ReceiverModelTest : public ::testing::Test {
protected:
    std::shared_ptr<ReceiverModel> firmware = SimReceivers::defaultFirmware();
    ReceiverModel& model = *firmware;
};

TEST_F(ReceiverModelTest, EepromHoldsIdentityAndErasedHotkeys)
{
    EXPECT_EQ(ask(model, {0x03, 15}), "7A 85 00 00 00 00 00 CC");
    EXPECT_EQ(ask(model, {0x03, 16}), "3C C3 00 00 00 00 00 CC");
    EXPECT_EQ(ask(model, {0x03, 17}), "0E F1 00 00 00 00 00 CC");
    EXPECT_EQ(ask(model, {0x03, 18}), "41 BE 00 00 00 00 00 CC");
    // "2.4G RF Receiver": 16 characters, L = 34, two characters per word.
    EXPECT_EQ(ask(model, {0x03, 19}), "22 DD 00 00 00 00 00 CC");
    EXPECT_EQ(ask(model, {0x03, 20}), "32 2E 00 00 00 00 00 CC");
    EXPECT_EQ(ask(model, {0x03, 27}), "65 72 00 00 00 00 00 CC");
    for (quint8 word = 3; word <= 6; ++word)
        EXPECT_EQ(ask(model, {0x03, word}), "FF FF 00 00 00 00 00 CC") << int(word);
}

TEST_F(ReceiverModelTest, EepromWriteIsReadBackUnlessLocked)
{
    EXPECT_EQ(ask(model, {0x04, 7, 0x00, 0xFF}), kNoAnswer);
    EXPECT_EQ(ask(model, {0x03, 7}), "00 FF 00 00 00 00 00 CC");
    model.eeprom().setLocked(true);
    ask(model, {0x04, 7, 0x12, 0x34});
    EXPECT_EQ(model.eeprom().word(7), 0x00FF);
}

TEST(ReceiverEepromTest, IdentityTextOddLengthAndLimits)
{
    ReceiverEeprom eeprom;
    eeprom.storeIdentity(0x1A2B, 0x0001, QStringLiteral("ABC"));
    EXPECT_EQ(eeprom.word(19), 0x08F7);
    EXPECT_EQ(eeprom.word(20), 0x4142);
    EXPECT_EQ(eeprom.word(21), 0x4300);
    EXPECT_EQ(eeprom.word(22), 0xFFFF);  // nothing past the text

    eeprom.storeIdentity(0x1A2B, 0x0001, QString(60, QLatin1Char('x')));
    EXPECT_EQ(eeprom.word(19), ReceiverEeprom::paired(94));  // capped at 46 characters
    EXPECT_EQ(eeprom.word(42), 0x7878);
    EXPECT_EQ(eeprom.word(43), 0xFFFF);

    eeprom.storeIdentity(0, 0, QString(QChar(0x4E2D)));
    EXPECT_EQ(eeprom.word(20), quint16('?' << 8));
}

TEST_F(ReceiverModelTest, StatusReplies)
{
    EXPECT_EQ(ask(model, {0x09}), "28 21 43 00 00 00 00 CC");
    model.setBattery({4, 8, 7, 3});
    EXPECT_EQ(ask(model, {0x0A}), "84 73 00 00 00 00 00 CC");
    model.setBattery({1, 8, 0, 0});
    EXPECT_EQ(ask(model, {0x0A}), "81 00 00 00 00 00 00 CC");
    EXPECT_EQ(ask(model, {0x0B}), "00 10 00 00 00 00 00 CC");
    model.mouse().setCpi(1000);
    EXPECT_EQ(ask(model, {0x0B}), "00 0A 00 00 00 00 00 CC");
}

TEST_F(ReceiverModelTest, SpecialCommandRecords)
{
    ReceiverModel::Radio& radio = model.radio();
    radio.currentChannelIdx = 0x2A;
    radio.mouseChannelMap = 0x0F800001;
    radio.keyboardChannelMap = 0x5500F00F;
    radio.maskList = 0x80000001;
    radio.maskListTail = {1, 2, 3};
    EXPECT_EQ(ask(model, {0x14, 0xFF, 0xAA, 1}), "50 00 00 2A 05 00 1E CC");
    EXPECT_EQ(ask(model, {0x14, 0xFF, 0xAA, 2}), "01 00 80 0F 0F F0 00 CC");
    EXPECT_EQ(ask(model, {0x14, 0xFF, 0xAA, 3}), "01 00 00 80 01 02 03 CC");
    EXPECT_EQ(ask(model, {0x14, 0xFF, 0xAA, 4}), "55 33 00 00 00 00 00 CC");
    // Malformed selectors are not answered.
    EXPECT_EQ(ask(model, {0x14, 0xFF, 0xAA, 5}), kNoAnswer);
    EXPECT_EQ(ask(model, {0x14, 0xFF, 0xAB, 1}), kNoAnswer);
}

TEST_F(ReceiverModelTest, BindingStatusFollowsMouseAndCanStayUnsettled)
{
    EXPECT_EQ(ask(model, {0x14, 0xFF, 0xAA, 4}).substr(3, 2), "33");
    model.mouse().setInReach(false);
    EXPECT_EQ(ask(model, {0x14, 0xFF, 0xAA, 4}).substr(3, 2), "BB");
    model.setBindingUnsettled(2);
    EXPECT_EQ(ask(model, {0x14, 0xFF, 0xAA, 4}).substr(3, 2), "00");
    EXPECT_EQ(ask(model, {0x14, 0xFF, 0xAA, 4}).substr(3, 2), "00");
    EXPECT_EQ(ask(model, {0x14, 0xFF, 0xAA, 4}).substr(3, 2), "BB");
}

TEST_F(ReceiverModelTest, MouseSerialMovesOnlyWhileMouseSendsPackets)
{
    auto serialAt = [&](qint64 t) { return ask(model, {0x14, 0xFF, 0xAA, 1}, t).substr(3, 2); };
    // Each pair is read in time order: a reading looks at the packets up to its own time.
    auto movesBetween = [&](qint64 t1, qint64 t2) {
        const std::string first = serialAt(t1);
        return first != serialAt(t2);
    };
    EXPECT_FALSE(movesBetween(0, 100));         // idle mouse
    ask(model, {0x2B, 0xAA, 0x5A, 0x33}, 100);  // access mode makes the mouse talk
    EXPECT_TRUE(movesBetween(150, 164));
    ask(model, {0x2C, 0xAA}, 200);
    EXPECT_FALSE(movesBetween(250, 300));
    model.mouse().setMoving(true);
    EXPECT_TRUE(movesBetween(320, 334));
    model.mouse().setInReach(false);
    EXPECT_FALSE(movesBetween(400, 500));

    // The keyboard's counter is its own.
    model.setKeyboardActive(true);
    const std::string kbd1 = ask(model, {0x14, 0xFF, 0xAA, 1}, 600).substr(6, 2);
    EXPECT_NE(kbd1, ask(model, {0x14, 0xFF, 0xAA, 1}, 620).substr(6, 2));
}

TEST_F(ReceiverModelTest, CommandsWithoutReplyAreRemembered)
{
    EXPECT_EQ(ask(model, {0x17, 0x3C, 0x5A, 0x02}), kNoAnswer);
    EXPECT_EQ(model.selectedDevice(), 2);
    ask(model, {0x17, 0x3C, 0x5A, 0x07});  // not a device
    EXPECT_EQ(model.selectedDevice(), 2);

    ask(model, {0x08, 0x01});
    ask(model, {0x08, 0x06, 0xA5});
    ask(model, {0x08, 0x0A, 0x7F});
    ask(model, {0x08, 0x0C, 0x07});
    EXPECT_TRUE(model.testMode().on);
    EXPECT_EQ(model.testMode().txData, 0xA5);
    EXPECT_EQ(model.testMode().frequency, 0x7F);
    EXPECT_EQ(model.testMode().mode, 0x07);
    ask(model, {0x08, 0x02});
    EXPECT_FALSE(model.testMode().on);

    ask(model, {0x04, 3, 0x23, 0xDC});
    ask(model, {0x08, 0x0B});
    EXPECT_EQ(model.hotkeyUpdates(), 1);
    EXPECT_EQ(model.hotkeysInUse()[0], 0x23DC);

    ask(model, {0x0C});
    EXPECT_TRUE(model.receiverAccess());
    ask(model, {0x0D});
    EXPECT_FALSE(model.receiverAccess());
    ask(model, {0x15, 0xBB, 0xA5, 0x5A});
    EXPECT_TRUE(model.rssiEnabled());
    ask(model, {0x16, 0xBB, 0x3C, 0xC3});
    EXPECT_FALSE(model.rssiEnabled());
    ask(model, {0x0E, 0x55, 0xAA, 0x00});
    ask(model, {0x0E, 0x55, 0xAA, 0xCC});
    EXPECT_EQ(model.porJumps(), 1);
}

TEST_F(ReceiverModelTest, ReplyBecomesValidAfterConfiguredDelay)
{
    model.setReplyDelayMs(9);
    const quint8 request[8] = {1, 0x03, 15, 0, 0, 0, 0, 0};
    model.receive(request, 8, 100);
    EXPECT_EQ(model.reply(102)[7], 0);
    model.receive(request, 8, 104);  // the same request again does not restart the wait
    EXPECT_EQ(model.reply(106)[7], 0);
    model.receive(request, 8, 108);
    EXPECT_EQ(model.reply(109)[7], 0xCC);
    EXPECT_EQ(model.reply(109)[0], 0x7A);

    // Status replies are valid without waiting.
    EXPECT_EQ(ask(model, {0x09}, 200), "28 21 43 00 00 00 00 CC");
    EXPECT_EQ(ask(model, {0x0A}, 300).substr(21), "CC");
}

TEST_F(ReceiverModelTest, SoftBindFindsNewIdAfterConfiguredTime)
{
    model.setPairing({5000, false, 0x5C});
    ask(model, {0x08, 0x00, 0x01, 0x00, 0x28, 0x21, 0xCC}, 1000);  // bytes 5..7 carry leftovers
    EXPECT_TRUE(model.pairingInProgress());
    EXPECT_EQ(ask(model, {0x09}, 5999), "28 21 43 00 00 00 00 CC");
    EXPECT_EQ(ask(model, {0x09}, 6000), "28 5C 43 00 00 00 00 CC");
    EXPECT_FALSE(model.pairingInProgress());

    model.setPairing({0, true, 0});
    ask(model, {0x08, 0x00, 0x01}, 7000);
    EXPECT_EQ(ask(model, {0x09}, 7000), "28 5C 44 00 00 00 00 CC");
    EXPECT_EQ(model.pairingStarts(), 2);
}

TEST_F(ReceiverModelTest, SoftBindThatNeverFindsADevice)
{
    ask(model, {0x08, 0x00, 0x00}, 0);  // byte 3 = 0 does not start pairing
    EXPECT_FALSE(model.pairingInProgress());
    ask(model, {0x08, 0x00, 0x01}, 0);
    EXPECT_EQ(ask(model, {0x09}, 3600000), "28 21 43 00 00 00 00 CC");
    EXPECT_TRUE(model.pairingInProgress());
}

TEST_F(ReceiverModelTest, ShortOrEmptyReportsAreHarmless)
{
    const quint8 one[1] = {1};
    model.receive(one, 1, 0);
    EXPECT_EQ(model.reply(0)[7], 0);
    model.receive(nullptr, 0, 0);
    EXPECT_EQ(model.reply(0)[7], 0);
}

}  // namespace
