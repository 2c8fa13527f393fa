#pragma once

#include "protocol/device/RfAccess.h"
#include "protocol/receiver/MouseOptions.h"

#include <QString>

#include <functional>

class CommandChannel;

// Reads the settings stored in the mouse back, step by step: the hotkeys, then in passes of RF
// access the L+R CPI switch, the CPI, power saving while unlinked, the wake-up source and the
// battery-low level. The position counts the finished steps; a step whose read fails ends its
// pass, and the next pass resumes at that step. At most 50 passes.
class SettingsReadBack {
public:
    static constexpr int kLastPosition = 6;
    static constexpr int kAccessSettleMs = 50;
    static constexpr int kPairGapMs = 10;
    // CPI read-outs in one pass before the CPI step is given up for that pass.
    static constexpr int kCpiReadOutsPerPass = 3;

    // What the window does for the steps.
    struct Hooks {
        std::function<void()> readHotkeys;
        // One CPI read-out; true once a CPI choice is on show.
        std::function<bool()> readCpi;
        // Shows a choice decoded from the mouse's answer, sending nothing.
        std::function<void(OptionGroup group, int choice)> show;
        std::function<void(int position)> progress;
        std::function<void(const QString& line)> debug;
    };

    struct Result {
        int position = 0;
        int passes = 0;
        // The receiver went or was replaced: the run ended there, sending nothing more.
        bool receiverGone = false;
        // Another process held the receiver: nothing was read.
        bool refused = false;
    };

    explicit SettingsReadBack(CommandChannel& channel) : channel_(channel), rf_(channel) {}

    Result Run(const Hooks& hooks);

private:
    // The step that takes the position from `position` to `position + 1`, for positions 1..5.
    static OptionGroup StepAfter(int position);
    bool ReadPair(OptionGroup group, const Hooks& hooks);
    bool ReadCpi(const Hooks& hooks);
    // Runs the steps left in one pass; false when one of them failed.
    bool RunPass(int& position, const Hooks& hooks);

    CommandChannel& channel_;
    RfAccess rf_;
};
