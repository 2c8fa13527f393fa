#include "sim/MouseModel.h"

#include "protocol/device/Commands.h"

#include <iterator>

namespace {

// Option codes written to the option register that store a complement pair in the RF EEPROM.
struct PairedOption {
    quint8 code;
    quint8 address;
    quint8 value;
};

constexpr PairedOption kPairedOptions[] = {
    {0x15, 0x12, 0x00}, {0x1A, 0x12, 0xCC},  // L+R CPI switch on / off
    {0x25, 0x14, 0x55}, {0x2A, 0x14, 0xAA},  // wake-up by motion and button / button only
    {0x45, 0x16, 0x00}, {0x4A, 0x16, 0xC5}, {0x4F, 0x16, 0xCA},  // power saving while unlinked
};

constexpr quint8 kBatteryLowAddress = 0x1A;
constexpr quint8 kAutoConnectOn = 0x5A;
constexpr quint8 kAutoConnectOff = 0x55;

// CPI setup values 0..3; bit 0 is the high/low choice kept in RF EEPROM byte 0x10.
constexpr int kCpiBySetup[] = {800, 1600, 500, 1000};

}  // namespace

MouseModel::MouseModel()
{
    eeprom_.fill(0xFF);    // erased; bit 0 of byte 0x10 set means high CPI
    sensor_[0x00] = 0x30;  // sensor product ID
    sensor_[0x01] = 0x01;  // sensor revision
}

void MouseModel::setCpi(int cpi)
{
    cpi_ = cpi;
    const quint8 high = cpi >= 1000 ? 1 : 0;
    eeprom_[kCpiByte] = quint8((eeprom_[kCpiByte] & ~1) | high);
}

void MouseModel::writeEeprom(quint8 address, quint8 value)
{
    if (!eepromLocked_)
        eeprom_[address] = value;
}

void MouseModel::writeOptionCode(quint8 code)
{
    for (const PairedOption& option : kPairedOptions) {
        if (option.code == code) {
            writeEeprom(option.address, option.value);
            writeEeprom(quint8(option.address + 1), quint8(option.value ^ 0xFF));
            return;
        }
    }
    if ((code & 0xF0) == 0x60) {
        const quint8 level = quint8((code & 0x07) << 5);
        writeEeprom(kBatteryLowAddress, level);
        writeEeprom(kBatteryLowAddress + 1, quint8(level ^ 0xFF));
    } else if (code == kAutoConnectOn) {
        powerOnAutoConnect_ = true;
    } else if (code == kAutoConnectOff) {
        powerOnAutoConnect_ = false;
    }
}

void MouseModel::setupCpi(quint8 value)
{
    if (value >= std::size(kCpiBySetup) || eepromLocked_)
        return;
    cpi_ = kCpiBySetup[value];
    eeprom_[kCpiByte] = quint8((eeprom_[kCpiByte] & ~1) | (value & 1));
}

std::optional<quint8> MouseModel::rf(quint8 command, quint8 operand1, quint8 operand2)
{
    if (!inReach_)
        return std::nullopt;
    if (command == Cmd::kRfEnterAccess) {
        namespace Enter = Cmd::RfEnterAccess;
        const bool led = operand2 == Enter::kWithLed;
        if (operand1 == Enter::kKey && (led || operand2 == Enter::kWithoutLed))
            access_ = led ? Access::WithLed : Access::WithoutLed;
        return std::nullopt;
    }
    if (command == Cmd::kRfLeaveAccess) {
        access_ = Access::Off;
        return std::nullopt;
    }
    if (accessRequired_ && access_ == Access::Off)
        return std::nullopt;

    switch (command) {
    case Cmd::kRfWriteEeprom: writeEeprom(operand1, operand2); break;
    case Cmd::kRfWriteIndexReg: index_[operand1] = operand2; break;
    case Cmd::kRfWriteDirectReg:
        direct_[operand1] = operand2;
        if (operand1 == kOptionRegister)
            writeOptionCode(operand2);
        break;
    case Cmd::kRfReadEeprom: return eeprom_[operand1];
    case Cmd::kRfReadIndexReg: return index_[operand1];
    case Cmd::kRfReadDirectReg: return direct_[operand1];
    case Cmd::kRfWriteSensor: sensor_[operand1] = operand2; break;
    case Cmd::kRfReadSensor: return sensor_[operand1];
    case Cmd::kRfSetupCpi:
        if (operand2 == Cmd::RfSetupCpi::kKey)
            setupCpi(operand1);
        break;
    default: break;
    }
    return std::nullopt;
}
