#pragma once

#include "cli/CliSession.h"
#include "protocol/receiver/StatusEvents.h"

#include <QDateTime>
#include <QString>

#include <functional>

// karvelo-rf watch without its event loop: polls the receiver as one status tick of the window
// does, follows the device changes, and prints a line for each change since the last line.
class StatusWatch {
public:
    // Prints one line; false when nobody reads them any more.
    using Printer = std::function<bool(const QString& line)>;
    using Clock = std::function<QDateTime()>;

    StatusWatch(CliSession& session, const QString& node, bool json, Printer print, Clock now);

    // Chooses the receiver, polls it and prints the whole state; from then on follows the
    // session's device changes. Tells how the receiver was found, for a warning.
    CliSession::Open Start();
    // One poll: skipped while another process (the window) holds the receiver.
    void Poll();
    // Whether the reader went away: nothing more will be printed.
    bool readerGone() const { return readerGone_; }

private:
    void DevicesChanged();
    // Runs a device change that came while a poll ran; false when none came.
    bool HandlePendingChange();
    // Polls the receiver; false when another process holds it.
    bool Read(WatchedReceiver& fresh);
    void Show(const WatchedState& next);
    void Print(const QString& line);

    CliSession& session_;
    QString node_;
    bool json_;
    Printer print_;
    Clock now_;
    WatchedState shown_;
    KeyboardReach keyboard_;
    bool started_ = false;
    bool polling_ = false;
    bool changePending_ = false;
    bool readerGone_ = false;
};
