#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>

class CommandChannel;

// The receiver's programmable hotkeys, each kept as two complement-paired words from its first
// word on: the key code's low byte, then its high byte.
namespace Hotkeys {

// Writes the key code low byte first and, once both words read back as written, sends the
// update command that takes the assignment into use. Stops at the first word the receiver does
// not confirm, without the update command. True when both words were confirmed.
bool Store(CommandChannel& channel, quint8 firstWord, quint16 code);

// The update command: the receiver takes the stored hotkeys into use. Nothing is read back.
void Update(CommandChannel& channel);

// Reads the hotkey's words, the high-byte word only when the low-byte word is a valid pair.
// Each word read leaves a line "EE<n> High <hh> Low <ll>" in log. The key code when both words
// are valid pairs, whether or not it is in the key list.
std::optional<quint16> Read(CommandChannel& channel, quint8 firstWord,
                            const std::function<void(const QString&)>& log);

// The read line for one word: high = word div 256, low = word mod 256, each at least two
// upper-case digits (a failed read, -1, gives "High 00 Low FFFFFFFF").
QString ReadLine(quint8 wordNumber, int word);

}  // namespace Hotkeys
