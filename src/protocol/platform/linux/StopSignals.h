#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Turns SIGTERM and SIGINT into a call on the event loop's thread: the signal handler only
// writes a byte to a pipe, and a socket notifier on the pipe runs onSignal from the event loop.
// Each handler serves once: a second signal of the same kind ends the process the default way,
// so a tool that no longer runs its event loop can still be stopped. A SIGINT the process was
// started with ignored (a shell's background job) stays ignored. One object at a time.
class StopSignals final : public QObject {
public:
    explicit StopSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    ~StopSignals() override;  // restores the previous handlers

    bool installed() const { return notifier_ != nullptr; }

private:
    void drain();

    std::function<void()> onSignal_;
    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
};
