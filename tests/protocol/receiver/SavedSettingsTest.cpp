#include "protocol/i18n/Lang.h"
#include "protocol/receiver/SavedSettings.h"
#include "protocol/receiver/SettingsTable.h"

#include <gtest/gtest.h>

namespace {

// What a file gives: the refusal, or the settings it sets ("name=value" by the command
// line's names, in the table's order).
QString Outcome(const QByteArray& file)
{
    const SavedSettings::Parsed parsed = SavedSettings::Parse(file);
    if (!parsed.content)
        return parsed.error;
    QStringList set;
    for (const SettingRow& row : SettingsTable())
        if (const std::optional<int> choice = parsed.content->choices[size_t(SettingIndex(row))])
            set << QStringLiteral("%1=%2").arg(row.cliName, row.choices[size_t(*choice)].value);
    return set.join(' ');
}

TEST(SavedSettingsTest, AFileIsCheckedWholeAndTheRefusalNamesTheKeyOrThePlace)
{
    CurrentLanguage = lkEng;
    const std::pair<QByteArray, const char*> cases[] = {
        {R"({"format": "karvelo-rf-settings", "version": 1, "saved": "2026-12-09T14:03:07+01:00",
             "receiver": {"vendorId": "7A3C", "productId": "0E41"}, "cpi": "high",
             "lrCpiSwitch": "disable", "powerSaving": "on", "wakeup": "button-only",
             "batteryLow": "2.4", "hotkey1": "MUTE", "hotkey2": "www home"})",
         "cpi=high lr-cpi-switch=disable power-saving=on wakeup=button-only battery-low=2.4 "
         "hotkey1=MUTE hotkey2=WWW HOME"},
        {R"({"wakeup": "button-only"})", "wakeup=button-only"},  // the rest is left alone
        // get --json as it prints: unknowns and unlisted hotkeys are left alone.
        {R"({"batteryLow": "2.8", "cpi": null, "hotkey1": "code 0100", "hotkey2": "unset"})",
         "battery-low=2.8"},
        {R"({"wakeup": "button-only", "colour": "red"})",
         "'colour' is not a key of a settings file"},
        {R"({"autoConnect": "on"})", "'autoConnect' is not a key of a settings file"},
        {R"({"wakeup": "sometimes"})",
         "'sometimes' is not a value of 'wakeup'; the values are: motion-and-button, button-only"},
        {R"({"cpi": 1600})", "'cpi' takes a string"},
        {R"({"version": "1"})", "'version' takes a whole number"},
        {R"({"version": 1e300})", "'version' takes a whole number"},  // past any integer
        {R"({"version": 2})", "the file's version 2 is newer than 1, which this tool reads"},
        {R"({"format": "something else"})", "the file's format is 'something else'"},
        {R"({"receiver": {"vendorId": "7A3C"}})", "'receiver' takes an object with vendorId"},
        {"cpi = high", "the settings file is not JSON: "},
        {R"({"cpi": "high",)", "the settings file is not JSON: "},  // cut short
        {"[]", "the settings file does not hold one JSON object"},
        {"", "the settings file is empty"},
        {" \n", "the settings file is empty"},
        {QByteArray(64 * 1024 + 1, ' '), "the settings file is larger than 64 KiB"},
    };
    for (const auto& [file, outcome] : cases)
        EXPECT_TRUE(Outcome(file).startsWith(QString::fromUtf8(outcome)))
            << file.left(80).toStdString() << " -> " << Outcome(file).toStdString();
}

}  // namespace
