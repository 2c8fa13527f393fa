#include "protocol/device/linux/UdevMonitor.h"

#include <QSocketNotifier>

#include <cstring>
#include <libudev.h>

UdevMonitor::UdevMonitor(const char* subsystem, const char* source, QObject* parent)
    : QObject(parent)
{
    if (!start(subsystem, source)) {
        if (monitor_)
            udev_monitor_unref(monitor_);
        if (udev_)
            udev_unref(udev_);
        monitor_ = nullptr;
        udev_ = nullptr;
    }
}

UdevMonitor::~UdevMonitor()
{
    delete notifier_;  // before the socket it watches closes
    if (monitor_)
        udev_monitor_unref(monitor_);
    if (udev_)
        udev_unref(udev_);
}

bool UdevMonitor::start(const char* subsystem, const char* source)
{
    udev_ = udev_new();
    if (!udev_ || !subsystem || !source)
        return false;
    monitor_ = udev_monitor_new_from_netlink(udev_, source);
    if (!monitor_ ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor_, subsystem, nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor_) < 0)
        return false;
    const int fd = udev_monitor_get_fd(monitor_);
    if (fd < 0)
        return false;
    notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read);
    connect(notifier_, &QSocketNotifier::activated, this, &UdevMonitor::readEvents);
    return true;
}

void UdevMonitor::readEvents()
{
    // Count first and notify afterwards: a receiver that pumps events must not re-enter the
    // monitor in the middle of reading it.
    int changes = 0;
    for (int i = 0; i < kMaxEventsPerWakeup; ++i) {
        udev_device* device = udev_monitor_receive_device(monitor_);
        if (!device)
            break;
        const char* action = udev_device_get_action(device);
        if (action && (std::strcmp(action, "add") == 0 || std::strcmp(action, "remove") == 0))
            ++changes;
        udev_device_unref(device);
    }
    for (int i = 0; i < changes; ++i)
        emit deviceAddedOrRemoved();
}
