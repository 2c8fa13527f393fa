#include "protocol/device/linux/HidNodeListing.h"

#include "protocol/device/ReportDescriptor.h"
#include "protocol/device/linux/HidrawSysfs.h"

#include <QHash>

namespace {
constexpr QChar kIndexSeparator = QLatin1Char('#');

int collectionCount(const HidNodeGroup& group, const HidrawSysfs& sysfs)
{
    if (const auto descriptor = sysfs.reportDescriptor(group.path)) {
        const ParsedReportDescriptor parsed = parseReportDescriptor(*descriptor);
        if (!parsed.collections.empty())
            return static_cast<int>(parsed.collections.size());
    }
    return group.recordCount;
}
}  // namespace

std::vector<HidNodeGroup> groupEnumerationRecords(const std::vector<HidEnumRecord>& records)
{
    std::vector<HidNodeGroup> groups;
    QHash<QString, size_t> indexOfPath;
    for (const HidEnumRecord& record : records) {
        if (record.path.isEmpty())
            continue;
        const auto found = indexOfPath.constFind(record.path);
        if (found != indexOfPath.constEnd()) {
            ++groups[*found].recordCount;
            continue;
        }
        indexOfPath.insert(record.path, groups.size());
        groups.push_back({record.path, record.vendorId, record.productId, record.releaseNumber, 1});
    }
    return groups;
}

QString makeInstanceId(const QString& deviceKey, int collectionIndex)
{
    return deviceKey + kIndexSeparator + QString::number(collectionIndex);
}

QString hidDeviceNameOfInstance(const QString& instanceId)
{
    const int separator = instanceId.lastIndexOf(kIndexSeparator);
    const QString key = separator < 0 ? QString() : instanceId.left(separator);
    return key.startsWith(QLatin1Char('/')) ? QString() : key;
}

std::vector<HidNodeInfo> listCollections(const std::vector<HidEnumRecord>& records,
                                         const HidrawSysfs& sysfs)
{
    std::vector<HidNodeInfo> nodes;
    for (const HidNodeGroup& group : groupEnumerationRecords(records)) {
        const QString name = sysfs.hidDeviceName(group.path);
        const QString key = name.isEmpty() ? group.path : name;
        const int count = collectionCount(group, sysfs);
        for (int index = 0; index < count; ++index) {
            HidNodeInfo node;
            node.path = group.path;
            node.instanceId = makeInstanceId(key, index);
            node.collectionIndex = index;
            node.vendorId = group.vendorId;
            node.productId = group.productId;
            nodes.push_back(node);
        }
    }
    return nodes;
}
