#pragma once

#include "protocol/platform/ProcessList.h"

#include <QString>

// The processes of the current user, read from /proc; ended with SIGTERM.
class LinuxProcessList final : public ProcessList {
public:
    explicit LinuxProcessList(QString procRoot = QStringLiteral("/proc"));
    std::vector<Entry> Snapshot() override;
    qint64 CurrentPid() const override;
    bool Terminate(qint64 pid) override;

private:
    QString procRoot_;
};
