#include "protocol/device/ReceiverSelection.h"

#include "protocol/device/DeviceList.h"
#include "protocol/device/HidController.h"

#include <algorithm>

QString DescribeDevice(THidDevice* device)
{
    if (!device)
        return QString();
    const HidCaps caps = device->Caps();
    QString line = device->ProductName();
    line += QString::asprintf("    Device VID=%.4X PID=%.4X", unsigned(device->VendorID()),
                              unsigned(device->ProductID()));
    line += QString::asprintf("    UsagePage=%.4X Usage=%.4X", unsigned(caps.UsagePage),
                              unsigned(caps.Usage));
    const QString serial = device->SerialNumber();
    if (!serial.isEmpty())
        line += QStringLiteral(" (Serial=%1)").arg(serial);
    return line;
}

const ProductRecord* FindProduct(const ProductTable& products, quint16 vendorId, quint16 productId)
{
    const auto record = std::find_if(products.begin(), products.end(), [&](const ProductRecord& r) {
        return r.VendorID == vendorId && r.ProductID == productId;
    });
    return record == products.end() ? nullptr : &*record;
}

namespace {

void CountProduct(ProductTable& products, const THidDevice& device)
{
    const auto record = std::find_if(products.begin(), products.end(), [&](const ProductRecord& r) {
        return r.VendorID == device.VendorID() && r.ProductID == device.ProductID();
    });
    if (record != products.end())
        record->Combo = true;
    else
        products.push_back({device.VendorID(), device.ProductID(), false});
}

// True when the line stays a candidate and is a receiver; a line that is no candidate is
// dropped.
bool KeepCandidate(DeviceList& list, THidDeviceController& controller, ProductTable& products,
                   int row)
{
    THidDevice* device = list.At(row);
    const HidCaps caps = device ? device->Caps() : HidCaps{};
    if (!device || !IsMouseOrKeyboard(caps)) {
        list.Drop(row, controller);
        return false;
    }
    CountProduct(products, *device);
    if (caps.FeatureReportByteLength != kReceiverFeatureLength) {
        list.Drop(row, controller);
        return false;
    }
    return IsReceiverId(device->VendorID(), device->ProductID());
}

}  // namespace

THidDevice* SelectReceiver(DeviceList& list, THidDeviceController& controller,
                           ProductTable& products)
{
    products.clear();
    THidDevice* receiver = nullptr;
    // Last to first, so that the receiver ends on the matching line with the lowest row; a
    // dropped line only moves the rows already looked at.
    for (int row = list.Count() - 1; row >= 0; --row) {
        if (KeepCandidate(list, controller, products, row))
            receiver = list.At(row);
    }
    return receiver;
}
