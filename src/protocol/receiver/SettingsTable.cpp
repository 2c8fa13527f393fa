#include "protocol/receiver/SettingsTable.h"

#include "protocol/i18n/Lang.h"
#include "protocol/receiver/EepromMap.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// The mouse keeps a battery-low level as the low three bits of its option code, shifted left
// by 5.
constexpr int StoredLevel(quint16 code)
{
    return (code & 0x07) << 5;
}

template <size_t N>
constexpr int IndexOf(const std::array<SettingChoice, N>& choices, std::string_view value)
{
    for (size_t i = 0; i < N; ++i)
        if (value == choices[i].value)
            return int(i);
    return -1;
}

// The CPI read-out shows the two as 1600 and 800.
constexpr const char* kCpiHighShown[] = {"1600"};
constexpr const char* kCpiLowShown[] = {"800"};

// clang-format off
constexpr std::array<SettingChoice, 2> kCpi{{
    {.code = 1, .value = "high", .button = {"rbRF_CPI_H", 17}, .stored = 1, .alsoNamed = kCpiHighShown},
    {.code = 0, .value = "low", .button = {"rbRF_CPI_L", 18}, .stored = 0, .alsoNamed = kCpiLowShown},
}};
constexpr std::array<SettingChoice, 2> kLrCpiSwitch{{
    {.code = 0x15, .value = "enable", .button = {"rbRF_DR_15", 11}},
    {.code = 0x1A, .value = "disable", .button = {"rbRF_DR_1A", 12}, .stored = 0xCC},
}};
constexpr std::array<SettingChoice, 3> kPowerSaving{{
    {.code = 0x45, .value = "off", .button = {"rbRF_DR_45", 20}},
    {.code = 0x4A, .value = "button-wakeup", .button = {"rbRF_DR_4A", 21}, .stored = 0xC5},
    {.code = 0x4F, .value = "on", .button = {"rbRF_DR_4F", 22}, .stored = 0xCA},
}};
constexpr std::array<SettingChoice, 2> kWakeup{{
    {.code = 0x25, .value = "motion-and-button", .button = {"rbRF_DR_25", 14}},
    {.code = 0x2A, .value = "button-only", .button = {"rbRF_DR_2A", 15}, .stored = 0xAA},
}};
constexpr std::array<SettingChoice, 8> kBatteryLow{{
    {.code = 0x67, .value = "3.2", .entry = "Set BTY Low Level: VBAT <= 3.2V", .stored = StoredLevel(0x67)},
    {.code = 0x66, .value = "3.0", .entry = "Set BTY Low Level: VBAT <= 3.0V", .stored = StoredLevel(0x66)},
    {.code = 0x65, .value = "2.8", .entry = "Set BTY Low Level: VBAT <= 2.8V", .stored = StoredLevel(0x65)},
    {.code = 0x64, .value = "2.6", .entry = "Set BTY Low Level: VBAT <= 2.6V", .stored = StoredLevel(0x64)},
    {.code = 0x63, .value = "2.4", .entry = "Set BTY Low Level: VBAT <= 2.4V", .stored = StoredLevel(0x63)},
    {.code = 0x62, .value = "2.2", .entry = "Set BTY Low Level: VBAT <= 2.2V", .stored = StoredLevel(0x62)},
    {.code = 0x61, .value = "2.0", .entry = "Set BTY Low Level: VBAT <= 2.0V", .stored = StoredLevel(0x61)},
    {.code = 0x60, .value = "1.8", .entry = "Set BTY Low Level: VBAT <= 1.8V", .stored = StoredLevel(0x60)},
}};
// Index register 5 is cleared before auto connect is enabled, as the mouse's firmware expects.
constexpr std::array<SettingChoice, 2> kAutoConnect{{
    {.code = 0x55, .value = "off", .button = {"rbRF_DR_55", 12}},
    {.code = 0x5A, .value = "on", .button = {"rbRF_DR_5A", 11}, .clearedIndexRegister = 5},
}};
// The consumer-control functions a hotkey can be given: HID Consumer Page usage IDs, 0 for none.
constexpr std::array<SettingChoice, 24> kHotkey{{
    {.code = 0x0000, .value = "[DISABLE]"},
    {.code = 0x0224, .value = "WWW BACK"},
    {.code = 0x0225, .value = "WWW FORWARD"},
    {.code = 0x0226, .value = "WWW STOP"},
    {.code = 0x0227, .value = "WWW REFRESH"},
    {.code = 0x0221, .value = "WWW SEARCH"},
    {.code = 0x022A, .value = "WWW FAVORITES"},
    {.code = 0x0223, .value = "WWW HOME"},
    {.code = 0x018A, .value = "MAIL"},
    {.code = 0x00E2, .value = "MUTE"},
    {.code = 0x00EA, .value = "VOLUME -"},
    {.code = 0x00E9, .value = "VOLUME +"},
    {.code = 0x00CD, .value = "PLAY/PAUSE"},
    {.code = 0x00B7, .value = "STOP"},
    {.code = 0x00B6, .value = "PREVIOUS TRACK/Replay"},
    {.code = 0x00B5, .value = "NEXT TRACK/Skip"},
    {.code = 0x0183, .value = "MEDIA Select"},
    {.code = 0x0194, .value = "MY COMPUTER"},
    {.code = 0x0192, .value = "CALCULATOR"},
    {.code = 0x0209, .value = "More Info"},
    {.code = 0x00B2, .value = "Record"},
    {.code = 0x00B3, .value = "Forward"},
    {.code = 0x00B4, .value = "Rewind"},
    {.code = 0x008D, .value = "Guide"},
}};

constexpr std::array<SettingRow, 8> kRows{{
    {.cliName = "cpi", .jsonKey = "cpi", .caption = {"gbCPI", 16},
     .kind = SettingKind::MouseCpi, .address = 0x10, .readBackPosition = 3,
     .unlisted = IndexOf(kCpi, "low"), .invalid = IndexOf(kCpi, "low"), .choices = kCpi},
    {.cliName = "lr-cpi-switch", .jsonKey = "lrCpiSwitch", .caption = {"gbISS", 10},
     .kind = SettingKind::MouseOption, .address = 0x12, .readBackPosition = 2,
     .logName = "SoftISS", .logsEachPass = true,
     .unlisted = IndexOf(kLrCpiSwitch, "enable"), .invalid = IndexOf(kLrCpiSwitch, "disable"),
     .choices = kLrCpiSwitch},
    {.cliName = "power-saving", .jsonKey = "powerSaving", .caption = {"gbNL", 19},
     .kind = SettingKind::MouseOption, .address = 0x16, .readBackPosition = 4, .logName = "NoLink",
     .unlisted = IndexOf(kPowerSaving, "off"), .invalid = IndexOf(kPowerSaving, "off"),
     .choices = kPowerSaving},
    {.cliName = "wakeup", .jsonKey = "wakeup", .caption = {"gbWKUP", 13},
     .kind = SettingKind::MouseOption, .address = 0x14, .readBackPosition = 5, .logName = "Wakeup",
     .unlisted = IndexOf(kWakeup, "motion-and-button"),
     .invalid = IndexOf(kWakeup, "motion-and-button"), .choices = kWakeup},
    {.cliName = "battery-low", .jsonKey = "batteryLow", .caption = {"gbBTY", 24},
     .list = "cbRF_Set_BTY_Low_Level", .kind = SettingKind::MouseOption, .address = 0x1A,
     .readBackPosition = 6, .logName = "BAT", .volts = true,
     .unlisted = IndexOf(kBatteryLow, "2.0"), .invalid = IndexOf(kBatteryLow, "2.0"),
     .choices = kBatteryLow},
    {.cliName = "auto-connect", .jsonKey = "autoConnect", .caption = {"gbPO_BIND", 23},
     .kind = SettingKind::MouseSendOnly, .choices = kAutoConnect},
    {.cliName = "hotkey1", .jsonKey = "hotkey1", .caption = {"lblHK1", 8},
     .group = {"gbCustKey", 7}, .list = "cbCustKey1", .kind = SettingKind::Hotkey,
     .address = EepromWord::kHotkey1Low, .readBackPosition = 1,
     .invalid = IndexOf(kHotkey, "WWW HOME"), .choices = kHotkey},
    {.cliName = "hotkey2", .jsonKey = "hotkey2", .caption = {"lblHK2", 9},
     .group = {"gbCustKey", 7}, .list = "cbCustKey2", .kind = SettingKind::Hotkey,
     .address = EepromWord::kHotkey2Low, .readBackPosition = 1,
     .invalid = IndexOf(kHotkey, "MAIL"), .choices = kHotkey},
}};
// clang-format on

bool IsByte(int value)
{
    return value >= 0 && value <= 0xFF;
}

// A voltage in tenths of a volt: digits, a point and digits, a trailing V with or without a
// space before it; "2.4", "2.40", "2.4V" and "2.4 V" are 24. Nothing for anything else, for
// hundredths that are not zero, or for spaces around the value.
std::optional<int> Tenths(const QString& value)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2})(?:\\.(\\d)0*)?(?: ?[vV])?$"));
    const QRegularExpressionMatch match = form.match(value);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt() * 10 + match.captured(2).toInt();
}

}  // namespace

std::span<const SettingRow> SettingsTable()
{
    return kRows;
}

const SettingRow* FindSetting(const QString& cliName)
{
    for (const SettingRow& row : kRows)
        if (cliName.compare(QLatin1String(row.cliName), Qt::CaseInsensitive) == 0)
            return &row;
    return nullptr;
}

const SettingRow& FirstSettingOf(SettingKind kind)
{
    for (const SettingRow& row : kRows)
        if (row.kind == kind)
            return row;
    return kRows.front();
}

int SettingIndex(const SettingRow& row)
{
    return int(&row - kRows.data());
}

int ReadBackSteps()
{
    int last = 0;
    for (const SettingRow& row : kRows)
        last = std::max(last, row.readBackPosition);
    return last;
}

bool IsComplementPair(int first, int second)
{
    return IsByte(first) && IsByte(second) && (first ^ second) == 0xFF;
}

int ChoiceForStored(const SettingRow& row, int stored)
{
    for (size_t i = 0; i < row.choices.size(); ++i)
        if (row.choices[i].stored == stored)
            return int(i);
    return row.unlisted;
}

std::optional<int> DecodeAnswer(const SettingRow& row, int first, int second)
{
    if (!IsByte(first))
        return std::nullopt;
    if (row.kind == SettingKind::MouseCpi)
        return ChoiceForStored(row, first & 1);
    if (!IsByte(second))
        return std::nullopt;
    if (!IsComplementPair(first, second))
        return row.invalid;
    return ChoiceForStored(row, first);
}

std::optional<int> ChoiceWithCode(const SettingRow& row, quint16 code)
{
    for (size_t i = 0; i < row.choices.size(); ++i)
        if (row.choices[i].code == code)
            return int(i);
    return std::nullopt;
}

QStringList ValueNames(const SettingRow& row)
{
    QStringList names;
    for (const SettingChoice& choice : row.choices)
        names << QString::fromLatin1(choice.value);
    return names;
}

std::optional<int> ChoiceNamed(const SettingRow& row, const QString& value)
{
    const auto names = [&value, &row](const char* name) {
        const QString spelled = QString::fromLatin1(name);
        return row.volts ? Tenths(value) && Tenths(value) == Tenths(spelled)
                         : spelled.compare(value, Qt::CaseInsensitive) == 0;
    };
    for (size_t i = 0; i < row.choices.size(); ++i) {
        const SettingChoice& choice = row.choices[i];
        if (names(choice.value) ||
            std::any_of(choice.alsoNamed.begin(), choice.alsoNamed.end(), names))
            return int(i);
    }
    return std::nullopt;
}

QString CaptionText(const SettingCaption& caption)
{
    if (caption.term >= 0)
        return Term(quint8(caption.term));
    return caption.words ? Localized(*caption.words) : QString();
}

QString ChoiceText(const SettingRow& row, int choice)
{
    if (choice < 0 || choice >= int(row.choices.size()))
        return {};
    const SettingChoice& c = row.choices[size_t(choice)];
    if (c.button.control)
        return CaptionText(c.button);
    return QString::fromLatin1(c.entry ? c.entry : c.value);
}
