#include "window/app/AutostartEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

// An Exec argument as the desktop entry format quotes it: reserved characters make it a
// quoted string, inside which ", `, $ and \ are escaped; the file's own string escaping then
// doubles every backslash.
QString ExecArgument(const QString& argument)
{
    static const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`%=");
    const bool plain = std::none_of(argument.begin(), argument.end(),
                                    [](QChar c) { return kReserved.contains(c); });
    if (plain && !argument.isEmpty())
        return argument;
    QString quoted;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c == QLatin1Char('%') ? QStringLiteral("%%") : QString(c);
    }
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}  // namespace

QString AutostartEntry::path() const
{
    return folder_ + QLatin1Char('/') + QLatin1String(kFileName);
}

bool AutostartEntry::exists() const
{
    return offered() && QFileInfo::exists(path());
}

QByteArray AutostartEntry::Text(const QString& program)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Karvelo RF Setting Tool\n"
                          "Comment=The Karvelo mouse and keyboard batteries in the tray\n"
                          "Exec=%1 --hidden\n"
                          "Icon=karvelo-rf-tool\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(ExecArgument(program))
        .toUtf8();
}

std::optional<QString> AutostartEntry::Write(const QString& program) const
{
    if (!QDir().mkpath(folder_))
        return QStringLiteral("cannot make the folder %1").arg(folder_);
    QSaveFile file(path());
    if (!file.open(QIODevice::WriteOnly) || file.write(Text(program)) < 0 || !file.commit())
        return file.errorString();
    return std::nullopt;
}

std::optional<QString> AutostartEntry::Remove() const
{
    QFile file(path());
    if (!file.exists() || file.remove())
        return std::nullopt;
    return file.errorString();
}

QString UserAutostartFolder()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/autostart");
}

QString ProgramForEntry(const QString& applicationFilePath)
{
    const QFileInfo self(applicationFilePath);
    const QString found = QStandardPaths::findExecutable(self.fileName());
    if (!found.isEmpty() && QFileInfo(found).canonicalFilePath() == self.canonicalFilePath())
        return self.fileName();
    return self.absoluteFilePath();
}
