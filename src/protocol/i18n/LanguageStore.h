#pragma once

#include <QString>

#include <optional>

// Where the chosen language is remembered (the value "LngSection" of KARVELO/RF_BIND).
class LanguageStore {
public:
    virtual ~LanguageStore() = default;
    // The stored text, or nothing when the key or the value does not exist.
    virtual std::optional<QString> Read() = 0;
    virtual void Write(const QString& value) = 0;
};
