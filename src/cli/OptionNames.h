#pragma once

#include "protocol/receiver/MouseOptions.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The names the command line gives the mouse's options, the hotkeys and their values.
struct CliOptionName {
    enum class Kind { MouseOption, AutoConnect, Hotkey };
    const char* name;
    const char* jsonKey;  // the name in camelCase, as every key of the JSON output
    Kind kind;
    OptionGroup group;  // MouseOption only
    int hotkey;         // Hotkey only: 0 or 1
};

const std::vector<CliOptionName>& CliOptionNames();
const CliOptionName* FindCliOption(const QString& name);
QStringList CliOptionNameList();

// The value names of a setting, in choice order (for the hotkeys, the key list's captions).
QStringList ValueNames(const CliOptionName& option);
// The choice a value names, ignoring letter case; a battery-low level is a voltage in volts
// ("2.4", "2.40", "2.4V"). None for a value the setting does not take.
std::optional<int> ChoiceOf(const CliOptionName& option, const QString& value);
// The refusal of a value the setting does not take, with the values it takes.
QString BadValueText(const CliOptionName& option, const QString& value);
