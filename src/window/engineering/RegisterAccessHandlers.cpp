// The console's register, sensor and RF EEPROM boxes, the access-mode buttons and the
// receiver's own control commands.
#include "window/app/MainWindow.h"
#include "window/device/ReceiverAttachHandlers.h"
namespace {

// Only the low byte of a box travels.
quint8 LowByte(int value)
{
    return quint8(value & 0xFF);
}

}  // namespace

QString TForm1::ReadResultText(int result)
{
    // A failed query (-1) reads FFFFFFFF, as a 32-bit value.
    return QString::asprintf("%.2X", unsigned(result));
}

void TForm1::rfRead(RfSpace space, THexEdit* addressBox, THexEdit* dataBox)
{
    const quint8 address = LowByte(addressBox->Value());
    dataBox->setText(ReadResultText(link_->rfAccess.Read(space, address)));
}

void TForm1::rfWrite(RfSpace space, THexEdit* addressBox, THexEdit* dataBox)
{
    const quint8 address = LowByte(addressBox->Value());
    const quint8 byte = LowByte(dataBox->Value());
    link_->rfAccess.Write(space, address, byte);
}

void TForm1::btnC_RF_Rd_Direct_RegClick(QObject*)
{
    rfRead(RfSpace::DirectRegister, edtRF_DirectRegAddr, edtRF_DirectRegData);
}

void TForm1::btnC_RF_Wrt_Direct_RegClick(QObject*)
{
    rfWrite(RfSpace::DirectRegister, edtRF_DirectRegAddr, edtRF_DirectRegData);
}

void TForm1::btnC_RF_Rd_Index_RegClick(QObject*)
{
    rfRead(RfSpace::IndexRegister, edtRF_IndexRegAddr, edtRF_IndexRegData);
}

void TForm1::btnC_RF_Wrt_Index_RegClick(QObject*)
{
    rfWrite(RfSpace::IndexRegister, edtRF_IndexRegAddr, edtRF_IndexRegData);
}

void TForm1::btnC_RF_Rd_SensorClick(QObject*)
{
    rfRead(RfSpace::Sensor, edtRF_SensorAddr, edtRF_SensorData);
}

void TForm1::btnC_RF_Wrt_SensorClick(QObject*)
{
    rfWrite(RfSpace::Sensor, edtRF_SensorAddr, edtRF_SensorData);
}

void TForm1::btnC_RF_Rd_EEPROMClick(QObject*)
{
    rfRead(RfSpace::Eeprom, edtRF_EEPROMAddr, edtRF_EEPROMData);
}

int TForm1::btnC_RF_Wrt_EEPROMClick(QObject*)
{
    // Both boxes are read before anything is sent, so a box that is not hexadecimal stops it.
    const quint8 address = LowByte(edtRF_EEPROMAddr->Value());
    const quint8 byte = LowByte(edtRF_EEPROMData->Value());
    return link_->rfAccess.WriteEepromVerified(address, byte, [this](int readBack) {
        edtRF_EEPROMData->setText(ReadResultText(readBack));
    });
}

void TForm1::btnC_RF_SETUP_CPIClick(QObject*)
{
    link_->rfAccess.SetupCpi(LowByte(edtC_RF_SETUP_CPI->value()));
}

void TForm1::rbC_RF_ENTER_ACCESS_WO_LEDClick(QObject*)
{
    link_->rfAccess.EnterAccess(false);
}

void TForm1::rbC_RF_ENTER_ACCESS_W_LEDClick(QObject*)
{
    link_->rfAccess.EnterAccess(true);
}

void TForm1::rbC_RF_LEAVE_ACCESSClick(QObject*)
{
    link_->rfAccess.LeaveAccess();
}

void TForm1::btnC_ENTER_ACCESSClick(QObject*)
{
    link_->receiverControl.EnterAccess();
}

void TForm1::btnC_LEAVE_ACCESSClick(QObject*)
{
    link_->receiverControl.LeaveAccess();
}

void TForm1::btnC_JUMP_TO_PORClick(QObject*)
{
    link_->receiverControl.JumpToPowerOnReset();
}

void TForm1::btnC_Enable_RSSIClick(QObject*)
{
    link_->receiverControl.EnableRssi();
}

void TForm1::btnC_Disable_RSSIClick(QObject*)
{
    link_->receiverControl.DisableRssi();
}
