#include "cli/StatusWatch.h"

#include "cli/CliSession.h"
#include "cli/CliTexts.h"
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

CliSession::Open StatusWatch::start()
{
    // A change while the state is read (the receiver going at once) is handled after its line.
    session_.setDeviceChangeHandler([this] { devicesChanged(); });
    const CliSession::Open opened = session_.OpenReceiver(node_);
    if (const THidDevice* device = session_.receiver()) {
        WatchedReceiver fresh = Describe(*device);
        statePending_ = !read(fresh);
        shown_ = fresh;
    }
    if (bar_ && !statePending_)
        printBar(BarLine(*bar_, shown_));
    else if (!statePending_)
        print(StateLine(shown_, now_(), json_));
    if (opened == CliSession::Open::NoAccess)
        tellDenied();
    started_ = true;
    handlePendingChange();
    return opened;
}

void StatusWatch::open()
{
    if (session_.OpenReceiver(node_) == CliSession::Open::NoAccess)
        tellDenied();
}

void StatusWatch::tellDenied()
{
    const std::vector<QString>& denied = session_.deniedNodes();
    for (; deniedTold_ < denied.size(); ++deniedTold_) {
        const QString& node = denied[deniedTold_];
        if (!node_.isEmpty() && node != node_)
            continue;
        if (bar_)
            printBar(BarDeniedLine(*bar_, node));
        else
            print(DeniedLine(node, now_(), json_));
        if (!helpShown_ && warn_)
            warn_(Localized(CliText::kNoAccess).arg(node));
        helpShown_ = true;
    }
}

void StatusWatch::poll()
{
    const THidDevice* device = session_.receiver();
    if (ended() || !device)
        return;  // the next receiver comes with a device change
    WatchedReceiver fresh = Describe(*device);
    const bool taken = read(fresh);
    if (handlePendingChange())
        return;
    if (!taken)
        return;  // the window has the receiver: this poll is skipped
    if (!fresh.reading) {
        session_.ReceiverRemoved();  // looks at the devices present: a removal is a change
        return;
    }
    const bool same = shown_ && shown_->node == fresh.node;
    show(same ? CarriedForward(*shown_, fresh) : fresh);
}

bool StatusWatch::read(WatchedReceiver& fresh)
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
    if (!taken)
        lockFailure_ = channel.lockFailure();
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

bool StatusWatch::handlePendingChange()
{
    if (!changePending_)
        return false;
    changePending_ = false;
    devicesChanged();
    return true;
}

void StatusWatch::devicesChanged()
{
    if (polling_ || !started_) {
        changePending_ = true;  // handled when the poll's exchanges are over
        return;
    }
    if (session_.receiver())
        return;  // another device came or went
    keyboard_.Reset();
    if (shown_)
        show(std::nullopt);
    open();
    poll();  // shows the new receiver once it answers
}

void StatusWatch::show(const WatchedState& next)
{
    if (bar_)
        printBar(BarLine(*bar_, next));
    else if (statePending_)
        print(StateLine(next, now_(), json_));
    else
        for (const StatusEvent event : StatusChanges(shown_, next))
            print(EventLine(event, shown_, next, now_(), json_));
    statePending_ = false;
    shown_ = next;
}

void StatusWatch::printBar(const QString& line)
{
    if (line == barShown_)
        return;
    barShown_ = line;
    print(line);
}

void StatusWatch::print(const QString& line)
{
    if (!writeError_)
        writeError_ = print_(line);
}
