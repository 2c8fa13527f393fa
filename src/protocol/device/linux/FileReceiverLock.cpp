#include "protocol/device/linux/FileReceiverLock.h"

#include <QDir>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr int kPollMs = 20;
constexpr std::chrono::seconds kReopenAfter{60};

QString RuntimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime;
    return QDir::tempPath();
}

}  // namespace

FileReceiverLock::~FileReceiverLock()
{
    release();
    close();
}

QString FileReceiverLock::FileFor(const QString& path)
{
    QString name;
    for (const QChar c : path)
        name += c.isLetterOrNumber() && c.unicode() < 128 ? c : QLatin1Char('_');
    return RuntimeFolder() + QStringLiteral("/karvelo-rf-%1.lock").arg(name);
}

bool FileReceiverLock::open(const QString& path)
{
    if (fd_ >= 0 && path == path_ && std::chrono::steady_clock::now() - openedAt_ < kReopenAfter)
        return true;
    close();
    const QByteArray file = QFile::encodeName(FileFor(path));
    fd_ = ::open(file.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0)
        return false;
    path_ = path;
    openedAt_ = std::chrono::steady_clock::now();
    return true;
}

void FileReceiverLock::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

bool FileReceiverLock::acquire(const QString& path, int waitMs)
{
    release();
    if (!open(path))
        return true;  // a folder we cannot write to must not stop the tool
    for (int waited = 0;; waited += kPollMs) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0 || (errno != EWOULDBLOCK && errno != EINTR)) {
            // Taken, or no locking on this file system: go on as a single user would.
            held_ = true;
            return true;
        }
        if (waited >= waitMs)
            return false;
        QThread::msleep(kPollMs);
    }
}

void FileReceiverLock::release()
{
    if (!held_)
        return;
    ::flock(fd_, LOCK_UN);
    held_ = false;
}
