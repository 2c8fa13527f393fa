#include "window/app/ServicesFactory.h"

#include "protocol/device/DeviceClock.h"
#include "protocol/device/linux/FileReceiverLock.h"
#include "protocol/device/linux/LinuxHidBackend.h"
#include "protocol/i18n/SettingsLanguageStore.h"
#include "protocol/platform/linux/LinuxProcessList.h"
#include "sim/SimHidBackend.h"
#include "sim/SimReceivers.h"
#include "window/app/AutostartEntry.h"
#include "window/app/UserPrompts.h"

#include <QCoreApplication>

namespace {

AppServices CommonServices()
{
    AppServices services;
    services.clock = std::make_shared<RealDeviceClock>();
    services.processes = std::make_shared<LinuxProcessList>();
    services.languages = std::make_shared<SettingsLanguageStore>();
    services.prompts = std::make_shared<QtUserPrompts>();
    services.receiverLock = std::make_shared<FileReceiverLock>();
    services.endProcess = [](int exitCode) { QCoreApplication::exit(exitCode); };
    services.companion.settingsFile = SettingsLanguageStore::FileName();
    services.companion.autostartFolder = UserAutostartFolder();
    return services;
}

}  // namespace

AppServices RealServices()
{
    AppServices services = CommonServices();
    services.hid = CreateLinuxHidBackend();
    return services;
}

AppServices SimulatedServices()
{
    AppServices services = CommonServices();
    // KARVELO_SIMULATE_STEADY=1: batteries that keep their levels (tools/measure-process.sh).
    services.hid = SimReceivers::makeDemoBackend(
        services.clock, qEnvironmentVariableIntValue("KARVELO_SIMULATE_STEADY") == 1);
    services.receiverLock = nullptr;  // the simulated receiver is this process's own
    return services;
}
