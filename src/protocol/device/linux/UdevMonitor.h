#pragma once

#include <QObject>

struct udev;
struct udev_monitor;
class QSocketNotifier;

// Watches udev for devices of one subsystem being added or removed. Events are read on the
// thread that owns the monitor, through a socket notifier on the monitor's socket; udev
// delivers them after its rules have run, so a new node already carries its permissions.
class UdevMonitor : public QObject {
    Q_OBJECT
public:
    // A wake-up reads at most this many events; the rest wake the notifier again.
    static constexpr int kMaxEventsPerWakeup = 64;

    // `source` is the netlink event source: "udev" (after rule processing) or "kernel".
    explicit UdevMonitor(const char* subsystem, const char* source = "udev",
                         QObject* parent = nullptr);
    ~UdevMonitor() override;

    // False when udev or its monitor socket is not available: no event will ever come.
    bool isValid() const { return notifier_ != nullptr; }

signals:
    // Once per added or removed device.
    void deviceAddedOrRemoved();

private:
    bool start(const char* subsystem, const char* source);
    void readEvents();

    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    QSocketNotifier* notifier_ = nullptr;
};
