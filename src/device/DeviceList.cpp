// DevListBox: one line per listed device; each line owns its checked-out device object.
#include "app/Unit1.h"

#include "device/HidControllerClass.h"

#include <QListWidget>

namespace {

constexpr int kDeviceRole = Qt::UserRole + 1;

} // namespace

void TForm1::AddDeviceLine(const QString& text, THidDevice* device)
{
    auto* item = new QListWidgetItem(text);
    item->setData(kDeviceRole, QVariant::fromValue(reinterpret_cast<quintptr>(device)));
    DevListBox->addItem(item);
}

THidDevice* TForm1::DeviceOfLine(int row) const
{
    const QListWidgetItem* item = DevListBox->item(row);
    return item ? reinterpret_cast<THidDevice*>(item->data(kDeviceRole).value<quintptr>())
                : nullptr;
}

void TForm1::FreeDevListObjects()
{
    for (int row = 0; row < DevListBox->count(); ++row) {
        THidDevice* device = DeviceOfLine(row);
        if (device == channel_.receiver())
            channel_.setReceiver(nullptr);
        delete device;
    }
    DevListBox->clear();
}
