#pragma once

#include "protocol/device/HidBackend.h"

#include <QHash>
#include <QString>

#include <memory>

class HidrawSysfs;
class UdevMonitor;

// The HID backend on Linux: hidapi's hidraw backend for listing and transfers, the report
// descriptors in sysfs for the collections and their capabilities, and a udev monitor on the
// hidraw subsystem for change notifications. Lives on the user-interface thread.
class LinuxHidBackend final : public HidBackend {
public:
    // hid_enumerate lists at most this many entries per call; more are ignored.
    static constexpr int kMaxEnumerationRecords = 4096;

    LinuxHidBackend();
    ~LinuxHidBackend() override;
    LinuxHidBackend(const LinuxHidBackend&) = delete;
    LinuxHidBackend& operator=(const LinuxHidBackend&) = delete;

    bool available() const override { return available_; }
    std::vector<HidNodeInfo> listPresent() override;
    // Linux has no handle without access rights: NoAccess always gives nothing.
    std::unique_ptr<HidConnection> open(const HidNodeInfo& node, HidAccess access,
                                        HidOpenError* error) override;

private:
    bool hidInitialized_ = false;
    bool available_ = false;
    std::shared_ptr<const HidrawSysfs> sysfs_;
    std::unique_ptr<UdevMonitor> monitor_;
    QHash<QString, quint16> listedRelease_;  // by path, from the latest listing
};

std::shared_ptr<HidBackend> CreateLinuxHidBackend();
