#pragma once

#include "app/AppServices.h"
#include "app/Unit1.h"
#include "app/UserPrompts.h"
#include "device/DeviceClock.h"
#include "device/HidBackend.h"

#include <QStringList>

#include <memory>

// A platform without HID devices.
class NoDevicesBackend final : public HidBackend {
public:
    bool available() const override { return false; }
    std::vector<HidNodeInfo> listPresent() override { return {}; }
    std::unique_ptr<HidConnection> open(const HidNodeInfo&, HidAccess, HidOpenError* error) override
    {
        if (error)
            *error = HidOpenError::NotFound;
        return nullptr;
    }
};

// Dialogs that answer at once and remember what they were asked to show.
class RecordingPrompts final : public UserPrompts {
public:
    void ShowMessage(QWidget*, const QString& text) override { messages << text; }
    void ShowInformation(QWidget*, const QString&, const QString& text) override { messages << text; }
    bool AskPassword(QWidget*, QString&) override { return false; }
    void RunLanguageChooser(TForm2&) override {}
    QStringList messages;
};

// The main window on the test clock, with no receiver.
struct WindowUnderTest {
    WindowUnderTest()
    {
        AppServices services;
        services.hid = std::make_shared<NoDevicesBackend>();
        services.clock = clock;
        services.prompts = prompts;
        services.endProcess = [](int) {};
        window = std::make_unique<TForm1>(services);
    }

    std::shared_ptr<TestDeviceClock> clock = std::make_shared<TestDeviceClock>();
    std::shared_ptr<RecordingPrompts> prompts = std::make_shared<RecordingPrompts>();
    std::unique_ptr<TForm1> window;
};
