#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

class CommandChannel;

// The USB identity the receiver presents to the host, kept in its EEPROM: VID and PID one
// complement-paired byte per word (high byte first), and the product string descriptor: a
// paired length byte, then the characters as 8-bit codes, two per word.
namespace UsbIdentity {

// How a value box's text fits its field.
enum class Fit { Fits, TooLarge, NotHex };
// The text read as hexadecimal (empty text is 0; leading zeros do not count) against the
// largest value the field takes.
Fit FitHexField(const QString& text, quint32 max);

// The word number an EEPROM button addresses: the last two characters of its name, decimal
// (btnEEPROM_R_15 and btnEEPROM_W_15 address word 15). None for any other name.
std::optional<quint8> ButtonWord(const QString& buttonName);
// A single-byte box after a read: the word's high byte, at least two upper-case digits. A
// failed read (-1) shows FFFFFF.
QString ByteReadText(int word);

// The string descriptor's length byte for a text of `chars` characters: 2 + 2 x chars.
quint8 LengthByte(int chars);
// The characters a length byte announces, (L - 2) div 2, and never more than the EEPROM holds.
int CharsFromLength(int lengthByte);
// Words needed for `chars` characters, two per word.
int WordsForChars(int chars);

// Why a text cannot be stored as the string descriptor.
struct StringRefusal {
    enum class Reason { WideCharacter, TooLong };
    Reason reason;
    char32_t character = 0;  // WideCharacter: the first character above U+00FF
    int length = 0;          // TooLong: the text's length in characters
};
std::optional<StringRefusal> CheckString(const QString& text);
// The character words of a text that CheckString accepts: character 2i+1 high and 2i+2 low
// in word i; an odd length leaves the last low byte 0.
std::vector<quint16> PackString(const QString& text);
// The first `chars` characters held by the words.
QString UnpackString(const std::vector<quint16>& words, int chars);

// Writes one byte as a complement-paired word. True when the receiver confirmed it.
bool WriteByte(CommandChannel& channel, quint8 wordNumber, quint8 value);
// Writes the character words in ascending order from the first string word, stopping at the
// first one the receiver does not confirm. True when all were confirmed; nothing is written
// for more words than the EEPROM holds.
bool WriteStringWords(CommandChannel& channel, const std::vector<quint16>& words);
// Reads the words holding `chars` characters (at most the EEPROM's 46). None as soon as a
// word cannot be read: a failure value is never shown as text.
std::optional<QString> ReadString(CommandChannel& channel, int chars);

}  // namespace UsbIdentity
