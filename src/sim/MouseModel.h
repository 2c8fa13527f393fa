#pragma once

#include "sim/PacketCounter.h"

#include <QtGlobal>

#include <array>
#include <optional>

// The mouse as the receiver reaches it over the radio: access mode, direct, index and sensor
// registers, the byte-addressed RF EEPROM that keeps the options, and the CPI. Commands to a
// mouse out of reach have no effect and queries get no answer.
class MouseModel {
public:
    enum class Access { Off, WithoutLed, WithLed };

    MouseModel();

    // One RF command (0x21..0x2F) with its two operand bytes. Returns the reply byte of a
    // query; nothing for a write, an unknown code, malformed operands or a mouse out of reach.
    std::optional<quint8> rf(quint8 command, quint8 operand1, quint8 operand2);

    // Packets are sent while the mouse is in reach and moving or held in access mode.
    void advanceTo(qint64 nowMs) { packets_.advanceTo(nowMs, sending()); }
    quint8 serialNumber() const { return packets_.lowByte(); }
    bool sending() const { return inReach_ && (moving_ || access_ != Access::Off); }

    bool inReach() const { return inReach_; }
    void setInReach(bool on) { inReach_ = on; }
    bool moving() const { return moving_; }
    void setMoving(bool on) { moving_ = on; }
    // When set, register and EEPROM commands work only in access mode.
    void setAccessRequired(bool on) { accessRequired_ = on; }
    // A locked RF EEPROM ignores writes and the CPI setup, so no change is ever taken.
    void setEepromLocked(bool on) { eepromLocked_ = on; }

    Access access() const { return access_; }
    bool powerOnAutoConnect() const { return powerOnAutoConnect_; }

    quint8 eeprom(quint8 address) const { return eeprom_[address]; }
    void setEeprom(quint8 address, quint8 value) { eeprom_[address] = value; }
    quint8 directRegister(quint8 address) const { return direct_[address]; }
    quint8 indexRegister(quint8 address) const { return index_[address]; }
    void setIndexRegister(quint8 address, quint8 value) { index_[address] = value; }
    quint8 sensorRegister(quint8 address) const { return sensor_[address]; }
    void setSensorRegister(quint8 address, quint8 value) { sensor_[address] = value; }

    // 500, 800, 1000 or 1600. Setting it also sets bit 0 of RF EEPROM byte 0x10 (high CPI).
    int cpi() const { return cpi_; }
    void setCpi(int cpi);

    static constexpr quint8 kCpiByte = 0x10;
    static constexpr quint8 kOptionRegister = 0xFF;

private:
    void writeOptionCode(quint8 code);
    void writeEeprom(quint8 address, quint8 value);
    void setupCpi(quint8 value);

    bool inReach_ = true;
    bool moving_ = false;
    bool accessRequired_ = false;
    bool eepromLocked_ = false;
    bool powerOnAutoConnect_ = false;
    Access access_ = Access::Off;
    int cpi_ = 1600;
    std::array<quint8, 256> eeprom_;
    std::array<quint8, 256> direct_{};
    std::array<quint8, 256> index_{};
    std::array<quint8, 256> sensor_{};
    PacketCounter packets_;
};
