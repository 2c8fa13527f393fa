#pragma once

#include "protocol/receiver/OptionChange.h"
#include "protocol/receiver/SettingsReadBack.h"
#include "protocol/receiver/SettingsTable.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class CommandChannel;
class QRecursiveMutex;
class QTimer;
struct ReceiverState;

// Reads and writes the user's settings by their rows in the settings table, each sequence
// under the receiver lock. The window and the command line both go through it.
class SettingsService {
public:
    // What a write keeps off the receiver while it runs: the window's status timer (stopped,
    // and armed again after the write unless the receiver went, or the write ran inside
    // another sequence that keeps it off) and its device lock.
    struct TickHold {
        QTimer* statusTimer = nullptr;
        QRecursiveMutex* deviceLock = nullptr;
    };

    using Outcome = OptionChange::Outcome;
    // What became of a write; `answered` is a mouse setting's last answer.
    using Written = OptionChange::Result;

    // One setting as read: the choice its answer stands for and, for a hotkey, the key code
    // stored, listed or not. Nothing when it was not read.
    struct Reading {
        std::optional<int> choice;
        std::optional<quint16> keyCode;
    };
    // Each row's reading, in the table's order.
    struct Readings {
        std::vector<Reading> rows;
        bool receiverGone = false;
        bool refused = false;
        bool mouseSilent = false;  // the mouse's settings were not read: nothing heard of it
        SettingsReadBack::Result readBack;
        const Reading& of(const SettingRow& row) const { return rows[size_t(SettingIndex(row))]; }
    };

    SettingsService(CommandChannel& channel, ReceiverState& state);

    // How option codes, the CPI setup and index registers reach the mouse (the window sends
    // through its register boxes); none: straight through RF access.
    void setWrites(OptionChange::Writes writes) { writes_ = std::move(writes); }
    void setTickHold(TickHold hold) { hold_ = hold; }
    // Receives the debug lines of the writes and reads.
    void setDebugLog(std::function<void(const QString&)> log) { log_ = std::move(log); }
    // A mouse setting is written only once the mouse is heard (the command line: without its
    // packets every read waits out its attempts).
    void setMouseCheckedFirst(bool on) { mouseCheckedFirst_ = on; }

    // Writes the choice `wanted` gives; it is asked again while a verified write runs, and a
    // choice outside the row withdraws it.
    Written write(const SettingRow& row, const std::function<int()>& wanted);

    // Reads every readable setting, or only `only` (a hotkey alone needs no mouse). `hooks`
    // lets the window show each step as it comes; its show hook also sees every reading.
    Readings read(const SettingRow* only = nullptr, SettingsReadBack::Hooks hooks = {});

    // True when the mouse's packets reach the receiver.
    bool mouseHeard();

private:
    Written writeOnMouse(const SettingRow& row, const std::function<int()>& wanted);
    Written storeHotkey(const SettingRow& row, int choice);
    void readHotkeys(Readings& readings);
    // The mouse's settings, each reading also kept in `readings`.
    SettingsReadBack::Result readBack(Readings& readings, SettingsReadBack::Hooks hooks);

    CommandChannel& channel_;
    ReceiverState& state_;
    OptionChange::Writes writes_;
    TickHold hold_;
    std::function<void(const QString&)> log_;
    bool mouseCheckedFirst_ = false;
};
