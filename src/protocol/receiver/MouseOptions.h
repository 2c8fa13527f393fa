#pragma once

#include <QtGlobal>

#include <array>
#include <optional>

// The mouse's settings that the tool changes and reads back. A choice is an index into its
// group: the group's radio buttons in window order, or the battery-low list's entries.
enum class OptionGroup { LrCpiSwitch, Cpi, PowerSaving, Wakeup, BatteryLow };
inline constexpr int kOptionGroupCount = 5;

inline constexpr int GroupIndex(OptionGroup group)
{
    return static_cast<int>(group);
}

// Choices of the two-way groups, in window order.
namespace Choice {
inline constexpr int kLrCpiEnable = 0, kLrCpiDisable = 1;
inline constexpr int kCpiHigh = 0, kCpiLow = 1;
inline constexpr int kPowerSavingOff = 0, kPowerSavingButtonWakeup = 1, kPowerSavingOn = 2;
inline constexpr int kWakeupMotionAndButton = 0, kWakeupButtonOnly = 1;
inline constexpr int kBatteryLow2V0 = 6;
}  // namespace Choice

// How the mouse keeps a group's setting in its RF EEPROM.
enum class AnswerForm {
    ComplementPair,  // the value at A and its complement at A+1
    CpiBit,          // bit 0 of the byte at A: set for high CPI
};

// A stored value that stands for one choice.
struct ValueMeaning {
    quint8 value;
    int choice;
};

struct OptionGroupTable {
    quint8 address;  // RF EEPROM address of the answer
    AnswerForm form;
    int choiceCount;
    // What each choice sends: an option code for the option register, or the CPI setup value.
    std::array<quint8, 8> codes;
    int meaningCount;
    std::array<ValueMeaning, 8> meanings;  // CpiBit: meanings of bit 0
    int unlistedValue;  // the choice a valid pair with a value not listed stands for
    int invalidPair;    // the choice a pair whose bytes do not complement each other stands for
    // Names of the two bytes in the read-back's debug lines ("SoftISS V %x", ...); the CPI byte
    // is not logged.
    const char* logName;
};

const OptionGroupTable& OptionTable(OptionGroup group);

// Codes written to the mouse's option register (RF direct register 0xFF).
namespace OptionCode {
inline constexpr quint8 kRegister = 0xFF;
inline constexpr quint8 kLrCpiEnable = 0x15, kLrCpiDisable = 0x1A;
inline constexpr quint8 kWakeupMotionAndButton = 0x25, kWakeupButtonOnly = 0x2A;
inline constexpr quint8 kPowerSavingOff = 0x45, kPowerSavingButtonWakeup = 0x4A,
                        kPowerSavingOn = 0x4F;
inline constexpr quint8 kAutoConnectOff = 0x55, kAutoConnectOn = 0x5A;
// Cleared before power-on auto connect is enabled, as the mouse's firmware expects.
inline constexpr quint8 kAutoConnectIndexRegister = 5;
}  // namespace OptionCode

// Two bytes read from the RF EEPROM that form a complement pair (both reads succeeded).
bool IsComplementPair(int first, int second);

// The choice the mouse's answer stands for, or nothing when a read failed (-1 or out of byte
// range): a failed read is never an answer. `second` is not used for the CPI bit.
std::optional<int> DecodeAnswer(OptionGroup group, int first, int second);
