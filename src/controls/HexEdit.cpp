#include "controls/HexEdit.h"

#include <QKeyEvent>

HexConversionError::HexConversionError(const QString& convertedText)
    : std::runtime_error(QStringLiteral("'%1' is not a valid integer value")
                             .arg(convertedText)
                             .toStdString())
{
}

TKARVEdit::TKARVEdit(QWidget* parent) : QLineEdit(parent) {}

void TKARVEdit::setAlignment(TAlignment alignment)
{
    alignment_ = alignment;
}

THexEdit::THexEdit(QWidget* parent) : TKARVEdit(parent) {}

int THexEdit::Value() const
{
    // Stub until the value box is implemented.
    bool ok = false;
    const int v = text().isEmpty() ? 0 : text().toInt(&ok, 16);
    if (!text().isEmpty() && !ok)
        throw HexConversionError(QStringLiteral("$0") + text());
    return v;
}

void THexEdit::setValue(int value)
{
    setText(value <= 0 ? QString() : QString::number(value, 16).toUpper());
}

void THexEdit::keyPressEvent(QKeyEvent* event)
{
    TKARVEdit::keyPressEvent(event);
}
