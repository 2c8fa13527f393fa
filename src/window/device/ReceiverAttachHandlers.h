#pragma once

#include "protocol/device/CommandChannel.h"
#include "protocol/device/DeviceList.h"
#include "protocol/device/HidBackend.h"
#include "protocol/device/ReceiverSelection.h"
#include "protocol/device/RfAccess.h"
#include "protocol/device/SpecialCommands.h"
#include "protocol/engineering/ReceiverControl.h"
#include "protocol/i18n/Lang.h"
#include "protocol/receiver/ReceiverState.h"

#include <optional>
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
    // Another program held the receiver when it was attached: the status timer's next tick
    // attaches it again instead of polling.
    bool attachPending = false;

    // What the line beside the Connect button says.
    enum class Line { Attached, NoReceiver, NotAccessible, Pairing, RemovedWhilePairing };
    Line line = Line::NoReceiver;
    int pairingSecondsLeft = 0;

    // What the battery gauges' tips were last written for: the status tick comes every second
    // and the tips change only with a level or the language.
    struct TipInputs {
        int mouse, mouseFull, keyboard, keyboardFull;
        TLanguateKind language;
        bool operator==(const TipInputs& o) const
        {
            return mouse == o.mouse && mouseFull == o.mouseFull && keyboard == o.keyboard &&
                   keyboardFull == o.keyboardFull && language == o.language;
        }
    };
    std::optional<TipInputs> tipsShownFor;
};
