#pragma once

#include "protocol/receiver/MouseOptions.h"
#include "protocol/receiver/OptionChange.h"
#include "window/receiver/ChoiceHistory.h"

#include <array>

// What each option group has shown, and the writes an option change makes through the
// direct register, CPI set-up and index register boxes.
struct OptionsState {
    std::array<ChoiceHistory, kOptionGroupCount> history;
    ChoiceHistory autoConnect;
    OptionChange::Writes writes;
};
