#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>
#include <optional>

class CommandChannel;

// A consumer-control function a hotkey can be given: its caption and its HID Consumer Page
// usage ID (0: no function).
struct CustomKey {
    const char* caption;
    quint16 code;
};

// The functions the two hotkeys offer, in list order. The captions are not translated.
inline constexpr std::array<CustomKey, 24> kCustomKeys{{
    {"[DISABLE]", 0x0000},
    {"WWW BACK", 0x0224},
    {"WWW FORWARD", 0x0225},
    {"WWW STOP", 0x0226},
    {"WWW REFRESH", 0x0227},
    {"WWW SEARCH", 0x0221},
    {"WWW FAVORITES", 0x022A},
    {"WWW HOME", 0x0223},
    {"MAIL", 0x018A},
    {"MUTE", 0x00E2},
    {"VOLUME -", 0x00EA},
    {"VOLUME +", 0x00E9},
    {"PLAY/PAUSE", 0x00CD},
    {"STOP", 0x00B7},
    {"PREVIOUS TRACK/Replay", 0x00B6},
    {"NEXT TRACK/Skip", 0x00B5},
    {"MEDIA Select", 0x0183},
    {"MY COMPUTER", 0x0194},
    {"CALCULATOR", 0x0192},
    {"More Info", 0x0209},
    {"Record", 0x00B2},
    {"Forward", 0x00B3},
    {"Rewind", 0x00B4},
    {"Guide", 0x008D},
}};

// What each hotkey shows when the receiver holds no valid assignment for it.
inline constexpr char kHotkey1Default[] = "WWW HOME";
inline constexpr char kHotkey2Default[] = "MAIL";

// The receiver's two programmable hotkeys (0 and 1), each kept as two complement-paired words:
// the key code's low byte, then its high byte.
namespace Hotkeys {

inline constexpr int kCount = 2;

// The word holding the low byte of the hotkey's key code; the high byte follows it.
quint8 FirstWord(int hotkey);

// Writes the key code low byte first and, once both words read back as written, sends the
// update command that takes the assignment into use. Stops at the first word the receiver does
// not confirm, without the update command. True when both words were confirmed.
bool Store(CommandChannel& channel, int hotkey, quint16 code);

// The update command: the receiver takes the stored hotkeys into use. Nothing is read back.
void Update(CommandChannel& channel);

// Reads the hotkey's words, the high-byte word only when the low-byte word is a valid pair.
// Each word read leaves a line "EE<n> High <hh> Low <ll>" in log. The key code when both words
// are valid pairs, whether or not it is in the key list.
std::optional<quint16> Read(CommandChannel& channel, int hotkey,
                            const std::function<void(const QString&)>& log);

// The read line for one word: high = word div 256, low = word mod 256, each at least two
// upper-case digits (a failed read, -1, gives "High 00 Low FFFFFFFF").
QString ReadLine(quint8 wordNumber, int word);

}  // namespace Hotkeys
