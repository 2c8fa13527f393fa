#pragma once

#include "protocol/device/ReceiverIdentity.h"

#include <QString>
#include <QtGlobal>

#include <vector>

class DeviceList;
class THidDevice;
class THidDeviceController;

// One record of the product table: a (vendor ID, product ID) pair among the mouse and
// keyboard collections present, and whether more than one such collection carries it.
struct ProductRecord {
    quint32 VendorID = 0;
    quint32 ProductID = 0;
    bool Combo = false;
};
using ProductTable = std::vector<ProductRecord>;

// The device list's line for a device: product name, IDs, usages and serial number.
QString DescribeDevice(THidDevice* device);

// Chooses the receiver among the listed devices. Every line that is not a mouse or keyboard
// collection with 8-byte feature reports is dropped (its device returned to the controller);
// every mouse or keyboard collection is counted in `products`, which is rebuilt. The receiver
// is the remaining device with the lowest row whose IDs are a receiver's, or null.
THidDevice* SelectReceiver(DeviceList& list, THidDeviceController& controller,
                           ProductTable& products);

// The record of these IDs, or null.
const ProductRecord* FindProduct(const ProductTable& products, quint16 vendorId, quint16 productId);
