#include "cli/StatusWatch.h"

#include "cli/CliSession.h"
#include "cli/WatchLines.h"
#include "protocol/device/DeviceClock.h"
#include "protocol/device/HidController.h"

namespace {

WatchedReceiver Describe(const THidDevice& device)
{
    return {device.PnPInfo().DevicePath,
            quint16(device.VendorID()),
            quint16(device.ProductID()),
            {},
            {},
            {}};
}

}  // namespace

StatusWatch::StatusWatch(CliSession& session, const QString& node, bool json, Printer print,
                         Clock now)
    : session_(session), node_(node), json_(json), print_(std::move(print)), now_(std::move(now))
{}

CliSession::Open StatusWatch::Start()
{
    // A change while the state is read (the receiver going at once) is handled after its line.
    session_.setDeviceChangeHandler([this] { DevicesChanged(); });
    const CliSession::Open opened = session_.OpenReceiver(node_);
    if (const THidDevice* device = session_.receiver()) {
        WatchedReceiver fresh = Describe(*device);
        Read(fresh);
        shown_ = fresh;
    }
    Print(StateLine(shown_, now_(), json_));
    started_ = true;
    HandlePendingChange();
    return opened;
}

void StatusWatch::Poll()
{
    const THidDevice* device = session_.receiver();
    if (readerGone_ || !device)
        return;  // the next receiver comes with a device change
    WatchedReceiver fresh = Describe(*device);
    const bool taken = Read(fresh);
    if (HandlePendingChange())
        return;
    if (!taken)
        return;  // the window has the receiver: this poll is skipped
    if (!fresh.reading) {
        session_.ReceiverRemoved();  // looks at the devices present: a removal is a change
        return;
    }
    const bool same = shown_ && shown_->node == fresh.node;
    Show(same ? CarriedForward(*shown_, fresh) : fresh);
}

bool StatusWatch::Read(WatchedReceiver& fresh)
{
    CommandChannel& channel = session_.channel();
    polling_ = true;
    bool taken = true;
    {
        const CommandChannel::Sequence run(channel);
        taken = !channel.lockRefused();
        if (taken)
            fresh.reading = ReadStatus(channel, keyboard_.Due(session_.clock().nowMs()));
    }
    channel.clearLockRefused();
    polling_ = false;
    if (!taken)
        return false;
    const std::optional<StatusReading>& r = fresh.reading;
    fresh.mouseInReach = r ? MouseInReach(r->binding) : std::nullopt;
    fresh.keyboardInReach =
        keyboard_.Update(r ? r->keyboardPackets : std::nullopt, session_.clock().nowMs());
    return true;
}

bool StatusWatch::HandlePendingChange()
{
    if (!changePending_)
        return false;
    changePending_ = false;
    DevicesChanged();
    return true;
}

void StatusWatch::DevicesChanged()
{
    if (polling_ || !started_) {
        changePending_ = true;  // handled when the poll's exchanges are over
        return;
    }
    if (session_.receiver())
        return;  // another device came or went
    keyboard_.Reset();
    if (shown_)
        Show(std::nullopt);
    session_.OpenReceiver(node_);
    Poll();  // shows the new receiver once it answers
}

void StatusWatch::Show(const WatchedState& next)
{
    for (const StatusEvent event : StatusChanges(shown_, next))
        Print(EventLine(event, shown_, next, now_(), json_));
    shown_ = next;
}

void StatusWatch::Print(const QString& line)
{
    if (!readerGone_ && !print_(line))
        readerGone_ = true;
}
