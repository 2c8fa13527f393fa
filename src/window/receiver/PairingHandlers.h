#pragma once

#include "protocol/receiver/Pairing.h"

#include <QtGlobal>

#include <optional>

// The Connect button's and the pairing timer's state.
struct PairingState {
    PairingState(CommandChannel& channel, SpecialCommands& specialCommands)
        : pairing(channel, specialCommands)
    {}

    Pairing pairing;
    // The receiver (count of receiver changes) a pairing step runs on.
    std::optional<quint64> runningOn;
    // A click that came while a tick was exchanging, and the receiver it was meant for.
    bool clickPending = false;
    quint64 clickReceiver = 0;
};
