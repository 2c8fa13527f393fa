#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class THidDevice;
class THidDeviceController;

// The HID devices the tool has listed, in order, each with its description line. The list owns
// the device objects the controller lent it: dropping a line returns its device, clearing the
// list releases every device. Row r is line r of the window's device list.
class DeviceList {
public:
    DeviceList() = default;
    ~DeviceList() { Clear(); }
    DeviceList(const DeviceList&) = delete;
    DeviceList& operator=(const DeviceList&) = delete;

    // Takes ownership of device.
    void Add(const QString& line, THidDevice* device);
    int Count() const { return int(entries_.size()); }
    // The device on a row, or null for a row that does not exist.
    THidDevice* At(int row) const;
    QStringList Lines() const;
    // Returns the device on the row to the controller and removes the line.
    void Drop(int row, THidDeviceController& controller);
    // Releases every device and empties the list.
    void Clear();

private:
    struct Entry {
        QString line;
        THidDevice* device;
    };
    std::vector<Entry> entries_;
};
