// The console's RF test mode controls: on/off, transmit data, test frequency and mode number.
#include "window/engineering/TestModeHandlers.h"

#include "window/app/MainWindow.h"
#include "window/app/UserPrompts.h"

#include <QLineEdit>
#include <QToolButton>

namespace {

// The number in a number box; text that is not a number counts as 0 (out of every range).
double NumberIn(const QLineEdit* box)
{
    bool ok = false;
    const double value = box->text().trimmed().toDouble(&ok);
    return ok ? value : 0.0;
}

// The number in a test box when a receiver is attached and the number is in range; the range
// message otherwise.
std::optional<quint8> NumberInRange(TForm1& window, const QLineEdit* box,
                                    TestModeCommands::Range range, const QString& rangeMessage)
{
    if (!window.Receiver())
        return std::nullopt;
    const double value = NumberIn(box);
    if (!range.contains(value)) {
        window.Services().prompts->showMessage(&window, rangeMessage);
        return std::nullopt;
    }
    return quint8(static_cast<int>(value));
}

}  // namespace

void TForm1::rbTestOnClick(QObject*)
{
    if (Receiver())
        testModes_->commands.SetTestMode(rbTestOn->isChecked());
}

void TForm1::btnC_Combo_Cmd_Set_Test_Mode_Tx_DataClick(QObject*)
{
    if (Receiver())
        testModes_->commands.SendTxData(quint8(edtTXdata->Value() & 0xFF));
}

void TForm1::btnC_Combo_Cmd_Test_Freq_ModeClick(QObject*)
{
    if (const auto frequency = NumberInRange(*this, edtTestFreq, TestModeCommands::kFrequencies,
                                             QStringLiteral("Test Frequency should be 1~127")))
        testModes_->commands.SetFrequency(*frequency);
}

void TForm1::btnC_Combo_Cmd_Set_Test_ModeClick(QObject*)
{
    if (const auto mode = NumberInRange(*this, edtTestMode, TestModeCommands::kModes,
                                        QStringLiteral("Test Mode should be 1~12")))
        testModes_->commands.SetModeNumber(*mode);
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
