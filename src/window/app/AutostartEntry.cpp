#include "window/app/AutostartEntry.h"

#include "window/i18n/TrayTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

// An Exec argument as the desktop entry format quotes it: reserved characters make it a
// quoted string, inside which ", `, $ and \ are escaped; the file's own string escaping then
// doubles every backslash. Nothing for an argument the format cannot carry: a control character
// ends the line or is not allowed, and a % inside a quoted argument has no defined meaning.
std::optional<QString> ExecArgument(const QString& argument)
{
    const bool unfit = std::any_of(argument.begin(), argument.end(), [](QChar c) {
        return c == QLatin1Char('%') || c.category() == QChar::Other_Control;
    });
    if (unfit)
        return std::nullopt;
    static const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`=");
    const bool plain = std::none_of(argument.begin(), argument.end(),
                                    [](QChar c) { return kReserved.contains(c); });
    if (plain && !argument.isEmpty())
        return argument;
    QString quoted;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// The value of `key` in the file's [Desktop Entry] group, or nothing.
std::optional<QString> EntryValue(const QByteArray& file, const QString& key)
{
    bool inEntry = false;
    for (const QByteArray& raw : file.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inEntry = line == QLatin1String("[Desktop Entry]");
        else if (inEntry && line.section(QLatin1Char('='), 0, 0).trimmed() == key)
            return line.section(QLatin1Char('='), 1).trimmed();
    }
    return std::nullopt;
}

}  // namespace

QString AutostartEntry::path() const
{
    return folder_ + QLatin1Char('/') + QLatin1String(kFileName);
}

bool AutostartEntry::enabled() const
{
    QFile file(path());
    if (!offered() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = file.read(kMaxReadBytes);
    return EntryValue(text, QStringLiteral("Hidden")) != QLatin1String("true") &&
           EntryValue(text, QStringLiteral("X-GNOME-Autostart-enabled")) != QLatin1String("false");
}

std::optional<QByteArray> AutostartEntry::text(const QString& program)
{
    const std::optional<QString> exec = ExecArgument(program);
    if (!exec)
        return std::nullopt;
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Karvelo RF Setting Tool\n"
                          "Comment=The Karvelo mouse and keyboard batteries in the tray\n"
                          "Exec=%1 --hidden\n"
                          "Icon=karvelo-rf-tool\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(*exec)
        .toUtf8();
}

std::optional<QString> AutostartEntry::write(const QString& program) const
{
    const std::optional<QByteArray> entry = text(program);
    if (!entry)
        return Localized(TrayText::kProgramPathUnfit).arg(program);
    if (!QDir().mkpath(folder_))
        return QStringLiteral("cannot make the folder %1").arg(folder_);
    QSaveFile file(path());
    if (!file.open(QIODevice::WriteOnly) || file.write(*entry) < 0 || !file.commit())
        return file.errorString();
    return std::nullopt;
}

std::optional<QString> AutostartEntry::remove() const
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
