#pragma once

#include "protocol/receiver/StatusEvents.h"

#include <QJsonObject>
#include <QString>

#include <functional>
#include <optional>

struct SettingRow;

// What a bug report needs, gathered without root, without a window and without a receiver:
// one JSON object (English keys and values) and its text for people. karvelo-rf report and the
// window's "Copy a report" both build it here.
namespace BugReport {

// The parts that need no receiver: the versions, the desktop, the udev rule, each Karvelo
// receiver's hidraw node (its IDs, owner, mode, ACL, uaccess tag, whether this user can open it,
// its lock file and who holds it) and the seat. Runs programs (loginctl) and asks the session
// bus, each with a short time-out; safe on any thread. `trayHost`: what the caller knows of a
// tray (the window asks its platform); nothing: only a StatusNotifier host counts.
QJsonObject GatherSystem(std::optional<bool> trayHost = std::nullopt);

// The receiver's status, its mouse and keyboard IDs masked unless `full`.
QJsonObject ReceiverPart(const WatchedReceiver& receiver, bool full);
// Why there is no receiver part: an English message the text shows in the language in force.
QJsonObject ReceiverProblem(const char* english);
// The settings: each row's value name, or null where it was not read.
QJsonObject SettingsPart(const std::function<std::optional<int>(const SettingRow&)>& choiceOf);

// The whole report: the system part with the receiver's and its settings, and the version of
// the JSON interface.
QJsonObject Assemble(QJsonObject system, const QJsonObject& receiver,
                     const std::optional<QJsonObject>& settings);

// The report for people, in the language in force; `when` heads it.
QString Text(const QJsonObject& report, const QString& when);

// The bounded parts, exposed for their tests: an ACL as the kernel keeps it (the
// system.posix_acl_access attribute, version 2) as getfacl writes its entries, "user:1000:rw-";
// nothing for a malformed one.
std::optional<QString> AclText(const QByteArray& attribute);
// The process holding a flock on the file with this device and inode, from /proc/locks' text.
std::optional<qint64> LockHolder(const QByteArray& procLocks, quint64 device, quint64 inode);

}  // namespace BugReport
