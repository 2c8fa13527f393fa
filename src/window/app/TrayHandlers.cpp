// What the status tick tells the tray: the readings its battery notices depend on.
#include "protocol/device/Commands.h"
#include "protocol/device/DeviceClock.h"
#include "protocol/device/SpecialCommands.h"
#include "protocol/receiver/StatusPoll.h"
#include "window/app/BatteryTray.h"
#include "window/app/MainWindow.h"
#include "window/controls/ProgBar.h"
#include "window/receiver/StatusHandlers.h"

void TForm1::noteBatteryTick(const std::optional<SpecialReply>& bindingStatus)
{
    const std::optional<BatteryLevels>& levels = status_->tickBattery;
    // Searching, unsettled or unanswered, the mouse's level is the last one the receiver heard.
    const bool mouseInReach = MouseInReach(bindingStatus).value_or(false);
    const BatteryReading mouse{levels ? std::optional<int>(levels->mouse) : std::nullopt,
                               int(pbMseBattery->Max()), mouseInReach};
    std::optional<BatteryReading> keyboard;
    if (pbKbdBattery->isVisibleTo(this))
        keyboard = BatteryReading{levels ? std::optional<int>(levels->keyboard) : std::nullopt,
                                  int(pbKbdBattery->Max()), false};
    trayBattery->noteTick(
        mouse, keyboard, [this] { return keyboardSendsPackets(); }, Clock().nowMs());
}

bool TForm1::keyboardSendsPackets()
{
    // KBD_SN counts the keyboard's packets: it moved since the last look when packets came.
    const std::optional<SpecialReply> reply = runSpecialCommand(Cmd::Special::kRadio);
    if (!reply)
        return false;
    const quint8 serial = reply->bytes[2];
    const bool moved = status_->keyboardSerial && *status_->keyboardSerial != serial;
    status_->keyboardSerial = serial;
    return moved;
}
