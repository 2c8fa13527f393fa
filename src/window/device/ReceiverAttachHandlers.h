#pragma once

#include "protocol/device/CommandChannel.h"
#include "protocol/device/DeviceList.h"
#include "protocol/device/HidBackend.h"
#include "protocol/device/ReceiverSelection.h"
#include "protocol/device/RfAccess.h"
#include "protocol/device/SpecialCommands.h"
#include "protocol/engineering/ReceiverControl.h"
#include "protocol/receiver/ReceiverState.h"

#include <vector>

class DeviceClock;

// The window's link to its receiver: the command channel every exchange goes through, the
// protocol halves that several features share, the devices of the device list box, the table
// the receiver is chosen by and the receiver functions' flags and IDs.
struct ReceiverLinkState {
    explicit ReceiverLinkState(DeviceClock& clock) : channel(clock) {}

    CommandChannel channel;
    RfAccess rfAccess{channel};
    SpecialCommands specialCommands{channel};
    ReceiverControl receiverControl{channel};
    ReceiverState receiver;
    DeviceList devices;
    ProductTable productTable;
    std::vector<HidNodeInfo> inaccessibleNodes;  // the receiver nodes of the latest help

    // What the line beside the Connect button says.
    enum class Line { Attached, NoReceiver, NotAccessible, Pairing, RemovedWhilePairing };
    Line line = Line::NoReceiver;
    int pairingSecondsLeft = 0;
};
