#pragma once

#include <QtGlobal>

#include <functional>

class CommandChannel;

// The address spaces of the mouse's RF side.
enum class RfSpace { DirectRegister, IndexRegister, Sensor, Eeprom };

// The mouse's RF side, reached through the receiver: registers, sensor, RF EEPROM, access
// mode and the CPI setup command. Reads answer the byte, or -1 when no acknowledged reply came
// within 50 attempts.
class RfAccess {
public:
    static constexpr int kEepromWriteSettleMs = 8;

    explicit RfAccess(CommandChannel& channel) : channel_(channel) {}

    int Read(RfSpace space, quint8 address);
    // One write, not read back (the RF EEPROM too: see WriteEepromVerified).
    void Write(RfSpace space, quint8 address, quint8 data);
    // Writes one RF EEPROM byte and reads it back until they match, at most 50 passes. Each
    // read-back (-1 when none came) goes to onReadBack as it arrives. Returns the last one;
    // -1 as well when nothing was sent (no receiver, or a write already running).
    int WriteEepromVerified(quint8 address, quint8 data,
                            const std::function<void(int readBack)>& onReadBack = {});
    void SetupCpi(quint8 code);
    // Access mode: the mouse takes register and EEPROM commands, with or without its LED lit.
    void EnterAccess(bool withLed);
    void LeaveAccess();

    static quint8 ReadCode(RfSpace space);
    static quint8 WriteCode(RfSpace space);

private:
    CommandChannel& channel_;
    bool writingEeprom_ = false;
};
