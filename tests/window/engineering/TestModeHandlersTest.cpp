#include "window/engineering/ConsoleFixture.h"

#include <QToolButton>

namespace {

using TestModes = ConsoleTest;
using TestModesWithoutReceiver = NoReceiverConsoleTest;

QStringList PressedButtons(const SimSession& session)
{
    QStringList pressed;
    for (int n = 1; n <= 12; ++n) {
        auto* button = session.Find<QToolButton>(QStringLiteral("btnTestMode%1").arg(n));
        if (button && button->isChecked())
            pressed << button->text();
    }
    return pressed;
}

TEST_F(TestModes, RadioButtonsSendTheStateShown)
{
    EXPECT_EQ(SentByClick("rbTestOn"), Reports({"01 08 01 00 00 00 00 00"}));
    EXPECT_TRUE(session.firmware().testMode().on);
    EXPECT_EQ(SentByClick("rbTestOff"), Reports({"01 08 02 00 00 00 00 00"}));
    EXPECT_FALSE(session.firmware().testMode().on);
}

TEST_F(TestModes, TxDataSendsTheLowByteOfTheBox)
{
    Type("edtTXdata", "A5");
    EXPECT_EQ(SentByClick("btnC_Combo_Cmd_Set_Test_Mode_Tx_Data"),
              Reports({"01 08 06 A5 00 00 00 00"}));
    Type("edtTXdata", "FFFF");
    EXPECT_EQ(SentByClick("btnC_Combo_Cmd_Set_Test_Mode_Tx_Data"),
              Reports({"01 08 06 FF 00 00 00 00"}));
    Type("edtTXdata", "");
    EXPECT_EQ(SentByClick("btnC_Combo_Cmd_Set_Test_Mode_Tx_Data"),
              Reports({"01 08 06 00 00 00 00 00"}));

    Type("edtTXdata", "XY");
    EXPECT_TRUE(SentByClick("btnC_Combo_Cmd_Set_Test_Mode_Tx_Data").empty());
    EXPECT_EQ(session.prompts().messages,
              QStringList{QStringLiteral("'$0XY' is not a valid integer value")});
}

TEST_F(TestModes, FrequencyIsSentOnlyInItsRange)
{
    Type("edtTestFreq", "127");
    EXPECT_EQ(SentByClick("btnC_Combo_Cmd_Test_Freq_Mode"), Reports({"01 08 0A 7F 00 00 00 00"}));
    Type("edtTestFreq", "1");
    EXPECT_EQ(SentByClick("btnC_Combo_Cmd_Test_Freq_Mode"), Reports({"01 08 0A 01 00 00 00 00"}));
    EXPECT_EQ(Messages(), 0);

    for (const char* text : {"0", "128", ""}) {
        Type("edtTestFreq", text);
        EXPECT_TRUE(SentByClick("btnC_Combo_Cmd_Test_Freq_Mode").empty()) << text;
    }
    EXPECT_EQ(session.prompts().messages,
              QStringList(3, QStringLiteral("Test Frequency should be 1~127")));
}

TEST_F(TestModes, ModeOutOfRangeShowsItsMessageAndSendsNothing)
{
    for (const char* text : {"0", "13"}) {
        Type("edtTestMode", text);
        EXPECT_TRUE(Sent([&] {
                        form().btnC_Combo_Cmd_Set_Test_ModeClick(
                            Control("btnC_Combo_Cmd_Set_Test_Mode"));
                    }).empty())
            << text;
    }
    EXPECT_EQ(session.prompts().messages,
              QStringList(2, QStringLiteral("Test Mode should be 1~12")));
}

TEST_F(TestModes, ToolBarButtonSendsItsModeAndStaysTheOnlyOneDown)
{
    EXPECT_EQ(SentByClick("btnTestMode7"), Reports({"01 08 0C 07 00 00 00 00"}));
    EXPECT_EQ(PressedButtons(session), QStringList{QStringLiteral("7")});
    EXPECT_EQ(Text("edtTestMode"), QStringLiteral("7"));

    EXPECT_EQ(SentByClick("btnTestMode12"), Reports({"01 08 0C 0C 00 00 00 00"}));
    EXPECT_EQ(PressedButtons(session), QStringList{QStringLiteral("12")});

    // A click on the button already down leaves it down.
    EXPECT_EQ(SentByClick("btnTestMode12"), Reports({"01 08 0C 0C 00 00 00 00"}));
    EXPECT_EQ(PressedButtons(session), QStringList{QStringLiteral("12")});
    EXPECT_EQ(session.firmware().testMode().mode, 12);
}

TEST_F(TestModesWithoutReceiver, ToolBarStillShowsTheModeButSendsNothing)
{
    form().btnTestMode1Click(Control("btnTestMode3"));
    EXPECT_EQ(PressedButtons(session), QStringList{QStringLiteral("3")});
    EXPECT_EQ(Text("edtTestMode"), QStringLiteral("3"));
    Type("edtTestFreq", "500");
    form().btnC_Combo_Cmd_Test_Freq_ModeClick(nullptr);
    EXPECT_EQ(Messages(), 0);
    EXPECT_TRUE(session.log().entries().empty());
}

}  // namespace
