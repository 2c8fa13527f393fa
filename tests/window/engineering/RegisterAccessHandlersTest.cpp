#include "protocol/device/DeviceClock.h"
#include "sim/MouseModel.h"
#include "window/engineering/ConsoleFixture.h"

#include <QSpinBox>

#include <algorithm>

namespace {

struct Access {
    const char* button;
    const char* addressBox;
    const char* dataBox;
    const char* report;
};

const Access kReads[] = {
    {"btnC_RF_Rd_Direct_Reg", "edtRF_DirectRegAddr", "edtRF_DirectRegData",
     "01 26 AA D2 00 00 00 00"},
    {"btnC_RF_Rd_Index_Reg", "edtRF_IndexRegAddr", "edtRF_IndexRegData", "01 25 AA D2 00 00 00 00"},
    {"btnC_RF_Rd_Sensor", "edtRF_SensorAddr", "edtRF_SensorData", "01 2A AA D2 00 00 00 00"},
    {"btnC_RF_Rd_EEPROM", "edtRF_EEPROMAddr", "edtRF_EEPROMData", "01 24 AA D2 00 00 00 00"},
};

const Access kWrites[] = {
    {"btnC_RF_Wrt_Direct_Reg", "edtRF_DirectRegAddr", "edtRF_DirectRegData",
     "01 23 AA 05 7E 00 00 00"},
    {"btnC_RF_Wrt_Index_Reg", "edtRF_IndexRegAddr", "edtRF_IndexRegData",
     "01 22 AA 05 7E 00 00 00"},
    {"btnC_RF_Wrt_Sensor", "edtRF_SensorAddr", "edtRF_SensorData", "01 29 AA 05 7E 00 00 00"},
};

using RegisterAccess = ConsoleTest;
using RegisterAccessWithoutReceiver = NoReceiverConsoleTest;

TEST_F(RegisterAccess, ReadsSendTheirQueryAndShowTheReplyWithTwoDigitsAtLeast)
{
    for (const Access& read : kReads) {
        SCOPED_TRACE(read.button);
        Type(read.addressBox, "D2");
        session.faults().scriptReplies({Reply({0x3C, 0, 0, 0, 0, 0, 0, 0xCC})});
        EXPECT_EQ(SentByClick(read.button), Reports({read.report}));
        EXPECT_EQ(Text(read.dataBox), QStringLiteral("3C"));

        session.faults().scriptReplies({Reply({0x05, 0, 0, 0, 0, 0, 0, 0xCC})});
        session.Click(QString::fromLatin1(read.button));
        EXPECT_EQ(Text(read.dataBox), QStringLiteral("05"));
    }
    Type("edtRF_DirectRegAddr", "");
    EXPECT_EQ(SentByClick("btnC_RF_Rd_Direct_Reg"), Reports({"01 26 AA 00 00 00 00 00"}));
}

TEST_F(RegisterAccess, UnacknowledgedReadShowsFFFFFFFFAfterFiftyAttempts)
{
    session.faults().nackReplies(SimFaults::kAlways);
    const auto sent = SentByClick("btnC_RF_Rd_Sensor");
    EXPECT_EQ(sent.size(), 50u);
    EXPECT_EQ(Text("edtRF_SensorData"), QStringLiteral("FFFFFFFF"));
    EXPECT_EQ(Messages(), 0);
}

TEST_F(RegisterAccess, WritesSendAddressAndDataWithoutReadingBack)
{
    for (const Access& write : kWrites) {
        SCOPED_TRACE(write.button);
        Type(write.addressBox, "05");
        Type(write.dataBox, "7E");
        const qint64 mark = session.log().mark();
        session.Click(QString::fromLatin1(write.button));
        EXPECT_EQ(session.SentSince(mark), Reports({write.report}));
        EXPECT_TRUE(session.log().getsSince(mark).empty());
    }
    Type("edtRF_IndexRegData", "00");
    EXPECT_EQ(SentByClick("btnC_RF_Wrt_Index_Reg"), Reports({"01 22 AA 05 00 00 00 00"}));
    // Only the low byte of a box travels.
    Type("edtRF_DirectRegAddr", "1D2");
    Type("edtRF_DirectRegData", "3FF");
    EXPECT_EQ(SentByClick("btnC_RF_Wrt_Direct_Reg"), Reports({"01 23 AA D2 FF 00 00 00"}));
}

TEST_F(RegisterAccess, FixedCommandsSendTheirExactReports)
{
    session.Find<QSpinBox>(QStringLiteral("edtC_RF_SETUP_CPI"))->setValue(3);
    EXPECT_EQ(SentByClick("btnC_RF_SETUP_CPI"), Reports({"01 2F AA 03 CC 00 00 00"}));
    EXPECT_EQ(SentByClick("rbC_RF_ENTER_ACCESS_W_LED"), Reports({"01 2B AA 5A CC 00 00 00"}));
    EXPECT_EQ(SentByClick("rbC_RF_ENTER_ACCESS_WO_LED"), Reports({"01 2B AA 5A 33 00 00 00"}));
    EXPECT_EQ(SentByClick("rbC_RF_LEAVE_ACCESS"), Reports({"01 2C AA 00 00 00 00 00"}));

    TForm1& f = form();
    EXPECT_EQ(
        Sent([&] {
            f.btnC_ENTER_ACCESSClick(nullptr);
            f.btnC_LEAVE_ACCESSClick(nullptr);
            f.btnC_JUMP_TO_PORClick(nullptr);
            f.btnC_Enable_RSSIClick(nullptr);
            f.btnC_Disable_RSSIClick(nullptr);
        }),
        Reports({"01 0C 00 00 00 00 00 00", "01 0D 00 00 00 00 00 00", "01 0E 55 AA CC 00 00 00",
                 "01 15 BB A5 5A 00 00 00", "01 16 BB 3C C3 00 00 00"}));
}

TEST_F(RegisterAccess, NonHexadecimalBoxStopsBeforeAnythingIsSent)
{
    Type("edtRF_EEPROMAddr", "G1");
    Type("edtRF_EEPROMData", "42");
    EXPECT_TRUE(SentByClick("btnC_RF_Rd_EEPROM").empty());
    EXPECT_TRUE(SentByClick("btnC_RF_Wrt_EEPROM").empty());
    EXPECT_EQ(Text("edtRF_EEPROMData"), QStringLiteral("42"));

    Type("edtRF_SensorAddr", "10");
    Type("edtRF_SensorData", "1 ");
    EXPECT_TRUE(SentByClick("btnC_RF_Wrt_Sensor").empty());

    EXPECT_EQ(session.prompts().messages,
              QStringList({QStringLiteral("'$0G1' is not a valid integer value"),
                           QStringLiteral("'$0G1' is not a valid integer value"),
                           QStringLiteral("'$01 ' is not a valid integer value")}));
}

TEST_F(RegisterAccess, EepromWriteStopsAtTheFirstMatchingReadBack)
{
    Type("edtRF_EEPROMAddr", "10");
    Type("edtRF_EEPROMData", "12");
    int result = -2;
    const auto sent =
        Sent([&] { result = form().btnC_RF_Wrt_EEPROMClick(Control("btnC_RF_Wrt_EEPROM")); });
    EXPECT_EQ(sent, Reports({"01 21 AA 10 12 00 00 00", "01 24 AA 10 00 00 00 00"}));
    EXPECT_EQ(result, 0x12);
    EXPECT_EQ(Text("edtRF_EEPROMData"), QStringLiteral("12"));
    EXPECT_EQ(session.firmware().mouse().eeprom(0x10), 0x12);
}

TEST_F(RegisterAccess, EepromWriteGivesUpAfterFiftyWritesShowingTheLastReadBack)
{
    MouseModel& mouse = session.firmware().mouse();
    mouse.setEeprom(0x10, 0x11);
    mouse.setEepromLocked(true);
    Type("edtRF_EEPROMAddr", "10");
    Type("edtRF_EEPROMData", "12");
    session.clock().clearRecord();

    int result = -2;
    const auto sent =
        Sent([&] { result = form().btnC_RF_Wrt_EEPROMClick(Control("btnC_RF_Wrt_EEPROM")); });

    const auto writes =
        std::count(sent.begin(), sent.end(), QStringLiteral("01 21 AA 10 12 00 00 00"));
    const auto reads =
        std::count(sent.begin(), sent.end(), QStringLiteral("01 24 AA 10 00 00 00 00"));
    EXPECT_EQ(writes, 50);
    EXPECT_EQ(reads, 50);
    EXPECT_EQ(sent.size(), 100u);
    const auto& sleeps = session.clock().sleeps();
    EXPECT_EQ(std::count(sleeps.begin(), sleeps.end(), 8), 50);
    EXPECT_EQ(result, 0x11);
    EXPECT_EQ(Text("edtRF_EEPROMData"), QStringLiteral("11"));
}

TEST_F(RegisterAccess, EepromWriteWithoutReadBackEndsShowingFFFFFFFF)
{
    session.firmware().mouse().setInReach(false);
    Type("edtRF_EEPROMAddr", "10");
    Type("edtRF_EEPROMData", "12");
    int result = 0;
    const auto sent =
        Sent([&] { result = form().btnC_RF_Wrt_EEPROMClick(Control("btnC_RF_Wrt_EEPROM")); });
    EXPECT_EQ(std::count(sent.begin(), sent.end(), QStringLiteral("01 21 AA 10 12 00 00 00")), 50);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(Text("edtRF_EEPROMData"), QStringLiteral("FFFFFFFF"));
}

TEST_F(RegisterAccessWithoutReceiver, ReadsShowFFFFFFFF)
{
    for (const Access& read : kReads) {
        session.Click(QString::fromLatin1(read.button));
        EXPECT_EQ(Text(read.dataBox), QStringLiteral("FFFFFFFF")) << read.button;
    }
    EXPECT_EQ(Messages(), 0);
}

}  // namespace
