#pragma once

#include "cli/BarLines.h"
#include "cli/CliSession.h"
#include "protocol/receiver/StatusEvents.h"

#include <QDateTime>
#include <QString>

#include <functional>

// karvelo-rf watch without its event loop: polls the receiver as one status tick of the window
// does, follows the device changes, and prints a line for each change since the last line.
class StatusWatch {
public:
    // Prints one line; 0, or the reason (errno) it could not be written.
    using Printer = std::function<int(const QString& line)>;
    using Clock = std::function<QDateTime()>;

    StatusWatch(CliSession& session, const QString& node, bool json, Printer print, Clock now);
    // Where the permission help goes, once: standard error.
    void setWarning(std::function<void(const QString&)> warn) { warn_ = std::move(warn); }
    // Prints only what a status bar shows, each time it changes, instead of the events.
    void setBar(std::optional<BarFormat> bar) { bar_ = bar; }

    // Chooses the receiver, polls it and prints the whole state; from then on follows the
    // session's device changes. Tells how the receiver was found, for a warning. A receiver
    // that another process holds for all of the lock's wait has its state printed by the first
    // poll that reads it: never as unknown.
    CliSession::Open start();
    // One poll: skipped while another process (the window) holds the receiver; it prints
    // nothing then.
    void poll();
    // Why the last line could not be written (EPIPE: the reader went away), or 0; after a
    // failed line nothing more is printed.
    int writeError() const { return writeError_; }
    // Why no lock could be had to take the receiver at all; empty while one can.
    const QString& lockFailure() const { return lockFailure_; }
    // Nothing more will be printed or polled.
    bool ended() const { return writeError_ != 0 || !lockFailure_.isEmpty(); }

private:
    void devicesChanged();
    // Opens the receiver again, telling one that this user may not open.
    void open();
    // Tells each receiver newly refused for want of permission: a line in the stream, and the
    // permission help once.
    void tellDenied();
    // Runs a device change that came while a poll ran; false when none came.
    bool handlePendingChange();
    // Polls the receiver; false when another process holds it.
    bool read(WatchedReceiver& fresh);
    void show(const WatchedState& next);
    // Prints a bar's line when it differs from the last one.
    void printBar(const QString& line);
    void print(const QString& line);

    CliSession& session_;
    QString node_;
    bool json_;
    Printer print_;
    Clock now_;
    WatchedState shown_;
    KeyboardReach keyboard_;
    std::optional<BarFormat> bar_;
    std::optional<QString> barShown_;
    bool statePending_ = false;  // the first state waits for a poll that gets the receiver
    bool started_ = false;
    bool polling_ = false;
    bool changePending_ = false;
    int writeError_ = 0;
    QString lockFailure_;
    std::function<void(const QString&)> warn_;
    size_t deniedTold_ = 0;  // the session's denied nodes told so far
    bool helpShown_ = false;
};
