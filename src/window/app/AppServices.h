#pragma once

#include <QString>

#include <functional>
#include <memory>

class DeviceClock;
class HidBackend;
class LanguageStore;
class ProcessList;
class ReceiverLock;
class UserPrompts;

// Everything the main window reaches outside itself. The tool fills it with the real
// facilities; tests and the simulated mode fill it with simulated ones.
struct AppServices {
    std::shared_ptr<HidBackend> hid;
    std::shared_ptr<DeviceClock> clock;
    std::shared_ptr<ProcessList> processes;
    std::shared_ptr<LanguageStore> languages;
    std::shared_ptr<UserPrompts> prompts;
    // Shared with the command line, so the two never interleave exchanges; none in tests.
    std::shared_ptr<ReceiverLock> receiverLock;
    // Ends the process after the window's close sequence (production: leaves the event loop).
    std::function<void(int exitCode)> endProcess;
    // Where Setting.ini and logo.bmp are looked for; empty means the current directory.
    QString workingDirectory;
};
