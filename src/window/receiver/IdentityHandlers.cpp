// EEPROM words and the receiver's USB identity: VID, PID and string descriptor. Every byte
// passes through the value box of its word on the EEPROM page.
#include "window/receiver/IdentityHandlers.h"

#include "protocol/device/CommandChannel.h"
#include "protocol/device/ReentryGuard.h"
#include "protocol/receiver/EepromMap.h"
#include "protocol/receiver/StatusTickHold.h"
#include "protocol/receiver/UsbIdentity.h"
#include "window/app/MainWindow.h"
#include "window/app/UserPrompts.h"
#include "window/i18n/IdentityTexts.h"

THexEdit* TForm1::EepromByteBox(const QObject* button) const
{
    if (!button || !UsbIdentity::ButtonWord(button->objectName()))
        return nullptr;
    return Find<THexEdit>(QStringLiteral("edtEEPROM_%1").arg(button->objectName().right(2)));
}

int TForm1::ReadEepromByte(const QObject* button)
{
    THexEdit* box = EepromByteBox(button);
    if (!box)
        return -1;
    box->clear();
    if (!Receiver())
        return -1;
    const int word = EepromReadWord(*UsbIdentity::ButtonWord(button->objectName()));
    box->setText(UsbIdentity::ByteReadText(word));
    return word;
}

std::optional<int> TForm1::FittingValue(const THexEdit* box, quint32 max, const QString& refusal)
{
    // A read that failed leaves FFFFFF in a byte box: writing a cut-down word would store a
    // value nobody typed.
    if (UsbIdentity::FitHexField(box->text(), max) == UsbIdentity::Fit::TooLarge) {
        Services().prompts->ShowMessage(this, refusal.arg(box->text()));
        return std::nullopt;
    }
    return box->Value();
}

TForm1::EepromWrite TForm1::WriteEepromByte(const QObject* button)
{
    THexEdit* box = EepromByteBox(button);
    if (!box)
        return EepromWrite::Refused;
    const std::optional<int> value =
        FittingValue(box, 0xFF, Localized(IdentityTexts::kByteTooLarge));
    if (!value)
        return EepromWrite::Refused;
    const quint8 word = *UsbIdentity::ButtonWord(button->objectName());
    return UsbIdentity::WriteByte(Channel(), word, quint8(*value)) ? EepromWrite::Done
                                                                   : EepromWrite::NotConfirmed;
}

void TForm1::RunEepromWrites(const std::function<EepromWrite()>& writes)
{
    // Two stores interleaved through message pumping would mix their words (a length from one
    // string, characters from another).
    const ReentryGuard guard(identity_->writingEeprom);
    if (!guard.entered()) {
        Services().prompts->ShowMessage(this, Localized(IdentityTexts::kWriteRunning));
        return;
    }
    EepromWrite outcome = EepromWrite::Done;
    {
        const StatusTickHold hold(tmrStatus, DeviceLock(), Channel());
        outcome = writes();
    }
    if (outcome == EepromWrite::NotConfirmed)
        Services().prompts->ShowMessage(this, Localized(IdentityTexts::kNotConfirmed));
}

void TForm1::btnEEPROM_R_00Click(QObject* Sender)
{
    ReadEepromByte(Sender);
}

void TForm1::btnEEPROM_W_00Click(QObject* Sender)
{
    if (!Receiver() || !EepromByteBox(Sender))
        return;
    RunEepromWrites([this, Sender] { return WriteEepromByte(Sender); });
}

void TForm1::ReadIdentityPair(const QObject* highButton, const QObject* lowButton, THexEdit* target)
{
    const CommandChannel::Sequence run(Channel());
    ReadEepromByte(highButton);
    ReadEepromByte(lowButton);
    target->setText(EepromByteBox(highButton)->text() + EepromByteBox(lowButton)->text());
}

void TForm1::WriteIdentityPair(THexEdit* source, const QObject* highButton,
                               const QObject* lowButton)
{
    const std::optional<int> value =
        FittingValue(source, 0xFFFF, Localized(IdentityTexts::kIdTooLarge));
    if (!value)
        return;
    EepromByteBox(highButton)->setValue(*value >> 8);
    EepromByteBox(lowButton)->setValue(*value & 0xFF);
    if (!Receiver())
        return;  // the boxes show the bytes all the same
    RunEepromWrites([this, highButton, lowButton] {
        const EepromWrite high = WriteEepromByte(highButton);
        return high == EepromWrite::Done ? WriteEepromByte(lowButton) : high;
    });
}

void TForm1::btnEEPROM_R_VIDClick(QObject*)
{
    ReadIdentityPair(btnEEPROM_R_15, btnEEPROM_R_16, edtVID_SET);
}

void TForm1::btnEEPROM_W_VIDClick(QObject*)
{
    WriteIdentityPair(edtVID_SET, btnEEPROM_R_15, btnEEPROM_R_16);
}

void TForm1::btnEEPROM_R_PIDClick(QObject*)
{
    ReadIdentityPair(btnEEPROM_R_17, btnEEPROM_R_18, edtPID_SET);
}

void TForm1::btnEEPROM_W_PIDClick(QObject*)
{
    WriteIdentityPair(edtPID_SET, btnEEPROM_R_17, btnEEPROM_R_18);
}

void TForm1::btnEEPROM_R_20Click(QObject*)
{
    edtEEPROM_20->clear();
    if (!Receiver())
        return;
    const CommandChannel::Sequence run(Channel());
    const int lengthWord = ReadEepromByte(btnEEPROM_R_19);
    if (lengthWord < 0)
        return;  // no length: no characters made of the failure value either
    const int chars = UsbIdentity::CharsFromLength(lengthWord >> 8);
    if (const std::optional<QString> text = UsbIdentity::ReadString(Channel(), chars))
        edtEEPROM_20->setText(*text);
}

void TForm1::btnEEPROM_W_20Click(QObject*)
{
    if (!Receiver())
        return;
    const QString text = edtEEPROM_20->text();
    if (const auto refusal = UsbIdentity::CheckString(text)) {
        using Reason = UsbIdentity::StringRefusal::Reason;
        const QString message =
            refusal->reason == Reason::WideCharacter
                ? Localized(IdentityTexts::kWideCharacter)
                      .arg(QString::fromUcs4(&refusal->character, 1),
                           QString::asprintf("%04X", unsigned(refusal->character)))
                : Localized(IdentityTexts::kStringTooLong).arg(refusal->length);
        Services().prompts->ShowMessage(this, message);
        return;
    }
    const int chars = int(text.size());
    RunEepromWrites([this, &text, chars] {
        edtEEPROM_19->setValue(UsbIdentity::LengthByte(chars));
        const EepromWrite length = WriteEepromByte(btnEEPROM_R_19);
        if (length != EepromWrite::Done)
            return length;
        return UsbIdentity::WriteStringWords(Channel(), UsbIdentity::PackString(text))
                   ? EepromWrite::Done
                   : EepromWrite::NotConfirmed;
    });
}
