#pragma once

#include <QString>

#include <optional>

// The user's XDG autostart entry that starts the tool hidden in the tray at login. The tool
// writes it only when the user asks for it, so an entry the user edited stays as it is until
// they turn it on again.
class AutostartEntry {
public:
    static constexpr const char* kFileName = "karvelo-rf-tool.desktop";

    // `folder` empty: there is no entry to keep.
    explicit AutostartEntry(QString folder) : folder_(std::move(folder)) {}

    bool offered() const { return !folder_.isEmpty(); }
    QString path() const;
    bool exists() const;
    // Each gives the system's reason when it fails.
    std::optional<QString> Write(const QString& program) const;
    std::optional<QString> Remove() const;

    // The entry's text, starting `program` with --hidden.
    static QByteArray Text(const QString& program);

private:
    QString folder_;
};

// $XDG_CONFIG_HOME/autostart, or ~/.config/autostart.
QString UserAutostartFolder();
// How the entry names this program: its bare name when the PATH finds this very file, its
// full path otherwise (a build folder, /usr/local without it on the PATH).
QString ProgramForEntry(const QString& applicationFilePath);
