#include "support/SimRig.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

class SimHidBackendTest : public ::testing::Test {
protected:
    std::shared_ptr<TestDeviceClock> clock = std::make_shared<TestDeviceClock>();
    std::shared_ptr<SimHidBackend> backend = std::make_shared<SimHidBackend>(clock);
    int notifications = 0;

    void SetUp() override
    {
        QCoreApplication::processEvents();  // drop leftovers of earlier tests
        backend->setChangeHandler([this] { ++notifications; });
    }

    std::unique_ptr<HidConnection> openNode(size_t index, HidAccess access = HidAccess::ReadWrite,
                                            HidOpenError* error = nullptr)
    {
        const std::vector<HidNodeInfo> nodes = backend->listPresent();
        return index < nodes.size() ? backend->open(nodes[index], access, error) : nullptr;
    }
};

TEST_F(SimHidBackendTest, NotificationsArePostedNotDelivered)
{
    const int id = backend->plug(SimReceivers::receiverProfile());
    EXPECT_EQ(notifications, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(notifications, 1);
    backend->unplug(id);
    EXPECT_EQ(notifications, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(notifications, 2);
    backend->unplug(id);  // already gone: nothing to tell
    QCoreApplication::processEvents();
    EXPECT_EQ(notifications, 2);
}

TEST_F(SimHidBackendTest, ListsCollectionsInPlugOrderAndNeverReusesIdentities)
{
    const int first = backend->plug(SimReceivers::receiverProfile());
    backend->plug(SimReceivers::plainKeyboardProfile());
    std::vector<HidNodeInfo> nodes = backend->listPresent();
    ASSERT_EQ(nodes.size(), 3u);
    EXPECT_EQ(nodes[0].path, nodes[1].path);
    EXPECT_EQ(nodes[0].collectionIndex, 0);
    EXPECT_EQ(nodes[1].collectionIndex, 1);
    EXPECT_EQ(nodes[0].vendorId, 0x7A3C);
    EXPECT_EQ(nodes[2].productId, 0x0001);
    const QString oldIdentity = nodes[0].instanceId;
    EXPECT_NE(oldIdentity, nodes[1].instanceId);

    backend->unplug(first);
    const HidNodeInfo stale = nodes[0];
    backend->plug(SimReceivers::receiverProfile());
    nodes = backend->listPresent();
    ASSERT_EQ(nodes.size(), 3u);
    for (const HidNodeInfo& node : nodes)
        EXPECT_NE(node.instanceId, oldIdentity);
    HidOpenError error = HidOpenError::None;
    EXPECT_EQ(backend->open(stale, HidAccess::ReadWrite, &error), nullptr);
    EXPECT_EQ(error, HidOpenError::NotFound);
}

TEST_F(SimHidBackendTest, HandleReportsIdentityCapsAndStrings)
{
    SimDeviceProfile profile = SimReceivers::receiverProfile();
    profile.serial = QStringLiteral("SN42");
    profile.collections[1].malformedDescriptor = true;
    backend->plug(profile);
    auto mouse = openNode(0);
    ASSERT_NE(mouse, nullptr);
    EXPECT_TRUE(mouse->canTransfer());
    HidAttributes attributes;
    ASSERT_TRUE(mouse->getAttributes(attributes));
    EXPECT_EQ(attributes.VendorID, 0x7A3C);
    EXPECT_EQ(attributes.ProductID, 0x0E41);
    HidCaps caps;
    ASSERT_TRUE(mouse->getCaps(caps));
    EXPECT_EQ(caps.UsagePage, 1);
    EXPECT_EQ(caps.Usage, 2);
    EXPECT_EQ(caps.FeatureReportByteLength, 8);
    QString text;
    EXPECT_TRUE(mouse->getProductString(text));
    EXPECT_EQ(text, QStringLiteral("2.4G RF Receiver"));
    EXPECT_TRUE(mouse->getSerialNumberString(text));
    EXPECT_EQ(text, QStringLiteral("SN42"));
    EXPECT_TRUE(mouse->getIndexedString(0, text));
    EXPECT_EQ(text, QString(QChar(0x0409)));
    EXPECT_EQ(backend->openHandles(1), 1);

    auto keyboard = openNode(1);
    ASSERT_NE(keyboard, nullptr);
    EXPECT_FALSE(keyboard->getCaps(caps));
    mouse.reset();
    keyboard.reset();
    EXPECT_EQ(backend->openHandles(1), 0);
}

TEST_F(SimHidBackendTest, OpenPoliciesAndIdentification)
{
    SimDeviceProfile profile = SimReceivers::mouseOnlyReceiverProfile();
    profile.openPolicy = SimOpenPolicy::Deny;
    backend->plug(profile);
    profile.openPolicy = SimOpenPolicy::IdentifyOnly;
    backend->plug(profile);
    profile.openPolicy = SimOpenPolicy::Allow;
    profile.failIdentify = true;
    backend->plug(profile);

    HidOpenError error = HidOpenError::None;
    EXPECT_EQ(openNode(0, HidAccess::ReadWrite, &error), nullptr);
    EXPECT_EQ(error, HidOpenError::PermissionDenied);
    EXPECT_EQ(openNode(0, HidAccess::NoAccess, &error), nullptr);

    EXPECT_EQ(openNode(1, HidAccess::ReadWrite, &error), nullptr);
    EXPECT_EQ(error, HidOpenError::PermissionDenied);
    auto identifyOnly = openNode(1, HidAccess::NoAccess, &error);
    ASSERT_NE(identifyOnly, nullptr);
    EXPECT_FALSE(identifyOnly->canTransfer());
    const quint8 request[8] = {1, 0x09};
    EXPECT_FALSE(identifyOnly->setFeature(request, 8));

    auto anonymous = openNode(2);
    ASSERT_NE(anonymous, nullptr);
    HidAttributes attributes;
    EXPECT_FALSE(anonymous->getAttributes(attributes));
}

TEST_F(SimHidBackendTest, UnavailableBackendListsNothing)
{
    backend->plug(SimReceivers::receiverProfile());
    backend->setAvailable(false);
    EXPECT_FALSE(backend->available());
    EXPECT_TRUE(backend->listPresent().empty());
}

TEST_F(SimHidBackendTest, TransfersNeedTheCollectionsReportIdAndLength)
{
    const int id = backend->plug(SimReceivers::receiverProfile(), SimReceivers::defaultFirmware());
    auto handle = openNode(0);
    quint8 buffer[9] = {1, 0x09};
    EXPECT_FALSE(handle->setFeature(buffer, 9));
    buffer[0] = 2;
    EXPECT_FALSE(handle->setFeature(buffer, 8));
    buffer[0] = 1;
    EXPECT_TRUE(handle->setFeature(buffer, 8));
    EXPECT_TRUE(handle->getFeature(buffer, 8));
    EXPECT_EQ(ReportLog::hex(buffer, 8), "28 21 43 00 00 00 00 CC");

    // A device without firmware takes reports and never acknowledges one.
    const int silent = backend->plug(SimReceivers::receiverProfile());
    auto other = openNode(2);
    quint8 request[8] = {1, 0x03, 5};
    EXPECT_TRUE(other->setFeature(request, 8));
    EXPECT_TRUE(other->getFeature(request, 8));
    EXPECT_EQ(ReportLog::hex(request, 8), "00 00 00 00 00 00 00 00");
    EXPECT_NE(id, silent);
}

// What a program sees of the kernel's hidraw node, and so of the simulated one: a get answers
// the device's report, cut to a shorter buffer, alone in a longer one (a set must be the whole
// report: above); and once the device is gone, every call fails as removed, not refused.
TEST_F(SimHidBackendTest, TransfersBehaveAsOnTheKernelsHidrawNode)
{
    enum class Call { Get, Set };
    struct Row {
        const char* what;
        Call call;
        int length;
        quint8 reportId;
        bool ok;
        const char* bytes;  // the buffer afterwards, for a get
        bool removed;       // the device was unplugged before the call
    };
    const Row rows[] = {
        {"get into a shorter buffer", Call::Get, 4, 1, true, "28 21 43 00", false},
        {"get into a longer buffer", Call::Get, 12, 1, true, "28 21 43 00 00 00 00 CC 00 00 00 00",
         false},
        {"get of another report ID", Call::Get, 8, 2, false, "02 09 00 00 00 00 00 00", false},
        {"get after the unplug", Call::Get, 8, 1, false, "01 09 00 00 00 00 00 00", true},
        {"set after the unplug", Call::Set, 8, 1, false, nullptr, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const int id =
            backend->plug(SimReceivers::receiverProfile(), SimReceivers::defaultFirmware());
        auto handle = openNode(0);
        quint8 link[8] = {1, 0x09};
        ASSERT_TRUE(handle->setFeature(link, 8));  // the link status is the next reply
        if (row.removed)
            backend->unplug(id);
        quint8 buffer[16] = {row.reportId, 0x09};
        const bool ok = row.call == Call::Get ? handle->getFeature(buffer, row.length)
                                              : handle->setFeature(buffer, row.length);
        EXPECT_EQ(ok, row.ok);
        if (row.bytes) {
            EXPECT_EQ(ReportLog::hex(buffer, row.length), row.bytes);
        }
        EXPECT_EQ(handle->removed(), row.removed);
        backend->unplug(id);
    }
}

TEST_F(SimHidBackendTest, LogRecordsEveryCallWithTimeDeviceAndBytes)
{
    const int id = backend->plug(SimReceivers::receiverProfile(), SimReceivers::defaultFirmware());
    auto keyboard = openNode(1);
    const qint64 mark = backend->log().mark();
    clock->advance(7);
    quint8 buffer[8] = {1, 0x03, 15};
    keyboard->setFeature(buffer, 8);
    clock->advance(2);
    keyboard->getFeature(buffer, 8);
    backend->faults(id).failGets(1);
    keyboard->getFeature(buffer, 8);

    const auto entries = backend->log().since(mark);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_TRUE(entries[0].isSet());
    EXPECT_EQ(entries[0].timeMs, 7);
    EXPECT_EQ(entries[0].deviceId, id);
    EXPECT_EQ(entries[0].collection, 1);
    EXPECT_EQ(entries[0].length, 8);
    EXPECT_EQ(entries[0].hex(), "01 03 0F 00 00 00 00 00");
    EXPECT_TRUE(entries[0].ok);
    EXPECT_FALSE(entries[1].isSet());
    EXPECT_EQ(entries[1].timeMs, 9);
    EXPECT_EQ(entries[1].hex(), "7A 85 00 00 00 00 00 CC");
    EXPECT_FALSE(entries[2].ok);
    EXPECT_TRUE(entries[2].bytes.empty());
    EXPECT_EQ(backend->log().sentSince(mark), std::vector<QString>{"01 03 0F 00 00 00 00 00"});
    EXPECT_EQ(backend->log().getsSince(mark).size(), 2u);
}

TEST(ReportLogTest, KeepsTheNewestEntriesAndMarksStayValid)
{
    ReportLog log(3);
    for (int i = 0; i < 5; ++i) {
        ReportLogEntry entry;
        entry.timeMs = i;
        log.record(entry);
    }
    EXPECT_EQ(log.entries().size(), 3u);
    EXPECT_EQ(log.mark(), 5);
    const auto recent = log.since(3);
    ASSERT_EQ(recent.size(), 2u);
    EXPECT_EQ(recent[0].timeMs, 3);
    EXPECT_EQ(log.since(0).size(), 3u);
    log.setCapacity(1);  // a smaller capacity drops the oldest at once
    ASSERT_EQ(log.entries().size(), 1u);
    EXPECT_EQ(log.entries().front().timeMs, 4);
}

TEST_F(SimHidBackendTest, FaultsOnTheWire)
{
    const int id = backend->plug(SimReceivers::receiverProfile(), SimReceivers::defaultFirmware());
    SimFaults& faults = backend->faults(id);
    auto handle = openNode(0);
    auto exchange = [&](std::initializer_list<quint8> bytes) {
        quint8 buffer[8] = {1};
        std::copy(bytes.begin(), bytes.end(), buffer + 1);
        if (!handle->setFeature(buffer, 8))
            return std::string("set failed");
        if (!handle->getFeature(buffer, 8))
            return std::string("get failed");
        return ReportLog::hex(buffer, 8).toStdString();
    };

    faults.nackReplies(2);
    EXPECT_EQ(exchange({0x09}), "28 21 43 00 00 00 00 CB");
    EXPECT_EQ(exchange({0x09}), "28 21 43 00 00 00 00 CB");
    EXPECT_EQ(exchange({0x09}), "28 21 43 00 00 00 00 CC");

    faults.failSets(1);
    faults.failGets(1);
    EXPECT_EQ(exchange({0x09}), "set failed");
    EXPECT_EQ(exchange({0x09}), "get failed");

    faults.corruptReplies(1, 1, 0xFF);
    EXPECT_EQ(exchange({0x09}), "28 DE 43 00 00 00 00 CC");

    faults.scriptReplies({{0x3A, 0, 0, 0, 0, 0, 0, 0xCC}, {0x3A, 0, 0, 0, 0, 0, 0, 0}});
    faults.nackReplies(SimFaults::kAlways);  // scripted replies are delivered as they stand
    EXPECT_EQ(exchange({0x24, 0xAA, 0x12}), "3A 00 00 00 00 00 00 CC");
    EXPECT_EQ(exchange({0x24, 0xAA, 0x12}), "3A 00 00 00 00 00 00 00");
    EXPECT_EQ(exchange({0x24, 0xAA, 0x12}), "FF 00 00 00 00 00 00 CB");
    faults.clear();
    EXPECT_EQ(exchange({0x24, 0xAA, 0x12}), "FF 00 00 00 00 00 00 CC");
}

TEST_F(SimHidBackendTest, UnplugAtTheNthExchange)
{
    const int id = backend->plug(SimReceivers::receiverProfile(), SimReceivers::defaultFirmware());
    QCoreApplication::processEvents();
    notifications = 0;
    auto handle = openNode(0);
    backend->faults(id).unplugAtExchange(3);
    quint8 buffer[8] = {1, 0x09};
    EXPECT_TRUE(handle->setFeature(buffer, 8));
    EXPECT_TRUE(handle->getFeature(buffer, 8));
    buffer[0] = 1;
    EXPECT_FALSE(handle->setFeature(buffer, 8));
    EXPECT_FALSE(backend->isPlugged(id));
    EXPECT_FALSE(handle->getFeature(buffer, 8));
    QString text;
    EXPECT_FALSE(handle->getProductString(text));
    EXPECT_TRUE(backend->listPresent().empty());
    EXPECT_EQ(notifications, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(notifications, 1);
}

TEST_F(SimHidBackendTest, HandleOutlivingTheBackendStaysSafe)
{
    backend->plug(SimReceivers::receiverProfile(), SimReceivers::defaultFirmware());
    auto handle = openNode(0);
    backend->unplug(1);
    backend.reset();
    QCoreApplication::processEvents();  // the posted notification dies with the backend's bus
    quint8 buffer[8] = {1, 0x09};
    EXPECT_FALSE(handle->setFeature(buffer, 8));
    EXPECT_EQ(notifications, 0);
}

// The controller sees simulated devices as it sees hardware.
TEST(SimThroughControllerTest, ControllerListsAndLeavesOutAsOnHardware)
{
    auto clock = std::make_shared<TestDeviceClock>();
    auto backend = std::make_shared<SimHidBackend>(clock);
    SimDeviceProfile languagesAsSerial = SimReceivers::receiverProfile();
    languagesAsSerial.serial = languagesAsSerial.languages;
    backend->plug(languagesAsSerial);
    SimDeviceProfile anonymous = SimReceivers::mouseOnlyReceiverProfile();
    anonymous.failIdentify = true;
    backend->plug(anonymous);
    SimDeviceProfile denied = SimReceivers::mouseOnlyReceiverProfile();
    denied.openPolicy = SimOpenPolicy::Deny;
    backend->plug(denied);

    THidDeviceController controller(backend);
    int changes = 0;
    int deniedNodes = 0;
    controller.OnDeviceChange = [&](QObject*) { ++changes; };
    controller.OnAccessDenied = [&](const std::vector<HidNodeInfo>& nodes) {
        deniedNodes += int(nodes.size());
    };
    EXPECT_EQ(changes, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(deniedNodes, 1);
    ASSERT_EQ(controller.Count(), 2);

    THidDevice* device = nullptr;
    ASSERT_TRUE(controller.LendDevice(0, device));
    EXPECT_EQ(device->SerialNumber(), QString());
    EXPECT_EQ(device->ProductName(), QStringLiteral("2.4G RF Receiver"));
    EXPECT_EQ(device->Caps().Usage, 2);

    backend->plug(SimReceivers::plainKeyboardProfile());
    EXPECT_EQ(changes, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(controller.Count(), 3);
    controller.ReturnDevice(device);
}

}  // namespace
