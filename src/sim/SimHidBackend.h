#pragma once

#include "protocol/device/HidBackend.h"
#include "sim/ReportLog.h"
#include "sim/SimDeviceProfile.h"
#include "sim/SimFaults.h"

#include <memory>

class DeviceClock;
class ReceiverModel;

// A HID backend whose devices are simulated: plugged and unplugged at will, each collection
// answering feature reports through the device's firmware model (one model per device, shared
// by its collections). Device-change notifications are posted to the Qt event loop, never
// delivered from inside plug(), unplug() or an exchange; as with a device monitor, changes made
// while no change handler is set are not notified. Instance identities are never reused.
class SimHidBackend final : public HidBackend {
public:
    explicit SimHidBackend(std::shared_ptr<DeviceClock> clock);
    ~SimHidBackend() override;
    SimHidBackend(const SimHidBackend&) = delete;
    SimHidBackend& operator=(const SimHidBackend&) = delete;

    // Returns the new device's id. Without firmware the device accepts reports and never
    // acknowledges one.
    int plug(const SimDeviceProfile& profile, std::shared_ptr<ReceiverModel> firmware = nullptr);
    void unplug(int deviceId);
    bool isPlugged(int deviceId) const;
    // Handles currently open on the device (all collections).
    int openHandles(int deviceId) const;

    // Faults of one device; an unknown id gets a scratch object that affects nothing.
    SimFaults& faults(int deviceId);
    ReportLog& log();
    DeviceClock& clock() const;

    // False makes the backend look like a platform without HID facilities.
    void setAvailable(bool on);

    bool available() const override;
    std::vector<HidNodeInfo> listPresent() override;
    std::unique_ptr<HidConnection> open(const HidNodeInfo& node, HidAccess access,
                                        HidOpenError* error) override;

    struct Bus;

private:
    void postChange();

    std::shared_ptr<Bus> bus_;
};
