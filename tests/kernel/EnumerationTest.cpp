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
#include "window/app/MainWindow.h"

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

// What the window's selection made of the devices present: its device list with each line's
// feature report length, the product table, and the receiver it attached.
std::string Chosen(const GuestWindow& window)
{
    QStringList shown;
    const DeviceList& devices = window->Devices();
    for (int row = 0; row < devices.Count(); ++row)
        shown << devices.Lines().at(row) +
                     QStringLiteral(" / feature %1")
                         .arg(devices.At(row)->Caps().FeatureReportByteLength);
    for (const ProductRecord& p : window->ProductTable())
        shown << QString::asprintf("product %04X:%04X%s", p.VendorID, p.ProductID,
                                   p.Combo ? " combo" : "");
    shown << QStringLiteral("receiver: ") +
                 (window->Receiver() ? DescribeDevice(window->Receiver()) : QString());
    return shown.join(QLatin1Char('\n')).toStdString();
}

TEST(RealStackEnumeration, FindsTheReceiverAsTheSimulatedBackendDoes)
{
    for (const quint16 productId : {0x0E41, 0x0E42})
        for (SimDeviceProfile profile :
             {SimReceivers::receiverProfile(), SimReceivers::mouseOnlyReceiverProfile()}) {
            profile.productId = productId;
            SCOPED_TRACE(QString::asprintf("%04X, %d collections", productId,
                                           int(profile.collections.size()))
                             .toStdString());
            auto clock = std::make_shared<SteppedClock>();
            auto sim = std::make_shared<SimHidBackend>(clock);
            sim->plug(PlainMouse());
            sim->plug(profile, SimReceivers::defaultFirmware());
            ServedReceiver mouse(PlainMouse(), nullptr);
            ServedReceiver receiver(profile, SimReceivers::defaultFirmware(), clock);
            ASSERT_TRUE(mouse.plug() && receiver.plug());

            const GuestWindow onSim(sim, clock);
            const GuestWindow onKernel(CreateLinuxHidBackend(), clock);
            EXPECT_EQ(Chosen(onKernel), Chosen(onSim));
            // The plain mouse is not among them.
            EXPECT_EQ(onKernel->Devices().Count(), int(profile.collections.size()));
            EXPECT_TRUE(onKernel.attachedTo(receiver));
        }
}

}  // namespace
