#include "testing/SimSession.h"

#include "protocol/device/DeviceClock.h"
#include "protocol/i18n/MemoryLanguageStore.h"
#include "sim/ReceiverModel.h"
#include "sim/SimHidBackend.h"
#include "sim/SimReceivers.h"
#include "testing/FakeProcessList.h"
#include "testing/RecordingPrompts.h"
#include "window/app/Application.h"
#include "window/app/MainWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QTemporaryDir>

SimSession::SimSession() : SimSession(Options{}) {}

SimSession::SimSession(Options options) : options_(std::move(options))
{
    clock_ = std::make_shared<TestDeviceClock>();
    backend_ = std::make_shared<SimHidBackend>(clock_);
    firmware_ = options_.firmware ? options_.firmware : SimReceivers::defaultFirmware();
    prompts_ = std::make_shared<RecordingPrompts>();
    processes_ = std::make_shared<FakeProcessList>();
    languages_ = options_.storedLanguage.isEmpty()
                     ? std::make_shared<MemoryLanguageStore>()
                     : std::make_shared<MemoryLanguageStore>(options_.storedLanguage);
    scratch_ = std::make_unique<QTemporaryDir>();
    if (options_.workingDirectory.isEmpty())
        options_.workingDirectory = scratch_->path();
    companion_.settingsFile = scratch_->filePath(QStringLiteral("RF_BIND.conf"));
    companion_.autostartFolder = scratch_->filePath(QStringLiteral("autostart"));
    const bool trayHost = options_.trayHost;
    if (!options_.desktop)
        companion_.trayHost = [trayHost] { return trayHost; };
    if (options_.plugReceiver) {
        receiverId_ =
            backend_->plug(options_.receiver.value_or(SimReceivers::receiverProfile()), firmware_);
    }

    AppServices services;
    services.hid = backend_;
    services.clock = clock_;
    services.prompts = prompts_;
    services.processes = processes_;
    services.languages = languages_;
    services.workingDirectory = options_.workingDirectory;
    services.companion = companion_;
    services.endProcess = [this](int code) { endProcessCalls_.push_back(code); };
    window_ = std::make_unique<TForm1>(std::move(services));
    if (options_.start)
        Start();
}

SimSession::~SimSession()
{
    window_.reset();
}

SimFaults& SimSession::faults() const
{
    return backend_->faults(receiverId_);
}

ReportLog& SimSession::log() const
{
    return backend_->log();
}

void SimSession::Start()
{
    window_->Guarded([this] { StartWindows(*window_, options_.hidden, options_.trayWaitMs); });
    DeliverEvents();
}

void SimSession::DeliverEvents()
{
    QCoreApplication::processEvents();
}

int SimSession::Plug(const SimDeviceProfile& profile, std::shared_ptr<ReceiverModel> firmware)
{
    return backend_->plug(profile, std::move(firmware));
}

void SimSession::Unplug(int deviceId)
{
    backend_->unplug(deviceId);
}

QObject* SimSession::FindObject(const QString& name) const
{
    return window_->FindComponent(name);
}

void SimSession::Click(const QString& name) const
{
    if (auto* button = Find<QAbstractButton>(name))
        button->click();
}

void SimSession::Choose(const QString& name, int index) const
{
    if (auto* combo = Find<QComboBox>(name)) {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
}

std::vector<QString> SimSession::SentSince(qint64 mark) const
{
    return backend_->log().sentSince(mark);
}
