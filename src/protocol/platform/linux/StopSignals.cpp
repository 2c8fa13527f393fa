#include "protocol/platform/linux/StopSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT};

volatile sig_atomic_t writeEnd = -1;
struct sigaction previous[2];

// Async-signal-safe: one write, errno kept.
void OnSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    if (writeEnd >= 0) [[maybe_unused]]
        const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = saved;
}

}  // namespace

StopSignals::StopSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal))
{
    if (writeEnd >= 0 || ::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { drain(); });
    writeEnd = pipe_[1];
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (int i = 0; i < 2; ++i) {
        ::sigaction(kSignals[i], nullptr, &previous[i]);
        // A shell starts background jobs with SIGINT ignored, so that the terminal's Ctrl-C
        // does not reach them: that stays so.
        if (kSignals[i] == SIGINT && previous[i].sa_handler == SIG_IGN)
            continue;
        ::sigaction(kSignals[i], &action, nullptr);
    }
}

StopSignals::~StopSignals()
{
    if (!notifier_)
        return;
    for (int i = 0; i < 2; ++i)
        ::sigaction(kSignals[i], &previous[i], nullptr);
    writeEnd = -1;
    delete notifier_;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void StopSignals::drain()
{
    char bytes[16];
    while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
    }
    if (onSignal_)
        onSignal_();
}
