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

// Where the tray companion keeps its choices, and whether the desktop shows tray icons.
struct CompanionPlaces {
    // The tool's settings file, where "keep running in the tray" is kept beside the language;
    // empty: the choice lasts until the tool ends.
    QString settingsFile;
    // The user's XDG autostart folder; empty: starting at login is not offered.
    QString autostartFolder;
    // Whether a tray host is there, for a desktop that has no notification service; none:
    // the desktop is followed (its tray hosts and notification service).
    std::function<bool()> trayHost;
};

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
    CompanionPlaces companion;
};
