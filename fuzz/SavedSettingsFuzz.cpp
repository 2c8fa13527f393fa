// libFuzzer entry for the settings files that apply and the window's Load read: any content is
// either refused with a reason or gives choices that every setting takes, and what it gives
// is written and read back the same.
#include "FuzzInput.h"
#include "protocol/receiver/SavedSettings.h"
#include "protocol/receiver/SettingsTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes in(data, size);
    const SavedSettings::Parsed parsed = SavedSettings::Parse(in.rest());
    Expect(parsed.content.has_value() == parsed.error.isEmpty());
    if (!parsed.content)
        return 0;
    for (const SettingRow& row : SettingsTable()) {
        const std::optional<int> choice = parsed.content->choices[size_t(SettingIndex(row))];
        Expect(!choice || (*choice >= 0 && *choice < int(row.choices.size()) && Readable(row)));
    }
    const QByteArray written =
        SavedSettings::Write(parsed.content->choices, 0x7A3C, 0x0E41, QDateTime());
    Expect(SavedSettings::Parse(written).content->choices == parsed.content->choices);
    return 0;
}
