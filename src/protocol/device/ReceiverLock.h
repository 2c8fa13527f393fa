#pragma once

#include <QString>

// Keeps two processes (the window and the command line) from interleaving their exchanges on
// one receiver: a reply read by one could belong to the other's request. The command channel
// takes it for every outermost run of exchanges and gives it back when the run ends.
class ReceiverLock {
public:
    virtual ~ReceiverLock() = default;
    // True when this process now holds the receiver at `path`; waits at most waitMs for another
    // process to give it back.
    virtual bool acquire(const QString& path, int waitMs) = 0;
    virtual void release() = 0;
    // Why the last acquire failed when no lock could be had at all (its file cannot be made
    // safely), in the language in force; empty when another process merely held it.
    virtual QString failure() const { return {}; }
};
