#include "cli/BugReport.h"

#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/ReportTexts.h"
#include "cli/StatusReport.h"
#include "protocol/device/AccessHelp.h"
#include "protocol/device/ReceiverIdentity.h"
#include "protocol/device/linux/FileReceiverLock.h"
#include "protocol/i18n/ReceiverLinkTexts.h"
#include "protocol/receiver/SettingsTable.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <hidapi/hidapi.h>
#include <libudev.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/utsname.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

constexpr qint64 kMostFileBytes = 1 << 20;  // /proc/locks and the like, read no further
constexpr int kMostNodes = 64;
constexpr int kProgramWaitMs = 2000;
constexpr int kBusWaitMs = 1000;
constexpr const char* kRuleName = "70-karvelo-rf-receiver.rules";
// Where udev reads rules from, in its order.
constexpr const char* kRuleFolders[] = {"/etc/udev/rules.d", "/run/udev/rules.d",
                                        "/usr/local/lib/udev/rules.d", "/usr/lib/udev/rules.d",
                                        "/lib/udev/rules.d"};

QByteArray ReadBounded(const QString& path, qint64 most = kMostFileBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(most);
}

QJsonValue OrNull(const std::optional<QString>& value)
{
    return value ? QJsonValue(*value) : QJsonValue();
}

QString ErrorText(int error)
{
    const char* description = ::strerrordesc_np(error);
    return QString::fromLatin1(description ? description : "unknown error");
}

// PRETTY_NAME of os-release, its quotes taken off.
QString Distribution()
{
    QByteArray text = ReadBounded(QStringLiteral("/etc/os-release"), 64 * 1024);
    if (text.isEmpty())
        text = ReadBounded(QStringLiteral("/usr/lib/os-release"), 64 * 1024);
    for (const QByteArray& line : text.split('\n'))
        if (line.startsWith("PRETTY_NAME="))
            return QString::fromUtf8(line.mid(12)).remove(QLatin1Char('"'));
    return QStringLiteral("unknown");
}

QJsonObject ToolPart()
{
    struct utsname system = {};
    const QString kernel = ::uname(&system) == 0 ? QStringLiteral("%1 %2 %3")
                                                       .arg(QString::fromLatin1(system.sysname),
                                                            QString::fromLatin1(system.release),
                                                            QString::fromLatin1(system.machine))
                                                 : QStringLiteral("unknown");
    return {{QStringLiteral("version"), QStringLiteral(APP_VERSION)},
            {QStringLiteral("qt"), QString::fromLatin1(qVersion())},
            {QStringLiteral("hidapi"), QString::fromLatin1(hid_version_str())},
            {QStringLiteral("kernel"), kernel},
            {QStringLiteral("distribution"), Distribution()}};
}

QJsonObject DesktopPart(std::optional<bool> trayHost)
{
    QJsonObject part{
        {QStringLiteral("sessionType"), qEnvironmentVariable("XDG_SESSION_TYPE")},
        {QStringLiteral("currentDesktop"), qEnvironmentVariable("XDG_CURRENT_DESKTOP")}};
    QDBusConnection bus = QDBusConnection::sessionBus();
    part.insert(QStringLiteral("sessionBus"), bus.isConnected());
    if (!bus.isConnected()) {
        part.insert(QStringLiteral("trayHost"), trayHost ? QJsonValue(*trayHost) : QJsonValue());
        part.insert(QStringLiteral("notificationService"), QJsonValue());
        return part;
    }
    // Every call waits a second at most: a bus that does not answer leaves the answer unknown.
    QDBusInterface daemon(QStringLiteral("org.freedesktop.DBus"),
                          QStringLiteral("/org/freedesktop/DBus"),
                          QStringLiteral("org.freedesktop.DBus"), bus);
    daemon.setTimeout(kBusWaitMs);
    const auto registered = [&daemon](const char* name) {
        const QDBusMessage reply =
            daemon.call(QStringLiteral("NameHasOwner"), QString::fromLatin1(name));
        return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
               reply.arguments().constFirst().toBool();
    };
    bool host = false;
    if (registered("org.kde.StatusNotifierWatcher")) {
        QDBusInterface watcher(QStringLiteral("org.kde.StatusNotifierWatcher"),
                               QStringLiteral("/StatusNotifierWatcher"),
                               QStringLiteral("org.kde.StatusNotifierWatcher"), bus);
        watcher.setTimeout(kBusWaitMs);
        host = watcher.property("IsStatusNotifierHostRegistered").toBool();
    }
    part.insert(QStringLiteral("trayHost"), host || trayHost.value_or(false));
    part.insert(QStringLiteral("notificationService"), registered("org.freedesktop.Notifications"));
    return part;
}

QJsonObject UdevRulePart()
{
    QJsonArray installed;
    const QByteArray expected(UdevRuleText());
    for (const char* folder : kRuleFolders) {
        const QString path =
            QString::fromLatin1(folder) + QLatin1Char('/') + QString::fromLatin1(kRuleName);
        if (!QFile::exists(path))
            continue;
        installed.append(
            QJsonObject{{QStringLiteral("path"), path},
                        {QStringLiteral("sameAsTool"), ReadBounded(path, 64 * 1024) == expected}});
    }
    return {{QStringLiteral("installed"), installed}};
}

QString UserName(uid_t uid)
{
    const passwd* entry = ::getpwuid(uid);
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString::number(uid);
}

QString GroupName(gid_t gid)
{
    const group* entry = ::getgrgid(gid);
    return entry ? QString::fromLocal8Bit(entry->gr_name) : QString::number(gid);
}

std::optional<bool> HasUaccessTag(const QString& name)
{
    udev* context = ::udev_new();
    if (!context)
        return std::nullopt;
    std::optional<bool> tagged;
    if (udev_device* device = ::udev_device_new_from_subsystem_sysname(
            context, "hidraw", QFile::encodeName(name).constData())) {
        tagged = ::udev_device_has_tag(device, "uaccess") > 0;
        ::udev_device_unref(device);
    }
    ::udev_unref(context);
    return tagged;
}

// The lock's file for the node and the process that holds it ("1234 karvelo-rf-tool").
void AddLock(QJsonObject& node, const QString& path)
{
    const QString file = FileReceiverLock::fileFor(path);
    node.insert(QStringLiteral("lockFile"), file.isEmpty() ? QJsonValue() : QJsonValue(file));
    struct stat info = {};
    std::optional<qint64> pid;
    if (!file.isEmpty() && ::stat(QFile::encodeName(file).constData(), &info) == 0)
        pid = BugReport::LockHolder(ReadBounded(QStringLiteral("/proc/locks")), info.st_dev,
                                    info.st_ino);
    QString holder;
    if (pid)
        holder = QStringLiteral("%1 %2").arg(*pid).arg(
            QString::fromLocal8Bit(ReadBounded(QStringLiteral("/proc/%1/comm").arg(*pid), 64))
                .trimmed());
    node.insert(QStringLiteral("lockHeldBy"), pid ? QJsonValue(holder) : QJsonValue());
}

QJsonObject NodePart(const QString& name, quint16 vendor, quint16 product)
{
    const QString path = QStringLiteral("/dev/") + name;
    QJsonObject node{{QStringLiteral("node"), path},
                     {QStringLiteral("vendorId"), Hex4(vendor)},
                     {QStringLiteral("productId"), Hex4(product)}};
    const QByteArray encoded = QFile::encodeName(path);
    struct stat info = {};
    if (::stat(encoded.constData(), &info) == 0) {
        node.insert(QStringLiteral("owner"),
                    UserName(info.st_uid) + QLatin1Char(':') + GroupName(info.st_gid));
        node.insert(QStringLiteral("mode"), QString::asprintf("%04o", info.st_mode & 07777));
    }
    char attribute[1024];
    const ssize_t size =
        ::getxattr(encoded.constData(), "system.posix_acl_access", attribute, sizeof attribute);
    // No attribute: no ACL ("" shows as none); a malformed one: not known.
    node.insert(QStringLiteral("acl"),
                size > 0 ? OrNull(BugReport::AclText(QByteArray(attribute, int(size))))
                         : QJsonValue(QString()));
    const std::optional<bool> tagged = HasUaccessTag(name);
    node.insert(QStringLiteral("uaccessTag"), tagged ? QJsonValue(*tagged) : QJsonValue());
    // Opening a hidraw node sends nothing to the device.
    const int fd = ::open(encoded.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    const int error = errno;
    node.insert(QStringLiteral("openable"), fd >= 0);
    if (fd >= 0)
        ::close(fd);
    else
        node.insert(QStringLiteral("openError"), ErrorText(error));
    AddLock(node, path);
    return node;
}

// Each hidraw node whose HID device is a Karvelo receiver, from sysfs.
QJsonArray NodesPart()
{
    static const QRegularExpression hidId(
        QStringLiteral("^HID_ID=[0-9A-Fa-f]{4}:([0-9A-Fa-f]{8}):([0-9A-Fa-f]{8})$"),
        QRegularExpression::MultilineOption);
    QJsonArray nodes;
    const QStringList names =
        QDir(QStringLiteral("/sys/class/hidraw")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : names.mid(0, kMostNodes)) {
        const QString uevent = QStringLiteral("/sys/class/hidraw/%1/device/uevent").arg(name);
        const QRegularExpressionMatch id =
            hidId.match(QString::fromLatin1(ReadBounded(uevent, 4096)));
        if (!id.hasMatch())
            continue;
        const quint16 vendor = quint16(id.captured(1).toUInt(nullptr, 16));
        const quint16 product = quint16(id.captured(2).toUInt(nullptr, 16));
        if (IsReceiverId(vendor, product))
            nodes.append(NodePart(name, vendor, product));
    }
    return nodes;
}

// The user's session as logind sees it: uaccess gives the receiver to an active local session
// at a seat.
QJsonObject SeatPart()
{
    QString session = qEnvironmentVariable("XDG_SESSION_ID");
    if (session.isEmpty())
        session = QStringLiteral("self");
    QProcess loginctl;
    loginctl.start(QStringLiteral("loginctl"),
                   {QStringLiteral("show-session"), session, QStringLiteral("-p"),
                    QStringLiteral("Id"), QStringLiteral("-p"), QStringLiteral("Seat"),
                    QStringLiteral("-p"), QStringLiteral("Active"), QStringLiteral("-p"),
                    QStringLiteral("Remote"), QStringLiteral("-p"), QStringLiteral("Type")});
    const bool done = loginctl.waitForFinished(kProgramWaitMs);
    if (!done)
        loginctl.kill();
    const QByteArray output = loginctl.readAllStandardOutput().left(64 * 1024);
    if (!done || loginctl.exitStatus() != QProcess::NormalExit || loginctl.exitCode() != 0) {
        const QString why =
            loginctl.error() == QProcess::FailedToStart
                ? QStringLiteral("loginctl is not there")
                : QString::fromLocal8Bit(loginctl.readAllStandardError().left(512)).trimmed();
        return {{QStringLiteral("problem"),
                 why.isEmpty() ? QStringLiteral("no session")
                               : QString(why).replace(QLatin1Char('\n'), QStringLiteral("; "))},
                {QStringLiteral("uaccessApplies"), false}};
    }
    QHash<QString, QString> values;
    for (const QByteArray& line : output.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            values.insert(QString::fromUtf8(line.left(equals)),
                          QString::fromUtf8(line.mid(equals + 1)));
    }
    const bool active = values.value(QStringLiteral("Active")) == QLatin1String("yes");
    const bool remote = values.value(QStringLiteral("Remote")) == QLatin1String("yes");
    const QString seat = values.value(QStringLiteral("Seat"));
    return {{QStringLiteral("session"), values.value(QStringLiteral("Id"))},
            {QStringLiteral("seat"), seat.isEmpty() ? QJsonValue() : QJsonValue(seat)},
            {QStringLiteral("active"), active},
            {QStringLiteral("remote"), remote},
            {QStringLiteral("type"), values.value(QStringLiteral("Type"))},
            {QStringLiteral("uaccessApplies"), active && !remote && !seat.isEmpty()}};
}

// The texts a value may hold in English, shown in the language in force.
constexpr const LocalText* kValueTexts[] = {
    &CliText::kNoReceiver,  &CliText::kWindowBusy,   &CliText::kNoAnswer,
    &CliText::kMouseSilent, &CliText::kAccessDenied, &ReceiverLinkText::kRemoved,
    &CliText::kBandGood,    &CliText::kBandLow,      &CliText::kBandCritical};

QString Heading(const QString& key)
{
    for (const ReportText::Heading& heading : ReportText::kHeadings)
        if (key == QLatin1String(heading.key))
            return Localized(heading.text);
    if (const SettingRow* row = FindSetting(key))
        return QString::fromLatin1(row->cliName);
    for (const SettingRow& row : SettingsTable())
        if (key == QLatin1String(row.jsonKey))
            return QString::fromLatin1(row.cliName);
    return key;
}

QString ValueText(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Bool: return Localized(value.toBool() ? ReportText::kYes : ReportText::kNo);
    case QJsonValue::Double: return QString::number(value.toDouble());
    case QJsonValue::String: {
        const QString text = value.toString();
        if (text == QLatin1String("**"))
            return Localized(ReportText::kMasked);
        for (const LocalText* known : kValueTexts)
            if (text == QLatin1String(known->eng))
                return Localized(*known);
        return text.isEmpty() ? Localized(ReportText::kNone) : text;
    }
    default: break;
    }
    return Localized(ReportText::kNotKnown);
}

void AddLines(QStringList& lines, const QJsonObject& object, const QString& indent)
{
    int width = 0;
    for (auto it = object.begin(); it != object.end(); ++it)
        if (!it->isObject() && !it->isArray())
            width = std::max(width, DisplayWidth(Heading(it.key())));
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString heading = Heading(it.key());
        if (it->isObject()) {
            lines << indent + heading;
            AddLines(lines, it->toObject(), indent + QStringLiteral("  "));
        } else if (it->isArray()) {
            const QJsonArray items = it->toArray();
            lines << indent + heading +
                         (items.isEmpty() ? QStringLiteral(": ") + Localized(ReportText::kNone)
                                          : QString());
            for (const QJsonValue& item : items)
                AddLines(lines, item.toObject(), indent + QStringLiteral("  - "));
        } else {
            lines << indent + heading.leftJustified(width) + QStringLiteral("  ") + ValueText(*it);
        }
    }
}

}  // namespace

namespace BugReport {

std::optional<QString> AclText(const QByteArray& attribute)
{
    // A header of 4 bytes (version 2), then entries of 8: tag (16 bits), permissions (16 bits),
    // the user's or group's ID (32 bits), little-endian.
    constexpr int kHeader = 4;
    constexpr int kEntry = 8;
    const auto word = [&attribute](int at, int bytes) {
        quint32 value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = (value << 8) | quint8(attribute[at + i]);
        return value;
    };
    if (attribute.size() < kHeader || (attribute.size() - kHeader) % kEntry != 0 || word(0, 4) != 2)
        return std::nullopt;
    QStringList entries;
    for (int at = kHeader; at < attribute.size(); at += kEntry) {
        const quint32 tag = word(at, 2);
        const quint32 permissions = word(at + 2, 2);
        const quint32 id = word(at + 4, 4);
        QString kind;
        switch (tag) {
        case 0x01: kind = QStringLiteral("user:"); break;
        case 0x02: kind = QStringLiteral("user:%1").arg(id); break;
        case 0x04: kind = QStringLiteral("group:"); break;
        case 0x08: kind = QStringLiteral("group:%1").arg(id); break;
        case 0x10: kind = QStringLiteral("mask:"); break;
        case 0x20: kind = QStringLiteral("other:"); break;
        default: return std::nullopt;
        }
        entries << kind + QLatin1Char(':') + QLatin1Char(permissions & 4 ? 'r' : '-') +
                       QLatin1Char(permissions & 2 ? 'w' : '-') +
                       QLatin1Char(permissions & 1 ? 'x' : '-');
    }
    return entries.join(QLatin1Char(','));
}

std::optional<qint64> LockHolder(const QByteArray& procLocks, quint64 device, quint64 inode)
{
    const QByteArray file = QStringLiteral("%1:%2:%3")
                                .arg(::major(device), 2, 16, QLatin1Char('0'))
                                .arg(::minor(device), 2, 16, QLatin1Char('0'))
                                .arg(inode)
                                .toLatin1();
    for (const QByteArray& line : procLocks.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        // "1: FLOCK ADVISORY WRITE 1234 00:19:5678 0 EOF"; a waiter's line has "->" after the
        // number.
        if (fields.size() < 6 || fields.at(1) != "FLOCK" || fields.at(5) != file)
            continue;
        bool ok = false;
        const qint64 pid = fields.at(4).toLongLong(&ok);
        if (ok && pid > 0)
            return pid;
    }
    return std::nullopt;
}

QJsonObject GatherSystem(std::optional<bool> trayHost)
{
    return {{QStringLiteral("tool"), ToolPart()},
            {QStringLiteral("desktop"), DesktopPart(trayHost)},
            {QStringLiteral("udevRule"), UdevRulePart()},
            {QStringLiteral("nodes"), NodesPart()},
            {QStringLiteral("seat"), SeatPart()}};
}

QJsonObject ReceiverPart(const WatchedReceiver& receiver, bool full)
{
    QJsonObject part;
    StatusDocument(part, receiver);
    if (!full)
        for (const char* key : {"mouseId", "keyboardId"})
            if (part.value(QLatin1String(key)).isString())
                part.insert(QLatin1String(key), QStringLiteral("**"));
    return part;
}

QJsonObject ReceiverProblem(const char* english)
{
    return {{QStringLiteral("problem"), QString::fromUtf8(english)}};
}

QJsonObject SettingsPart(const std::function<std::optional<int>(const SettingRow&)>& choiceOf)
{
    QJsonObject part;
    for (const SettingRow& row : SettingsTable()) {
        if (!Readable(row))
            continue;
        const std::optional<int> choice = choiceOf(row);
        part.insert(QString::fromLatin1(row.jsonKey),
                    choice ? QJsonValue(ValueNames(row).value(*choice)) : QJsonValue());
    }
    return part;
}

QJsonObject Assemble(QJsonObject system, const QJsonObject& receiver,
                     const std::optional<QJsonObject>& settings)
{
    system.insert(QStringLiteral("apiVersion"), kJsonApiVersion);
    system.insert(QStringLiteral("receiver"), receiver);
    system.insert(QStringLiteral("settings"), settings ? QJsonValue(*settings) : QJsonValue());
    return system;
}

QString Text(const QJsonObject& report, const QString& when)
{
    QStringList lines{Localized(ReportText::kTitle).arg(when)};
    // In the order a reader goes through them.
    for (const char* key :
         {"tool", "desktop", "udevRule", "nodes", "seat", "receiver", "settings"}) {
        const QJsonValue value = report.value(QLatin1String(key));
        lines << QString();
        if (value.isObject()) {
            lines << Heading(QLatin1String(key));
            AddLines(lines, value.toObject(), QStringLiteral("  "));
        } else {
            AddLines(lines, QJsonObject{{QLatin1String(key), value}}, QString());
        }
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace BugReport
