#include "window/controls/HexEdit.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include <climits>

namespace {

void Type(QWidget* w, int key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QCoreApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QCoreApplication::sendEvent(w, &release);
}

std::string ConversionMessage(const QString& text)
{
    try {
        HexTextToInt(text);
    } catch (const HexConversionError& e) {
        return e.message().toStdString();
    }
    return "no error";
}

}  // namespace

TEST(HexEdit, ReadsTextAsSigned32BitHexadecimal)
{
    EXPECT_EQ(HexTextToInt(""), 0);
    EXPECT_EQ(HexTextToInt("ff"), 255);
    EXPECT_EQ(HexTextToInt("Ab"), 0xAB);
    EXPECT_EQ(HexTextToInt("7FFFFFFF"), INT_MAX);
    EXPECT_EQ(HexTextToInt("FFFFFFFF"), -1);
    EXPECT_EQ(HexTextToInt("80000000"), INT_MIN);
    EXPECT_EQ(HexTextToInt("0000000012"), 0x12) << "leading zeros are not significant";
}

TEST(HexEdit, RejectsEverythingElseWithTheConversionMessage)
{
    EXPECT_EQ(ConversionMessage("1G"), "'$01G' is not a valid integer value");
    EXPECT_EQ(ConversionMessage(" 1"), "'$0 1' is not a valid integer value");
    EXPECT_EQ(ConversionMessage("1 "), "'$01 ' is not a valid integer value");
    EXPECT_EQ(ConversionMessage("-1"), "'$0-1' is not a valid integer value");
    EXPECT_EQ(ConversionMessage("$10"), "'$0$10' is not a valid integer value");
    EXPECT_EQ(ConversionMessage("123456789"), "'$0123456789' is not a valid integer value");
    // A pasted NUL character does not cut the message short.
    const std::string withNul = std::string("'$01") + '\0' + "x' is not a valid integer value";
    EXPECT_EQ(ConversionMessage(QString::fromUtf8("1\0x", 3)), withNul);

    THexEdit edit;
    edit.setText(QStringLiteral("x"));
    EXPECT_THROW(edit.Value(), HexConversionError);
}

TEST(HexEdit, WritesTheShortestUpperCaseForm)
{
    THexEdit edit;
    const std::pair<int, const char*> cases[] = {
        {0, ""},    {-5, ""},    {10, "A"},      {15, "F"},
        {16, "10"}, {255, "FF"}, {4096, "1000"}, {INT_MAX, "7FFFFFFF"},
    };
    for (const auto& [value, text] : cases) {
        edit.setValue(value);
        EXPECT_EQ(edit.text(), text) << value;
    }
    edit.setValue(0xBEEF);
    EXPECT_EQ(edit.Value(), 0xBEEF);
}

TEST(HexEdit, FilterLetsOnlyHexDigitsAndBackspaceThrough)
{
    THexEdit edit;
    ASSERT_TRUE(edit.IsFilter());
    Type(&edit, Qt::Key_G, "g");
    Type(&edit, Qt::Key_X, "x");
    Type(&edit, Qt::Key_Space, " ");
    EXPECT_EQ(edit.text(), "");
    Type(&edit, Qt::Key_F, "F");
    Type(&edit, Qt::Key_A, "a");
    Type(&edit, Qt::Key_1, "1");
    EXPECT_EQ(edit.text(), "Fa1");
    Type(&edit, Qt::Key_Backspace, "\b");
    EXPECT_EQ(edit.text(), "Fa");

    // Editing keys and shortcuts still work.
    Type(&edit, Qt::Key_Home, "");
    Type(&edit, Qt::Key_0, "0");
    EXPECT_EQ(edit.text(), "0Fa");
    Type(&edit, Qt::Key_A, "\x01", Qt::ControlModifier);
    EXPECT_EQ(edit.selectedText(), "0Fa");

    edit.setIsFilter(false);
    Type(&edit, Qt::Key_End, "");
    Type(&edit, Qt::Key_X, "x");
    EXPECT_EQ(edit.text(), "0Fax");
}

TEST(HexEdit, UpperCaseConvertsTypedCharacters)
{
    THexEdit edit;
    edit.setIsFilter(false);
    edit.setUpperCase(true);
    Type(&edit, Qt::Key_A, "a");
    Type(&edit, Qt::Key_Z, "z");
    EXPECT_EQ(edit.text(), "AZ");
}

TEST(HexEdit, AlignmentMapsToTheLineEdit)
{
    TKARVEdit edit;
    EXPECT_EQ(edit.Alignment(), taLeftJustify);
    edit.setAlignment(taRightJustify);
    EXPECT_TRUE(edit.alignment() & Qt::AlignRight);
    EXPECT_EQ(edit.Alignment(), taRightJustify);
    edit.setAlignment(taCenter);
    EXPECT_EQ(edit.Alignment(), taCenter);
    edit.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(edit.Alignment(), taLeftJustify);
}
