#include "protocol/receiver/MouseOptions.h"

#include "protocol/receiver/BatteryLowLevels.h"

namespace {

// The battery-low entries send their option code; the RF EEPROM keeps its low three bits
// shifted left by 5.
constexpr quint8 StoredBatteryLevel(quint8 code)
{
    return quint8((code & 0x07) << 5);
}

constexpr OptionGroupTable BatteryLowTable()
{
    OptionGroupTable table{0x1A,
                           AnswerForm::ComplementPair,
                           0,
                           {},
                           0,
                           {},
                           Choice::kBatteryLow2V0,
                           Choice::kBatteryLow2V0,
                           "BAT"};
    for (const BatteryLowLevel& level : kBatteryLowLevels) {
        table.codes[size_t(table.choiceCount)] = level.optionCode;
        table.meanings[size_t(table.meaningCount++)] = {StoredBatteryLevel(level.optionCode),
                                                        table.choiceCount};
        ++table.choiceCount;
    }
    return table;
}

using namespace OptionCode;

// clang-format off
constexpr OptionGroupTable kTables[kOptionGroupCount] = {
    // L+R CPI switch: 0xCC means disabled; any other valid value enabled.
    {0x12, AnswerForm::ComplementPair, 2, {kLrCpiEnable, kLrCpiDisable},
     1, {{{0xCC, Choice::kLrCpiDisable}}}, Choice::kLrCpiEnable, Choice::kLrCpiDisable, "SoftISS"},
    // CPI: the setup value is the bit kept at 0x10.
    {0x10, AnswerForm::CpiBit, 2, {1, 0},
     2, {{{1, Choice::kCpiHigh}, {0, Choice::kCpiLow}}}, Choice::kCpiLow, Choice::kCpiLow, ""},
    {0x16, AnswerForm::ComplementPair, 3, {kPowerSavingOff, kPowerSavingButtonWakeup, kPowerSavingOn},
     2, {{{0xC5, Choice::kPowerSavingButtonWakeup}, {0xCA, Choice::kPowerSavingOn}}},
     Choice::kPowerSavingOff, Choice::kPowerSavingOff, "NoLink"},
    {0x14, AnswerForm::ComplementPair, 2, {kWakeupMotionAndButton, kWakeupButtonOnly},
     1, {{{0xAA, Choice::kWakeupButtonOnly}}}, Choice::kWakeupMotionAndButton,
     Choice::kWakeupMotionAndButton, "Wakeup"},
    BatteryLowTable(),
};
// clang-format on

bool IsByte(int value)
{
    return value >= 0 && value <= 0xFF;
}

}  // namespace

const OptionGroupTable& OptionTable(OptionGroup group)
{
    return kTables[GroupIndex(group)];
}

bool IsComplementPair(int first, int second)
{
    return IsByte(first) && IsByte(second) && (first ^ second) == 0xFF;
}

std::optional<int> DecodeAnswer(OptionGroup group, int first, int second)
{
    const OptionGroupTable& table = OptionTable(group);
    if (!IsByte(first))
        return std::nullopt;
    int value = first;
    if (table.form == AnswerForm::CpiBit) {
        value = first & 1;
    } else {
        if (!IsByte(second))
            return std::nullopt;
        if (!IsComplementPair(first, second))
            return table.invalidPair;
    }
    for (int i = 0; i < table.meaningCount; ++i)
        if (table.meanings[size_t(i)].value == value)
            return table.meanings[size_t(i)].choice;
    return table.unlistedValue;
}
