// The receiver found through the kernel, hidapi and sysfs exactly as on the simulated backend:
// both collection profiles under both product IDs, the feature report length parsed from the
// descriptor the kernel keeps, and a plain mouse of another vendor beside it left out.
#include "GuestRig.h"

#include "protocol/device/DeviceList.h"
#include "protocol/device/HidController.h"
#include "protocol/device/ReceiverSelection.h"
#include "protocol/device/linux/LinuxHidBackend.h"
#include "sim/SimHidBackend.h"
#include "sim/SimReceivers.h"

#include <gtest/gtest.h>

namespace {

// A mouse of another vendor with no feature report, as most mice are.
SimDeviceProfile PlainMouse()
{
    SimDeviceProfile mouse = SimReceivers::plainKeyboardProfile();
    mouse.productId = 0x0002;
    mouse.collections.front().usage = 0x0002;
    return mouse;
}

// What the selection makes of the devices present, as the window and the command line see it.
struct Selection {
    QStringList lines;              // the device list, with each line's feature report length
    QString receiver;               // the chosen device's line, or empty
    QString receiverPath;
    std::vector<QString> products;  // "VID:PID combo"
};

Selection Select(const std::shared_ptr<HidBackend>& backend)
{
    THidDeviceController controller(backend);
    DeviceList devices;
    controller.OnEnumerate = [&](THidDevice* device, int index) {
        THidDevice* lent = nullptr;
        controller.LendDevice(index, lent);
        devices.Add(DescribeDevice(device), lent);
        return true;
    };
    controller.HandleNotification(-1);
    controller.EnumerateDevices();
    ProductTable products;
    THidDevice* receiver = SelectReceiver(devices, controller, products);
    Selection s;
    for (int row = 0; row < devices.Count(); ++row)
        s.lines << devices.Lines().at(row) + QStringLiteral(" / feature %1").arg(devices.At(row)->Caps().FeatureReportByteLength);
    for (const ProductRecord& p : products)
        s.products.push_back(QString::asprintf("%04X:%04X%s", p.VendorID, p.ProductID, p.Combo ? " combo" : ""));
    if (receiver) {
        s.receiver = DescribeDevice(receiver);
        s.receiverPath = receiver->PnPInfo().DevicePath;
    }
    return s;
}

TEST(RealStackEnumeration, FindsTheReceiverAsTheSimulatedBackendDoes)
{
    const struct {
        SimDeviceProfile profile;
        quint16 productId;
        int listed;  // collections in the device list
    } rows[] = {
        {SimReceivers::receiverProfile(), 0x0E41, 2},
        {SimReceivers::receiverProfile(), 0x0E42, 2},
        {SimReceivers::mouseOnlyReceiverProfile(), 0x0E41, 1},
        {SimReceivers::mouseOnlyReceiverProfile(), 0x0E42, 1},
    };
    for (const auto& row : rows) {
        SimDeviceProfile profile = row.profile;
        profile.productId = row.productId;
        SCOPED_TRACE(QString::asprintf("%04X, %d collections", row.productId,
                                       int(profile.collections.size())).toStdString());
        auto sim = std::make_shared<SimHidBackend>(std::make_shared<SteppedClock>());
        sim->plug(PlainMouse());
        sim->plug(profile, SimReceivers::defaultFirmware());
        ServedReceiver mouse(PlainMouse(), nullptr);
        ServedReceiver receiver(profile, SimReceivers::defaultFirmware());
        ASSERT_TRUE(mouse.plug() && receiver.plug());

        const Selection onSim = Select(sim);
        const Selection onKernel = Select(CreateLinuxHidBackend());
        EXPECT_EQ(onKernel.lines, onSim.lines);
        EXPECT_EQ(onKernel.lines.size(), row.listed);  // the plain mouse is not among them
        EXPECT_EQ(onKernel.products, onSim.products);
        EXPECT_EQ(onKernel.receiver, onSim.receiver);
        EXPECT_EQ(onKernel.receiverPath, receiver.node());
    }
}

}  // namespace
