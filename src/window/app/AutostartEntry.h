#pragma once

#include <QString>

#include <optional>

// The user's XDG autostart entry that starts the tool hidden in the tray at login. The tool
// writes it only when the user asks for it, so an entry the user edited stays as it is until
// they turn it on again.
class AutostartEntry {
public:
    static constexpr const char* kFileName = "karvelo-rf-tool.desktop";
    // An entry is a few hundred bytes; what lies beyond this is not looked at.
    static constexpr qint64 kMaxReadBytes = 64 * 1024;

    // `folder` empty: there is no entry to keep.
    explicit AutostartEntry(QString folder) : folder_(std::move(folder)) {}

    bool offered() const { return !folder_.isEmpty(); }
    QString path() const;
    // An entry is there and starts the tool at login: one that says `Hidden=true` or
    // `X-GNOME-Autostart-enabled=false` is there but turned off.
    bool enabled() const;
    // Each gives the reason when it fails: the system's, or that the program's path cannot be
    // written in a desktop entry (a %, a line break or another control character).
    std::optional<QString> write(const QString& program) const;
    std::optional<QString> remove() const;

    // The entry's text, starting `program` with --hidden; nothing for a path an entry cannot
    // carry.
    static std::optional<QByteArray> text(const QString& program);

private:
    QString folder_;
};

// $XDG_CONFIG_HOME/autostart, or ~/.config/autostart.
QString UserAutostartFolder();
// How the entry names this program: its bare name when the PATH finds this very file, its
// full path otherwise (a build folder, /usr/local without it on the PATH).
QString ProgramForEntry(const QString& applicationFilePath);
