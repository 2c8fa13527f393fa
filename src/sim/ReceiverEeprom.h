#pragma once

#include "protocol/receiver/EepromMap.h"

#include <QString>
#include <QtGlobal>

#include <array>

// The receiver's EEPROM: 16-bit words addressed by a one-byte word number. Single settings are
// kept as complement-paired words (data byte high, its complement low).
class ReceiverEeprom {
public:
    static constexpr int kWords = 256;
    static constexpr quint16 kErased = 0xFFFF;

    ReceiverEeprom() { words_.fill(kErased); }

    static quint16 paired(quint8 byte) { return quint16(byte << 8 | (byte ^ 0xFF)); }

    quint16 word(quint8 number) const { return words_[number]; }
    // Sets a word regardless of the write lock (for preparing a model).
    void setWord(quint8 number, quint16 value) { words_[number] = value; }
    // A write from the wire; a locked EEPROM keeps its contents.
    void write(quint8 number, quint16 value);
    void setLocked(bool on) { locked_ = on; }

    // The USB identity: VID and PID as complement-paired bytes in words 15..18, the string
    // descriptor length 2 + 2n paired in word 19, then the characters as 8-bit codes, two per
    // word from word 20 (an odd count leaves the last low byte 0). At most 46 characters are
    // kept; characters beyond Latin-1 are stored as '?'.
    void storeIdentity(quint16 vendorId, quint16 productId, const QString& text);

private:
    std::array<quint16, kWords> words_;
    bool locked_ = false;
};
