// The receiver's RF test modes: on/off, transmit data, test frequency and test mode number.
#include "app/Unit1.h"

#include "app/UserPrompts.h"

#include <QLineEdit>
#include <QToolButton>

namespace {

constexpr quint8 kTestCommand = 0x08;
constexpr quint8 kTestOn = 0x01;
constexpr quint8 kTestOff = 0x02;
constexpr quint8 kTxData = 0x06;
constexpr quint8 kTestFrequency = 0x0A;
constexpr quint8 kSetTestMode = 0x0C;

// The number in a number box; text that is not a number counts as 0 (out of every range).
double NumberIn(const QLineEdit* box)
{
    bool ok = false;
    const double value = box->text().trimmed().toDouble(&ok);
    return ok ? value : 0.0;
}

} // namespace

void TForm1::rbTestOnClick(QObject*)
{
    if (!Receiver())
        return;
    channel_.plainCommand(
        CommandChannel::request({kTestCommand, rbTestOn->isChecked() ? kTestOn : kTestOff}));
}

void TForm1::btnC_Combo_Cmd_Set_Test_Mode_Tx_DataClick(QObject*)
{
    if (!Receiver())
        return;
    const quint8 data = quint8(edtTXdata->Value() & 0xFF);
    channel_.plainCommand(CommandChannel::request({kTestCommand, kTxData, data}));
}

bool TForm1::SendNumberInRange(const QLineEdit* box, int low, int high, quint8 subCommand,
                               const QString& rangeMessage)
{
    if (!Receiver())
        return false;
    const double value = NumberIn(box);
    if (!(value >= low && value <= high)) {
        Services().prompts->ShowMessage(this, rangeMessage);
        return false;
    }
    channel_.plainCommand(
        CommandChannel::request({kTestCommand, subCommand, quint8(static_cast<int>(value))}));
    return true;
}

void TForm1::btnC_Combo_Cmd_Test_Freq_ModeClick(QObject*)
{
    SendNumberInRange(edtTestFreq, 1, 127, kTestFrequency,
                      QStringLiteral("Test Frequency should be 1~127"));
}

void TForm1::btnC_Combo_Cmd_Set_Test_ModeClick(QObject*)
{
    SendNumberInRange(edtTestMode, 1, 12, kSetTestMode,
                      QStringLiteral("Test Mode should be 1~12"));
}

void TForm1::btnTestMode1Click(QObject* Sender)
{
    const auto* clicked = qobject_cast<QToolButton*>(Sender);
    if (!clicked)
        return;
    for (QToolButton* button : tlbTestMode->findChildren<QToolButton*>())
        button->setChecked(button == clicked);
    bool isNumber = false;
    const int mode = clicked->text().toInt(&isNumber);
    if (!isNumber)
        return;
    edtTestMode->setText(QString::number(mode));
    btnC_Combo_Cmd_Set_Test_ModeClick(Sender);
}
