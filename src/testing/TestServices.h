#pragma once

#include "protocol/device/DeviceClock.h"
#include "protocol/i18n/MemoryLanguageStore.h"
#include "testing/FakeProcessList.h"
#include "testing/RecordingPrompts.h"
#include "window/app/AppServices.h"

#include <QString>

#include <memory>
#include <vector>

class HidBackend;

// Services for a window under test, without a receiver unless a backend is given. The members
// stay reachable so a test can script and inspect them. (SimSession is the fuller seam, with
// the simulated receiver.)
struct TestServices {
    std::shared_ptr<TestDeviceClock> clock = std::make_shared<TestDeviceClock>();
    std::shared_ptr<RecordingPrompts> prompts = std::make_shared<RecordingPrompts>();
    std::shared_ptr<FakeProcessList> processes = std::make_shared<FakeProcessList>();
    std::shared_ptr<MemoryLanguageStore> languages =
        std::make_shared<MemoryLanguageStore>(QStringLiteral("lkEng"));
    std::shared_ptr<HidBackend> hid;
    std::vector<int> endProcessCalls;
    QString workingDirectory;

    AppServices Make();
};
