#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// What ends karvelo-rf watch from outside: SIGINT or SIGTERM (the handler only writes a byte to
// a pipe, read from the event loop), and a reader of standard output that goes away, seen at
// once when standard output is a pipe (its write end reports an error) rather than at the next
// line. onStop runs from the event loop, at most once.
class WatchStop final : public QObject {
public:
    explicit WatchStop(std::function<void()> onStop);
    ~WatchStop() override;
    WatchStop(const WatchStop&) = delete;
    WatchStop& operator=(const WatchStop&) = delete;

    bool requested() const { return requested_; }

private:
    void Stop();
    void WatchReader();

    std::function<void()> onStop_;
    QSocketNotifier* reader_ = nullptr;
    bool requested_ = false;
};
