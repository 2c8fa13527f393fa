#include "protocol/device/linux/HidrawSysfs.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

HidrawSysfs::HidrawSysfs(QString root) : root_(std::move(root)) {}

QString HidrawSysfs::nodeName(const QString& devicePath)
{
    // Only a plain "hidrawN" may become part of a sysfs path.
    static const QRegularExpression pattern(QStringLiteral("^/dev/(hidraw[0-9]{1,6})$"));
    const QRegularExpressionMatch match = pattern.match(devicePath);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString HidrawSysfs::deviceDir(const QString& devicePath) const
{
    const QString node = nodeName(devicePath);
    if (node.isEmpty())
        return QString();
    return root_ + QStringLiteral("/class/hidraw/") + node + QStringLiteral("/device");
}

QString HidrawSysfs::hidDeviceName(const QString& devicePath) const
{
    const QString dir = deviceDir(devicePath);
    if (dir.isEmpty())
        return QString();
    // "device" links to the HID device's own directory, named after the device.
    const QString target = QFileInfo(dir).canonicalFilePath();
    return target.isEmpty() ? QString() : QFileInfo(target).fileName();
}

std::optional<std::vector<std::uint8_t>>
HidrawSysfs::reportDescriptor(const QString& devicePath) const
{
    const QString dir = deviceDir(devicePath);
    if (dir.isEmpty())
        return std::nullopt;
    QFile file(dir + QStringLiteral("/report_descriptor"));
    // sysfs reports a nominal size, so read to the end rather than trusting size().
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    const QByteArray bytes = file.read(kMaxDescriptorBytes);
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError)
        return std::nullopt;
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}
