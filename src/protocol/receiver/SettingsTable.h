#pragma once

#include "protocol/i18n/LocalText.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>
#include <span>

// The user's settings, each declared once: what the window, the command line, the read-back
// and the manual show of it, where it lives and how it is written and read back. Nothing else
// names a setting or its choices.

// Where a setting lives and how it reaches the device.
enum class SettingKind {
    // An option code to the mouse's option register (RF direct register 0xFF); the mouse's
    // answer is a complement pair in its RF EEPROM: the value at the address, its complement
    // after it.
    MouseOption,
    // The CPI setup command; the answer is bit 0 of one RF EEPROM byte, and the CPI read-out
    // tells it too.
    MouseCpi,
    // An option code the mouse keeps no answer to: sent once, never read back.
    MouseSendOnly,
    // A key code in the receiver's EEPROM, each byte a complement-paired word (low byte first),
    // then the update command that takes it into use.
    Hotkey,
};

// The caption a control shows: a term of the language table, or words of the setting's own in
// the three languages where the table has no term for it.
struct SettingCaption {
    const char* control = nullptr;  // the control's object name
    int term = -1;                  // its term; -1: none
    const LocalText* words = nullptr;
};

// The caption in the language in force; empty for none.
QString CaptionText(const SettingCaption& caption);

struct SettingChoice {
    quint16 code = 0;               // what is sent: option code, CPI setup value or key code
    const char* value = nullptr;    // the command line's value name, also the JSON value
    SettingCaption button{};        // the radio button that shows it, and its caption
    const char* entry = nullptr;    // a list entry's text when it is not the value (untranslated)
    int stored = -1;                // the answer's value that stands for it; -1: none of its own
    int clearedIndexRegister = -1;  // an index register cleared before the code is sent
    // Other values the command line takes for it (the CPI that a read-out shows for it).
    std::span<const char* const> alsoNamed{};
};

struct SettingRow {
    const char* cliName = nullptr;
    const char* jsonKey = nullptr;
    SettingCaption caption{};    // the row's own group box or label
    SettingCaption group{};      // a group box it shares with another row
    const char* list = nullptr;  // the list whose entries are the choices; none: radio buttons
    SettingKind kind = SettingKind::MouseOption;
    quint8 address = 0;             // the answer's RF EEPROM address; a hotkey's first word
    int readBackPosition = 0;       // the read-back's position once it is read; 0: never read
    const char* logName = nullptr;  // names the answer's bytes in the debug lines
    bool logsEachPass = false;      // a change logs each pass's answer too
    bool volts = false;             // its values are voltages: 2.4, 2.40 and 2.4V are one
    int unlisted = 0;               // the choice a valid answer of no choice's own stands for
    int invalid = 0;                // the choice a broken answer stands for; a hotkey's default
    std::span<const SettingChoice> choices{};
};

// Every setting, in the order the command line lists them and a settings file is applied.
std::span<const SettingRow> SettingsTable();
// The row the command line names (any letter case), or null.
const SettingRow* FindSetting(const QString& cliName);
// The first row of a kind (the CPI's is the only one).
const SettingRow& FirstSettingOf(SettingKind kind);
// A row's place in the table.
int SettingIndex(const SettingRow& row);
// The read-back's last position: the number of its steps.
int ReadBackSteps();

// The mouse keeps the setting (the receiver's hotkeys are there without it).
inline bool OnMouse(const SettingRow& row)
{
    return row.kind != SettingKind::Hotkey;
}
// The device keeps an answer to read back.
inline bool Readable(const SettingRow& row)
{
    return row.kind != SettingKind::MouseSendOnly;
}

// Two answer bytes that complement each other, both read (not -1, not past a byte).
bool IsComplementPair(int first, int second);
// The choice an answer stands for; nothing when a read failed (a failed read is never an
// answer). `second` is not used for the CPI bit.
std::optional<int> DecodeAnswer(const SettingRow& row, int first, int second);
// The choice whose stored value is `stored` (the CPI's bit), or the row's unlisted choice.
int ChoiceForStored(const SettingRow& row, int stored);
// The choice that sends this code (a hotkey's key code), or nothing.
std::optional<int> ChoiceWithCode(const SettingRow& row, quint16 code);

// The value names, in choice order.
QStringList ValueNames(const SettingRow& row);
// The choice a value names (its name or one it is also named by), ignoring letter case; for
// volts, "2.4", "2.40", "2.4V" and "2.4 V" name one level. Nothing for a value the setting does
// not take, also for one with spaces around it.
std::optional<int> ChoiceNamed(const SettingRow& row, const QString& value);
// What the window shows for a choice: its button's caption in the language in force, or its
// list entry.
QString ChoiceText(const SettingRow& row, int choice);
