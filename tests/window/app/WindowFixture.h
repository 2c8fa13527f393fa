#pragma once

#include "testing/TestServices.h"
#include "window/app/MainWindow.h"

#include <memory>

// The main window on the test clock, with no receiver; FormCreate has not run.
struct WindowUnderTest {
    WindowUnderTest() : window(std::make_unique<TForm1>(env.Make())) {}

    TestServices env;
    std::shared_ptr<TestDeviceClock>& clock = env.clock;
    std::shared_ptr<RecordingPrompts>& prompts = env.prompts;
    std::unique_ptr<TForm1> window;
};
