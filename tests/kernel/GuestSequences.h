// The tool's sequences as one table, and the window with its receiver on either backend, for
// the tests that run the same sequences on the simulated backend and on the kernel's HID stack.
#pragma once

#include "GuestRig.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class DeviceClock;
class ReceiverModel;
class SimHidBackend;
class TForm1;

struct Sequence {
    const char* name;
    std::function<void(ReceiverModel&)> prepare;  // the same on both backends
    // Runs the sequence on the attached window; what it decoded, as text.
    std::function<QString(TForm1&, DeviceClock&)> run;
};

// Attach, status tick, pairing to success and to time-out, every option change, read-back,
// hotkey store, identity writes and special command 2.
const std::vector<Sequence>& Sequences();

// The window and its receiver on one backend, attached, with the timers held.
class Side {
public:
    virtual ~Side();
    virtual void withFirmware(const std::function<void(ReceiverModel&)>& change) = 0;
    virtual qint64 mark() = 0;
    virtual std::vector<QString> transcriptSince(qint64 mark) = 0;
    TForm1& window() { return **window_; }
    const GuestWindow& guestWindow() const { return *window_; }
    std::shared_ptr<SteppedClock> clock = std::make_shared<SteppedClock>();

protected:
    bool Attach(std::shared_ptr<HidBackend> backend);
    std::unique_ptr<GuestWindow> window_;
};

class SimSide final : public Side {
public:
    SimSide();
    bool Start();
    void withFirmware(const std::function<void(ReceiverModel&)>& change) override;
    qint64 mark() override;
    std::vector<QString> transcriptSince(qint64 mark) override;

private:
    std::shared_ptr<ReceiverModel> firmware_;
    std::shared_ptr<SimHidBackend> backend_;
};

// The firmware served through /dev/uhid, reached through hidapi, hidraw and the udev monitor;
// every feature call is counted.
class KernelSide final : public Side {
public:
    KernelSide();
    bool Start();
    void withFirmware(const std::function<void(ReceiverModel&)>& change) override;
    qint64 mark() override;
    std::vector<QString> transcriptSince(qint64 mark) override;
    ServedReceiver& receiver() { return receiver_; }

    // A run whose receiver goes at its `call`-th feature call (plugged in again at once when
    // the receiver is told so).
    struct RemovalRun {
        qint64 mark = 0;      // of the receiver's log before the run
        int failedAfter = 0;  // calls that reached no device after the removal
        qint64 waitedAfterMs = 0;
    };
    RemovalRun RunWithRemoval(const Sequence& sequence, int call);

private:
    ServedReceiver receiver_;
    std::shared_ptr<CountingBackend> backend_;
};

// What a sequence did on one side.
struct SequenceRun {
    std::vector<QString> reports;
    QString result;
    qint64 waitedMs = 0;
};

SequenceRun RunOn(Side& side, const Sequence& sequence);
