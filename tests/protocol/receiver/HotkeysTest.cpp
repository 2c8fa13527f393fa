#include "protocol/receiver/CustomKeys.h"
#include "protocol/receiver/EepromMap.h"
#include "protocol/receiver/SettingsTable.h"
#include "sim/ReceiverModel.h"
#include "sim/SimFaults.h"
#include "support/SimRig.h"

#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Sent = std::vector<QString>;

TEST(CustomKeyListTest, TwentyFourDistinctFunctionsWithTheDefaultsAmongThem)
{
    const SettingRow& hotkey1 = *FindSetting("hotkey1");
    const SettingRow& hotkey2 = *FindSetting("hotkey2");
    QSet<QString> captions;
    QSet<quint16> codes;
    for (const SettingChoice& key : hotkey1.choices) {
        captions.insert(QString::fromLatin1(key.value));
        codes.insert(key.code);
    }
    EXPECT_EQ(captions.size(), 24);
    EXPECT_EQ(codes.size(), 24);
    const std::tuple<int, const char*, quint16> spots[] = {
        {0, "[DISABLE]", 0x0000}, {7, "WWW HOME", 0x0223},    {8, "MAIL", 0x018A},
        {11, "VOLUME +", 0x00E9}, {18, "CALCULATOR", 0x0192}, {23, "Guide", 0x008D},
    };
    for (const auto& [index, caption, code] : spots) {
        EXPECT_STREQ(hotkey1.choices[size_t(index)].value, caption) << index;
        EXPECT_EQ(hotkey1.choices[size_t(index)].code, code) << index;
    }
    EXPECT_STREQ(hotkey1.choices[size_t(hotkey1.invalid)].value, "WWW HOME");
    EXPECT_STREQ(hotkey2.choices[size_t(hotkey2.invalid)].value, "MAIL");
    EXPECT_EQ(hotkey2.choices.data(), hotkey1.choices.data());  // one list, twice
}

TEST(PairedWordTest, DataByteHighComplementLowAndOnlyValidPairsRead)
{
    const std::pair<quint8, quint16> written[] = {
        {0x00, 0x00FF}, {0x23, 0x23DC}, {0x02, 0x02FD}, {0xE9, 0xE916}, {0xFF, 0xFF00}};
    for (const auto& [byte, word] : written) {
        EXPECT_EQ(PairedWord(byte), word) << int(byte);
        EXPECT_EQ(PairedByte(word), std::optional<quint8>(byte)) << int(byte);
    }
    // Erased, zero, a failed read, out of range, one bit off.
    for (const int word : {0xFFFF, 0x0000, -1, 0x100FF, 0x23DD})
        EXPECT_EQ(PairedByte(word), std::nullopt) << word;
}

class HotkeysTest : public ::testing::Test {
protected:
    SimRig rig;
    QStringList lines;

    std::optional<quint16> Read(int hotkey)
    {
        return Hotkeys::Read(rig.channel, FirstWord(hotkey),
                             [this](const QString& line) { lines << line; });
    }
    static quint8 FirstWord(int hotkey)
    {
        return FindSetting(hotkey == 0 ? "hotkey1" : "hotkey2")->address;
    }
};

TEST_F(HotkeysTest, StoreWritesLowByteWordThenHighByteWordThenTakesThemIntoUse)
{
    struct Case {
        int hotkey;
        quint16 code;
        Sent sent;
    };
    const Case cases[] = {
        {0,
         0x0000,
         {"01 04 03 00 FF 00 00 00", "01 03 03 00 00 00 00 00", "01 04 04 00 FF 00 00 00",
          "01 03 04 00 00 00 00 00", "01 08 0B 00 00 00 00 00"}},
        {1,
         0x00E9,
         {"01 04 05 E9 16 00 00 00", "01 03 05 00 00 00 00 00", "01 04 06 00 FF 00 00 00",
          "01 03 06 00 00 00 00 00", "01 08 0B 00 00 00 00 00"}},
    };
    for (const Case& c : cases) {
        bool stored = false;
        EXPECT_EQ(
            rig.sent([&] { stored = Hotkeys::Store(rig.channel, FirstWord(c.hotkey), c.code); }),
            c.sent);
        EXPECT_TRUE(stored);
        EXPECT_EQ(Read(c.hotkey), std::optional<quint16>(c.code));
    }
    EXPECT_EQ(rig.firmware->hotkeysInUse(),
              (std::array<quint16, 4>{0x00FF, 0x00FF, 0xE916, 0x00FF}));
}

TEST_F(HotkeysTest, UnconfirmedWordEndsTheStoreWithoutTheUpdateCommand)
{
    rig.firmware->eeprom().setLocked(true);
    bool stored = true;
    const Sent sent = rig.sent([&] { stored = Hotkeys::Store(rig.channel, FirstWord(0), 0x0223); });
    EXPECT_FALSE(stored);
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "01 04 03 23 DC 00 00 00"), 50);
    EXPECT_EQ(sent.size(), 100u);  // word 3 and its read-backs only: no word 4, no update
    EXPECT_EQ(rig.firmware->hotkeyUpdates(), 0);
}

TEST_F(HotkeysTest, ReadGivesTheCodeOfTwoValidPairsAndSkipsTheHighWordAfterAnInvalidLow)
{
    struct Case {
        int hotkey;
        int lowWord, highWord;  // -1: the read fails
        std::optional<quint16> code;
        QStringList lines;
    };
    const Case cases[] = {
        {0, 0x23DC, 0x02FD, 0x0223, {"EE3 High 23 Low DC", "EE4 High 02 Low FD"}},
        {1, 0x8A75, 0x01FE, 0x018A, {"EE5 High 8A Low 75", "EE6 High 01 Low FE"}},
        {0, 0x00FF, 0x01FE, 0x0100, {"EE3 High 00 Low FF", "EE4 High 01 Low FE"}},  // not listed
        {1, 0xFFFF, 0x01FE, std::nullopt, {"EE5 High FF Low FF"}},  // erased: word 6 unread
        {0, 0x23DC, 0xFFFF, std::nullopt, {"EE3 High 23 Low DC", "EE4 High FF Low FF"}},
        {0, -1, 0x02FD, std::nullopt, {"EE3 High 00 Low FFFFFFFF"}},
    };
    for (const Case& c : cases) {
        const quint8 first = FirstWord(c.hotkey);
        rig.firmware->eeprom().setWord(first, quint16(c.lowWord));
        rig.firmware->eeprom().setWord(quint8(first + 1), quint16(c.highWord));
        if (c.lowWord < 0)
            rig.faults().nackReplies(SimFaults::kAlways);
        lines.clear();
        EXPECT_EQ(Read(c.hotkey), c.code) << c.lowWord;
        EXPECT_EQ(lines, c.lines);
        rig.faults().clear();
    }
}

}  // namespace
