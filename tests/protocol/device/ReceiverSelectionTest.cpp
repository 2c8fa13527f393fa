#include "protocol/device/DeviceClock.h"
#include "protocol/device/DeviceList.h"
#include "protocol/device/HidController.h"
#include "protocol/device/ReceiverSelection.h"
#include "sim/SimHidBackend.h"
#include "sim/SimReceivers.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

SimDeviceProfile Profile(quint16 vid, quint16 pid, std::vector<SimCollection> collections)
{
    SimDeviceProfile profile;
    profile.vendorId = vid;
    profile.productId = pid;
    profile.product = QStringLiteral("P");
    profile.collections = std::move(collections);
    return profile;
}

SimCollection Collection(quint16 usage, quint16 featureLength)
{
    SimCollection collection;
    collection.usage = usage;
    collection.featureLength = featureLength;
    return collection;
}

// The controller over a simulated bus, listing into a device list as the window does.
class ReceiverSelectionTest : public ::testing::Test {
protected:
    std::shared_ptr<TestDeviceClock> clock = std::make_shared<TestDeviceClock>();
    std::shared_ptr<SimHidBackend> backend = std::make_shared<SimHidBackend>(clock);
    std::unique_ptr<THidDeviceController> controller;
    DeviceList list;
    ProductTable products;

    THidDevice* Select()
    {
        if (!controller) {
            controller = std::make_unique<THidDeviceController>(backend);
            controller->OnEnumerate = [this](THidDevice* device, int index) {
                THidDevice* lent = nullptr;
                controller->LendDevice(index, lent);
                list.Add(DescribeDevice(device), lent);
                return true;
            };
            QCoreApplication::processEvents();
        }
        list.Clear();
        controller->EnumerateDevices();
        return SelectReceiver(list, *controller, products);
    }
    void TearDown() override
    {
        list.Clear();
        controller.reset();
    }
};

TEST_F(ReceiverSelectionTest, KeepsMouseAndKeyboardCollectionsAndPicksTheLowestReceiverRow)
{
    backend->plug(Profile(0x1111, 0x2222, {Collection(0x02, 0)}));  // no feature reports
    backend->plug(Profile(0x1111, 0x3333, {Collection(0x01, 8)}));  // not a mouse or keyboard
    backend->plug(Profile(0x7A3C, 0x0E42, {Collection(0x06, 8)}));  // second receiver id
    backend->plug(SimReceivers::receiverProfile());                 // mouse + keyboard

    THidDevice* receiver = Select();

    ASSERT_EQ(list.Count(), 3);
    ASSERT_NE(receiver, nullptr);
    EXPECT_EQ(receiver, list.At(0));
    EXPECT_EQ(receiver->ProductID(), 0x0E42);
    EXPECT_TRUE(list.Lines().at(0).contains(QStringLiteral("Device VID=7A3C PID=0E42")));
    EXPECT_TRUE(list.Lines().at(0).contains(QStringLiteral("UsagePage=0001 Usage=0006")));
    // Every mouse or keyboard collection is counted, also the one without feature reports.
    ASSERT_EQ(products.size(), 3u);
    EXPECT_FALSE(FindProduct(products, 0x1111, 0x2222)->Combo);
    EXPECT_FALSE(FindProduct(products, 0x7A3C, 0x0E42)->Combo);
    EXPECT_TRUE(FindProduct(products, 0x7A3C, 0x0E41)->Combo);
    EXPECT_EQ(FindProduct(products, 0x1111, 0x3333), nullptr);
    // Dropped lines returned their devices; the kept ones are still lent.
    EXPECT_EQ(controller->CheckedOutCount(), 3);
}

TEST_F(ReceiverSelectionTest, NoReceiverAmongOtherDevices)
{
    backend->plug(SimReceivers::plainKeyboardProfile());
    EXPECT_EQ(Select(), nullptr);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(products.size(), 1u);
    EXPECT_EQ(Select(), nullptr);  // the table is rebuilt, not added to
    EXPECT_EQ(products.size(), 1u);
}

TEST_F(ReceiverSelectionTest, DeviceListOwnsItsDevices)
{
    backend->plug(SimReceivers::receiverProfile());
    ASSERT_NE(Select(), nullptr);
    EXPECT_EQ(controller->CheckedOutCount(), 2);
    list.Drop(1, *controller);
    list.Drop(5, *controller);  // no such row: nothing happens
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(controller->CheckedOutCount(), 1);
    EXPECT_EQ(list.At(1), nullptr);
    EXPECT_EQ(list.At(-1), nullptr);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(controller->CheckedOutCount(), 0);
    EXPECT_EQ(controller->Count(), 2);  // released objects are replaced in the controller
}

}  // namespace
