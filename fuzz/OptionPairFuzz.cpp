// libFuzzer entry for the setting answers read from the mouse's RF EEPROM: any two read results
// (bytes, or failures and out-of-range values) decode to a choice of the setting's row, or to
// nothing when a read failed.
#include "FuzzInput.h"
#include "protocol/receiver/SettingsTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes in(data, size);
    const std::span<const SettingRow> rows = SettingsTable();
    const SettingRow& row = rows[in.byte() % rows.size()];
    const int first = in.int16();
    const int second = in.int16();
    const auto isByte = [](int v) { return v >= 0 && v <= 0xFF; };
    const bool cpiBit = row.kind == SettingKind::MouseCpi;
    const std::optional<int> choice = DecodeAnswer(row, first, second);
    const bool readsOk = isByte(first) && (cpiBit || isByte(second));
    Expect(choice.has_value() == readsOk);
    if (choice)
        Expect(*choice >= 0 && *choice < int(row.choices.size()));
    Expect(IsComplementPair(first, second) ==
           (isByte(first) && isByte(second) && (first ^ second) == 0xFF));
    // A choice written as its own stored value reads back as that choice.
    if (!cpiBit && isByte(first) && choice && IsComplementPair(first, second))
        Expect(DecodeAnswer(row, first, first ^ 0xFF) == choice);
    return 0;
}
