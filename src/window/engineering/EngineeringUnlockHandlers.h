#pragma once

#include <QString>

// The hidden gesture's and the password's state.
struct UnlockState {
    bool engineeringMode = false;
    int logoDblClickCount = 0;
    // The password prompt's ValueText: the last entry confirmed with OK.
    QString passValueText;
};
