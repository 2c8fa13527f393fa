#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

// A settings file: JSON with the keys and values that `karvelo-rf get --json` prints for the
// settings it reads, beside a format name, a version, when it was saved and the receiver's
// USB IDs. The output of `get --json` is one as it stands. A setting the file leaves out, or
// gives as unknown (null, a hotkey "unset" or "code XXXX"), is left alone.
namespace SavedSettings {

inline constexpr char kFormat[] = "karvelo-rf-settings";
inline constexpr int kVersion = 1;
inline constexpr qint64 kMaxBytes = 64 * 1024;

struct Content {
    std::vector<std::optional<int>> choices;  // per row of the settings table; none: left alone
    std::optional<quint16> vendorId;
    std::optional<quint16> productId;
    QString saved;  // as the file gives it
};

struct Parsed {
    std::optional<Content> content;
    QString error;  // why the whole file is refused, naming the key or the place
};

// Checks the whole file; nothing of a refused file is used.
Parsed Parse(const QByteArray& bytes);

// The file of these choices (per row; none: left out) for the receiver with these IDs.
QByteArray Write(const std::vector<std::optional<int>>& choices, quint16 vendorId,
                 quint16 productId, const QDateTime& saved);

}  // namespace SavedSettings
