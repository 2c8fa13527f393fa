#include "protocol/receiver/SettingsReadBack.h"

#include "protocol/device/CommandChannel.h"

namespace {

const char* const kStartLine = "-----------";

void Emit(const std::function<void(const QString&)>& debug, const QString& line)
{
    if (debug)
        debug(line);
}

}  // namespace

OptionGroup SettingsReadBack::StepAfter(int position)
{
    static constexpr OptionGroup kPassSteps[] = {OptionGroup::LrCpiSwitch, OptionGroup::Cpi,
                                                 OptionGroup::PowerSaving, OptionGroup::Wakeup,
                                                 OptionGroup::BatteryLow};
    return kPassSteps[position - 1];
}

bool SettingsReadBack::ReadPair(OptionGroup group, const Hooks& hooks)
{
    const OptionGroupTable& table = OptionTable(group);
    const QString name = QString::fromLatin1(table.logName);
    const int first = rf_.Read(RfSpace::Eeprom, table.address);
    channel_.wait(kPairGapMs);
    Emit(hooks.debug, QStringLiteral("%1 V %2").arg(name, QString::number(unsigned(first), 16)));
    if (first < 0)
        return false;
    const int second = rf_.Read(RfSpace::Eeprom, quint8(table.address + 1));
    Emit(hooks.debug, QStringLiteral("%1 V_C %2").arg(name, QString::number(unsigned(second), 16)));
    // A receiver that went while the answer came is not shown on the window any more.
    if (second < 0 || !channel_.usable())
        return false;
    if (const std::optional<int> choice = DecodeAnswer(group, first, second); choice && hooks.show)
        hooks.show(group, *choice);
    return true;
}

bool SettingsReadBack::ReadCpi(const Hooks& hooks)
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

bool SettingsReadBack::RunPass(int& position, const Hooks& hooks)
{
    while (position < kLastPosition) {
        const OptionGroup step = StepAfter(position);
        const bool done = step == OptionGroup::Cpi ? ReadCpi(hooks) : ReadPair(step, hooks);
        if (!done || !channel_.usable())
            return false;
        ++position;
        if (hooks.progress)
            hooks.progress(position);
    }
    return true;
}

SettingsReadBack::Result SettingsReadBack::Run(const Hooks& hooks)
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
        const bool finished = RunPass(result.position, hooks);
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
