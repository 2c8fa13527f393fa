#pragma once

#include "protocol/i18n/LanguageStore.h"

// The language remembered in the user's settings: QSettings("KARVELO", "RF_BIND"), value
// "LngSection" (on Windows the registry key HKEY_CURRENT_USER\Software\KARVELO\RF_BIND).
class SettingsLanguageStore final : public LanguageStore {
public:
    std::optional<QString> Read() override;
    void Write(const QString& value) override;
    // Where the tool's settings are kept (the language and the tray companion's choices).
    static QString FileName();
};
