#pragma once

#include "protocol/device/HidBackend.h"

#include <memory>

struct hid_device_;
class HidrawSysfs;

// Why a hidraw node could not be opened, from errno of the failed open or of access(2).
HidOpenError classifyOpenErrno(int error);

// An open hidraw node through hidapi. Feature reports, strings and attributes go through the
// handle; the capabilities come from the node's report descriptor in sysfs.
class LinuxHidConnection final : public HidConnection {
public:
    // Feature reports of HID devices are far shorter; longer requests are refused.
    static constexpr int kMaxReportLength = 4096;

    // Takes ownership of `device`. `listedRelease` stands in when hidapi cannot tell.
    LinuxHidConnection(hid_device_* device, const HidNodeInfo& node, quint16 listedRelease,
                       std::shared_ptr<const HidrawSysfs> sysfs);
    ~LinuxHidConnection() override;
    LinuxHidConnection(const LinuxHidConnection&) = delete;
    LinuxHidConnection& operator=(const LinuxHidConnection&) = delete;

    bool canTransfer() const override { return true; }
    bool getAttributes(HidAttributes& out) override;
    bool getCaps(HidCaps& out) override;
    bool setFeature(const quint8* data, int len) override;
    bool getFeature(quint8* data, int len) override;
    bool getProductString(QString& out) override;
    bool getSerialNumberString(QString& out) override;
    bool getIndexedString(int index, QString& out) override;
    bool removed() const override { return removed_; }

private:
    bool readString(int (*reader)(hid_device_*, wchar_t*, size_t), QString& out);
    // After a failed transfer: whether the node went away rather than refused the report.
    void noteFailure(int transferErrno);

    hid_device_* device_;
    HidNodeInfo node_;
    quint16 listedRelease_;
    std::shared_ptr<const HidrawSysfs> sysfs_;
    bool removed_ = false;
};

// True when the node at the node's path still belongs to the HID device the node was listed
// for: a hidraw number is given to the next device once its holder is unplugged.
bool nodeStillListedDevice(const HidNodeInfo& node, const HidrawSysfs& sysfs);
