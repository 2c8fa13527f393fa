#pragma once

// The hotkey lists' state.
struct HotkeysState {
    bool storing = false;
    unsigned pendingChoices = 0;  // bit n: list n was chosen and is not stored yet
    // List positions of the defaults, remembered when the lists are built.
    int homeEntryIndex = -1;
    int mailEntryIndex = -1;
};
