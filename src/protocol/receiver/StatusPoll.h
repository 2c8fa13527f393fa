#pragma once

#include "protocol/device/CommandChannel.h"
#include "protocol/device/SpecialCommands.h"
#include "protocol/receiver/Pairing.h"
#include "protocol/receiver/StatusReadouts.h"

#include <QtGlobal>

#include <optional>

// What one status poll reads: the link status, the battery and CPI read-outs and the binding
// status, as a status tick reads them; for a watcher also the keyboard's packet count.
struct StatusReading {
    LinkStatus link;
    std::optional<BatteryLevels> battery;
    std::optional<int> cpi;  // CPI / 100, as the receiver keeps it
    std::optional<SpecialReply> binding;
    std::optional<quint8> keyboardPackets;  // special command 1, byte 2
};

// Reads the status in one run of exchanges, so one hold of the receiver lock; nothing when the
// link status got no valid answer. `withKeyboardPackets` adds a run of special command 1.
std::optional<StatusReading> ReadStatus(CommandChannel& channel, bool withKeyboardPackets);

// The mouse is in reach while the receiver's binding status is 0x33, out of reach while it
// searches (0xBB); an unsettled or missing status says nothing.
std::optional<bool> MouseInReach(const std::optional<SpecialReply>& binding);
