#pragma once

#include "protocol/device/RfAccess.h"
#include "protocol/receiver/SettingsTable.h"

#include <QString>

#include <functional>
#include <optional>

class CommandChannel;

// Changes one of the mouse's settings and checks that the mouse took it. Each pass enters RF
// access, sends the choice (an option code to the option register, or the CPI setup command),
// reads the mouse's answer from its RF EEPROM and decodes it by the setting's row; at most 50
// passes, then access is left.
class OptionChange {
public:
    static constexpr int kAccessSettleMs = 50;
    static constexpr int kWriteSettleMs = 50;
    static constexpr int kPairGapMs = 10;

    // How a choice reaches the mouse. Unset members go straight through RfAccess; the window
    // sends through its register boxes, which then show the last operands.
    struct Writes {
        std::function<void(quint8 code)> optionCode;
        std::function<void(quint8 value)> cpiSetup;
        std::function<void(quint8 address, quint8 data)> indexRegister;
    };

    enum class Outcome {
        Taken,         // the device answered the wanted choice (or confirmed it)
        NotTaken,      // 50 passes without it
        Withdrawn,     // nothing was wanted any more
        ReceiverGone,  // the receiver went or was replaced: nothing more was sent
        MouseSilent,   // the mouse's packets did not reach the receiver: nothing was sent
    };
    struct Result {
        Outcome outcome = Outcome::NotTaken;
        int passes = 0;
        // The choice of the last pass whose reads all succeeded.
        std::optional<int> answered{};
    };

    explicit OptionChange(CommandChannel& channel, Writes writes = {});

    // Receives the "<name> V %x V_C %x" line of each pass, for the rows that log them.
    void setDebugLog(std::function<void(const QString&)> log) { log_ = std::move(log); }

    // `wanted` gives the choice to bring the mouse to; it is asked again before each write and
    // each check, because the window's selection may change while the exchanges let events run
    // (a second change started meanwhile). A choice outside the row withdraws the change.
    Result run(const SettingRow& row, const std::function<int()>& wanted);

    // A setting the mouse keeps no answer to: one pass, not read back; an index register the
    // choice names is cleared first.
    void sendOnly(const SettingRow& row, int choice);

private:
    struct Answer {
        int first = -1;
        int second = -1;
    };

    void sendChoice(const SettingRow& row, quint16 code);
    void sendOptionCode(quint8 code);
    Answer readAnswer(const SettingRow& row);
    void leaveAccess();

    CommandChannel& channel_;
    RfAccess rf_;
    Writes writes_;
    std::function<void(const QString&)> log_;
};
