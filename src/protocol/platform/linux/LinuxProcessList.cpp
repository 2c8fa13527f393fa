#include "protocol/platform/linux/LinuxProcessList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool ownedByCurrentUser(const QString& dir)
{
    struct stat info {};
    return ::stat(QFile::encodeName(dir).constData(), &info) == 0 && info.st_uid == ::getuid();
}

// The executable's path, or its short command name when the link cannot be read (kernel
// threads, processes whose executable was deleted or replaced).
QString executableOf(const QString& dir)
{
    const QString target = QFile::symLinkTarget(dir + QStringLiteral("/exe"));
    if (!target.isEmpty())
        return target.endsWith(QStringLiteral(" (deleted)")) ? target.chopped(10) : target;
    QFile comm(dir + QStringLiteral("/comm"));
    if (!comm.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(comm.read(64)).trimmed();
}

}  // namespace

LinuxProcessList::LinuxProcessList(QString procRoot) : procRoot_(std::move(procRoot)) {}

std::vector<ProcessList::Entry> LinuxProcessList::Snapshot()
{
    std::vector<Entry> entries;
    const QStringList names = QDir(procRoot_).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        bool isPid = false;
        const qint64 pid = name.toLongLong(&isPid);
        if (!isPid || pid <= 0)
            continue;
        const QString dir = procRoot_ + QLatin1Char('/') + name;
        if (!ownedByCurrentUser(dir))
            continue;
        const QString exe = executableOf(dir);
        if (!exe.isEmpty())
            entries.push_back({pid, exe.left(260)});
    }
    return entries;
}

qint64 LinuxProcessList::CurrentPid() const
{
    return ::getpid();
}

bool LinuxProcessList::Terminate(qint64 pid)
{
    if (pid <= 0 || pid == CurrentPid())
        return false;
    return ::kill(static_cast<pid_t>(pid), SIGTERM) == 0;
}
