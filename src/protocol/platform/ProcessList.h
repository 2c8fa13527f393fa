#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

// The system's process list, as far as ending other running copies needs it.
class ProcessList {
public:
    struct Entry {
        qint64 pid = 0;
        QString exeFile;  // as listed; may hold a full path
    };

    virtual ~ProcessList() = default;
    // Processes of the current user. Empty when the list cannot be read.
    virtual std::vector<Entry> Snapshot() = 0;
    virtual qint64 CurrentPid() const = 0;
    // Ends the process with exit code 0 (or the platform's equivalent); false when it cannot.
    virtual bool Terminate(qint64 pid) = 0;
};
