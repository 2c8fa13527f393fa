#include "testing/TestServices.h"

#include "protocol/device/NullHidBackend.h"

AppServices TestServices::Make()
{
    AppServices services;
    if (!hid)
        hid = std::make_shared<NullHidBackend>();
    services.hid = hid;
    services.clock = clock;
    services.prompts = prompts;
    services.processes = processes;
    services.languages = languages;
    services.workingDirectory = workingDirectory;
    services.endProcess = [this](int code) { endProcessCalls.push_back(code); };
    // A desktop without a tray or notification service: a test never reaches the user's.
    services.companion.trayHost = [] { return false; };
    return services;
}
