#include "protocol/device/CommandChannel.h"

#include "protocol/device/DeviceClock.h"
#include "protocol/device/HidController.h"
#include "protocol/device/ReceiverLock.h"

namespace {

using Policy = CommandChannel::ExchangePolicy;
constexpr int kLimit = CommandChannel::kRetryLimit;
// {attempts, waitBeforeGetMs, waitAfterGetMs, failedSetGivesUp, failedGetGivesUp,
//  endsWhenGone, pumpsFirst}
constexpr Policy kEepromReadPolicy{kLimit, 2, 2, true, true, false, true};
constexpr Policy kRfQueryPolicy{kLimit, 5, 5, false, false, true, false};
constexpr Policy kPolledReadPolicy{kLimit, 2, 2, false, false, true, false};
constexpr Policy kStrictReadPolicy{kLimit, 2, 2, true, true, false, false};

}  // namespace

CommandChannel::CommandChannel(DeviceClock& clock) : clock_(clock) {}

CommandChannel::Sequence::Sequence(CommandChannel& channel) : channel_(channel)
{
    // A run opened inside another one (not across a pump) is part of it and ends with it.
    const auto& runs = channel_.openRuns_;
    const bool outermost = runs.empty() || runs.back() == kPumpBoundary;
    if (!outermost) {
        refused_ = runs.back() == kRefused;
        channel_.openRuns_.push_back(runs.back());
        return;
    }
    holdsLock_ = channel_.takeLock(refused_);
    channel_.openRuns_.push_back(refused_ ? kRefused : channel_.generation_);
}

CommandChannel::Sequence::~Sequence()
{
    channel_.openRuns_.pop_back();
    if (holdsLock_)
        channel_.giveLockBack();
}

void CommandChannel::setLock(std::shared_ptr<ReceiverLock> lock, int waitMs)
{
    lock_ = std::move(lock);
    lockWaitMs_ = waitMs;
}

bool CommandChannel::takeLock(bool& refused)
{
    refused = false;
    if (!lock_ || !receiver_)
        return false;  // nothing to share, or nothing will be sent
    if (lockHolds_ == 0 && !lock_->acquire(receiver_->PnPInfo().DevicePath, lockWaitMs_)) {
        refused = lockRefused_ = true;
        lockFailure_ = lock_->failure();
        return false;
    }
    ++lockHolds_;
    return true;
}

void CommandChannel::giveLockBack()
{
    if (lock_ && lockHolds_ > 0 && --lockHolds_ == 0)
        lock_->release();
}

void CommandChannel::setReceiver(THidDevice* device)
{
    if (closed_)
        device = nullptr;
    if (device != receiver_)
        ++generation_;
    receiver_ = device;
}

void CommandChannel::setClosed(bool closed)
{
    closed_ = closed;
    if (closed) {
        receiver_ = nullptr;
        ++generation_;
    }
}

bool CommandChannel::usable() const
{
    return receiver_ && (openRuns_.empty() || openRuns_.back() == kPumpBoundary ||
                         openRuns_.back() == generation_);
}

void CommandChannel::pump()
{
    // What the pump delivers (a device change, a tick, a click) starts runs of its own.
    openRuns_.push_back(kPumpBoundary);
    clock_.pump();
    openRuns_.pop_back();
}

void CommandChannel::wait(int ms)
{
    if (usable())
        clock_.sleep(ms);
}

CommandChannel::Report CommandChannel::request(std::initializer_list<quint8> bytes)
{
    Report r{};
    r[0] = Cmd::kReportId;
    size_t i = 1;
    for (quint8 b : bytes) {
        if (i >= 8)
            break;
        r[i++] = b;
    }
    return r;
}

int CommandChannel::reportLength() const
{
    // Queried before every call, as the device may have changed; a length that does not fit the
    // buffer fails the call rather than reading past it.
    if (!usable())
        return 0;
    const int length = receiver_->Caps().FeatureReportByteLength;
    return length >= 1 && length <= static_cast<int>(Report{}.size()) ? length : 0;
}

bool CommandChannel::transfer(TraceEntry::Direction direction, Report& buffer)
{
    const int length = reportLength();
    if (length == 0)
        return false;  // nothing reaches the receiver, so nothing is traced
    const bool ok = direction == TraceEntry::Direction::Set
                        ? receiver_->WriteFeature(buffer.data(), length)
                        : receiver_->ReadFeature(buffer.data(), length);
    if (trace_)
        trace_(TraceEntry{direction, buffer, length, ok});
    return ok;
}

bool CommandChannel::setFeature(const Report& buffer)
{
    Report written = buffer;  // a set never changes the buffer; the copy keeps one path for both
    return transfer(TraceEntry::Direction::Set, written);
}

bool CommandChannel::getFeature(Report& buffer)
{
    return transfer(TraceEntry::Direction::Get, buffer);
}

void CommandChannel::log(const QString& line) const
{
    if (debugLog_)
        debugLog_(line);
}

bool CommandChannel::exchange(const Report& request, Report& reply, const ExchangePolicy& policy)
{
    reply = request;
    if (policy.pumpsFirst)
        pump();
    const Sequence run(*this);
    for (int attempt = 1; attempt <= policy.attempts; ++attempt) {
        if (policy.endsWhenGone && !usable())
            break;
        reply = request;  // the previous reply has overwritten it
        if (setFeature(reply)) {
            wait(policy.waitBeforeGetMs);
            if (!getFeature(reply) && policy.failedGetGivesUp)
                return false;
        } else if (policy.failedSetGivesUp) {
            return false;
        }
        wait(policy.waitAfterGetMs);
        pump();
        if (acknowledged(reply))
            return true;
    }
    return false;
}

int CommandChannel::EepromReadWord(quint8 wordNumber)
{
    Report reply{};
    if (!exchange(request({Cmd::kEepromRead, wordNumber}), reply, kEepromReadPolicy))
        return -1;
    return reply[0] * 256 + reply[1];
}

bool CommandChannel::EepromWriteWord(quint8 wordNumber, quint16 value)
{
    const Sequence run(*this);
    if (!usable())
        return false;
    for (int pass = 1;; ++pass) {
        const Report buffer =
            request({Cmd::kEepromWrite, wordNumber, quint8(value >> 8), quint8(value & 0xFF)});
        if (!setFeature(buffer))
            return false;
        wait(12);
        pump();
        const int check = EepromReadWord(wordNumber);
        log(QString::asprintf("WRT EEPROM Addr %d data %X CheckData %X", int(wordNumber),
                              unsigned(value), unsigned(check)));
        if (check == value)
            return true;
        if (pass >= kRetryLimit || !usable())
            return false;
    }
}

int CommandChannel::RfQuery(quint8 command, quint8 operand)
{
    Report reply{};
    if (!exchange(request({command, Cmd::kRfMarker, operand}), reply, kRfQueryPolicy))
        return -1;
    return reply[0];
}

void CommandChannel::RfCommand(quint8 command, quint8 operand1, quint8 operand2)
{
    const Sequence run(*this);
    setFeature(request({command, Cmd::kRfMarker, operand1, operand2}));
}

void CommandChannel::plainCommand(const Report& req)
{
    const Sequence run(*this);
    setFeature(req);
}

bool CommandChannel::polledRead(const Report& req, Report& reply)
{
    return exchange(req, reply, kPolledReadPolicy);
}

bool CommandChannel::strictRead(const Report& req, Report& reply)
{
    return exchange(req, reply, kStrictReadPolicy);
}

bool CommandChannel::statusRead(const Report& req, Report& reply, bool waitBetween)
{
    reply = req;
    const Sequence run(*this);
    if (!setFeature(reply))
        return false;
    if (waitBetween)
        wait(2);
    return getFeature(reply);
}
