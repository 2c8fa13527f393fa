#include "ModelProbe.h"
#include "sim/SimReceivers.h"

#include <gtest/gtest.h>

namespace {

class MouseModelTest : public ::testing::Test {
protected:
    std::shared_ptr<ReceiverModel> firmware = SimReceivers::defaultFirmware();
    ReceiverModel& model = *firmware;

    void writeOption(quint8 code) { ask(model, {0x23, 0xAA, 0xFF, code}); }
    std::string rfEeprom(quint8 address) { return ask(model, {0x24, 0xAA, address}); }
    std::string pairAt(quint8 address)
    {
        return rfEeprom(address).substr(0, 2) + " " + rfEeprom(quint8(address + 1)).substr(0, 2);
    }
};

TEST_F(MouseModelTest, OptionCodesStoreTheComplementPairsTheDecodersExpect)
{
    const struct {
        quint8 code;
        quint8 address;
        const char* pair;
    } cases[] = {
        {0x15, 0x12, "00 FF"}, {0x1A, 0x12, "CC 33"}, {0x25, 0x14, "55 AA"}, {0x2A, 0x14, "AA 55"},
        {0x45, 0x16, "00 FF"}, {0x4A, 0x16, "C5 3A"}, {0x4F, 0x16, "CA 35"}, {0x67, 0x1A, "E0 1F"},
        {0x65, 0x1A, "A0 5F"}, {0x61, 0x1A, "20 DF"}, {0x60, 0x1A, "00 FF"}, {0x6F, 0x1A, "E0 1F"},
    };
    for (const auto& c : cases) {
        writeOption(c.code);
        EXPECT_EQ(pairAt(c.address), c.pair) << std::hex << int(c.code);
    }
    EXPECT_EQ(rfEeprom(0x12), "CC 00 00 00 00 00 00 CC");
    EXPECT_EQ(model.mouse().directRegister(0xFF), 0x6F);
}

TEST_F(MouseModelTest, AutoConnectCodesChangeStateOnly)
{
    writeOption(0x5A);
    EXPECT_TRUE(model.mouse().powerOnAutoConnect());
    writeOption(0x55);
    EXPECT_FALSE(model.mouse().powerOnAutoConnect());
    for (int address = 0; address < 256; ++address)
        ASSERT_EQ(model.mouse().eeprom(quint8(address)), 0xFF) << address;
}

TEST_F(MouseModelTest, CpiSetupSetsBitZeroAndTheCpiReply)
{
    model.mouse().setEeprom(0x10, 0xF2);
    ask(model, {0x2F, 0xAA, 0x01, 0xCC});
    EXPECT_EQ(rfEeprom(0x10).substr(0, 2), "F3");
    EXPECT_EQ(ask(model, {0x0B}), "00 10 00 00 00 00 00 CC");
    ask(model, {0x2F, 0xAA, 0x00, 0xCC});
    EXPECT_EQ(rfEeprom(0x10).substr(0, 2), "F2");
    EXPECT_EQ(ask(model, {0x0B}), "00 08 00 00 00 00 00 CC");
    ask(model, {0x2F, 0xAA, 0x01, 0x00});  // without the 0xCC confirmation
    ask(model, {0x2F, 0xAA, 0x04, 0xCC});  // no such setting
    EXPECT_EQ(ask(model, {0x0B}), "00 08 00 00 00 00 00 CC");
}

TEST_F(MouseModelTest, RegistersAndEepromReadBackWhatWasWritten)
{
    ask(model, {0x21, 0xAA, 0x30, 0x11});
    ask(model, {0x22, 0xAA, 0x05, 0x00});
    ask(model, {0x23, 0xAA, 0xD2, 0x3C});
    ask(model, {0x29, 0xAA, 0x07, 0x42});
    EXPECT_EQ(ask(model, {0x24, 0xAA, 0x30}), "11 00 00 00 00 00 00 CC");
    EXPECT_EQ(ask(model, {0x25, 0xAA, 0x05}), "00 00 00 00 00 00 00 CC");
    EXPECT_EQ(ask(model, {0x26, 0xAA, 0xD2}), "3C 00 00 00 00 00 00 CC");
    EXPECT_EQ(ask(model, {0x2A, 0xAA, 0x07}), "42 00 00 00 00 00 00 CC");
    EXPECT_EQ(ask(model, {0x2A, 0xAA, 0x00}), "30 00 00 00 00 00 00 CC");
    // Without the RF marker nothing reaches the mouse.
    EXPECT_EQ(ask(model, {0x24, 0xAB, 0x30}), kNoAnswer);
    ask(model, {0x21, 0x00, 0x30, 0x22});
    EXPECT_EQ(model.mouse().eeprom(0x30), 0x11);
}

TEST_F(MouseModelTest, AccessModeEnterAndLeave)
{
    using Access = MouseModel::Access;
    ask(model, {0x2B, 0xAA, 0x5A, 0xCC});
    EXPECT_EQ(model.mouse().access(), Access::WithLed);
    ask(model, {0x2B, 0xAA, 0x5A, 0x33});
    EXPECT_EQ(model.mouse().access(), Access::WithoutLed);
    ask(model, {0x2C, 0xAA});
    EXPECT_EQ(model.mouse().access(), Access::Off);
    ask(model, {0x2B, 0xAA, 0x00, 0x33});
    EXPECT_EQ(model.mouse().access(), Access::Off);

    model.mouse().setAccessRequired(true);
    writeOption(0x2A);
    EXPECT_EQ(rfEeprom(0x14), kNoAnswer);
    ask(model, {0x2B, 0xAA, 0x5A, 0x33});
    EXPECT_EQ(pairAt(0x14), "FF FF");
    writeOption(0x2A);
    EXPECT_EQ(pairAt(0x14), "AA 55");
}

TEST_F(MouseModelTest, MouseOutOfReachIgnoresCommandsAndDoesNotAnswer)
{
    model.mouse().setInReach(false);
    writeOption(0x2A);
    ask(model, {0x2B, 0xAA, 0x5A, 0x33});
    for (quint8 query : {0x24, 0x25, 0x26, 0x2A})
        EXPECT_EQ(ask(model, {query, 0xAA, 0x14}), kNoAnswer) << int(query);
    model.mouse().setInReach(true);
    EXPECT_EQ(pairAt(0x14), "FF FF");
    EXPECT_EQ(model.mouse().access(), MouseModel::Access::Off);
}

TEST_F(MouseModelTest, LockedEepromNeverTakesAChange)
{
    model.mouse().setEepromLocked(true);
    writeOption(0x2A);
    ask(model, {0x21, 0xAA, 0x10, 0x12});
    ask(model, {0x2F, 0xAA, 0x00, 0xCC});
    EXPECT_EQ(pairAt(0x14), "FF FF");
    EXPECT_EQ(rfEeprom(0x10).substr(0, 2), "FF");
    EXPECT_EQ(ask(model, {0x0B}), "00 10 00 00 00 00 00 CC");
}

}  // namespace
