#pragma once

#include <QtGlobal>

#include <functional>
#include <vector>

// Every wait and every message pump inside a device exchange goes through this interface, so
// that tests can run exchanges on virtual time and assert the exact waits.
class DeviceClock {
public:
    virtual ~DeviceClock() = default;
    virtual void sleep(int ms) = 0;
    // Lets pending user-interface events run (timer ticks, clicks, paints).
    virtual void pump() = 0;
    // Milliseconds since an arbitrary, fixed origin.
    virtual qint64 nowMs() const = 0;
};

// Sleeps for real and processes the Qt event queue.
class RealDeviceClock final : public DeviceClock {
public:
    RealDeviceClock();
    void sleep(int ms) override;
    void pump() override;
    qint64 nowMs() const override;

private:
    qint64 origin_;
};

// Virtual time: sleeping advances the clock at once. Every sleep is recorded. Pumping calls the
// optional hook and, when enabled, processes the Qt event queue.
class TestDeviceClock final : public DeviceClock {
public:
    void sleep(int ms) override;
    void pump() override;
    qint64 nowMs() const override { return now_; }

    void advance(qint64 ms) { now_ += ms; }
    void setProcessEvents(bool on) { processEvents_ = on; }
    void setPumpHook(std::function<void()> hook) { pumpHook_ = std::move(hook); }

    const std::vector<int>& sleeps() const { return sleeps_; }
    int pumps() const { return pumps_; }
    void clearRecord()
    {
        sleeps_.clear();
        pumps_ = 0;
    }

private:
    qint64 now_ = 0;
    bool processEvents_ = false;
    int pumps_ = 0;
    bool inHook_ = false;
    std::vector<int> sleeps_;
    std::function<void()> pumpHook_;
};
