#include "protocol/receiver/OptionChange.h"

#include "protocol/device/CommandChannel.h"

namespace {

// The mouse's option register: RF direct register 0xFF.
constexpr quint8 kOptionRegister = 0xFF;

}  // namespace

OptionChange::OptionChange(CommandChannel& channel, Writes writes)
    : channel_(channel), rf_(channel), writes_(std::move(writes))
{}

void OptionChange::sendOptionCode(quint8 code)
{
    if (writes_.optionCode)
        writes_.optionCode(code);
    else
        rf_.Write(RfSpace::DirectRegister, kOptionRegister, code);
}

void OptionChange::sendChoice(const SettingRow& row, quint16 code)
{
    if (row.kind == SettingKind::MouseCpi) {
        if (writes_.cpiSetup)
            writes_.cpiSetup(quint8(code));
        else
            rf_.SetupCpi(quint8(code));
    } else {
        sendOptionCode(quint8(code));
    }
}

OptionChange::Answer OptionChange::readAnswer(const SettingRow& row)
{
    Answer answer;
    answer.first = rf_.Read(RfSpace::Eeprom, row.address);
    if (row.kind != SettingKind::MouseCpi) {
        channel_.wait(kPairGapMs);
        answer.second = rf_.Read(RfSpace::Eeprom, quint8(row.address + 1));
    }
    return answer;
}

void OptionChange::leaveAccess()
{
    channel_.wait(kAccessSettleMs);
    rf_.LeaveAccess();
    channel_.wait(kAccessSettleMs);
}

OptionChange::Result OptionChange::run(const SettingRow& row, const std::function<int()>& wanted)
{
    const CommandChannel::Sequence run(channel_);
    const auto wantedChoice = [&]() -> std::optional<int> {
        const int choice = wanted();
        if (choice < 0 || choice >= int(row.choices.size()))
            return std::nullopt;
        return choice;
    };
    Result result;
    if (run.refused())
        return result;  // another program has the receiver: not taken
    for (int pass = 1; pass <= CommandChannel::kRetryLimit; ++pass) {
        const std::optional<int> choice = wantedChoice();
        if (!run.live() || !choice) {
            result.outcome = run.live() ? Outcome::Withdrawn : Outcome::ReceiverGone;
            break;
        }
        result.passes = pass;
        rf_.EnterAccess(false);
        channel_.wait(kAccessSettleMs);
        sendChoice(row, row.choices[size_t(*choice)].code);
        channel_.wait(kWriteSettleMs);
        const Answer answer = readAnswer(row);
        if (row.logsEachPass && log_)
            log_(QStringLiteral("%1 V %2 V_C %3")
                     .arg(QLatin1String(row.logName), QString::number(unsigned(answer.first), 16),
                          QString::number(unsigned(answer.second), 16)));
        if (!run.live()) {
            result.outcome = Outcome::ReceiverGone;
            break;
        }
        if (const std::optional<int> answered = DecodeAnswer(row, answer.first, answer.second)) {
            result.answered = answered;
            if (answered == wantedChoice()) {
                result.outcome = Outcome::Taken;
                break;
            }
        }
    }
    if (result.outcome == Outcome::ReceiverGone)
        return result;
    if (result.passes > 0)
        leaveAccess();
    if (!run.live())
        result.outcome = Outcome::ReceiverGone;
    return result;
}

void OptionChange::sendOnly(const SettingRow& row, int choice)
{
    const CommandChannel::Sequence run(channel_);
    if (!run.live() || choice < 0 || choice >= int(row.choices.size()))
        return;
    const SettingChoice& chosen = row.choices[size_t(choice)];
    rf_.EnterAccess(false);
    channel_.wait(kAccessSettleMs);
    if (chosen.clearedIndexRegister >= 0) {
        const quint8 address = quint8(chosen.clearedIndexRegister);
        if (writes_.indexRegister)
            writes_.indexRegister(address, 0);
        else
            rf_.Write(RfSpace::IndexRegister, address, 0);
        channel_.wait(kWriteSettleMs);
    }
    sendOptionCode(quint8(chosen.code));
    channel_.wait(kWriteSettleMs);
    rf_.LeaveAccess();
}
