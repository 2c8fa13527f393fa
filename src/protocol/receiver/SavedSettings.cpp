#include "protocol/receiver/SavedSettings.h"

#include "protocol/i18n/SettingsFileTexts.h"
#include "protocol/receiver/SettingsTable.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>

namespace SavedSettings {

namespace {

using namespace SettingsFileText;

const SettingRow* RowOfKey(const QString& key)
{
    for (const SettingRow& row : SettingsTable())
        if (Readable(row) && key == QLatin1String(row.jsonKey))
            return &row;
    return nullptr;
}

std::optional<quint16> HexId(const QJsonValue& value)
{
    static const QRegularExpression form(QStringLiteral("^[0-9A-Fa-f]{4}$"));
    if (!value.isString() || !form.match(value.toString()).hasMatch())
        return std::nullopt;
    return quint16(value.toString().toUInt(nullptr, 16));
}

// A number without a fraction, within the range a whole number of JSON keeps exactly.
bool IsWhole(const QJsonValue& value)
{
    const double number = value.toDouble();
    return value.isDouble() && std::abs(number) < 9007199254740992.0 &&
           std::trunc(number) == number;
}

// What get prints for a hotkey the receiver holds no listed function for: nothing to apply.
bool UnknownHotkey(const SettingRow& row, const QString& value)
{
    static const QRegularExpression code(QStringLiteral("^code [0-9A-F]{4}$"));
    return row.kind == SettingKind::Hotkey &&
           (value == QLatin1String("unset") || code.match(value).hasMatch());
}

// Takes one key of the file into `content`; the refusal, or nothing when it is good.
std::optional<QString> Take(const QString& key, const QJsonValue& value, Content& content)
{
    const auto wrongType = [&key](const LocalText& what) {
        return Localized(kWrongType).arg(key, Localized(what));
    };
    if (key == QLatin1String("format")) {
        if (!value.isString())
            return wrongType(kAString);
        if (value.toString() != QLatin1String(kFormat))
            return Localized(kOtherFormat).arg(value.toString(), QLatin1String(kFormat));
    } else if (key == QLatin1String("version") || key == QLatin1String("apiVersion")) {
        if (!IsWhole(value))
            return wrongType(kANumber);
        if (key == QLatin1String("version") && value.toDouble() > kVersion)
            return Localized(kNewerVersion).arg(value.toDouble()).arg(kVersion);
    } else if (key == QLatin1String("saved")) {
        if (!value.isString())
            return wrongType(kAString);
        content.saved = value.toString();
    } else if (key == QLatin1String("receiver")) {
        const QJsonObject ids = value.toObject();
        content.vendorId = HexId(ids.value(QStringLiteral("vendorId")));
        content.productId = HexId(ids.value(QStringLiteral("productId")));
        if (!value.isObject() || ids.size() != 2 || !content.vendorId || !content.productId)
            return wrongType(kIds);
    } else if (const SettingRow* row = RowOfKey(key)) {
        if (value.isNull())
            return std::nullopt;
        if (!value.isString())
            return wrongType(kAString);
        const std::optional<int> choice = ChoiceNamed(*row, value.toString());
        if (!choice && !UnknownHotkey(*row, value.toString()))
            return Localized(SettingsFileText::kBadValue)
                .arg(key, value.toString(), ValueNames(*row).join(QStringLiteral(", ")));
        content.choices[size_t(SettingIndex(*row))] = choice;
    } else {
        return Localized(kUnknownKey).arg(key);
    }
    return std::nullopt;
}

}  // namespace

Parsed Parse(const QByteArray& bytes)
{
    if (bytes.size() > kMaxBytes)
        return {std::nullopt, Localized(kTooLarge).arg(kMaxBytes / 1024)};
    if (bytes.trimmed().isEmpty())
        return {std::nullopt, Localized(kEmpty)};
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return {std::nullopt, Localized(kNotJson).arg(error.offset).arg(error.errorString())};
    if (!document.isObject())
        return {std::nullopt, Localized(kNotObject)};
    Content content;
    content.choices.resize(SettingsTable().size());
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it)
        if (const std::optional<QString> refusal = Take(it.key(), it.value(), content))
            return {std::nullopt, *refusal};
    return {std::move(content), QString()};
}

QByteArray Write(const std::vector<std::optional<int>>& choices, quint16 vendorId,
                 quint16 productId, const QDateTime& saved)
{
    QJsonObject object{
        {QStringLiteral("format"), QLatin1String(kFormat)},
        {QStringLiteral("version"), kVersion},
        // With its offset from UTC spelled out, as every time the tool prints.
        {QStringLiteral("saved"),
         saved.toOffsetFromUtc(saved.offsetFromUtc()).toString(Qt::ISODate)},
        {QStringLiteral("receiver"),
         QJsonObject{
             {QStringLiteral("vendorId"), QString::asprintf("%04X", unsigned(vendorId))},
             {QStringLiteral("productId"), QString::asprintf("%04X", unsigned(productId))}}},
    };
    for (const SettingRow& row : SettingsTable()) {
        const std::optional<int> choice = choices.at(size_t(SettingIndex(row)));
        if (Readable(row) && choice)
            object.insert(QLatin1String(row.jsonKey),
                          QLatin1String(row.choices[size_t(*choice)].value));
    }
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

}  // namespace SavedSettings
