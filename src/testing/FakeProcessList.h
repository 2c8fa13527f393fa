#pragma once

#include "protocol/platform/ProcessList.h"

// A process list a test writes; ending a process is only recorded.
class FakeProcessList final : public ProcessList {
public:
    std::vector<Entry> Snapshot() override { return entries; }
    qint64 CurrentPid() const override { return self; }
    bool Terminate(qint64 pid) override
    {
        terminated.push_back(pid);
        return true;
    }

    qint64 self = 1000;
    std::vector<Entry> entries;
    std::vector<qint64> terminated;
};
