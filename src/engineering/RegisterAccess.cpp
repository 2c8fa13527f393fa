// Direct, index and sensor register access, RF EEPROM access and the access-mode commands
// on the RF side, and the receiver's own control commands.
#include "app/Unit1.h"

#include "device/DeviceClock.h"

namespace {

constexpr quint8 kRfWriteEeprom = 0x21;
constexpr quint8 kRfWriteIndexReg = 0x22;
constexpr quint8 kRfWriteDirectReg = 0x23;
constexpr quint8 kRfReadEeprom = 0x24;
constexpr quint8 kRfReadIndexReg = 0x25;
constexpr quint8 kRfReadDirectReg = 0x26;
constexpr quint8 kRfWriteSensor = 0x29;
constexpr quint8 kRfReadSensor = 0x2A;
constexpr quint8 kRfEnterAccess = 0x2B;
constexpr quint8 kRfLeaveAccess = 0x2C;
constexpr quint8 kRfSetupCpi = 0x2F;

quint8 LowByte(int value)
{
    return quint8(value & 0xFF);
}

} // namespace

QString TForm1::ReadResultText(int result)
{
    // A failed query (-1) reads FFFFFFFF, as a 32-bit value.
    return QString::asprintf("%.2X", unsigned(result));
}

void TForm1::RfRead(quint8 command, THexEdit* addressBox, THexEdit* dataBox)
{
    const quint8 address = LowByte(addressBox->Value());
    dataBox->setText(ReadResultText(RfQuery(command, address)));
}

void TForm1::RfWrite(quint8 command, THexEdit* addressBox, THexEdit* dataBox)
{
    const quint8 address = LowByte(addressBox->Value());
    const quint8 data = LowByte(dataBox->Value());
    RfCommand(command, address, data);
}

void TForm1::btnC_RF_Rd_Direct_RegClick(QObject*)
{
    RfRead(kRfReadDirectReg, edtRF_DirectRegAddr, edtRF_DirectRegData);
}

void TForm1::btnC_RF_Wrt_Direct_RegClick(QObject*)
{
    RfWrite(kRfWriteDirectReg, edtRF_DirectRegAddr, edtRF_DirectRegData);
}

void TForm1::btnC_RF_Rd_Index_RegClick(QObject*)
{
    RfRead(kRfReadIndexReg, edtRF_IndexRegAddr, edtRF_IndexRegData);
}

void TForm1::btnC_RF_Wrt_Index_RegClick(QObject*)
{
    RfWrite(kRfWriteIndexReg, edtRF_IndexRegAddr, edtRF_IndexRegData);
}

void TForm1::btnC_RF_Rd_SensorClick(QObject*)
{
    RfRead(kRfReadSensor, edtRF_SensorAddr, edtRF_SensorData);
}

void TForm1::btnC_RF_Wrt_SensorClick(QObject*)
{
    RfWrite(kRfWriteSensor, edtRF_SensorAddr, edtRF_SensorData);
}

void TForm1::btnC_RF_Rd_EEPROMClick(QObject*)
{
    RfRead(kRfReadEeprom, edtRF_EEPROMAddr, edtRF_EEPROMData);
}

int TForm1::btnC_RF_Wrt_EEPROMClick(QObject* Sender)
{
    const int data = edtRF_EEPROMData->Value();
    int readBack = -1;
    for (int attempt = 1; attempt <= CommandChannel::kRetryLimit; ++attempt) {
        RfCommand(kRfWriteEeprom, LowByte(edtRF_EEPROMAddr->Value()), LowByte(data));
        Clock().sleep(8);
        Clock().pump();
        btnC_RF_Rd_EEPROMClick(Sender);
        readBack = edtRF_EEPROMData->Value();
        if (readBack == data)
            break;
    }
    return readBack;
}

void TForm1::btnC_RF_SETUP_CPIClick(QObject*)
{
    RfCommand(kRfSetupCpi, LowByte(edtC_RF_SETUP_CPI->value()), 0xCC);
}

void TForm1::rbC_RF_ENTER_ACCESS_WO_LEDClick(QObject*)
{
    if (Receiver())
        RfCommand(kRfEnterAccess, 0x5A, 0x33);
}

void TForm1::rbC_RF_ENTER_ACCESS_W_LEDClick(QObject*)
{
    if (Receiver())
        RfCommand(kRfEnterAccess, 0x5A, 0xCC);
}

void TForm1::rbC_RF_LEAVE_ACCESSClick(QObject*)
{
    if (Receiver())
        RfCommand(kRfLeaveAccess, 0x00, 0x00);
}

void TForm1::btnC_ENTER_ACCESSClick(QObject*)
{
    channel_.plainCommand(CommandChannel::request({0x0C}));
}

void TForm1::btnC_LEAVE_ACCESSClick(QObject*)
{
    channel_.plainCommand(CommandChannel::request({0x0D}));
}

void TForm1::btnC_JUMP_TO_PORClick(QObject*)
{
    channel_.plainCommand(CommandChannel::request({0x0E, 0x55, 0xAA, 0xCC}));
}

void TForm1::btnC_Enable_RSSIClick(QObject*)
{
    channel_.plainCommand(CommandChannel::request({0x15, 0xBB, 0xA5, 0x5A}));
}

void TForm1::btnC_Disable_RSSIClick(QObject*)
{
    channel_.plainCommand(CommandChannel::request({0x16, 0xBB, 0x3C, 0xC3}));
}
