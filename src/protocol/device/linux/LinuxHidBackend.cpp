#include "protocol/device/linux/LinuxHidBackend.h"

#include "protocol/device/linux/HidNodeListing.h"
#include "protocol/device/linux/HidrawSysfs.h"
#include "protocol/device/linux/LinuxHidConnection.h"
#include "protocol/device/linux/UdevMonitor.h"

#include <cerrno>
#include <hidapi/hidapi.h>
#include <unistd.h>

namespace {

// hid_exit releases hidapi's global state, so it may run only when no backend uses it any more.
int liveHidUsers = 0;

std::vector<HidEnumRecord> enumerateRecords()
{
    std::vector<HidEnumRecord> records;
    hid_device_info* all = hid_enumerate(0, 0);
    int count = 0;
    for (const hid_device_info* d = all; d && count < LinuxHidBackend::kMaxEnumerationRecords;
         d = d->next, ++count) {
        if (d->path)
            records.push_back(
                {QString::fromLocal8Bit(d->path), d->vendor_id, d->product_id, d->release_number});
    }
    hid_free_enumeration(all);
    return records;
}

HidOpenError diagnoseOpenFailure(const QByteArray& path, int openErrno)
{
    // access(2) asks the kernel again and sees ACLs such as those of uaccess; hidapi may have
    // changed errno while cleaning up after the failed open.
    if (::access(path.constData(), R_OK | W_OK) != 0)
        return classifyOpenErrno(errno);
    return classifyOpenErrno(openErrno);
}

}  // namespace

LinuxHidBackend::LinuxHidBackend() : sysfs_(std::make_shared<HidrawSysfs>())
{
    hidInitialized_ = hid_init() == 0;
    if (hidInitialized_)
        ++liveHidUsers;
    monitor_ = std::make_unique<UdevMonitor>("hidraw");
    available_ = hidInitialized_ && monitor_->isValid();
    if (available_)
        QObject::connect(monitor_.get(), &UdevMonitor::deviceAddedOrRemoved, monitor_.get(),
                         [this] { notifyChange(); });
}

LinuxHidBackend::~LinuxHidBackend()
{
    monitor_.reset();
    if (hidInitialized_ && --liveHidUsers == 0)
        hid_exit();
}

std::vector<HidNodeInfo> LinuxHidBackend::listPresent()
{
    if (!available_)
        return {};
    const std::vector<HidEnumRecord> records = enumerateRecords();
    listedRelease_.clear();
    for (const HidEnumRecord& record : records)
        listedRelease_.insert(record.path, record.releaseNumber);
    return listCollections(records, *sysfs_);
}

std::unique_ptr<HidConnection> LinuxHidBackend::open(const HidNodeInfo& node, HidAccess access,
                                                     HidOpenError* error)
{
    HidOpenError failure = HidOpenError::Failed;
    std::unique_ptr<HidConnection> connection;
    if (available_ && access == HidAccess::ReadWrite) {
        const QByteArray path = node.path.toLocal8Bit();
        hid_device* device = nullptr;
        if (!nodeStillListedDevice(node, *sysfs_)) {
            failure = HidOpenError::NotFound;
        } else if (!(device = hid_open_path(path.constData()))) {
            failure = diagnoseOpenFailure(path, errno);
        } else if (!nodeStillListedDevice(node, *sysfs_)) {
            hid_close(device);  // the node changed hands while it was being opened
            failure = HidOpenError::NotFound;
        } else {
            connection = std::make_unique<LinuxHidConnection>(
                device, node, listedRelease_.value(node.path), sysfs_);
            failure = HidOpenError::None;
        }
    }
    if (error)
        *error = failure;
    return connection;
}

std::shared_ptr<HidBackend> CreateLinuxHidBackend()
{
    return std::make_shared<LinuxHidBackend>();
}
