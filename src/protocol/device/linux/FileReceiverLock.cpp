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
}

QString FileReceiverLock::FileFor(const QString& path)
{
    QString name;
    for (const QChar c : path)
        name += c.isLetterOrNumber() && c.unicode() < 128 ? c : QLatin1Char('_');
    return RuntimeFolder() + QStringLiteral("/karvelo-rf-%1.lock").arg(name);
}

bool FileReceiverLock::acquire(const QString& path, int waitMs)
{
    release();
    const QByteArray file = QFile::encodeName(FileFor(path));
    fd_ = ::open(file.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0)
        return true;  // a folder we cannot write to must not stop the tool
    for (int waited = 0;; waited += kPollMs) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return true;  // no locking on this file system: go on as a single user would
        if (waited >= waitMs)
            break;
        QThread::msleep(kPollMs);
    }
    ::close(fd_);
    fd_ = -1;
    return false;
}

void FileReceiverLock::release()
{
    if (fd_ < 0)
        return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}
