#pragma once

#include "app/AppServices.h"
#include "app/UserPrompts.h"
#include "device/DeviceClock.h"
#include "i18n/MemoryLanguageStore.h"
#include "platform/ProcessList.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class HidBackend;
class TForm1;

// Dialogs that answer as a test scripts them and remember what they showed.
class RecordingPrompts final : public UserPrompts {
public:
    void ShowMessage(QWidget*, const QString& text) override { messages.push_back(text); }
    void ShowInformation(QWidget*, const QString& title, const QString& text) override
    {
        informations.push_back(title + QStringLiteral(": ") + text);
    }
    bool AskPassword(QWidget*, QString& valueText) override;
    void RunLanguageChooser(TForm2& chooser) override;

    QStringList messages;
    QStringList informations;
    // Each password prompt takes the next answer; none left means Cancel.
    std::vector<std::optional<QString>> passwordAnswers;
    QStringList passwordPromptsShown;  // the text each prompt started with
    int languageChooserRuns = 0;
    int languageChoice = -1;  // the item the chooser ends on; -1 keeps its preselection
    int chooserPreselection = -1;
};

class FakeProcessList final : public ProcessList {
public:
    std::vector<Entry> Snapshot() override { return entries; }
    qint64 CurrentPid() const override { return self; }
    bool Terminate(qint64 pid) override
    {
        terminated.push_back(pid);
        return true;
    }

    qint64 self = 1000;
    std::vector<Entry> entries;
    std::vector<qint64> terminated;
};


// Everything a window under test needs, all simulated. The members stay reachable so a test
// can script and inspect them.
struct TestServices {
    std::shared_ptr<TestDeviceClock> clock = std::make_shared<TestDeviceClock>();
    std::shared_ptr<RecordingPrompts> prompts = std::make_shared<RecordingPrompts>();
    std::shared_ptr<FakeProcessList> processes = std::make_shared<FakeProcessList>();
    std::shared_ptr<MemoryLanguageStore> languages =
        std::make_shared<MemoryLanguageStore>(QStringLiteral("lkEng"));
    std::shared_ptr<HidBackend> hid;
    std::vector<int> endProcessCalls;
    QString workingDirectory;

    // A null backend unless one is given.
    AppServices Make();
};
