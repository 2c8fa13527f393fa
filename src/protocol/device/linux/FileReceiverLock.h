#pragma once

#include "protocol/device/ReceiverLock.h"

#include <QString>

// An advisory lock (flock) on a file named for the receiver's node, in the user's runtime
// folder ($XDG_RUNTIME_DIR, else the temporary folder). The kernel drops it when the process
// ends, however it ends.
class FileReceiverLock final : public ReceiverLock {
public:
    FileReceiverLock() = default;
    ~FileReceiverLock() override;
    FileReceiverLock(const FileReceiverLock&) = delete;
    FileReceiverLock& operator=(const FileReceiverLock&) = delete;

    bool acquire(const QString& path, int waitMs) override;
    void release() override;

    // The lock file for a node path.
    static QString FileFor(const QString& path);

private:
    int fd_ = -1;
};
