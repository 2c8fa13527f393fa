#include "protocol/device/DeviceList.h"

#include "protocol/device/HidController.h"

void DeviceList::Add(const QString& line, THidDevice* device)
{
    entries_.push_back({line, device});
}

THidDevice* DeviceList::At(int row) const
{
    return row >= 0 && row < Count() ? entries_[size_t(row)].device : nullptr;
}

QStringList DeviceList::Lines() const
{
    QStringList lines;
    for (const Entry& entry : entries_)
        lines << entry.line;
    return lines;
}

void DeviceList::Drop(int row, THidDeviceController& controller)
{
    if (row < 0 || row >= Count())
        return;
    THidDevice* device = entries_[size_t(row)].device;
    entries_.erase(entries_.begin() + row);
    if (device)
        controller.ReturnDevice(device);
}

void DeviceList::Clear()
{
    // Taken out first: deleting a device may run handlers that look at the list.
    std::vector<Entry> entries;
    entries.swap(entries_);
    for (const Entry& entry : entries)
        delete entry.device;
}
