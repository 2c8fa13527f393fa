#pragma once

#include "protocol/receiver/SettingsService.h"
#include "protocol/receiver/SettingsTable.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

// Bringing the devices to a settings file: what differs, written in the table's order, each
// write verified as a single change is; the first failure ends the run.
namespace SettingsApply {

struct Change {
    enum class Outcome {
        Pending,     // not written yet (or, after a run, never reached)
        Written,     // written and verified
        Failed,      // refused or never verified: the run ended here
        MouseSilent  // a mouse setting while the mouse was out of reach: not written
    };
    const SettingRow* row = nullptr;
    std::optional<int> from;  // what the device holds; nothing when it was not read
    int to = -1;
    Outcome outcome = Outcome::Pending;
};

// The file's choices that differ from the current ones (per row of the table; nothing: not
// known), in the table's order.
std::vector<Change> Differences(const std::vector<std::optional<int>>& current,
                                const std::vector<std::optional<int>>& wanted);

// Writes the changes in order with `write` until one fails. With the mouse out of reach its
// settings are not written, while the receiver's are. False when any change is not written.
using Write = std::function<SettingsService::Written(const SettingRow&, int choice)>;
bool Run(std::vector<Change>& changes, bool mouseHeard, const Write& write);

// "setting: from -> to" in the command line's names of the setting and its values; with
// captions, in the window's words.
QString Line(const Change& change, bool captions);

}  // namespace SettingsApply
