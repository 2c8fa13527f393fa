// What the tests inside the virtual machine share: a virtual clock both ends of a transfer can
// read, the simulated receiver served through /dev/uhid on a thread of the test, and the main
// window built on either backend.
#pragma once

#include "protocol/device/DeviceClock.h"
#include "protocol/device/HidBackend.h"
#include "sim/ReportLog.h"
#include "sim/SimDeviceProfile.h"
#include "testing/TestServices.h"
#include "virtual/UhidReceiver.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

class ReceiverModel;
class TForm1;

// Virtual time that the serving thread's firmware reads while the test's thread advances it:
// every wait costs nothing, and the firmware sees exactly the times it sees on the simulated
// backend. Pumping runs the event loop only when asked (a hot-plug test); otherwise no timer
// tick or device notification can slip into a sequence.
class SteppedClock final : public DeviceClock {
public:
    void sleep(int ms) override;
    void pump() override;
    qint64 nowMs() const override { return now_.load(); }
    void setProcessEvents(bool on) { processEvents_ = on; }

private:
    std::atomic<qint64> now_{0};
    std::atomic<bool> processEvents_{false};
};

// Runs the event loop until `done` holds or `timeoutMs` of real time have passed; the result
// is `done`'s last answer.
bool WaitFor(const std::function<bool()>& done, int timeoutMs = 10000);

// The simulated receiver as a real HID device of this machine's kernel, answered by a thread
// of its own (the kernel holds a feature call until the device answers it).
class ServedReceiver {
public:
    ServedReceiver(SimDeviceProfile profile, std::shared_ptr<ReceiverModel> firmware,
                   std::shared_ptr<DeviceClock> clock = nullptr);
    ~ServedReceiver();
    ServedReceiver(const ServedReceiver&) = delete;
    ServedReceiver& operator=(const ServedReceiver&) = delete;

    // Creates the device and waits until the kernel has given it a hidraw node; false when
    // /dev/uhid cannot be opened, the kernel refuses the device or no node came.
    bool plug();
    // Destroys it and waits until the node has gone.
    void unplug();
    // When the device is removed by a fault (SimFaults::unplugAtExchange), plugs it in again
    // at once, from the serving thread, while the sequence that saw it go is still running.
    void setReplugAfterRemoval(bool on) { replugAfterRemoval_ = on; }
    // Waits for the node of a device plugged in again from the serving thread.
    bool findReplugged();
    // "/dev/hidrawN" while plugged in.
    const QString& node() const { return node_; }
    UhidReceiver& device() { return receiver_; }
    // The reports exchanged since `mark` as "set 01 09 .." / "get 28 21 ..".
    std::vector<QString> transcriptSince(qint64 mark) const;

private:
    SimDeviceProfile profile_;
    UhidReceiver receiver_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> plugWanted_{false};
    std::atomic<bool> replugAfterRemoval_{false};
    std::thread server_;
    QString node_;
};

// The hidraw nodes of HID devices with this vendor and product ID, as sysfs lists them now.
std::vector<QString> HidrawNodesOf(quint16 vendorId, quint16 productId);

// The same transcript from a simulated backend's log.
std::vector<QString> Transcript(const std::vector<ReportLogEntry>& entries);
// A transcript one report a line, as gtest shows differences between texts.
std::string TranscriptText(const std::vector<QString>& transcript);
// The first `count` reports set in a transcript, one a line.
std::string SetLines(const std::vector<QString>& transcript, size_t count = SIZE_MAX);

// A backend in front of another that counts the feature calls made through it, so a test can
// see what a sequence still tries once its device has gone.
class CountingBackend final : public HidBackend {
public:
    explicit CountingBackend(std::shared_ptr<HidBackend> inner);
    bool available() const override { return inner_->available(); }
    std::vector<HidNodeInfo> listPresent() override { return inner_->listPresent(); }
    std::unique_ptr<HidConnection> open(const HidNodeInfo& node, HidAccess access,
                                        HidOpenError* error) override;
    // Set and get calls made so far.
    int calls() const { return *calls_; }

private:
    std::shared_ptr<HidBackend> inner_;
    std::shared_ptr<int> calls_ = std::make_shared<int>(0);
};

// The main window, started as the tool starts it, on the given backend and clock, with
// recorded dialogs and no other process; its first device notification is delivered.
struct GuestWindow {
    // `hiddenInTray`: started with --hidden on a desktop with a tray.
    GuestWindow(std::shared_ptr<HidBackend> backend, std::shared_ptr<DeviceClock> clock,
                bool hiddenInTray = false);
    ~GuestWindow();
    TForm1& operator*() const { return *window; }
    TForm1* operator->() const { return window.get(); }
    // Disarms the window's timers, so that only what a test calls runs.
    void holdTimers() const;
    // Attached to the receiver's present node, its VID on show.
    bool attachedTo(const ServedReceiver& receiver) const;
    // No receiver handle, nothing on show.
    bool showsNoReceiver() const;

    TestServices services;
    std::unique_ptr<TForm1> window;
};
