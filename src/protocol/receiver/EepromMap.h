#pragma once

#include <QtGlobal>

#include <array>
#include <optional>

// Word numbers of the receiver's EEPROM (16-bit words), and the complement-paired form in which
// it keeps single bytes.
namespace EepromWord {

// The linked mouse's address, one byte per word.
inline constexpr std::array<quint8, 3> kMouseAddress{0, 1, 2};

// The two programmable hotkeys: the key code's low byte, then its high byte.
inline constexpr quint8 kHotkey1Low = 3;
inline constexpr quint8 kHotkey1High = 4;
inline constexpr quint8 kHotkey2Low = 5;
inline constexpr quint8 kHotkey2High = 6;

// Two words the tool sets to kAttachResetValue on every attach. The receiver's use of them is
// not documented; the tool never reads them.
inline constexpr std::array<quint8, 2> kAttachReset{7, 8};
inline constexpr quint16 kAttachResetValue = 0x00FF;

// The USB identity the receiver presents to the host, one byte per word, high byte first.
inline constexpr quint8 kVidHigh = 15;
inline constexpr quint8 kVidLow = 16;
inline constexpr quint8 kPidHigh = 17;
inline constexpr quint8 kPidLow = 18;
// The product string descriptor: its length byte (2 + 2 per character), then the characters
// as 8-bit codes, two per word, first character high.
inline constexpr quint8 kStringLength = 19;
inline constexpr quint8 kFirstStringWord = 20;
inline constexpr quint8 kLastStringWord = 42;
inline constexpr int kMaxStringChars = 2 * (kLastStringWord - kFirstStringWord + 1);

}  // namespace EepromWord

// A complement-paired word: the data byte high, the byte XOR 0xFF low.
inline constexpr quint16 PairedWord(quint8 byte)
{
    return quint16(byte << 8 | (byte ^ 0xFF));
}

// The data byte of a complement-paired word read from the receiver, or none when the word is
// not a valid pair (an erased word, a failed read given as -1, a damaged byte).
inline constexpr std::optional<quint8> PairedByte(int word)
{
    if (word < 0 || word > 0xFFFF || ((word >> 8) ^ (word & 0xFF)) != 0xFF)
        return std::nullopt;
    return quint8(word >> 8);
}
