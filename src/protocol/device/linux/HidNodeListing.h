#pragma once

#include "protocol/device/HidBackend.h"

#include <QString>
#include <QtGlobal>

#include <vector>

class HidrawSysfs;

// One entry of the platform's HID enumeration. On hidraw there is one entry per usage pair of
// a node, so one node may appear several times with the same path.
struct HidEnumRecord {
    QString path;
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 releaseNumber = 0;
};

// The enumeration entries of one node.
struct HidNodeGroup {
    QString path;
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 releaseNumber = 0;
    int recordCount = 0;
};

// Groups entries by path, in the order each path first appears.
std::vector<HidNodeGroup> groupEnumerationRecords(const std::vector<HidEnumRecord>& records);

// The identity of one collection: the HID device's sysfs name (which the kernel never reuses
// while the system runs, unlike /dev/hidrawN) or, when that is unknown, the node's path; then
// '#' and the collection index.
QString makeInstanceId(const QString& deviceKey, int collectionIndex);
// The sysfs device name an instance ID was made from; empty when it was made from a path.
QString hidDeviceNameOfInstance(const QString& instanceId);

// One node per top-level collection, in the order of the node's report descriptor, so that
// collection index i is the descriptor parser's collection i. When the descriptor cannot be
// read or yields no collection, the node keeps one collection per enumeration entry.
std::vector<HidNodeInfo> listCollections(const std::vector<HidEnumRecord>& records,
                                         const HidrawSysfs& sysfs);
