#pragma once

#include "protocol/device/CommandChannel.h"
#include "protocol/device/DeviceList.h"
#include "protocol/device/ReceiverSelection.h"
#include "protocol/receiver/ReceiverState.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class DeviceClock;
class HidBackend;
class THidDeviceController;
struct HidNodeInfo;

// The receiver as the command line reaches it: the platform's HID devices (or the simulated
// receiver), the receiver chosen among them and the command channel to it, shared with the
// window through the receiver lock.
class CliSession {
public:
    // How long a command waits for the window to finish an exchange sequence.
    static constexpr int kLockWaitMs = 3000;

    enum class Open { Ok, NoReceiver, NoAccess, NotFound };

    explicit CliSession(bool simulate);
    // On a given clock and backend, without the receiver lock (for tests).
    CliSession(std::shared_ptr<DeviceClock> clock, std::shared_ptr<HidBackend> backend);
    ~CliSession();
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    HidBackend& backend() const { return *backend_; }
    DeviceClock& clock() const { return *clock_; }
    CommandChannel& channel() { return channel_; }
    ReceiverState& state() { return state_; }
    THidDevice* receiver() const { return channel_.receiver(); }
    // The nodes of known receivers that could not be opened for lack of permission.
    const std::vector<QString>& deniedNodes() const { return denied_; }

    // Chooses the receiver (the one at `node` when given) among the devices present and opens
    // the channel to it; again after a device change, for a command that goes on.
    Open OpenReceiver(const QString& node);
    // Runs after every device change, once a removed receiver has been dropped.
    void setDeviceChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }
    // True once the receiver was unplugged: the channel has dropped it, so nothing more is
    // sent. Looks at the devices present when no notification has told so yet.
    bool ReceiverRemoved();

private:
    void StartController();
    void DropRemovedReceiver();

    std::shared_ptr<DeviceClock> clock_;
    std::shared_ptr<HidBackend> backend_;
    std::unique_ptr<THidDeviceController> controller_;
    DeviceList devices_;
    ProductTable products_;
    CommandChannel channel_;
    ReceiverState state_;
    std::vector<QString> denied_;
    bool removed_ = false;
    std::function<void()> onChange_;
};
