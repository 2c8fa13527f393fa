#include "cli/WatchStop.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT};

volatile sig_atomic_t writeEnd = -1;
struct sigaction earlier[2];

// Async-signal-safe: one write, errno kept.
void OnSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    if (writeEnd >= 0) [[maybe_unused]]
        const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = saved;
}

bool ReaderGone()
{
    pollfd out{STDOUT_FILENO, POLLOUT, 0};
    return ::poll(&out, 1, 0) == 1 && (out.revents & (POLLERR | POLLHUP)) != 0;
}

}  // namespace

WatchStop::WatchStop(std::function<void()> onStop) : onStop_(std::move(onStop))
{
    // A write to a pipe nobody reads fails with EPIPE instead of ending the process unsaid.
    ::signal(SIGPIPE, SIG_IGN);
    if (writeEnd < 0 && ::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) == 0) {
        signals_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
        connect(signals_, &QSocketNotifier::activated, this, [this] { Stop(); });
        writeEnd = pipe_[1];
        struct sigaction action = {};
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART | SA_RESETHAND;  // a second signal ends it the default way
        for (int i = 0; i < 2; ++i)
            ::sigaction(kSignals[i], &action, &earlier[i]);
    }
    WatchReader();
}

WatchStop::~WatchStop()
{
    if (!signals_)
        return;
    for (int i = 0; i < 2; ++i)
        ::sigaction(kSignals[i], &earlier[i], nullptr);
    writeEnd = -1;
    delete signals_;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void WatchStop::WatchReader()
{
    struct stat out = {};
    if (::fstat(STDOUT_FILENO, &out) != 0 || !S_ISFIFO(out.st_mode))
        return;
    // The write end of a pipe never becomes readable; the event loop reports its error (the
    // reader closed it) to a read notifier.
    reader_ = new QSocketNotifier(STDOUT_FILENO, QSocketNotifier::Read, this);
    connect(reader_, &QSocketNotifier::activated, this, [this] {
        if (ReaderGone())
            Stop();
        else
            reader_->setEnabled(false);  // readable after all (a pipe opened both ways): no use
    });
}

void WatchStop::Stop()
{
    if (requested_)
        return;
    requested_ = true;
    if (signals_)
        signals_->setEnabled(false);
    if (reader_)
        reader_->setEnabled(false);
    if (onStop_)
        onStop_();
}
