#include "cli/WatchStop.h"

#include "protocol/platform/linux/StopSignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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
    new StopSignals([this] { Stop(); }, this);  // a child: it goes with this object
    WatchReader();
}

WatchStop::~WatchStop() = default;

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
    if (reader_)
        reader_->setEnabled(false);
    if (onStop_)
        onStop_();
}
