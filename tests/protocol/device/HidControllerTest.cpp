#include "protocol/device/HidController.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <map>

namespace {

// A platform with devices a test adds and removes by hand.
class HandBackend final : public HidBackend {
public:
    struct Device {
        HidNodeInfo node;
        HidAttributes attributes;
        HidOpenError openError = HidOpenError::None;
        QString serial;
        QString languages;
    };

    class Connection final : public HidConnection {
    public:
        Connection(const HandBackend& backend, Device d) : backend_(backend), d_(std::move(d)) {}
        bool canTransfer() const override { return true; }
        bool getAttributes(HidAttributes& out) override
        {
            out = d_.attributes;
            return true;
        }
        bool getCaps(HidCaps& out) override
        {
            out.UsagePage = 1;
            out.Usage = 2;
            out.FeatureReportByteLength = 8;
            return true;
        }
        bool setFeature(const quint8*, int) override { return transfer(); }
        bool getFeature(quint8*, int) override { return transfer(); }
        bool removed() const override { return removed_; }
        bool getProductString(QString& out) override
        {
            out = QStringLiteral("P");
            return true;
        }
        bool getSerialNumberString(QString& out) override
        {
            out = d_.serial;
            return true;
        }
        bool getIndexedString(int, QString& out) override
        {
            out = d_.languages;
            return true;
        }

    private:
        bool transfer()
        {
            removed_ = !backend_.devices.count(d_.node.instanceId);
            return !removed_ && !backend_.refuseTransfers;
        }

        const HandBackend& backend_;
        Device d_;
        bool removed_ = false;
    };

    bool available() const override { return true; }
    std::vector<HidNodeInfo> listPresent() override
    {
        std::vector<HidNodeInfo> nodes;
        for (const auto& [id, d] : devices)
            nodes.push_back(d.node);
        return nodes;
    }
    std::unique_ptr<HidConnection> open(const HidNodeInfo& node, HidAccess access,
                                        HidOpenError* error) override
    {
        ++opens;
        const auto it = devices.find(node.instanceId);
        if (it == devices.end() || it->second.openError != HidOpenError::None) {
            if (error)
                *error = it == devices.end() ? HidOpenError::NotFound : it->second.openError;
            return nullptr;
        }
        if (access == HidAccess::NoAccess)
            return nullptr;
        return std::make_unique<Connection>(*this, it->second);
    }

    Device& add(const QString& instance, quint16 pid = 0x0E41)
    {
        Device d;
        d.node.path = QStringLiteral("/dev/") + instance;
        d.node.instanceId = instance;
        d.node.vendorId = 0x7A3C;
        d.node.productId = pid;
        d.attributes.VendorID = 0x7A3C;
        d.attributes.ProductID = pid;
        return devices[instance] = d;
    }
    void notify() { notifyChange(); }

    std::map<QString, Device> devices;  // listed in instance order
    int opens = 0;
    bool refuseTransfers = false;  // every report refused, as a device refuses it
};

class HidControllerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        backend = std::make_shared<HandBackend>();
        controller = std::make_unique<THidDeviceController>(backend);
        controller->OnDeviceChange = [this](QObject*) { ++changes; };
    }
    void deliverPosted() { QCoreApplication::processEvents(); }
    std::vector<QString> enumerated()
    {
        std::vector<QString> seen;
        controller->OnEnumerate = [&](THidDevice* d, int idx) {
            seen.push_back(QString::number(idx) + d->PnPInfo().DeviceInstance);
            return true;
        };
        controller->EnumerateDevices();
        controller->OnEnumerate = nullptr;
        return seen;
    }
    THidDevice* lend(int index)
    {
        THidDevice* d = nullptr;
        EXPECT_TRUE(controller->LendDevice(index, d));
        return d;
    }

    std::shared_ptr<HandBackend> backend;
    std::unique_ptr<THidDeviceController> controller;
    int changes = 0;
};

TEST_F(HidControllerTest, FirstPostedNotificationReportsAChangeEvenWithNoDevice)
{
    EXPECT_EQ(changes, 0);  // posted, not run in the constructor
    deliverPosted();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(controller->EnumerateDevices(), 0);
}

TEST_F(HidControllerTest, ArrivalsGoToTheEndAndKeepExistingIndexes)
{
    backend->add(QStringLiteral("b"));
    deliverPosted();
    backend->add(QStringLiteral("a"));  // listed first by the platform now
    backend->notify();
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(enumerated(), (std::vector<QString>{"0b", "1a"}));
    backend->notify();  // nothing changed: no event
    EXPECT_EQ(changes, 2);
}

TEST_F(HidControllerTest, UnpluggedHeldDeviceStaysListedUntilReturned)
{
    backend->add(QStringLiteral("a"));
    backend->add(QStringLiteral("b"));
    deliverPosted();
    THidDevice* held = lend(0);
    int unplugCalls = 0, removals = 0;
    held->OnUnplug = [&](THidDevice*) { ++unplugCalls; };
    controller->OnRemoval = [&](THidDevice*) { ++removals; };

    backend->devices.erase(QStringLiteral("a"));
    backend->notify();
    EXPECT_EQ(controller->Count(), 2);
    EXPECT_FALSE(held->IsPluggedIn());
    EXPECT_FALSE(held->WriteFeature(reinterpret_cast<const quint8*>("12345678"), 8));
    EXPECT_EQ(enumerated(), (std::vector<QString>{"1b"}));
    EXPECT_EQ(controller->UnpluggedCount(), 1);
    backend->notify();
    EXPECT_EQ(unplugCalls, 1);
    EXPECT_EQ(removals, 1);

    controller->ReturnDevice(held);
    EXPECT_EQ(held, nullptr);
    EXPECT_EQ(controller->Count(), 1);
    EXPECT_EQ(controller->UnpluggedCount(), 0);
}

// A platform may announce a removal late or never (no device manager running): a transfer
// that finds the held device removed has the controller look again, a refused one does not.
TEST_F(HidControllerTest, TransferFindingTheDeviceRemovedListsAgainWithoutANotification)
{
    // Removed with its handle open, removed before it was opened, refusing the reports.
    for (const auto& [handleOpen, removed] :
         {std::pair{true, true}, {false, true}, {true, false}}) {
        SCOPED_TRACE(testing::Message() << handleOpen << removed);
        SetUp();
        backend->add(QStringLiteral("a"));
        deliverPosted();
        THidDevice* held = lend(0);
        changes = 0;
        quint8 report[8] = {1};
        if (handleOpen) {
            EXPECT_TRUE(held->ReadFeature(report, 8));
        }
        if (removed)
            backend->devices.clear();
        backend->refuseTransfers = !removed;
        EXPECT_FALSE(held->ReadFeature(report, 8));
        EXPECT_FALSE(held->WriteFeature(report, 8));
        deliverPosted();
        EXPECT_EQ(changes, removed ? 1 : 0);
        EXPECT_EQ(held->IsPluggedIn(), !removed);
        controller->ReturnDevice(held);
    }
}

TEST_F(HidControllerTest, DestroyingAHeldPluggedDeviceLeavesAFreshOneInItsSlot)
{
    backend->add(QStringLiteral("a"));
    backend->add(QStringLiteral("b"));
    deliverPosted();
    THidDevice* held = lend(0);
    EXPECT_EQ(controller->CheckedOutCount(), 1);
    delete held;
    EXPECT_EQ(controller->Count(), 2);
    EXPECT_EQ(controller->CheckedOutCount(), 0);
    EXPECT_EQ(controller->CheckedInCount(), 2);
    EXPECT_EQ(enumerated(), (std::vector<QString>{"0a", "1b"}));
    THidDevice* again = lend(0);
    EXPECT_NE(again, nullptr);
    THidDevice* twice = nullptr;
    EXPECT_FALSE(controller->LendDevice(0, twice));
    EXPECT_FALSE(controller->LendDevice(5, twice));
    delete again;
}

TEST_F(HidControllerTest, HandlesOpenOnlyForHeldOrEnumeratedDevices)
{
    backend->add(QStringLiteral("a"));
    deliverPosted();
    const quint8 report[8] = {1};
    EXPECT_FALSE(controller->DeviceAt(0)->WriteFeature(report, 8));
    bool wroteDuringEnumeration = false;
    controller->OnEnumerate = [&](THidDevice* d, int) {
        wroteDuringEnumeration = d->WriteFeature(report, 8);
        return true;
    };
    controller->EnumerateDevices();
    EXPECT_TRUE(wroteDuringEnumeration);
    EXPECT_FALSE(controller->DeviceAt(0)->IsFileOpen());  // closed after the event
    THidDevice* held = lend(0);
    EXPECT_TRUE(held->WriteFeature(report, 8));
    EXPECT_TRUE(held->HasReadWriteAccess());
    delete held;
}

TEST_F(HidControllerTest, DeviceRefusedForPermissionIsLeftOutAndRaisedOncePerPlugIn)
{
    backend->add(QStringLiteral("a")).openError = HidOpenError::PermissionDenied;
    backend->add(QStringLiteral("b"));
    std::vector<QString> denied;
    controller->OnAccessDenied = [&](const std::vector<HidNodeInfo>& nodes) {
        for (const HidNodeInfo& n : nodes)
            denied.push_back(n.path);
    };
    deliverPosted();
    EXPECT_EQ(enumerated(), (std::vector<QString>{"0b"}));
    EXPECT_EQ(denied, (std::vector<QString>{"/dev/a"}));

    backend->add(QStringLiteral("c"));  // another change while "a" stays refused
    backend->notify();
    EXPECT_EQ(denied.size(), 1u);

    backend->devices.erase(QStringLiteral("a"));  // unplugged, then plugged in again
    backend->notify();
    backend->add(QStringLiteral("a")).openError = HidOpenError::PermissionDenied;
    backend->notify();
    EXPECT_EQ(denied, (std::vector<QString>{"/dev/a", "/dev/a"}));
}

TEST_F(HidControllerTest, SerialEqualToTheLanguageListCountsAsNone)
{
    backend->add(QStringLiteral("a")).serial = QStringLiteral("\u0409");
    backend->devices[QStringLiteral("a")].languages = QStringLiteral("\u0409");
    backend->add(QStringLiteral("b")).serial = QStringLiteral("SN42");
    deliverPosted();
    THidDevice* a = lend(0);
    THidDevice* b = lend(1);
    EXPECT_TRUE(a->SerialNumber().isEmpty());
    EXPECT_EQ(b->SerialNumber(), QStringLiteral("SN42"));
    delete a;
    delete b;
}

TEST_F(HidControllerTest, ChangeDuringHandlingIsHandledAfterwardsNotLost)
{
    backend->add(QStringLiteral("a"));
    bool inner = true;
    controller->OnDeviceChange = [&](QObject*) {
        ++changes;
        if (inner) {  // the application pumps events while busy with the change
            inner = false;
            backend->add(QStringLiteral("b"));
            backend->notify();
            EXPECT_EQ(controller->Count(), 1);
        }
    };
    deliverPosted();
    EXPECT_EQ(changes, 1);
    deliverPosted();
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(controller->Count(), 2);
}

TEST_F(HidControllerTest, DestroyedControllerLeavesHeldDevicesSafelyUnplugged)
{
    backend->add(QStringLiteral("a"));
    deliverPosted();
    THidDevice* held = lend(0);
    bool unplugged = false;
    held->OnUnplug = [&](THidDevice*) { unplugged = true; };
    controller.reset();
    EXPECT_TRUE(unplugged);
    EXPECT_FALSE(held->IsPluggedIn());
    delete held;  // must not touch the controller
}

TEST_F(HidControllerTest, ThreadPauseAcceptsOnlySensibleValues)
{
    backend->add(QStringLiteral("a"));
    deliverPosted();
    controller->SetDevThreadSleepTime(1000);
    EXPECT_EQ(controller->DeviceAt(0)->ThreadSleepTime(), 1000);
    controller->DeviceAt(0)->SetThreadSleepTime(5);
    EXPECT_EQ(controller->DeviceAt(0)->ThreadSleepTime(), 1000);
    EXPECT_EQ(THidDeviceController::Version(), QStringLiteral("1.0.34"));
}

}  // namespace
