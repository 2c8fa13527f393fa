#pragma once

#include "protocol/receiver/StatusReadouts.h"

#include <QtGlobal>

#include <optional>

// The status tick's and the read-outs' state.
struct StatusState {
    StatusState(CommandChannel& channel, SpecialCommands& specialCommands, RfAccess& rfAccess)
        : readouts(channel, specialCommands, rfAccess)
    {}

    StatusReadouts readouts;
    // The receivers (counts of receiver changes) a status tick and a read-out run on.
    std::optional<quint64> tickOn;
    std::optional<quint64> readoutOn;
    // This tick's battery reading (nothing: no valid reply), for the tray's notices.
    std::optional<BatteryLevels> tickBattery;
    // KBD_SN when the tray last asked whether the keyboard sends packets.
    std::optional<quint8> keyboardSerial;
    // The window told that no lock keeps other programs off the receiver (once).
    bool lockFailureTold = false;
};
