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

THexEdit* TForm1::eepromByteBox(const QObject* button) const
{
    if (!button || !UsbIdentity::ButtonWord(button->objectName()))
        return nullptr;
    return Find<THexEdit>(QStringLiteral("edtEEPROM_%1").arg(button->objectName().right(2)));
}

int TForm1::readEepromByte(const QObject* button)
{
    THexEdit* box = eepromByteBox(button);
    if (!box)
        return -1;
    box->clear();
    if (!Receiver())
        return -1;
    const int word = EepromReadWord(*UsbIdentity::ButtonWord(button->objectName()));
    box->setText(UsbIdentity::ByteReadText(word));
    return word;
}

std::optional<int> TForm1::fittingValue(const THexEdit* box, quint32 max, const QString& refusal)
{
    // A read that failed leaves FFFFFF in a byte box: writing a cut-down word would store a
    // value nobody typed.
    if (UsbIdentity::FitHexField(box->text(), max) == UsbIdentity::Fit::TooLarge) {
        Services().prompts->showMessage(this, refusal.arg(box->text()));
        return std::nullopt;
    }
    return box->Value();
}

TForm1::EepromWrite TForm1::writeEepromByte(const QObject* button)
{
    THexEdit* box = eepromByteBox(button);
    if (!box)
        return EepromWrite::Refused;
    const std::optional<int> value =
        fittingValue(box, 0xFF, Localized(IdentityTexts::kByteTooLarge));
    if (!value)
        return EepromWrite::Refused;
    const quint8 word = *UsbIdentity::ButtonWord(button->objectName());
    return UsbIdentity::WriteByte(Channel(), word, quint8(*value)) ? EepromWrite::Done
                                                                   : EepromWrite::NotConfirmed;
}

void TForm1::runEepromWrites(const std::function<EepromWrite()>& writes)
{
    // Two stores interleaved through message pumping would mix their words (a length from one
    // string, characters from another).
    const ReentryGuard guard(identity_->writingEeprom);
    if (!guard.entered()) {
        Services().prompts->showMessage(this, Localized(IdentityTexts::kWriteRunning));
        return;
    }
    EepromWrite outcome = EepromWrite::Done;
    {
        const StatusTickHold hold(tmrStatus, DeviceLock(), Channel());
        outcome = writes();
    }
    if (outcome == EepromWrite::NotConfirmed)
        Services().prompts->showMessage(this, Localized(IdentityTexts::kNotConfirmed));
}

void TForm1::btnEEPROM_R_00Click(QObject* Sender)
{
    readEepromByte(Sender);
}

void TForm1::btnEEPROM_W_00Click(QObject* Sender)
{
    if (!Receiver() || !eepromByteBox(Sender))
        return;
    runEepromWrites([this, Sender] { return writeEepromByte(Sender); });
}

void TForm1::readIdentityPair(const QObject* highButton, const QObject* lowButton, THexEdit* target)
{
    const CommandChannel::Sequence run(Channel());
    readEepromByte(highButton);
    readEepromByte(lowButton);
    target->setText(eepromByteBox(highButton)->text() + eepromByteBox(lowButton)->text());
}

void TForm1::writeIdentityPair(THexEdit* source, const QObject* highButton,
                               const QObject* lowButton)
{
    const std::optional<int> value =
        fittingValue(source, 0xFFFF, Localized(IdentityTexts::kIdTooLarge));
    if (!value)
        return;
    eepromByteBox(highButton)->setValue(*value >> 8);
    eepromByteBox(lowButton)->setValue(*value & 0xFF);
    if (!Receiver())
        return;  // the boxes show the bytes all the same
    runEepromWrites([this, highButton, lowButton] {
        const EepromWrite high = writeEepromByte(highButton);
        return high == EepromWrite::Done ? writeEepromByte(lowButton) : high;
    });
}

void TForm1::btnEEPROM_R_VIDClick(QObject*)
{
    readIdentityPair(btnEEPROM_R_15, btnEEPROM_R_16, edtVID_SET);
}

void TForm1::btnEEPROM_W_VIDClick(QObject*)
{
    writeIdentityPair(edtVID_SET, btnEEPROM_R_15, btnEEPROM_R_16);
}

void TForm1::btnEEPROM_R_PIDClick(QObject*)
{
    readIdentityPair(btnEEPROM_R_17, btnEEPROM_R_18, edtPID_SET);
}

void TForm1::btnEEPROM_W_PIDClick(QObject*)
{
    writeIdentityPair(edtPID_SET, btnEEPROM_R_17, btnEEPROM_R_18);
}

void TForm1::btnEEPROM_R_20Click(QObject*)
{
    edtEEPROM_20->clear();
    if (!Receiver())
        return;
    const CommandChannel::Sequence run(Channel());
    const int lengthWord = readEepromByte(btnEEPROM_R_19);
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
        Services().prompts->showMessage(this, message);
        return;
    }
    const int chars = int(text.size());
    runEepromWrites([this, &text, chars] {
        edtEEPROM_19->setValue(UsbIdentity::LengthByte(chars));
        const EepromWrite length = writeEepromByte(btnEEPROM_R_19);
        if (length != EepromWrite::Done)
            return length;
        return UsbIdentity::WriteStringWords(Channel(), UsbIdentity::PackString(text))
                   ? EepromWrite::Done
                   : EepromWrite::NotConfirmed;
    });
}
