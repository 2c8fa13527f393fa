#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// The mouse's battery-low warning levels, in list order, with the option code each sends.
// The RF EEPROM keeps the low three bits of the code shifted left by 5.
struct BatteryLowLevel {
    const char* text;
    quint8 optionCode;
};

inline constexpr std::array<BatteryLowLevel, 8> kBatteryLowLevels{{
    {"Set BTY Low Level: VBAT <= 3.2V", 0x67},
    {"Set BTY Low Level: VBAT <= 3.0V", 0x66},
    {"Set BTY Low Level: VBAT <= 2.8V", 0x65},
    {"Set BTY Low Level: VBAT <= 2.6V", 0x64},
    {"Set BTY Low Level: VBAT <= 2.4V", 0x63},
    {"Set BTY Low Level: VBAT <= 2.2V", 0x62},
    {"Set BTY Low Level: VBAT <= 2.0V", 0x61},
    {"Set BTY Low Level: VBAT <= 1.8V", 0x60},
}};
