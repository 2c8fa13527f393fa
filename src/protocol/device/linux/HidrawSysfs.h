#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// What the kernel tells about a hidraw node in sysfs. Readable without access rights to the
// node itself, so it works for nodes the user may not open.
class HidrawSysfs {
public:
    // Descriptors are at most a few kilobytes; anything longer is cut here.
    static constexpr qint64 kMaxDescriptorBytes = 65536;

    explicit HidrawSysfs(QString root = QStringLiteral("/sys"));

    // "hidraw3" for "/dev/hidraw3"; empty when the path names no hidraw node.
    static QString nodeName(const QString& devicePath);

    // The sysfs name of the HID device behind the node, e.g. "0003:7A3C:0E41.0012" (bus,
    // vendor, product, and a sequence number the kernel increments on every plug); empty
    // when unknown.
    QString hidDeviceName(const QString& devicePath) const;

    // The node's report descriptor as the device delivered it; nothing when unreadable.
    std::optional<std::vector<std::uint8_t>> reportDescriptor(const QString& devicePath) const;

private:
    QString deviceDir(const QString& devicePath) const;

    QString root_;
};
