#include "protocol/device/HidController.h"

#include <QMetaObject>

#include <algorithm>

// ---------------------------------------------------------------------------------------------
// THidDevice

THidDevice::THidDevice(THidDeviceController* controller, HidBackend& backend,
                       const HidNodeInfo& node)
    : controller_(controller), backend_(backend), node_(node)
{
    pnp_.DeviceInstance = node.instanceId;
    pnp_.DevicePath = node.path;
    pnp_.CollectionIndex = node.collectionIndex;
}

std::unique_ptr<THidDevice> THidDevice::Create(THidDeviceController* controller,
                                               HidBackend& backend, const HidNodeInfo& node,
                                               QString* failure, HidOpenError* openError)
{
    std::unique_ptr<THidDevice> device(new THidDevice(controller, backend, node));
    std::unique_ptr<HidConnection> handle;
    if (!device->OpenHandle(handle, openError)) {
        if (failure)
            *failure = QStringLiteral("device cannot be opened");
        return nullptr;
    }
    device->attributes_ = HidAttributes{};
    if (!handle->getAttributes(device->attributes_)) {
        if (failure)
            *failure = QStringLiteral("device cannot be identified");
        return nullptr;
    }
    device->attributes_.Size = 12;
    return device;
}

THidDevice::~THidDevice()
{
    CloseFile();
    if (controller_)
        controller_->DeviceDestroyed(this);
}

bool THidDevice::OpenHandle(std::unique_ptr<HidConnection>& out, HidOpenError* openError)
{
    HidOpenError error = HidOpenError::None;
    out = backend_.open(node_, HidAccess::ReadWrite, &error);
    readWrite_ = out != nullptr;
    if (!out) {
        if (openError)
            *openError = error;
        HidOpenError second = HidOpenError::None;
        out = backend_.open(node_, HidAccess::NoAccess, &second);
    }
    return out != nullptr;
}

bool THidDevice::OpenFile()
{
    if (handle_)
        return true;
    if (!pluggedIn_ || !(checkedOut_ || enumerating_))
        return false;
    HidOpenError error = HidOpenError::None;
    if (OpenHandle(handle_, &error))
        return true;
    if (error == HidOpenError::NotFound)
        ReportRemoval();
    return false;
}

void THidDevice::CloseFile()
{
    handle_.reset();
}

void THidDevice::MarkUnplugged()
{
    CloseFile();
    pluggedIn_ = false;
}

HidCaps THidDevice::Caps()
{
    if (!capsFetched_ && OpenFile()) {
        HidCaps caps;
        if (handle_->getCaps(caps)) {
            caps_ = caps;
            capsFetched_ = true;
        }
        CloseFile();
    }
    return capsFetched_ ? caps_ : HidCaps{};
}

QString THidDevice::ProductName()
{
    if (productName_.isEmpty() && OpenFile()) {
        QString text;
        if (handle_->getProductString(text))
            productName_ = text.left(254);
        CloseFile();
    }
    return productName_;
}

QString THidDevice::SerialNumber()
{
    if (serialNumber_.isEmpty() && OpenFile()) {
        QString serial;
        if (handle_->getSerialNumberString(serial)) {
            // Some devices answer the serial number request with their language list.
            QString languages;
            const bool haveLanguages = handle_->getIndexedString(0, languages);
            if (!haveLanguages || languages != serial)
                serialNumber_ = serial.left(254);
        }
        CloseFile();
    }
    return serialNumber_;
}

bool THidDevice::WriteFeature(const quint8* buffer, int length)
{
    if (!buffer || length <= 0 || !OpenFile() || !handle_->canTransfer())
        return false;
    const bool ok = handle_->setFeature(buffer, length);
    if (!ok && handle_->removed())
        ReportRemoval();
    return ok;
}

bool THidDevice::ReadFeature(quint8* buffer, int length)
{
    if (!buffer || length <= 0 || !OpenFile() || !handle_->canTransfer())
        return false;
    const bool ok = handle_->getFeature(buffer, length);
    if (!ok && handle_->removed())
        ReportRemoval();
    return ok;
}

void THidDevice::ReportRemoval()
{
    // The platform's own notification of the removal comes later, or never where no device
    // manager announces it; until the change handling runs, every exchange of the holder fails
    // slowly, through all its attempts and waits.
    if (removalReported_ || !controller_)
        return;
    removalReported_ = true;
    controller_->PostNotification(0);
}

void THidDevice::SetThreadSleepTime(int ms)
{
    if (ms >= 10 && ms <= 10000)
        threadSleepTime_ = ms;
}

// ---------------------------------------------------------------------------------------------
// THidDeviceController

THidDeviceController::THidDeviceController(std::shared_ptr<HidBackend> backend, QObject* parent)
    : QObject(parent), backend_(std::move(backend))
{
    if (!backend_ || !backend_->available())
        return;
    backend_->setChangeHandler([this] { HandleNotification(0); });
    // The first listing happens when the event loop delivers this notification.
    PostNotification(-1);
}

THidDeviceController::~THidDeviceController()
{
    if (backend_)
        backend_->setChangeHandler(nullptr);
    std::vector<THidDevice*> devices;
    devices.swap(list_);
    for (THidDevice* device : devices) {
        device->controller_ = nullptr;
        if (device->checkedOut_) {
            // The holder still owns it; it only learns that the device is gone.
            device->MarkUnplugged();
            if (THidPlugEvent unplug = std::move(device->OnUnplug)) {
                device->OnUnplug = nullptr;
                unplug(device);
            }
        } else {
            delete device;
        }
    }
}

void THidDeviceController::PostNotification(long lParam)
{
    QMetaObject::invokeMethod(
        this, [this, lParam] { HandleNotification(lParam); }, Qt::QueuedConnection);
}

THidDevice* THidDeviceController::DeviceAt(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return list_[static_cast<size_t>(index)];
}

void THidDeviceController::SetDevThreadSleepTime(int ms)
{
    if (ms == devThreadSleepTime_)
        return;
    for (THidDevice* device : list_)
        if (device->threadSleepTime_ == devThreadSleepTime_)
            device->SetThreadSleepTime(ms);
    devThreadSleepTime_ = ms;
}

int THidDeviceController::EnumerateDevices()
{
    int count = 0;
    // The handler may lend devices; it must not change the list, but a bounded index loop stays
    // safe even if it does.
    for (int i = 0; i < Count(); ++i) {
        THidDevice* device = list_[static_cast<size_t>(i)];
        if (!device->pluggedIn_)
            continue;
        ++count;
        bool goOn = true;
        if (OnEnumerate) {
            device->enumerating_ = true;
            goOn = OnEnumerate(device, i);
            // The handler may have destroyed the device; look it up again before touching it.
            if (i < Count() && list_[static_cast<size_t>(i)] == device) {
                device->enumerating_ = false;
                if (!device->checkedOut_)
                    device->CloseFile();
            }
        }
        if (!goOn)
            break;
    }
    return count;
}

bool THidDeviceController::LendDevice(int index, THidDevice*& device)
{
    device = nullptr;
    THidDevice* candidate = DeviceAt(index);
    if (!candidate || candidate->checkedOut_ || !candidate->pluggedIn_)
        return false;
    candidate->checkedOut_ = true;
    ++checkedOut_;
    --checkedIn_;
    device = candidate;
    return true;
}

void THidDeviceController::ReturnDevice(THidDevice*& device)
{
    THidDevice* returned = device;
    device = nullptr;
    if (!returned || returned->controller_ != this)
        return;
    returned->CloseFile();
    if (!returned->checkedOut_)
        return;
    if (returned->pluggedIn_) {
        returned->checkedOut_ = false;
        --checkedOut_;
        ++checkedIn_;
    } else {
        delete returned;  // DeviceDestroyed removes its slot
    }
}

void THidDeviceController::DeviceDestroyed(THidDevice* device)
{
    auto it = std::find(list_.begin(), list_.end(), device);
    if (it == list_.end())
        return;
    if (device->checkedOut_ && device->pluggedIn_) {
        // A fresh, checked-in object takes the slot; it keeps the handlers of the old one.
        std::unique_ptr<THidDevice> fresh =
            THidDevice::Create(this, *backend_, device->node_, nullptr);
        if (fresh) {
            fresh->OnData = device->OnData;
            fresh->OnDataError = device->OnDataError;
            fresh->OnUnplug = device->OnUnplug;
            fresh->threadSleepTime_ = device->threadSleepTime_;
            *it = fresh.release();
            RecountDevices();
            return;
        }
    }
    list_.erase(it);
    RecountDevices();
}

void THidDeviceController::RecountDevices()
{
    checkedIn_ = checkedOut_ = unplugged_ = 0;
    for (const THidDevice* device : list_) {
        if (!device->pluggedIn_)
            ++unplugged_;
        else if (device->checkedOut_)
            ++checkedOut_;
        else
            ++checkedIn_;
    }
}

std::vector<std::unique_ptr<THidDevice>> THidDeviceController::BuildPresentList()
{
    std::vector<std::unique_ptr<THidDevice>> present;
    QSet<QString> denied;
    std::vector<HidNodeInfo> newlyDenied;
    for (const HidNodeInfo& node : backend_->listPresent()) {
        QString failure;
        HidOpenError openError = HidOpenError::None;
        std::unique_ptr<THidDevice> device =
            THidDevice::Create(this, *backend_, node, &failure, &openError);
        if (device) {
            device->OnData = OnDeviceData;
            device->OnDataError = OnDeviceDataError;
            device->OnUnplug = OnDeviceUnplug;
            device->threadSleepTime_ = devThreadSleepTime_;
            present.push_back(std::move(device));
        } else if (openError == HidOpenError::PermissionDenied) {
            denied.insert(node.instanceId);
            if (!deniedInstances_.contains(node.instanceId))
                newlyDenied.push_back(node);
        }
    }
    deniedInstances_ = denied;
    if (!newlyDenied.empty() && OnAccessDenied)
        OnAccessDenied(newlyDenied);
    return present;
}

void THidDeviceController::HandleNotification(long lParam)
{
    if (inDeviceChange_) {
        // Handled once more when the current handling ends, so that a device that came or went
        // while the application was busy with the previous change is not missed.
        notificationMissed_ = true;
        return;
    }
    lastLParam_ = lParam;
    inDeviceChange_ = true;

    std::vector<std::unique_ptr<THidDevice>> present = BuildPresentList();
    bool changed = lastLParam_ == -1;
    changed |= RemoveVanished(present);
    changed |= AppendArrivals(present);
    RecountDevices();
    if (changed && OnDeviceChange)
        OnDeviceChange(this);
    inDeviceChange_ = false;

    if (notificationMissed_) {
        notificationMissed_ = false;
        PostNotification(0);
    }
}

bool THidDeviceController::RemoveVanished(const std::vector<std::unique_ptr<THidDevice>>& present)
{
    const auto isPresent = [&present](const QString& instance) {
        return std::any_of(present.begin(), present.end(),
                           [&](const auto& d) { return d->pnp_.DeviceInstance == instance; });
    };
    bool changed = false;
    for (int i = Count() - 1; i >= 0; --i) {
        if (i >= Count())
            continue;  // a handler below removed more than one device
        THidDevice* device = list_[static_cast<size_t>(i)];
        if (!device->pluggedIn_ || isPresent(device->pnp_.DeviceInstance))
            continue;
        device->MarkUnplugged();
        if (THidPlugEvent unplug = std::move(device->OnUnplug)) {
            device->OnUnplug = nullptr;
            unplug(device);
        }
        if (OnRemoval)
            OnRemoval(device);
        // A device still held by the application stays listed until it is returned.
        if (!device->checkedOut_) {
            const auto it = std::find(list_.begin(), list_.end(), device);
            if (it != list_.end()) {
                list_.erase(it);
                device->controller_ = nullptr;
                delete device;
            }
        }
        changed = true;
    }
    return changed;
}

bool THidDeviceController::AppendArrivals(std::vector<std::unique_ptr<THidDevice>>& present)
{
    bool changed = false;
    for (auto& fresh : present) {
        const bool known = std::any_of(list_.begin(), list_.end(), [&](const THidDevice* d) {
            return d->pluggedIn_ && d->pnp_.DeviceInstance == fresh->pnp_.DeviceInstance;
        });
        if (known)
            continue;  // the fresh duplicate is released with `present`
        THidDevice* device = fresh.release();
        list_.push_back(device);
        changed = true;
        if (OnArrival) {
            device->enumerating_ = true;
            OnArrival(device);
            device->enumerating_ = false;
            if (!device->checkedOut_)
                device->CloseFile();
        }
    }
    return changed;
}
