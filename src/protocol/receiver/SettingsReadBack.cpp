#include "protocol/receiver/SettingsReadBack.h"

#include "protocol/device/CommandChannel.h"

#include <algorithm>

namespace {

const char* const kStartLine = "-----------";

void Emit(const std::function<void(const QString&)>& debug, const QString& line)
{
    if (debug)
        debug(line);
}

}  // namespace

SettingsReadBack::SettingsReadBack(CommandChannel& channel) : channel_(channel), rf_(channel)
{
    for (const SettingRow& row : SettingsTable())
        if (OnMouse(row) && row.readBackPosition > 0)
            steps_.push_back(&row);
    std::sort(steps_.begin(), steps_.end(), [](const SettingRow* a, const SettingRow* b) {
        return a->readBackPosition < b->readBackPosition;
    });
}

bool SettingsReadBack::readPair(const SettingRow& row, const Hooks& hooks)
{
    const QString name = QString::fromLatin1(row.logName);
    const int first = rf_.Read(RfSpace::Eeprom, row.address);
    channel_.wait(kPairGapMs);
    Emit(hooks.debug, QStringLiteral("%1 V %2").arg(name, QString::number(unsigned(first), 16)));
    if (first < 0)
        return false;
    const int second = rf_.Read(RfSpace::Eeprom, quint8(row.address + 1));
    Emit(hooks.debug, QStringLiteral("%1 V_C %2").arg(name, QString::number(unsigned(second), 16)));
    // A receiver that went while the answer came is not shown on the window any more.
    if (second < 0 || !channel_.usable())
        return false;
    if (const std::optional<int> choice = DecodeAnswer(row, first, second); choice && hooks.show)
        hooks.show(row, *choice);
    return true;
}

bool SettingsReadBack::readCpi(const Hooks& hooks)
{
    // The CPI read-out is the receiver's own command, outside RF access.
    rf_.LeaveAccess();
    channel_.wait(kAccessSettleMs);
    bool shown = false;
    for (int readOut = 1; readOut <= kCpiReadOutsPerPass && !shown && channel_.usable(); ++readOut)
        shown = hooks.readCpi && hooks.readCpi();
    if (!shown)
        return false;
    rf_.EnterAccess(false);
    channel_.wait(kAccessSettleMs);
    return true;
}

bool SettingsReadBack::runPass(int& position, const Hooks& hooks)
{
    while (position <= int(steps_.size())) {
        const SettingRow& step = *steps_[size_t(position - 1)];
        const bool done =
            step.kind == SettingKind::MouseCpi ? readCpi(hooks) : readPair(step, hooks);
        if (!done || !channel_.usable())
            return false;
        ++position;
        if (hooks.progress)
            hooks.progress(position);
    }
    return true;
}

SettingsReadBack::Result SettingsReadBack::run(const Hooks& hooks)
{
    const CommandChannel::Sequence run(channel_);
    Result result;
    if (run.refused()) {
        result.refused = true;
        return result;
    }
    rf_.LeaveAccess();
    channel_.wait(kAccessSettleMs);
    if (hooks.readHotkeys)
        hooks.readHotkeys();
    if (!run.live()) {
        result.receiverGone = true;
        return result;
    }
    result.position = 1;
    if (hooks.progress)
        hooks.progress(result.position);
    Emit(hooks.debug, QString::fromLatin1(kStartLine));

    for (int pass = 1; pass <= CommandChannel::kRetryLimit; ++pass) {
        result.passes = pass;
        rf_.EnterAccess(false);
        channel_.wait(kAccessSettleMs);
        const bool finished = runPass(result.position, hooks);
        if (!run.live()) {
            result.receiverGone = true;
            return result;
        }
        if (finished)
            break;
    }
    rf_.LeaveAccess();
    channel_.wait(kAccessSettleMs);
    result.receiverGone = !run.live();
    return result;
}
