#pragma once

#include "protocol/receiver/SettingsService.h"
#include "window/receiver/SettingsBinder.h"

#include <vector>

class CommandChannel;
class QWidget;
struct ReceiverState;

// The user's settings on the window: the controls bound from the settings table, the service
// that writes and reads them, and the hotkey stores waiting for the one that runs.
struct SettingsState {
    SettingsState(QWidget& window, CommandChannel& channel, ReceiverState& state)
        : binder(window), service(channel, state), pendingStores(SettingsTable().size())
    {}

    SettingsBinder binder;
    SettingsService service;
    bool storing = false;
    std::vector<bool> pendingStores;  // per row: chosen, and not stored yet
};
