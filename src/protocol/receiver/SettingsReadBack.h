#pragma once

#include "protocol/device/RfAccess.h"
#include "protocol/receiver/SettingsTable.h"

#include <QString>

#include <functional>
#include <vector>

class CommandChannel;

// Reads the settings stored in the mouse back, step by step, in the order of their read-back
// positions: the hotkeys first, then in passes of RF access each mouse setting. The position
// counts the finished steps; a step whose read fails ends its pass, and the next pass resumes
// at that step. At most 50 passes.
class SettingsReadBack {
public:
    static constexpr int kAccessSettleMs = 50;
    static constexpr int kPairGapMs = 10;
    // CPI read-outs in one pass before the CPI step is given up for that pass.
    static constexpr int kCpiReadOutsPerPass = 3;

    // What the caller does for the steps.
    struct Hooks {
        std::function<void()> readHotkeys;
        // One CPI read-out; true once a CPI choice is on show.
        std::function<bool()> readCpi;
        // Shows a choice decoded from the mouse's answer, sending nothing.
        std::function<void(const SettingRow& row, int choice)> show;
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

    explicit SettingsReadBack(CommandChannel& channel);

    Result run(const Hooks& hooks);

private:
    bool readPair(const SettingRow& row, const Hooks& hooks);
    bool readCpi(const Hooks& hooks);
    // Runs the steps left in one pass; false when one of them failed.
    bool runPass(int& position, const Hooks& hooks);

    CommandChannel& channel_;
    RfAccess rf_;
    // The mouse's settings in read-back order; the step to position p + 1 is steps_[p - 1].
    std::vector<const SettingRow*> steps_;
};
