#pragma once

#include "protocol/i18n/Lang.h"
#include "protocol/i18n/MemoryLanguageStore.h"
#include "testing/SimSession.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

// The language is process-wide (CurrentLanguage, the default locale the chooser reads): each
// test starts in English on an English system and leaves both that way.
class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedLocale_ = QLocale();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        CurrentLanguage = lkEng;
    }

    void TearDown() override
    {
        CurrentLanguage = lkEng;
        QLocale::setDefault(savedLocale_);
    }

    // The window without a receiver and not started yet, with this value stored as the
    // language (nothing: no value stored). The chooser, when it runs, keeps its preselection
    // unless the test sets prompts().languageChoice.
    static std::unique_ptr<SimSession> UnstartedWindow(std::optional<QString> stored)
    {
        SimSession::Options options;
        options.plugReceiver = false;
        options.start = false;
        options.storedLanguage = stored.value_or(QString());
        auto session = std::make_unique<SimSession>(options);
        if (stored && stored->isEmpty())
            session->languages().Write(QString());
        return session;
    }

private:
    QLocale savedLocale_;
};
