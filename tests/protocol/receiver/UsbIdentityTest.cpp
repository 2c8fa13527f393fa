#include "protocol/receiver/EepromMap.h"
#include "protocol/receiver/UsbIdentity.h"
#include "sim/SimFaults.h"
#include "support/SimRig.h"

#include <gtest/gtest.h>

namespace {

using namespace UsbIdentity;
using Sent = std::vector<QString>;

const QString k46 = QStringLiteral("123456789A123456789B123456789C123456789D123456");

TEST(UsbIdentityFieldsTest, BoxTextFitsItsFieldOrIsTooLargeOrNotHexadecimal)
{
    const struct {
        const char* text;
        quint32 max;
        Fit fit;
    } cases[] = {
        {"", 0xFF, Fit::Fits},
        {"FF", 0xFF, Fit::Fits},
        {"000000000000000000ff", 0xFF, Fit::Fits},
        {"100", 0xFF, Fit::TooLarge},
        {"FFFFFF", 0xFF, Fit::TooLarge},  // a failed read's text
        {"FFFF", 0xFFFF, Fit::Fits},
        {"10000", 0xFFFF, Fit::TooLarge},
        {"FFFFFFFFFFFF", 0xFFFF, Fit::TooLarge},  // a failed VID read's text
        {"FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", 0xFFFF, Fit::TooLarge},
        {"xyz", 0xFF, Fit::NotHex},
        {"FFFFFFFFFFFG", 0xFF, Fit::NotHex},
        {"1 2", 0xFFFF, Fit::NotHex},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitHexField(QString::fromLatin1(c.text), c.max), c.fit) << c.text;
}

TEST(UsbIdentityFieldsTest, ButtonNamesEndInTheirDecimalWordNumber)
{
    const std::pair<QString, std::optional<quint8>> cases[] = {
        {"btnEEPROM_R_15", 15},
        {"btnEEPROM_W_02", 2},
        {"btnEEPROM_R_19", 19},
        {"btnEEPROM_R_VID", std::nullopt},
        {"btnEEPROM_R_1F", std::nullopt},
        {"7", std::nullopt},
        {"", std::nullopt},
        {QString::fromUtf8("btnEEPROM_R_١٩"), std::nullopt},  // digits, but not decimal ASCII
    };
    for (const auto& [name, word] : cases)
        EXPECT_EQ(ButtonWord(name), word) << qPrintable(name);
}

TEST(StringDescriptorTest, PackingGivesTheLengthWordAndTwoCharactersPerWord)
{
    const struct {
        QString text;
        quint16 lengthWord;
        std::vector<quint16> words;
    } cases[] = {
        {"ABC", 0x08F7, {0x4142, 0x4300}},
        {"AB", 0x06F9, {0x4142}},
        {"", 0x02FD, {}},
        {QString::fromUtf8("é!"), 0x06F9, {0xE921}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PairedWord(LengthByte(int(c.text.size()))), c.lengthWord) << qPrintable(c.text);
        EXPECT_EQ(PackString(c.text), c.words) << qPrintable(c.text);
        EXPECT_EQ(UnpackString(c.words, int(c.text.size())), c.text);
    }
    EXPECT_EQ(LengthByte(46), 0x5E);
    EXPECT_EQ(PackString(k46).size(), 23u);  // words 20 to 42 exactly
}

TEST(StringDescriptorTest, LengthByteAnnouncesAtMostTheCharactersTheEepromHolds)
{
    const std::pair<int, int> cases[] = {{0x08, 3}, {0x09, 3},  {0x02, 0}, {0x01, 0},
                                         {0x00, 0}, {0x5E, 46}, {0xFF, 46}};
    for (const auto& [length, chars] : cases)
        EXPECT_EQ(CharsFromLength(length), chars) << length;
}

TEST(StringDescriptorTest, TextBeyondOneBytePerCharacterOrTooLongIsRefused)
{
    using Reason = StringRefusal::Reason;
    EXPECT_FALSE(CheckString(k46));
    EXPECT_FALSE(CheckString(QString::fromUtf8("Café ÿ")));
    const struct {
        QString text;
        Reason reason;
        char32_t character;
        int length;
    } cases[] = {
        {QString::fromUtf8("USB 接收器"), Reason::WideCharacter, 0x63A5, 0},
        {QString::fromUtf8("A\U0001F600"), Reason::WideCharacter, 0x1F600, 0},
        {k46 + "7", Reason::TooLong, 0, 47},
    };
    for (const auto& c : cases) {
        const std::optional<StringRefusal> refusal = CheckString(c.text);
        ASSERT_TRUE(refusal) << qPrintable(c.text);
        EXPECT_EQ(refusal->reason, c.reason);
        EXPECT_EQ(refusal->character, c.character);
        EXPECT_EQ(refusal->length, c.length);
    }
}

TEST(StringDescriptorOnSimTest, ReadsStopAtTheFirstFailedWordAndWritesNeverPassWordFortyTwo)
{
    SimRig rig;
    EXPECT_TRUE(WriteStringWords(rig.channel, PackString(QStringLiteral("Hello"))));
    EXPECT_EQ(ReadString(rig.channel, 5), QStringLiteral("Hello"));
    EXPECT_TRUE(
        rig.sent([&] { EXPECT_FALSE(WriteStringWords(rig.channel, std::vector<quint16>(24))); })
            .empty());
    rig.faults().nackReplies(SimFaults::kAlways);
    const Sent sent = rig.sent([&] { EXPECT_EQ(ReadString(rig.channel, 200), std::nullopt); });
    EXPECT_EQ(sent, Sent(50, "01 03 14 00 00 00 00 00"));
}

}  // namespace
