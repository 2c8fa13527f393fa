#pragma once

#include <QtGlobal>

#include <array>

// Word numbers of the receiver's EEPROM (16-bit words).
namespace EepromWord {

// Two words the tool sets to kAttachResetValue on every attach. The receiver's use of them is
// not documented; the tool never reads them.
inline constexpr std::array<quint8, 2> kAttachReset{7, 8};
inline constexpr quint16 kAttachResetValue = 0x00FF;

} // namespace EepromWord
