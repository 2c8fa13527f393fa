#include "cli/CliSession.h"

#include "protocol/device/DeviceClock.h"
#include "protocol/device/HidController.h"
#include "protocol/device/linux/FileReceiverLock.h"
#include "protocol/device/linux/LinuxHidBackend.h"
#include "sim/SimHidBackend.h"
#include "sim/SimReceivers.h"

#include <QByteArray>
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

namespace {

std::shared_ptr<HidBackend> MakeBackend(bool simulate, const std::shared_ptr<DeviceClock>& clock)
{
    if (simulate)
        return SimReceivers::makeDemoBackend(clock);
    return CreateLinuxHidBackend();
}

// One line per call to the receiver, as it returns: "trace: set 01 09 00 ..", " failed" after
// a call that failed.
void PrintTrace(const CommandChannel::TraceEntry& entry)
{
    const bool set = entry.direction == CommandChannel::TraceEntry::Direction::Set;
    const QByteArray bytes(reinterpret_cast<const char*>(entry.bytes.data()), entry.length);
    std::fprintf(stderr, "trace: %s %s%s\n", set ? "set" : "get",
                 bytes.toHex(' ').toUpper().constData(), entry.ok ? "" : " failed");
}

}  // namespace

CliSession::CliSession(bool simulate)
    : clock_(std::make_shared<RealDeviceClock>()),
      backend_(MakeBackend(simulate, clock_)),
      channel_(*clock_)
{
    // Each simulated receiver is this process's own: no other process can reach it.
    if (!simulate)
        channel_.setLock(std::make_shared<FileReceiverLock>(), kLockWaitMs);
    if (qgetenv("KARVELO_RF_TRACE") == "1")
        channel_.setTrace(PrintTrace);
}

CliSession::~CliSession()
{
    channel_.setReceiver(nullptr);
    controller_.reset();  // first, so that releasing the devices looks for no replacements
    devices_.Clear();
}

CliSession::CliSession(std::shared_ptr<DeviceClock> clock, std::shared_ptr<HidBackend> backend)
    : clock_(std::move(clock)), backend_(std::move(backend)), channel_(*clock_)
{}

void CliSession::StartController()
{
    controller_ = std::make_unique<THidDeviceController>(backend_);
    controller_->OnAccessDenied = [this](const std::vector<HidNodeInfo>& nodes) {
        for (const HidNodeInfo& info : nodes)
            if (IsReceiverId(info.vendorId, info.productId))
                denied_.push_back(info.path);
    };
    controller_->OnEnumerate = [this](THidDevice* device, int index) {
        THidDevice* lent = nullptr;
        controller_->LendDevice(index, lent);
        devices_.Add(DescribeDevice(device), lent);
        return true;
    };
    // As the window does at every device change: a receiver that went is dropped, so that
    // the sequence under way ends at once instead of failing through all its attempts.
    controller_->OnDeviceChange = [this](QObject*) {
        DropRemovedReceiver();
        if (onChange_)
            onChange_();
    };
    controller_->HandleNotification(-1);
}

CliSession::Open CliSession::OpenReceiver(const QString& node)
{
    if (!controller_)
        StartController();
    channel_.setReceiver(nullptr);
    removed_ = false;
    devices_.Clear();
    products_.clear();
    controller_->EnumerateDevices();
    THidDevice* receiver = SelectReceiver(devices_, *controller_, products_);
    if (!node.isEmpty()) {
        receiver = nullptr;
        for (int row = 0; row < devices_.Count() && !receiver; ++row) {
            THidDevice* device = devices_.At(row);
            if (device && device->PnPInfo().DevicePath == node &&
                IsReceiverId(device->VendorID(), device->ProductID()))
                receiver = device;
        }
    }
    channel_.setReceiver(receiver);
    if (receiver)
        return Open::Ok;
    const bool deniedHere = node.isEmpty()
                                ? !denied_.empty()
                                : std::find(denied_.begin(), denied_.end(), node) != denied_.end();
    if (deniedHere)
        return Open::NoAccess;
    return node.isEmpty() ? Open::NoReceiver : Open::NotFound;
}

void CliSession::DropRemovedReceiver()
{
    const THidDevice* receiver = channel_.receiver();
    if (receiver && !receiver->IsPluggedIn()) {
        channel_.setReceiver(nullptr);
        removed_ = true;
    }
}

bool CliSession::ReceiverRemoved()
{
    // The platform's notification may not have come yet: the present devices tell.
    if (!removed_ && controller_ && channel_.receiver())
        controller_->HandleNotification(0);
    return removed_;
}
