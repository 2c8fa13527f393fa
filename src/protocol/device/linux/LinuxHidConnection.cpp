#include "protocol/device/linux/LinuxHidConnection.h"

#include "protocol/device/ReportDescriptor.h"
#include "protocol/device/linux/HidNodeListing.h"
#include "protocol/device/linux/HidrawSysfs.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cwchar>
#include <hidapi/hidapi.h>
#include <vector>

HidOpenError classifyOpenErrno(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return HidOpenError::PermissionDenied;
    case ENOENT:
    case ENODEV:
    case ENXIO: return HidOpenError::NotFound;
    default: return HidOpenError::Failed;
    }
}

bool nodeStillListedDevice(const HidNodeInfo& node, const HidrawSysfs& sysfs)
{
    const QString listed = hidDeviceNameOfInstance(node.instanceId);
    return listed.isEmpty() || sysfs.hidDeviceName(node.path) == listed;
}

LinuxHidConnection::LinuxHidConnection(hid_device_* device, const HidNodeInfo& node,
                                       quint16 listedRelease,
                                       std::shared_ptr<const HidrawSysfs> sysfs)
    : device_(device), node_(node), listedRelease_(listedRelease), sysfs_(std::move(sysfs))
{}

LinuxHidConnection::~LinuxHidConnection()
{
    if (device_)
        hid_close(device_);
}

bool LinuxHidConnection::getAttributes(HidAttributes& out)
{
    out = HidAttributes{};
    if (const hid_device_info* info = hid_get_device_info(device_)) {
        out.VendorID = info->vendor_id;
        out.ProductID = info->product_id;
        out.VersionNumber = info->release_number;
        return true;
    }
    out.VendorID = node_.vendorId;
    out.ProductID = node_.productId;
    out.VersionNumber = listedRelease_;
    return true;
}

bool LinuxHidConnection::getCaps(HidCaps& out)
{
    if (!nodeStillListedDevice(node_, *sysfs_))
        return false;
    const auto descriptor = sysfs_->reportDescriptor(node_.path);
    if (!descriptor)
        return false;
    const ParsedReportDescriptor parsed = parseReportDescriptor(*descriptor);
    if (node_.collectionIndex < 0 ||
        node_.collectionIndex >= static_cast<int>(parsed.collections.size()))
        return false;
    const TopLevelCollection& c = parsed.collections[size_t(node_.collectionIndex)];
    out = HidCaps{};
    out.UsagePage = c.usagePage;
    out.Usage = c.usage;
    out.InputReportByteLength = c.inputReportByteLength;
    out.OutputReportByteLength = c.outputReportByteLength;
    out.FeatureReportByteLength = c.featureReportByteLength;
    return true;
}

bool LinuxHidConnection::setFeature(const quint8* data, int len)
{
    if (!data || len <= 0 || len > kMaxReportLength)
        return false;
    // hidapi returns the number of bytes written: only the whole report counts as sent.
    const int written = hid_send_feature_report(device_, data, size_t(len));
    if (written < 0)
        noteFailure(errno);
    return written >= len;
}

bool LinuxHidConnection::getFeature(quint8* data, int len)
{
    if (!data || len <= 0 || len > kMaxReportLength)
        return false;
    std::vector<quint8> reply(size_t(len), 0);
    reply[0] = data[0];  // the report ID to read
    const int read = hid_get_feature_report(device_, reply.data(), reply.size());
    if (read < 0)
        noteFailure(errno);
    if (read <= 0)
        return false;
    // The bytes come back as the device sent them; behind a short reply stay zeros, never the
    // request's bytes.
    std::copy(reply.begin(), reply.end(), data);
    return true;
}

void LinuxHidConnection::noteFailure(int transferErrno)
{
    // A refused report fails with EIO; a removed node with ENODEV, except for a request the
    // removal cut short (EIO again). The node's absence from sysfs tells those apart, and
    // covers an errno that hidapi's error bookkeeping changed.
    removed_ = removed_ || transferErrno == ENODEV || !nodeStillListedDevice(node_, *sysfs_);
}

bool LinuxHidConnection::readString(int (*reader)(hid_device_*, wchar_t*, size_t), QString& out)
{
    std::array<wchar_t, 256> text{};
    if (reader(device_, text.data(), text.size()) != 0)
        return false;
    text.back() = L'\0';
    out = QString::fromWCharArray(text.data(), int(std::wcslen(text.data())));
    return true;
}

bool LinuxHidConnection::getProductString(QString& out)
{
    return readString(hid_get_product_string, out);
}

bool LinuxHidConnection::getSerialNumberString(QString& out)
{
    return readString(hid_get_serial_number_string, out);
}

bool LinuxHidConnection::getIndexedString(int, QString&)
{
    return false;  // hidraw offers no access to string descriptors by index
}
