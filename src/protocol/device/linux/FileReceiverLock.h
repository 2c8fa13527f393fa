#pragma once

#include "protocol/device/ReceiverLock.h"

#include <QByteArray>
#include <QString>

#include <chrono>

// An advisory lock (flock) on a file named for the receiver's node, in the user's runtime
// folder ($XDG_RUNTIME_DIR, else the temporary folder). The kernel drops it when the process
// ends, however it ends.
//
// The status tick takes the lock every second: the file stays open between runs on one node,
// and is opened again after a minute, so that a lock file a cleaner of the folder removed
// is shared with other processes again soon.
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
    bool open(const QString& path);
    void close();

    int fd_ = -1;
    bool held_ = false;
    QString path_;  // the node path the open file is for
    std::chrono::steady_clock::time_point openedAt_;
};
