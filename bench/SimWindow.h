// The main window on the real clock with the demonstration receiver, for benchmarks of what
// the window adds to the protocol.
#pragma once

#include "BenchSupport.h"
#include "protocol/i18n/MemoryLanguageStore.h"
#include "sim/ReceiverModel.h"
#include "sim/SimHidBackend.h"
#include "sim/SimReceivers.h"
#include "window/app/Application.h"
#include "window/app/MainWindow.h"
#include "window/app/UserPrompts.h"

#include <QCoreApplication>

#include <memory>

namespace bench {

class SilentPrompts final : public UserPrompts {
public:
    void showMessage(QWidget*, const QString&) override { ++messages; }
    void showInformation(QWidget*, const QString&, const QString&) override {}
    bool askPassword(QWidget*, QString&) override { return false; }
    void runLanguageChooser(TForm2&) override {}
    void showNotice(QWidget*, const QString&, const QString&, bool) override {}
    int messages = 0;
};

// The main window on the real clock with the demonstration receiver plugged in, which
// answers at once. Needs a QApplication.
struct SimWindow {
    std::shared_ptr<MeasuringClock> clock = std::make_shared<MeasuringClock>();
    std::shared_ptr<SimHidBackend> backend = std::make_shared<SimHidBackend>(clock);
    std::shared_ptr<ReceiverModel> firmware = SimReceivers::demoFirmware();
    std::shared_ptr<SilentPrompts> prompts = std::make_shared<SilentPrompts>();
    std::unique_ptr<TForm1> window;

    // Builds and starts the window as the tool does; false when the receiver was not attached.
    bool Start()
    {
        firmware->setReplyDelayMs(0);
        backend->plug(SimReceivers::receiverProfile(), firmware);
        AppServices services;
        services.hid = backend;
        services.clock = clock;
        services.prompts = prompts;
        services.languages = std::make_shared<MemoryLanguageStore>(QStringLiteral("lkEng"));
        services.endProcess = [](int) {};
        window = std::make_unique<TForm1>(services);
        StartWindows(*window);
        QCoreApplication::processEvents();  // the first device notification attaches
        return window->Receiver() != nullptr;
    }
};

}  // namespace bench
