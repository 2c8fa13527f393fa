#include "GuestSequences.h"

#include "protocol/device/HidController.h"
#include "protocol/device/RfAccess.h"
#include "protocol/device/SpecialCommands.h"
#include "protocol/device/linux/LinuxHidBackend.h"
#include "protocol/receiver/CustomKeys.h"
#include "protocol/receiver/EepromMap.h"
#include "protocol/receiver/OptionChange.h"
#include "protocol/receiver/Pairing.h"
#include "protocol/receiver/ReceiverState.h"
#include "protocol/receiver/SettingsReadBack.h"
#include "protocol/receiver/StatusReadouts.h"
#include "protocol/receiver/UsbIdentity.h"
#include "sim/ReceiverModel.h"
#include "sim/SimHidBackend.h"
#include "sim/SimReceivers.h"
#include "window/app/MainWindow.h"
#include "window/controls/ProgBar.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>

#include <algorithm>

namespace {

// What the window shows of the receiver after a window sequence.
QString Shown(TForm1& window)
{
    QStringList shown;
    for (const char* name : {"edtVID", "edtPID", "edtCPI", "cbCustKey1", "cbCustKey2", "rbRF_CPI_H",
                             "rbRF_CPI_L", "pbMseBattery", "pbKbdBattery", "imgConnected"}) {
        QObject* control = window.FindComponent(QString::fromLatin1(name));
        QString value;
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            value = edit->text();
        else if (auto* combo = qobject_cast<QComboBox*>(control))
            value = combo->currentText();
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            value = button->isChecked() ? QStringLiteral("checked") : QStringLiteral("-");
        else if (auto* gauge = qobject_cast<TProgBar*>(control))
            value = QStringLiteral("%1/%2").arg(gauge->Value()).arg(gauge->Max());
        else if (auto* widget = qobject_cast<QWidget*>(control))
            value = widget->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown");
        shown << QStringLiteral("%1=%2").arg(QString::fromLatin1(name), value);
    }
    return shown.join(QLatin1Char(' '));
}

QString Pair(TForm1& window, DeviceClock& clock)
{
    CommandChannel& channel = window.Channel();
    SpecialCommands special(channel);
    Pairing pairing(channel, special);
    const std::optional<LinkStatus> held = pairing.start();
    if (!held)
        return QStringLiteral("no stable reading");
    for (int tick = 1; tick <= Pairing::kTimeoutTick; ++tick) {
        clock.sleep(1000);
        const Pairing::TickResult result = pairing.tick(tick, *held, {}, {});
        if (result.outcome != Pairing::Outcome::Pairing)
            return QStringLiteral("outcome %1 at tick %2, mouse %3 keyboard %4")
                .arg(int(result.outcome))
                .arg(tick)
                .arg(result.now.mouseId)
                .arg(result.now.keyboardId);
    }
    return QStringLiteral("still pairing");
}

QString ChangeOption(TForm1& window, const char* setting, const char* value)
{
    const SettingRow& row = *FindSetting(QString::fromLatin1(setting));
    const int choice = *ChoiceNamed(row, QString::fromLatin1(value));
    const OptionChange::Result result =
        OptionChange(window.Channel()).run(row, [choice] { return choice; });
    return QStringLiteral("outcome %1 after %2 passes, answered %3")
        .arg(int(result.outcome))
        .arg(result.passes)
        .arg(result.answered.value_or(-1));
}

QString ReadBack(TForm1& window)
{
    CommandChannel& channel = window.Channel();
    SpecialCommands special(channel);
    RfAccess rf(channel);
    StatusReadouts readouts(channel, special, rf);
    QStringList shown;
    SettingsReadBack::Hooks hooks;
    hooks.readHotkeys = [] {};
    hooks.readCpi = [&] { return readouts.readCpi().has_value(); };
    hooks.show = [&](const SettingRow& row, int choice) {
        shown << QStringLiteral("%1:%2").arg(QLatin1String(row.cliName)).arg(choice);
    };
    const SettingsReadBack::Result result = SettingsReadBack(channel).run(hooks);
    return QStringLiteral("position %1 after %2 passes: %3")
        .arg(result.position)
        .arg(result.passes)
        .arg(shown.join(' '));
}

QString WriteIdentityPair(TForm1& window, quint8 highWord, quint8 lowWord, quint16 value)
{
    CommandChannel& channel = window.Channel();
    const bool stored = UsbIdentity::WriteByte(channel, highWord, quint8(value >> 8)) &&
                        UsbIdentity::WriteByte(channel, lowWord, quint8(value));
    return QStringLiteral("stored %1, words %2 %3")
        .arg(stored)
        .arg(channel.EepromReadWord(highWord), 0, 16)
        .arg(channel.EepromReadWord(lowWord), 0, 16);
}

QString WriteString(TForm1& window, const QString& text)
{
    CommandChannel& channel = window.Channel();
    const bool stored = UsbIdentity::WriteByte(channel, EepromWord::kStringLength,
                                               UsbIdentity::LengthByte(int(text.size()))) &&
                        UsbIdentity::WriteStringWords(channel, UsbIdentity::PackString(text));
    return QStringLiteral("stored %1, read '%2'")
        .arg(stored)
        .arg(UsbIdentity::ReadString(channel, int(text.size())).value_or(QStringLiteral("(none)")));
}

}  // namespace

const std::vector<Sequence>& Sequences()
{
    // clang-format off
    static const std::vector<Sequence> sequences{
        // As a device notification starts it: through the controller.
        {"attach", {}, [](TForm1& w, DeviceClock&) { w.Controller()->HandleNotification(-1); return Shown(w); }},
        {"status tick", {}, [](TForm1& w, DeviceClock&) {
             w.State().SettingsRead = true;
             w.tmrStatusTimer(w.tmrStatus);
             return Shown(w);
         }},
        {"pairing to success", [](ReceiverModel& f) { f.setPairing({2500, false, 0}); }, Pair},
        {"pairing to time-out", [](ReceiverModel& f) { f.setPairing({ReceiverModel::kNever, false, 0}); }, Pair},
        {"option: L+R CPI switch", {}, [](TForm1& w, DeviceClock&) { return ChangeOption(w, "lr-cpi-switch", "disable"); }},
        {"option: CPI", {}, [](TForm1& w, DeviceClock&) { return ChangeOption(w, "cpi", "high"); }},
        {"option: power saving", {}, [](TForm1& w, DeviceClock&) { return ChangeOption(w, "power-saving", "on"); }},
        {"option: wake-up source", {}, [](TForm1& w, DeviceClock&) { return ChangeOption(w, "wakeup", "button-only"); }},
        {"option: battery-low level", {}, [](TForm1& w, DeviceClock&) { return ChangeOption(w, "battery-low", "2.0"); }},
        {"option: auto connect", {}, [](TForm1& w, DeviceClock&) {
             const SettingRow& row = *FindSetting(QStringLiteral("auto-connect"));
             OptionChange(w.Channel()).sendOnly(row, *ChoiceNamed(row, QStringLiteral("on")));
             return QString();
         }},
        {"read-back", {}, [](TForm1& w, DeviceClock&) { return ReadBack(w); }},
        {"hotkey store", {}, [](TForm1& w, DeviceClock&) {
             const quint8 first = FindSetting(QStringLiteral("hotkey1"))->address;
             const bool stored = Hotkeys::Store(w.Channel(), first, 0x0192);
             return QStringLiteral("stored %1, reads %2").arg(stored).arg(Hotkeys::Read(w.Channel(), first, {}).value_or(0), 0, 16);
         }},
        {"VID write", {}, [](TForm1& w, DeviceClock&) { return WriteIdentityPair(w, EepromWord::kVidHigh, EepromWord::kVidLow, 0x7A3D); }},
        {"PID write", {}, [](TForm1& w, DeviceClock&) { return WriteIdentityPair(w, EepromWord::kPidHigh, EepromWord::kPidLow, 0x0E42); }},
        {"string write", {}, [](TForm1& w, DeviceClock&) { return WriteString(w, QStringLiteral("Guest Receiver")); }},
        {"special command 2", {}, [](TForm1& w, DeviceClock&) {
             const std::optional<SpecialReply> reply = SpecialCommands(w.Channel()).Run(2);
             return reply ? ReportLog::hex(reply->bytes.data(), int(reply->bytes.size())) : QStringLiteral("none");
         }},
    };
    // clang-format on
    return sequences;
}

Side::~Side() = default;

bool Side::Attach(std::shared_ptr<HidBackend> backend)
{
    window_ = std::make_unique<GuestWindow>(std::move(backend), clock);
    window_->holdTimers();
    return window().Receiver() != nullptr;
}

SimSide::SimSide()
    : firmware_(SimReceivers::defaultFirmware()), backend_(std::make_shared<SimHidBackend>(clock))
{}

bool SimSide::Start()
{
    backend_->plug(SimReceivers::receiverProfile(), firmware_);
    return Attach(backend_);
}

void SimSide::withFirmware(const std::function<void(ReceiverModel&)>& change)
{
    change(*firmware_);
}

qint64 SimSide::mark()
{
    return backend_->log().mark();
}

std::vector<QString> SimSide::transcriptSince(qint64 mark)
{
    return Transcript(backend_->log().since(mark));
}

KernelSide::KernelSide()
    : receiver_(SimReceivers::receiverProfile(), SimReceivers::defaultFirmware(), clock),
      backend_(std::make_shared<CountingBackend>(CreateLinuxHidBackend()))
{}

bool KernelSide::Start()
{
    // Every udev event of the plug is out before the window's monitor starts listening, so
    // that no late one starts a device change inside a sequence.
    return receiver_.plug() &&
           QProcess::execute(QStringLiteral("udevadm"),
                             {QStringLiteral("settle"), QStringLiteral("--timeout=10")}) == 0 &&
           Attach(backend_);
}

void KernelSide::withFirmware(const std::function<void(ReceiverModel&)>& change)
{
    receiver_.device().withState([&](ReceiverModel* firmware, SimFaults&) { change(*firmware); });
}

qint64 KernelSide::mark()
{
    return receiver_.device().logMark();
}

std::vector<QString> KernelSide::transcriptSince(qint64 mark)
{
    return receiver_.transcriptSince(mark);
}

SequenceRun RunOn(Side& side, const Sequence& sequence)
{
    if (sequence.prepare)
        side.withFirmware(sequence.prepare);
    const qint64 mark = side.mark();
    const qint64 started = side.clock->nowMs();
    SequenceRun run;
    side.window().Guarded([&] { run.result = sequence.run(side.window(), *side.clock); });
    run.waitedMs = side.clock->nowMs() - started;
    run.reports = side.transcriptSince(mark);
    return run;
}

KernelSide::RemovalRun KernelSide::RunWithRemoval(const Sequence& sequence, int call)
{
    receiver_.device().withState(
        [call](ReceiverModel*, SimFaults& faults) { faults.unplugAtExchange(call); });
    RemovalRun run;
    run.mark = mark();
    const int callsBefore = backend_->calls();
    RunOn(*this, sequence);
    const std::vector<ReportLogEntry> seen = receiver_.device().logSince(run.mark);
    // What the device plugged in again took is the window's attach, not a failed call.
    run.failedAfter = backend_->calls() - callsBefore - int(seen.size());
    const auto removal =
        std::find_if(seen.begin(), seen.end(), [](const ReportLogEntry& e) { return !e.ok; });
    run.waitedAfterMs = removal == seen.end() ? -1 : clock->nowMs() - removal->timeMs;
    return run;
}
