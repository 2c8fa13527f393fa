#include "window/controls/HexEdit.h"

#include "protocol/device/HexDigit.h"

#include <QKeyEvent>

namespace {

bool IsHexText(const QString& text)
{
    for (const QChar c : text)
        if (HexDigitValue(c) < 0)
            return false;
    return true;
}

// A key that enters a printable character (not a shortcut, not a control key).
bool TypesCharacter(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const QString text = event.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

}  // namespace

namespace {

QString ConversionMessage(const QString& convertedText)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(convertedText);
}

}  // namespace

HexConversionError::HexConversionError(const QString& convertedText)
    : std::runtime_error(ConversionMessage(convertedText).toStdString()),
      message_(ConversionMessage(convertedText))
{}

int HexTextToInt(const QString& text)
{
    quint32 value = 0;
    int significant = 0;
    for (const QChar c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0 || significant == 8)
            throw HexConversionError(QStringLiteral("$0") + text);
        value = value * 16 + quint32(digit);
        if (value != 0)
            ++significant;
    }
    return int(value);  // eight digits wrap to negative values, as a 32-bit integer
}

QString IntToHexText(int value)
{
    return value <= 0 ? QString() : QString::number(value, 16).toUpper();
}

TKARVEdit::TKARVEdit(QWidget* parent) : QLineEdit(parent) {}

TAlignment TKARVEdit::Alignment() const
{
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignRight)
        return taRightJustify;
    if (horizontal & Qt::AlignHCenter)
        return taCenter;
    return taLeftJustify;
}

void TKARVEdit::setAlignment(TAlignment alignment)
{
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment == taRightJustify)
        horizontal = Qt::AlignRight;
    else if (alignment == taCenter)
        horizontal = Qt::AlignHCenter;
    QLineEdit::setAlignment(horizontal | (QLineEdit::alignment() & Qt::AlignVertical_Mask));
}

void TKARVEdit::keyPressEvent(QKeyEvent* event)
{
    if (!upperCase_ || !TypesCharacter(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent upper(event->type(), event->key(), event->modifiers(), event->text().toUpper(),
                    event->isAutoRepeat(), ushort(event->count()));
    QLineEdit::keyPressEvent(&upper);
    event->setAccepted(upper.isAccepted());
}

THexEdit::THexEdit(QWidget* parent) : TKARVEdit(parent) {}

int THexEdit::Value() const
{
    return HexTextToInt(text());
}

void THexEdit::setValue(int value)
{
    setText(IntToHexText(value));
}

void THexEdit::keyPressEvent(QKeyEvent* event)
{
    if (isFilter_ && TypesCharacter(*event) && !IsHexText(event->text())) {
        event->accept();  // discarded, as if never typed
        return;
    }
    TKARVEdit::keyPressEvent(event);
}
