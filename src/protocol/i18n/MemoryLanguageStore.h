#pragma once

#include "protocol/i18n/LanguageStore.h"

// A language store held in memory: for tests and for runs that must leave the user's
// settings alone.
class MemoryLanguageStore final : public LanguageStore {
public:
    MemoryLanguageStore() = default;
    explicit MemoryLanguageStore(QString value) : value_(std::move(value)) {}

    std::optional<QString> Read() override { return value_; }
    void Write(const QString& value) override
    {
        value_ = value;
        ++writes_;
    }

    const std::optional<QString>& Value() const { return value_; }
    int Writes() const { return writes_; }

private:
    std::optional<QString> value_;
    int writes_ = 0;
};
