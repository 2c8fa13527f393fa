#pragma once

#include "protocol/engineering/TestModeCommands.h"

// The RF test modes' protocol half.
struct TestModeState {
    explicit TestModeState(CommandChannel& channel) : commands(channel) {}

    TestModeCommands commands;
};
