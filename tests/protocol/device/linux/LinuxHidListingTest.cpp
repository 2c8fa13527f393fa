#include "protocol/device/SampleDescriptors.h"
#include "protocol/device/linux/HidNodeListing.h"
#include "protocol/device/linux/HidrawSysfs.h"
#include "protocol/device/linux/LinuxHidConnection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace SampleDescriptors;

namespace {

// A sysfs tree in a temporary directory: class/hidraw/hidrawN/device links to the HID
// device's directory, which holds report_descriptor.
class FakeSysfs {
public:
    FakeSysfs() { EXPECT_TRUE(dir_.isValid()); }

    QString root() const { return dir_.path(); }

    void plug(const QString& node, const QString& hidName, const Bytes* descriptor)
    {
        const QString device = dir_.filePath(QStringLiteral("devices/usb1/") + hidName);
        ASSERT_TRUE(QDir().mkpath(device));
        if (descriptor) {
            QFile file(device + QStringLiteral("/report_descriptor"));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(reinterpret_cast<const char*>(descriptor->data()),
                       qint64(descriptor->size()));
        }
        const QString nodeDir = dir_.filePath(QStringLiteral("class/hidraw/") + node);
        ASSERT_TRUE(QDir().mkpath(nodeDir));
        QFile::remove(nodeDir + QStringLiteral("/device"));
        ASSERT_TRUE(QFile::link(device, nodeDir + QStringLiteral("/device")));
    }

private:
    QTemporaryDir dir_;
};

HidEnumRecord record(const char* path, quint16 vid = 0x7A3C, quint16 pid = 0x0E41)
{
    return {QString::fromLatin1(path), vid, pid, 0x0100};
}

}  // namespace

TEST(LinuxHidListing, GroupsEnumerationEntriesByNodeInFirstSeenOrder)
{
    const std::vector<HidNodeGroup> groups = groupEnumerationRecords({
        record("/dev/hidraw3"),
        record("/dev/hidraw1", 0x046D, 0xC52B),
        record("/dev/hidraw3"),
        record(""),
        record("/dev/hidraw7"),
        record("/dev/hidraw3"),
    });
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0].path, QStringLiteral("/dev/hidraw3"));
    EXPECT_EQ(groups[0].recordCount, 3);
    EXPECT_EQ(groups[1].path, QStringLiteral("/dev/hidraw1"));
    EXPECT_EQ(groups[1].vendorId, 0x046D);
    EXPECT_EQ(groups[1].recordCount, 1);
    EXPECT_EQ(groups[2].path, QStringLiteral("/dev/hidraw7"));
}

TEST(LinuxHidListing, OneNodePerCollectionOfTheDescriptor)
{
    FakeSysfs fake;
    fake.plug(QStringLiteral("hidraw3"), QStringLiteral("0003:7A3C:0E41.0012"), &kReceiver);
    fake.plug(QStringLiteral("hidraw4"), QStringLiteral("0003:046D:C077.0002"), &kBootMouse);
    const Bytes malformed = {0xC0};
    fake.plug(QStringLiteral("hidraw6"), QStringLiteral("0003:1234:5678.0004"), &malformed);
    const HidrawSysfs sysfs(fake.root());

    // hidapi lists the receiver's usage pairs in its own order and count; hidraw5 has no
    // sysfs entry at all.
    const std::vector<HidNodeInfo> nodes = listCollections(
        {record("/dev/hidraw3"), record("/dev/hidraw4", 0x046D, 0xC077), record("/dev/hidraw3"),
         record("/dev/hidraw5", 0x1111, 0x2222), record("/dev/hidraw5", 0x1111, 0x2222),
         record("/dev/hidraw6", 0x1234, 0x5678)},
        sysfs);

    const std::vector<std::pair<const char*, int>> expected = {
        {"0003:7A3C:0E41.0012#0", 0}, {"0003:7A3C:0E41.0012#1", 1}, {"0003:7A3C:0E41.0012#2", 2},
        {"0003:046D:C077.0002#0", 0}, {"/dev/hidraw5#0", 0},        {"/dev/hidraw5#1", 1},
        {"0003:1234:5678.0004#0", 0},
    };
    ASSERT_EQ(nodes.size(), expected.size());
    for (size_t i = 0; i < nodes.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(nodes[i].instanceId, QString::fromLatin1(expected[i].first));
        EXPECT_EQ(nodes[i].collectionIndex, expected[i].second);
    }
    EXPECT_EQ(nodes[0].path, QStringLiteral("/dev/hidraw3"));
    EXPECT_EQ(nodes[2].vendorId, 0x7A3C);
    EXPECT_EQ(nodes[2].productId, 0x0E41);
    EXPECT_EQ(nodes[3].vendorId, 0x046D);
}

TEST(LinuxHidListing, ANodeNumberTakenOverByAnotherDeviceIsNotTheListedDevice)
{
    FakeSysfs fake;
    fake.plug(QStringLiteral("hidraw3"), QStringLiteral("0003:7A3C:0E41.0012"), &kReceiver);
    const HidrawSysfs sysfs(fake.root());
    const HidNodeInfo listed = listCollections({record("/dev/hidraw3")}, sysfs).at(0);
    EXPECT_TRUE(nodeStillListedDevice(listed, sysfs));

    // Unplugged and plugged again: same node, new kernel sequence number.
    fake.plug(QStringLiteral("hidraw3"), QStringLiteral("0003:7A3C:0E41.0013"), &kReceiver);
    EXPECT_FALSE(nodeStillListedDevice(listed, sysfs));
    const HidNodeInfo relisted = listCollections({record("/dev/hidraw3")}, sysfs).at(0);
    EXPECT_NE(relisted.instanceId, listed.instanceId);
    EXPECT_TRUE(nodeStillListedDevice(relisted, sysfs));

    // A node listed by path alone cannot be checked and is taken as it is.
    HidNodeInfo byPath = listed;
    byPath.instanceId = makeInstanceId(QStringLiteral("/dev/hidraw3"), 0);
    EXPECT_TRUE(nodeStillListedDevice(byPath, sysfs));
}

TEST(LinuxHidListing, SysfsAcceptsOnlyPlainHidrawNodes)
{
    FakeSysfs fake;
    fake.plug(QStringLiteral("hidraw12"), QStringLiteral("0003:7A3C:0E42.0001"), &kVendorFeature);
    const HidrawSysfs sysfs(fake.root());
    EXPECT_EQ(HidrawSysfs::nodeName(QStringLiteral("/dev/hidraw12")), QStringLiteral("hidraw12"));
    for (const char* bad : {"/dev/hidraw12/../../x", "/dev/hidraw", "hidraw12", "/dev/hidrawX",
                            "/dev/usb/hiddev0", "/dev/hidraw1/"})
        EXPECT_TRUE(HidrawSysfs::nodeName(QString::fromLatin1(bad)).isEmpty()) << bad;

    const auto descriptor = sysfs.reportDescriptor(QStringLiteral("/dev/hidraw12"));
    ASSERT_TRUE(descriptor.has_value());
    EXPECT_EQ(*descriptor, kVendorFeature);
    EXPECT_FALSE(sysfs.reportDescriptor(QStringLiteral("/dev/hidraw13")).has_value());
    EXPECT_TRUE(sysfs.hidDeviceName(QStringLiteral("/dev/hidraw13")).isEmpty());
}
