#include "protocol/i18n/SettingsLanguageStore.h"

#include <QSettings>

namespace {

const char* const Organization = "KARVELO";
const char* const Application = "RF_BIND";
const char* const LanguageKey = "LngSection";

}  // namespace

std::optional<QString> SettingsLanguageStore::Read()
{
    const QSettings settings(QString::fromLatin1(Organization), QString::fromLatin1(Application));
    const QVariant value = settings.value(QString::fromLatin1(LanguageKey));
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

QString SettingsLanguageStore::FileName()
{
    return QSettings(QString::fromLatin1(Organization), QString::fromLatin1(Application))
        .fileName();
}

void SettingsLanguageStore::Write(const QString& value)
{
    // A settings file that cannot be written is not reported: the choice is asked again at the
    // next start.
    QSettings settings(QString::fromLatin1(Organization), QString::fromLatin1(Application));
    settings.setValue(QString::fromLatin1(LanguageKey), value);
    settings.sync();
}
