#pragma once

#include "sim/ReportLog.h"
#include "sim/SimDeviceProfile.h"
#include "sim/SimFaults.h"

#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class DeviceClock;
class ReceiverModel;
struct uhid_event;

// A simulated receiver as a real HID device of the kernel, created through /dev/uhid: the
// kernel gives it a hidraw node, and every feature report a program sets or gets on that node
// arrives here and is answered by the firmware model, as SimHidBackend answers it, on a real
// monotonic clock. This class only carries bytes; what the receiver answers is the model's.
//
// One thread serves (serve() or serveUntil()); any thread may plug, unplug, change the
// firmware or the faults through withState(), and read the log.
class UhidReceiver {
public:
    enum class OpenResult { Ok, Missing, Refused, Failed };
    static constexpr const char* kDefaultPath = "/dev/uhid";
    // Kernel events read in one call of serve(): a flood cannot hold the serving thread.
    static constexpr int kMaxEventsPerServe = 64;
    // The kernel's bus type for the device: USB, as the receiver's, which is also the bus
    // type hidapi's hidraw backend needs to list the device at all.
    static constexpr quint16 kBusUsb = 0x03;

    // Without firmware the device takes every report and never acknowledges one (another
    // vendor's device). Without a clock it uses a real one.
    UhidReceiver(SimDeviceProfile profile, std::shared_ptr<ReceiverModel> firmware,
                 std::shared_ptr<DeviceClock> clock = nullptr);
    ~UhidReceiver();
    UhidReceiver(const UhidReceiver&) = delete;
    UhidReceiver& operator=(const UhidReceiver&) = delete;

    // Opens the uhid control node; on failure openErrno() tells why.
    OpenResult open(const QString& path = QString::fromLatin1(kDefaultPath));
    int openErrno() const { return openErrno_; }

    // Creates the HID device (the kernel adds its hidraw node); false when the kernel refuses.
    bool plug();
    // Destroys it: the node goes away, requests waiting for an answer fail.
    void unplug();
    bool isPlugged() const;

    // Waits up to timeoutMs for the kernel's events and handles those pending, at most
    // kMaxEventsPerServe. False when the control node failed.
    bool serve(int timeoutMs);
    // Serves until `stop` is set, waking every pollMs to look at it.
    void serveUntil(const std::atomic<bool>& stop, int pollMs = 20);
    int fd() const { return fd_; }

    // Runs `change` with the firmware and the faults, while no request is being answered.
    void withState(const std::function<void(ReceiverModel*, SimFaults&)>& change);
    // Every feature report set and got (device id 1, collection 0: the kernel does not say
    // which collection a report belongs to; a get's length is the length answered).
    qint64 logMark() const;
    std::vector<ReportLogEntry> logSince(qint64 mark) const;

private:
    void handle(const uhid_event& event, size_t size);
    void answerGet(const uhid_event& event);
    void answerSet(const uhid_event& event, size_t size);
    // The feature report length of a report ID of the profile, 0 for one it does not have.
    int featureLength(quint8 reportId) const;
    bool unpluggedByFault(int direction);
    bool send(const uhid_event& event);
    void record(int direction, const quint8* data, int length, bool ok);
    void destroyLocked();

    SimDeviceProfile profile_;
    std::shared_ptr<ReceiverModel> firmware_;
    std::shared_ptr<DeviceClock> clock_;
    SimFaults faults_;
    ReportLog log_;
    int fd_ = -1;
    int openErrno_ = 0;
    bool plugged_ = false;
    mutable std::mutex mutex_;
};
