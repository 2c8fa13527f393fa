#pragma once

#include "protocol/device/ReceiverLock.h"

#include <QByteArray>
#include <QString>

#include <chrono>

// An advisory lock (flock) on a file named for the receiver's node, in the user's runtime
// folder ($XDG_RUNTIME_DIR), else in a folder of the user's own in the temporary folder
// (karvelo-rf-UID, mode 0700). A folder or file that another user owns is never used: without
// a lock file of its own the process takes no receiver at all. The kernel drops the lock when
// the process ends, however it ends.
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
    QString failure() const override { return failure_; }

    // The lock file for a node path; empty when there is no folder this user may keep it in
    // (`why` then tells).
    static QString fileFor(const QString& path, QString* why = nullptr);

private:
    bool open(const QString& path);
    void close();

    int fd_ = -1;
    bool held_ = false;
    QString failure_;
    QString path_;  // the node path the open file is for
    std::chrono::steady_clock::time_point openedAt_;
};
