#pragma once

#include "controls/TColor.h"

#include <QLineEdit>

#include <stdexcept>

// The conversion error of a value box whose text is not a hexadecimal number. Its message is
// "'%s' is not a valid integer value" with the "$0"-prefixed text.
class HexConversionError : public std::runtime_error {
public:
    explicit HexConversionError(const QString& convertedText);
    QString message() const { return QString::fromUtf8(what()); }
};

// A line edit with a settable text alignment.
class TKARVEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TKARVEdit(QWidget* parent = nullptr);
    TAlignment Alignment() const { return alignment_; }
    void setAlignment(TAlignment alignment);

private:
    TAlignment alignment_ = taLeftJustify;
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
    void setIsFilter(bool on) { isFilter_ = on; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool isFilter_ = true;
};
