#include "protocol/receiver/OptionChange.h"

#include "protocol/device/CommandChannel.h"

OptionChange::OptionChange(CommandChannel& channel, Writes writes)
    : channel_(channel), rf_(channel), writes_(std::move(writes))
{}

void OptionChange::SendOptionCode(quint8 code)
{
    if (writes_.optionCode)
        writes_.optionCode(code);
    else
        rf_.Write(RfSpace::DirectRegister, OptionCode::kRegister, code);
}

void OptionChange::SendChoice(OptionGroup group, quint8 code)
{
    if (OptionTable(group).form == AnswerForm::CpiBit) {
        if (writes_.cpiSetup)
            writes_.cpiSetup(code);
        else
            rf_.SetupCpi(code);
    } else {
        SendOptionCode(code);
    }
}

OptionChange::Answer OptionChange::ReadAnswer(const OptionGroupTable& table)
{
    Answer answer;
    answer.first = rf_.Read(RfSpace::Eeprom, table.address);
    if (table.form == AnswerForm::ComplementPair) {
        channel_.wait(kPairGapMs);
        answer.second = rf_.Read(RfSpace::Eeprom, quint8(table.address + 1));
    }
    return answer;
}

void OptionChange::LeaveAccess()
{
    channel_.wait(kAccessSettleMs);
    rf_.LeaveAccess();
    channel_.wait(kAccessSettleMs);
}

OptionChange::Result OptionChange::Run(OptionGroup group, const std::function<int()>& wanted)
{
    const CommandChannel::Sequence run(channel_);
    const OptionGroupTable& table = OptionTable(group);
    const auto wantedChoice = [&]() -> std::optional<int> {
        const int choice = wanted();
        if (choice < 0 || choice >= table.choiceCount)
            return std::nullopt;
        return choice;
    };
    Result result;
    for (int pass = 1; pass <= CommandChannel::kRetryLimit; ++pass) {
        const std::optional<int> choice = wantedChoice();
        if (!run.live() || !choice) {
            result.outcome = run.live() ? Outcome::Withdrawn : Outcome::ReceiverGone;
            break;
        }
        result.passes = pass;
        rf_.EnterAccess(false);
        channel_.wait(kAccessSettleMs);
        SendChoice(group, table.codes[size_t(*choice)]);
        channel_.wait(kWriteSettleMs);
        const Answer answer = ReadAnswer(table);
        if (group == OptionGroup::LrCpiSwitch && log_)
            log_(QString::asprintf("SoftISS V %x V_C %x", unsigned(answer.first),
                                   unsigned(answer.second)));
        if (!run.live()) {
            result.outcome = Outcome::ReceiverGone;
            break;
        }
        if (const std::optional<int> answered = DecodeAnswer(group, answer.first, answer.second)) {
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
        LeaveAccess();
    if (!run.live())
        result.outcome = Outcome::ReceiverGone;
    return result;
}

void OptionChange::SendAutoConnect(bool enable)
{
    const CommandChannel::Sequence run(channel_);
    if (!run.live())
        return;
    rf_.EnterAccess(false);
    channel_.wait(kAccessSettleMs);
    if (enable) {
        if (writes_.indexRegister)
            writes_.indexRegister(OptionCode::kAutoConnectIndexRegister, 0);
        else
            rf_.Write(RfSpace::IndexRegister, OptionCode::kAutoConnectIndexRegister, 0);
        channel_.wait(kWriteSettleMs);
    }
    SendOptionCode(enable ? OptionCode::kAutoConnectOn : OptionCode::kAutoConnectOff);
    channel_.wait(kWriteSettleMs);
    rf_.LeaveAccess();
}
