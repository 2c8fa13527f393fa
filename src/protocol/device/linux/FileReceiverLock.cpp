#include "protocol/device/linux/FileReceiverLock.h"

#include "protocol/i18n/ReceiverLinkTexts.h"

#include <QDir>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kPollMs = 20;
constexpr std::chrono::seconds kReopenAfter{60};

QString SystemReason(const QString& path, int error)
{
    return Localized(ReceiverLinkText::kLockFileError)
        .arg(path, QString::fromLocal8Bit(std::strerror(error)));
}

// A folder that only this user can write to: a real folder (not a link), owned by this user,
// open to no one else for writing.
bool OwnFolder(const QString& folder, QString* why)
{
    struct stat info = {};
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0) {
        if (why)
            *why = SystemReason(folder, errno);
        return false;
    }
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid() || (info.st_mode & 022) != 0) {
        if (why)
            *why = Localized(ReceiverLinkText::kLockFolderNotOwn).arg(folder);
        return false;
    }
    return true;
}

// $XDG_RUNTIME_DIR when it is this user's own; else karvelo-rf-UID in the temporary folder,
// made for this user alone.
QString LockFolder(QString* why)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && OwnFolder(runtime, nullptr))
        return runtime;
    const QString own = QDir::tempPath() + QStringLiteral("/karvelo-rf-%1").arg(::geteuid());
    if (::mkdir(QFile::encodeName(own).constData(), 0700) != 0 && errno != EEXIST) {
        if (why)
            *why = SystemReason(own, errno);
        return {};
    }
    return OwnFolder(own, why) ? own : QString();
}

}  // namespace

FileReceiverLock::~FileReceiverLock()
{
    release();
    close();
}

QString FileReceiverLock::fileFor(const QString& path, QString* why)
{
    const QString folder = LockFolder(why);
    if (folder.isEmpty())
        return {};
    QString name;
    for (const QChar c : path)
        name += c.isLetterOrNumber() && c.unicode() < 128 ? c : QLatin1Char('_');
    return folder + QStringLiteral("/karvelo-rf-%1.lock").arg(name);
}

bool FileReceiverLock::open(const QString& path)
{
    if (fd_ >= 0 && path == path_ && std::chrono::steady_clock::now() - openedAt_ < kReopenAfter)
        return true;
    close();
    const QString file = fileFor(path, &failure_);
    if (file.isEmpty())
        return false;
    fd_ = ::open(QFile::encodeName(file).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW,
                 0600);
    if (fd_ < 0) {
        failure_ = SystemReason(file, errno);
        return false;
    }
    struct stat info = {};
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
        failure_ = Localized(ReceiverLinkText::kLockFolderNotOwn).arg(file);
        close();
        return false;
    }
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
    failure_.clear();
    if (!open(path))
        return false;
    for (int waited = 0;; waited += kPollMs) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            held_ = true;
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            failure_ = SystemReason(fileFor(path), errno);  // no locking on its file system
            return false;
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
