#pragma once

#include "window/controls/TColor.h"

#include <QLineEdit>

#include <stdexcept>

// The conversion error of a value box whose text is not a hexadecimal number. Its message is
// "'%s' is not a valid integer value" with the "$0"-prefixed text.
class HexConversionError : public std::runtime_error {
public:
    explicit HexConversionError(const QString& convertedText);
    // The whole message; what() ends at a NUL character the text may hold.
    QString message() const { return message_; }

private:
    QString message_;
};

// "$0" + text read as a signed 32-bit hexadecimal number: case-insensitive digits only, at
// most 8 significant ones ("FFFFFFFF" is -1); empty text is 0. Throws HexConversionError.
int HexTextToInt(const QString& text);
// The shortest upper-case hexadecimal form of value; empty for 0 and negative values.
QString IntToHexText(int value);

// A line edit with a settable text alignment and optional upper-case conversion of typed
// characters.
class TKARVEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TKARVEdit(QWidget* parent = nullptr);

    TAlignment Alignment() const;
    using QLineEdit::setAlignment;
    void setAlignment(TAlignment alignment);

    bool UpperCase() const { return upperCase_; }
    // Typed characters are entered in upper case.
    void setUpperCase(bool on) { upperCase_ = on; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool upperCase_ = false;
};

// A value box: its text is a hexadecimal number.
class THexEdit : public TKARVEdit {
    Q_OBJECT
public:
    explicit THexEdit(QWidget* parent = nullptr);

    // Throws HexConversionError when the text is not hexadecimal. Empty text reads as 0.
    int Value() const;
    // 0 or less shows an empty box; other values the shortest upper-case hexadecimal.
    void setValue(int value);

    bool IsFilter() const { return isFilter_; }
    // While on, typed characters other than hexadecimal digits are discarded.
    void setIsFilter(bool on) { isFilter_ = on; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool isFilter_ = true;
};
