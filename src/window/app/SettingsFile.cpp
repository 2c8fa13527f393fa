#include "window/app/SettingsFile.h"

#include <QFile>

namespace {

constexpr qint64 kMaxIniSize = 1 << 20;

QString unquoted(const QString& value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

}  // namespace

std::optional<QString> ReadIniValue(const QString& path, const QString& section, const QString& key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxIniSize)
        return std::nullopt;
    return IniValue(file.read(kMaxIniSize), section, key);
}

std::optional<QString> IniValue(const QByteArray& content, const QString& section,
                                const QString& key)
{
    const QString text = QString::fromLocal8Bit(content);
    bool inSection = false;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            const int close = line.indexOf(QLatin1Char(']'));
            const QString name = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection || line.startsWith(QLatin1Char(';')))
            continue;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0 || line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0)
            continue;
        return unquoted(line.mid(eq + 1).trimmed());
    }
    return std::nullopt;
}

std::optional<QString> TitleFromSettings(const QString& directory)
{
    const std::optional<QString> title =
        ReadIniValue(directory + QStringLiteral("/Setting.ini"), QStringLiteral("Setting"),
                     QStringLiteral("Title"));
    if (!title || QString::compare(*title, QStringLiteral(" "), Qt::CaseSensitive) <= 0)
        return std::nullopt;
    return title;
}
