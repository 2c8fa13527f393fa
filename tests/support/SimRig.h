#pragma once

#include "protocol/device/CommandChannel.h"
#include "protocol/device/DeviceClock.h"
#include "protocol/device/HidController.h"
#include "sim/ReceiverModel.h"
#include "sim/SimHidBackend.h"
#include "sim/SimReceivers.h"

#include <QCoreApplication>

#include <functional>
#include <memory>
#include <vector>

// The default receiver behind the controller and the channel, on the test clock, with the
// mouse collection checked out as the receiver handle.
struct SimRig {
    std::shared_ptr<TestDeviceClock> clock = std::make_shared<TestDeviceClock>();
    std::shared_ptr<SimHidBackend> backend = std::make_shared<SimHidBackend>(clock);
    std::shared_ptr<ReceiverModel> firmware = SimReceivers::defaultFirmware();
    int receiverId = backend->plug(SimReceivers::receiverProfile(), firmware);
    THidDeviceController controller{backend};
    CommandChannel channel{*clock};
    THidDevice* receiver = nullptr;

    SimRig()
    {
        QCoreApplication::processEvents();
        if (controller.LendDevice(0, receiver))
            channel.setReceiver(receiver);
    }
    ~SimRig()
    {
        channel.setReceiver(nullptr);
        controller.ReturnDevice(receiver);
    }

    SimFaults& faults() { return backend->faults(receiverId); }
    ReportLog& log() { return backend->log(); }
    // The reports written while the action runs, as hex lines.
    std::vector<QString> sent(const std::function<void()>& action)
    {
        const qint64 mark = log().mark();
        action();
        return log().sentSince(mark);
    }
};
