#pragma once

#include "app/AppServices.h"
#include "app/Unit1.h"
#include "app/UserPrompts.h"
#include "controls/KARVComboBox.h"
#include "device/DeviceClock.h"
#include "device/HidBackend.h"
#include "i18n/Lang.h"
#include "i18n/MemoryLanguageStore.h"
#include "i18n/Unit2.h"

#include <QLocale>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

// A platform without HID devices.
class NoHidDevices final : public HidBackend {
public:
    bool available() const override { return true; }
    std::vector<HidNodeInfo> listPresent() override { return {}; }
    std::unique_ptr<HidConnection> open(const HidNodeInfo&, HidAccess, HidOpenError* error) override
    {
        if (error)
            *error = HidOpenError::NotFound;
        return nullptr;
    }
};

// Answers the dialogs from the test: the chooser runs onChooser instead of a modal loop.
class ScriptedPrompts final : public UserPrompts {
public:
    void ShowMessage(QWidget*, const QString&) override { ++messages; }
    void ShowInformation(QWidget*, const QString&, const QString&) override { ++messages; }
    bool AskPassword(QWidget*, QString&) override { return false; }
    void RunLanguageChooser(TForm2& chooser) override
    {
        ++chooserRuns;
        preselected = chooser.cbbLang->currentIndex();
        if (onChooser)
            onChooser(chooser);
    }

    int messages = 0;
    int chooserRuns = 0;
    int preselected = -1;
    std::function<void(TForm2&)> onChooser;
};

// The main window on a platform without devices, with the language kept in memory.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedLocale_ = QLocale();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        CurrentLanguage = lkEng;
    }

    void TearDown() override
    {
        form.reset();
        CurrentLanguage = lkEng;
        QLocale::setDefault(savedLocale_);
    }

    void MakeWindow(std::optional<QString> stored = std::nullopt)
    {
        store = stored ? std::make_shared<MemoryLanguageStore>(*stored)
                       : std::make_shared<MemoryLanguageStore>();
        prompts = std::make_shared<ScriptedPrompts>();
        AppServices services;
        services.hid = std::make_shared<NoHidDevices>();
        services.clock = std::make_shared<TestDeviceClock>();
        services.languages = store;
        services.prompts = prompts;
        services.endProcess = [](int) {};
        form = std::make_unique<TForm1>(std::move(services));
    }

    // The chooser picks this language and closes with OK.
    void ChooseInChooser(TLanguateKind language)
    {
        prompts->onChooser = [language](TForm2& chooser) {
            chooser.cbbLang->setCurrentIndex(language);
            chooser.btnOK->click();
        };
    }

    std::shared_ptr<MemoryLanguageStore> store;
    std::shared_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<TForm1> form;

private:
    QLocale savedLocale_;
};
