#pragma once

#include "protocol/device/CommandChannel.h"
#include "sim/ReportLog.h"
#include "sim/SimDeviceProfile.h"
#include "window/app/AppServices.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class FakeProcessList;
class MemoryLanguageStore;
class QAbstractButton;
class ReceiverModel;
class RecordingPrompts;
class SimFaults;
class SimHidBackend;
class TForm1;
class TestDeviceClock;

// The main window on the simulated receiver and the test clock, with scripted dialogs, a fake
// process list and the language kept in memory: the seam for tests of the whole tool.
class SimSession {
public:
    struct Options {
        bool plugReceiver = true;
        std::optional<SimDeviceProfile> receiver;          // default: the standard receiver
        std::shared_ptr<ReceiverModel> firmware;           // default: factory-fresh firmware
        QString storedLanguage = QStringLiteral("lkEng");  // empty: nothing stored
        QString workingDirectory;                          // default: a fresh empty directory
        bool start = true;      // run FormCreate and deliver the first device notification
        bool trayHost = false;  // whether the desktop shows tray icons
        bool hidden = false;    // started with --hidden
        // Follow the desktop itself (tray hosts and notification service on the session bus,
        // the X11 tray) instead of `trayHost`; the wait for a tray host before the window
        // shows.
        bool desktop = false;
        int trayWaitMs = 0;
    };

    SimSession();
    explicit SimSession(Options options);
    ~SimSession();
    SimSession(const SimSession&) = delete;
    SimSession& operator=(const SimSession&) = delete;

    TForm1& window() const { return *window_; }
    TestDeviceClock& clock() const { return *clock_; }
    SimHidBackend& backend() const { return *backend_; }
    ReceiverModel& firmware() const { return *firmware_; }
    RecordingPrompts& prompts() const { return *prompts_; }
    FakeProcessList& processes() const { return *processes_; }
    MemoryLanguageStore& languages() const { return *languages_; }
    // The plugged receiver's device id, or -1.
    int receiverId() const { return receiverId_; }
    SimFaults& faults() const;
    ReportLog& log() const;
    // The tray companion's settings file and autostart folder, in the scratch folder.
    const CompanionPlaces& companion() const { return companion_; }
    const std::vector<int>& endProcessCalls() const { return endProcessCalls_; }

    // Runs FormCreate and delivers pending device notifications, as the event loop would.
    void Start();
    // Lets posted events run (device notifications among them).
    void DeliverEvents();
    int Plug(const SimDeviceProfile& profile, std::shared_ptr<ReceiverModel> firmware = nullptr);
    void Unplug(int deviceId);

    // The window's control with this object name (null when there is none).
    template <class T>
    T* Find(const QString& name) const;
    // A user's click on a button or radio button: runs the bound handler, guarded.
    void Click(const QString& name) const;
    // A user's choice of an entry in a combo box (runs its change handler).
    void Choose(const QString& name, int index) const;

    // The reports written since the mark, as "01 24 AA 12 00 00 00 00".
    std::vector<QString> SentSince(qint64 mark) const;

private:
    QObject* FindObject(const QString& name) const;

    Options options_;
    std::shared_ptr<TestDeviceClock> clock_;
    std::shared_ptr<SimHidBackend> backend_;
    std::shared_ptr<ReceiverModel> firmware_;
    std::shared_ptr<RecordingPrompts> prompts_;
    std::shared_ptr<FakeProcessList> processes_;
    std::shared_ptr<MemoryLanguageStore> languages_;
    std::unique_ptr<class QTemporaryDir> scratch_;
    std::vector<int> endProcessCalls_;
    CompanionPlaces companion_;
    int receiverId_ = -1;
    std::unique_ptr<TForm1> window_;
};

template <class T>
T* SimSession::Find(const QString& name) const
{
    return qobject_cast<T*>(FindObject(name));
}
