#include "sim/SimHidBackend.h"

#include "protocol/device/DeviceClock.h"
#include "sim/ReceiverModel.h"

#include <QMetaObject>
#include <QObject>

#include <algorithm>

namespace {

struct SimDevice {
    int id = 0;
    SimDeviceProfile profile;
    std::shared_ptr<ReceiverModel> firmware;
    SimFaults faults;
    bool plugged = true;
    int openHandles = 0;

    QString path() const { return QStringLiteral("sim:hidraw%1").arg(id); }
    QString instanceId(int collection) const
    {
        return QString::asprintf("SIM\\VID_%04X&PID_%04X\\%d&%02d", unsigned(profile.vendorId),
                                 unsigned(profile.productId), id, collection);
    }
};

}  // namespace

struct SimHidBackend::Bus {
    std::shared_ptr<DeviceClock> clock;
    ReportLog log;
    std::vector<std::shared_ptr<SimDevice>> devices;  // plug order; unplugged ones stay
    QObject poster;  // context of the posted notifications: they die with the bus
    std::function<void()> onChange;
    std::function<bool()> listening;
    bool available = true;
    int nextId = 1;
    SimFaults scratchFaults;

    SimDevice* find(int id) const
    {
        for (const auto& d : devices)
            if (d->id == id)
                return d.get();
        return nullptr;
    }

    // As with a device monitor, changes while nobody listens produce no notification.
    void post()
    {
        if (!listening || !listening())
            return;
        QMetaObject::invokeMethod(
            &poster,
            [this] {
                if (onChange)
                    onChange();
            },
            Qt::QueuedConnection);
    }

    void unplug(SimDevice& device)
    {
        if (!device.plugged)
            return;
        device.plugged = false;
        post();
    }

    bool transfer(SimDevice& device, int collection, ReportLogEntry::Direction direction,
                  quint8* data, int length);

private:
    bool exchange(SimDevice& device, const SimCollection& c, ReportLogEntry::Direction direction,
                  quint8* data, int length);
};

bool SimHidBackend::Bus::transfer(SimDevice& device, int collection,
                                  ReportLogEntry::Direction direction, quint8* data, int length)
{
    ReportLogEntry entry;
    entry.timeMs = clock->nowMs();
    entry.deviceId = device.id;
    entry.collection = collection;
    entry.direction = direction;
    entry.length = length;
    const bool isSet = direction == ReportLogEntry::Direction::Set;
    if (isSet && data && length > 0)
        entry.bytes.assign(data, data + length);
    const bool ok =
        exchange(device, device.profile.collections[size_t(collection)], direction, data, length);
    if (!isSet && ok)
        entry.bytes.assign(data, data + length);
    entry.ok = ok;
    log.record(std::move(entry));
    return ok;
}

bool SimHidBackend::Bus::exchange(SimDevice& device, const SimCollection& c,
                                  ReportLogEntry::Direction direction, quint8* data, int length)
{
    if (!device.plugged)
        return false;
    if (device.faults.takeUnplug()) {
        unplug(device);
        return false;
    }
    if (!data || length <= 0 || c.featureLength == 0 || (c.reportId != 0 && data[0] != c.reportId))
        return false;
    const qint64 now = clock->nowMs();
    if (direction == ReportLogEntry::Direction::Set) {
        if (length != c.featureLength)
            return false;
        if (device.faults.takeSetFailure())
            return false;
        if (device.firmware)
            device.firmware->receive(data, length, now);
        return true;
    }
    if (device.faults.takeGetFailure())
        return false;
    ReceiverModel::Report reply{};
    if (std::optional<SimFaults::Report> scripted = device.faults.takeScripted()) {
        reply = *scripted;
    } else {
        if (device.firmware)
            reply = device.firmware->reply(now);
        device.faults.spoil(reply);
    }
    // As the kernel answers a get: the report as the device sent it, cut to a shorter buffer;
    // a longer one gets the report alone, the rest zero as the platform layer leaves it.
    const int delivered = std::min<int>(c.featureLength, int(reply.size()));
    for (int i = 0; i < length; ++i)
        data[i] = i < delivered ? reply[size_t(i)] : 0;
    return true;
}

namespace {

class SimConnection final : public HidConnection {
public:
    SimConnection(std::shared_ptr<SimHidBackend::Bus> bus, std::shared_ptr<SimDevice> device,
                  int collection, bool transfer)
        : bus_(std::move(bus)),
          device_(std::move(device)),
          collection_(collection),
          transfer_(transfer)
    {
        ++device_->openHandles;
    }
    ~SimConnection() override { --device_->openHandles; }

    bool canTransfer() const override { return transfer_; }

    bool getAttributes(HidAttributes& out) override
    {
        if (!device_->plugged || device_->profile.failIdentify)
            return false;
        out.VendorID = device_->profile.vendorId;
        out.ProductID = device_->profile.productId;
        out.VersionNumber = device_->profile.version;
        return true;
    }

    bool getCaps(HidCaps& out) override
    {
        const SimCollection& c = collection();
        if (!device_->plugged || c.malformedDescriptor)
            return false;
        out = HidCaps{};
        out.UsagePage = c.usagePage;
        out.Usage = c.usage;
        out.InputReportByteLength = c.inputLength;
        out.OutputReportByteLength = c.outputLength;
        out.FeatureReportByteLength = c.featureLength;
        return true;
    }

    bool setFeature(const quint8* data, int len) override
    {
        // The simulated device never writes through the request buffer.
        return transfer_ &&
               noted(bus_->transfer(*device_, collection_, ReportLogEntry::Direction::Set,
                                    const_cast<quint8*>(data), len));
    }

    bool getFeature(quint8* data, int len) override
    {
        return transfer_ && noted(bus_->transfer(*device_, collection_,
                                                 ReportLogEntry::Direction::Get, data, len));
    }

    bool removed() const override { return removed_; }

    bool getProductString(QString& out) override { return text(device_->profile.product, out); }
    bool getSerialNumberString(QString& out) override { return text(device_->profile.serial, out); }

    bool getIndexedString(int index, QString& out) override
    {
        if (index == 0)
            return !device_->profile.languages.isEmpty() && text(device_->profile.languages, out);
        return false;
    }

private:
    bool noted(bool ok)
    {
        removed_ = removed_ || (!ok && !device_->plugged);
        return ok;
    }

    const SimCollection& collection() const
    {
        return device_->profile.collections[size_t(collection_)];
    }

    bool text(const QString& value, QString& out) const
    {
        if (!device_->plugged)
            return false;
        out = value;
        return true;
    }

    std::shared_ptr<SimHidBackend::Bus> bus_;
    std::shared_ptr<SimDevice> device_;
    int collection_;
    bool transfer_;
    bool removed_ = false;
};

}  // namespace

SimHidBackend::SimHidBackend(std::shared_ptr<DeviceClock> clock) : bus_(std::make_shared<Bus>())
{
    bus_->clock = std::move(clock);
    bus_->onChange = [this] { notifyChange(); };
    bus_->listening = [this] { return hasChangeHandler(); };
}

SimHidBackend::~SimHidBackend()
{
    // Open handles may keep the bus alive.
    bus_->onChange = nullptr;
    bus_->listening = nullptr;
}

int SimHidBackend::plug(const SimDeviceProfile& profile, std::shared_ptr<ReceiverModel> firmware)
{
    auto device = std::make_shared<SimDevice>();
    device->id = bus_->nextId++;
    device->profile = profile;
    device->firmware = std::move(firmware);
    bus_->devices.push_back(device);
    bus_->post();
    return device->id;
}

void SimHidBackend::unplug(int deviceId)
{
    if (SimDevice* device = bus_->find(deviceId))
        bus_->unplug(*device);
}

bool SimHidBackend::isPlugged(int deviceId) const
{
    const SimDevice* device = bus_->find(deviceId);
    return device && device->plugged;
}

int SimHidBackend::openHandles(int deviceId) const
{
    const SimDevice* device = bus_->find(deviceId);
    return device ? device->openHandles : 0;
}

SimFaults& SimHidBackend::faults(int deviceId)
{
    if (SimDevice* device = bus_->find(deviceId))
        return device->faults;
    bus_->scratchFaults.clear();
    return bus_->scratchFaults;
}

ReportLog& SimHidBackend::log()
{
    return bus_->log;
}

DeviceClock& SimHidBackend::clock() const
{
    return *bus_->clock;
}

void SimHidBackend::setAvailable(bool on)
{
    bus_->available = on;
}

bool SimHidBackend::available() const
{
    return bus_->available;
}

std::vector<HidNodeInfo> SimHidBackend::listPresent()
{
    std::vector<HidNodeInfo> nodes;
    if (!bus_->available)
        return nodes;
    for (const auto& device : bus_->devices) {
        if (!device->plugged)
            continue;
        for (int i = 0; i < int(device->profile.collections.size()); ++i) {
            HidNodeInfo node;
            node.path = device->path();
            node.instanceId = device->instanceId(i);
            node.collectionIndex = i;
            node.vendorId = device->profile.vendorId;
            node.productId = device->profile.productId;
            nodes.push_back(node);
        }
    }
    return nodes;
}

std::unique_ptr<HidConnection> SimHidBackend::open(const HidNodeInfo& node, HidAccess access,
                                                   HidOpenError* error)
{
    auto fail = [error](HidOpenError reason) {
        if (error)
            *error = reason;
        return nullptr;
    };
    if (!bus_->available)
        return fail(HidOpenError::NotFound);
    for (const auto& device : bus_->devices) {
        const int collection = node.collectionIndex;
        if (!device->plugged || collection < 0 ||
            collection >= int(device->profile.collections.size()) ||
            device->instanceId(collection) != node.instanceId)
            continue;
        const SimOpenPolicy policy = device->profile.openPolicy;
        if (policy == SimOpenPolicy::Deny ||
            (policy == SimOpenPolicy::IdentifyOnly && access == HidAccess::ReadWrite))
            return fail(HidOpenError::PermissionDenied);
        if (error)
            *error = HidOpenError::None;
        return std::make_unique<SimConnection>(bus_, device, collection,
                                               access == HidAccess::ReadWrite);
    }
    return fail(HidOpenError::NotFound);
}
