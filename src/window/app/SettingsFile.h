#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reads one value of an INI file as the platform's profile reader does: section and key names
// without regard to case, the value trimmed of blanks, one pair of enclosing quotes removed.
// Nothing when the file, the section or the key is missing. Files beyond 1 MiB are not read.
std::optional<QString> ReadIniValue(const QString& path, const QString& section,
                                    const QString& key);
// The same over a file's bytes, decoded as the local 8-bit encoding.
std::optional<QString> IniValue(const QByteArray& content, const QString& section,
                                const QString& key);

// The window title from Setting.ini in the given directory, when one is set: a value that
// compares greater than a single blank (ordinal comparison).
std::optional<QString> TitleFromSettings(const QString& directory);
