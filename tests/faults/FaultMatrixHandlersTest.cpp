// Every sequence of exchanges the window runs, against every fault the simulated receiver can
// inject: a flaky radio link, a receiver pulled out at any exchange, a broken device. Each run
// must end within the sequence's bound of virtual time (docs/device-loops.md), neither exchange
// nor wait once the window knows the receiver is gone, and leave the window right after the next
// device change, with nothing set that blocks a later sequence.
#include "protocol/device/DeviceClock.h"
#include "protocol/device/HidController.h"
#include "protocol/receiver/ReceiverState.h"
#include "sim/MouseModel.h"
#include "sim/ReceiverEeprom.h"
#include "sim/ReceiverModel.h"
#include "sim/SimFaults.h"
#include "sim/SimHidBackend.h"
#include "sim/SimReceivers.h"
#include "testing/SimSession.h"
#include "window/app/MainWindow.h"
#include "window/app/ProgressWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <random>

namespace {

// Worst cases in milliseconds of virtual time, composed as docs/device-loops.md composes them.
namespace Bound {
constexpr qint64 kEepromRead = 50 * (2 + 2);
constexpr qint64 kEepromWrite = 50 * (12 + kEepromRead);
constexpr qint64 kRfQuery = 50 * (5 + 5);
constexpr qint64 kPolledRead = 50 * (2 + 2);
constexpr qint64 kSpecial = 50 * (2 + 2);
constexpr qint64 kSpecial4 = 10 * kSpecial;
constexpr qint64 kLinkCheck = 4 * kSpecial + 2 * 10 + 2 * 50 + kRfQuery;
constexpr qint64 kCpiReadOut = kLinkCheck + kPolledRead;
constexpr qint64 kHotkeysRead = 4 * kEepromRead;
constexpr qint64 kPairRead = kRfQuery + 10 + kRfQuery;
constexpr qint64 kReadBackPass = 50 + 4 * kPairRead + (50 + 3 * kPolledRead + 50);
constexpr qint64 kReadBack = 50 + kHotkeysRead + 50 * kReadBackPass + kLinkCheck + 50;
constexpr qint64 kStableReading = 19 * (2 + 5 + 2);
constexpr qint64 kStatusTick =
    kPolledRead + kCpiReadOut + 2 * kSpecial + kSpecial4 + kLinkCheck + 50 + kReadBack;
constexpr qint64 kPairingTick = kStableReading + 10 * kSpecial4 + kLinkCheck + 50 + kReadBack;
constexpr qint64 kOptionPair = 50 * (50 + 50 + kPairRead) + 100;
constexpr qint64 kOptionCpi = 50 * (50 + 50 + kRfQuery) + 100;
constexpr qint64 kAttach = 50 + kPolledRead + kCpiReadOut + kHotkeysRead + 2 * kEepromWrite;
constexpr qint64 kHotkeyStore = 2 * kEepromWrite + kHotkeysRead;
constexpr qint64 kStringRead = kEepromRead + 23 * kEepromRead;
constexpr qint64 kStringWrite = kEepromWrite + 23 * kEepromWrite;
constexpr qint64 kRfEepromWrite = 50 * (8 + kRfQuery);
constexpr qint64 kConsoleReads = 4 * kRfQuery + kEepromRead + 3 * kSpecial;
}  // namespace Bound

// Factory-fresh firmware with both hotkeys stored, so that reading them takes every word.
std::shared_ptr<ReceiverModel> FirmwareWithHotkeys()
{
    auto firmware = SimReceivers::defaultFirmware();
    const quint16 words[] = {0x926D, 0x01FE, 0xCD32, 0x00FF};  // CALCULATOR, PLAY/PAUSE
    for (quint8 i = 0; i < 4; ++i)
        firmware->eeprom().setWord(quint8(3 + i), words[i]);
    return firmware;
}

// The window on the simulated receiver, replugged between runs, with the moment the window
// learns of a removal noted.
class Rig {
public:
    Rig()
    {
        session_.clock().setProcessEvents(true);  // a device change arrives where events run
        auto* controller = window().Controller();
        controller->OnDeviceChange = [this, handle = controller->OnDeviceChange](QObject* sender) {
            handle(sender);
            if (watching_ && !window().Receiver() && !removal_)
                removal_ = Removal{session_.log().mark(), session_.clock().nowMs()};
        };
    }

    struct Removal {
        qint64 mark;
        qint64 timeMs;
    };

    TForm1& window() const { return session_.window(); }
    SimSession& session() { return session_; }
    ReceiverModel& firmware() { return *firmware_; }
    SimFaults& faults() { return session_.backend().faults(device_); }
    template <class T = QObject>
    T* Find(const char* name) const
    {
        return session_.Find<T>(QString::fromLatin1(name));
    }
    void SetText(const char* name, const char* text)
    {
        Find<QLineEdit>(name)->setText(QString::fromLatin1(text));
    }
    void Deliver() { session_.DeliverEvents(); }

    void Unplug()
    {
        session_.Unplug(device_);
        Deliver();
    }
    // The receiver plugged in again; the window hears of it at the next delivery.
    void PlugUndelivered() { device_ = session_.Plug(SimReceivers::receiverProfile(), firmware_); }

    bool Plugged() const { return session_.backend().isPlugged(device_); }

    void Watch(bool on)
    {
        watching_ = on;
        if (on)
            removal_.reset();
    }
    const std::optional<Removal>& removal() const { return removal_; }

    // What faults and preparations changed on the firmware and the window.
    void Restore()
    {
        faults().clear();
        firmware_->setReplyDelayMs(0);
        firmware_->setPairing({});
        firmware_->setBindingUnsettled(0);
        firmware_->mouse().setInReach(true);
        window().SetEngineeringMode(false);
    }

private:
    std::shared_ptr<ReceiverModel> firmware_ = FirmwareWithHotkeys();
    SimSession session_{[this] {
        SimSession::Options options;
        options.firmware = firmware_;
        return options;
    }()};
    int device_ = session_.receiverId();
    bool watching_ = false;
    std::optional<Removal> removal_;
};

struct Sequence {
    const char* name;
    qint64 boundMs;
    std::function<void(Rig&)> prepare;  // runs fault-free, before the fault is armed
    std::function<void(Rig&)> run;
};

void PrintTo(const Sequence& sequence, std::ostream* out)
{
    *out << sequence.name;
}

struct Fault {
    std::string name;
    std::function<void(Rig&)> arm;
};

void Nothing(Rig&) {}

Sequence OptionChange(const char* name, qint64 bound, const char* button)
{
    // The button is cleared first, so that the click is a change.
    return {name, bound,
            [button](Rig& r) { r.window().SetChecked(r.Find<QRadioButton>(button), false); },
            [button](Rig& r) { r.session().Click(QString::fromLatin1(button)); }};
}

Sequence PairingTick(const char* name, std::function<void(Rig&)> beforeStart, int ticksDone)
{
    return {name, Bound::kPairingTick,
            [beforeStart, ticksDone](Rig& r) {
                beforeStart(r);
                r.window().btnCombo_Cmd_Soft_Bind_SWClick(nullptr);
                r.window().State().BindTickCounter = ticksDone;
            },
            [](Rig& r) { r.window().tmrSoftBindTimer(nullptr); }};
}

void ConsoleReads(Rig& r)
{
    TForm1& w = r.window();
    w.btnC_RF_Rd_Direct_RegClick(nullptr);
    w.btnC_RF_Rd_Index_RegClick(nullptr);
    w.btnC_RF_Rd_SensorClick(nullptr);
    w.btnC_RF_Rd_EEPROMClick(nullptr);
    w.btnEEPROM_R_00Click(r.Find("btnEEPROM_R_02"));
    for (const char* button : {"btnSpecialCmd1", "btnSpecialCmd2", "btnSpecialCmd3"})
        w.btnSpecialCmd1Click(r.Find(button));
}

void ConsoleWrites(Rig& r)
{
    TForm1& w = r.window();
    r.SetText("edtTXdata", "A5");
    r.SetText("edtTestFreq", "127");
    w.btnC_RF_Wrt_Direct_RegClick(nullptr);
    w.btnC_RF_Wrt_Index_RegClick(nullptr);
    w.btnC_RF_Wrt_SensorClick(nullptr);
    w.btnC_RF_SETUP_CPIClick(nullptr);
    w.rbC_RF_ENTER_ACCESS_W_LEDClick(nullptr);
    w.rbC_RF_LEAVE_ACCESSClick(nullptr);
    w.btnC_ENTER_ACCESSClick(nullptr);
    w.btnC_LEAVE_ACCESSClick(nullptr);
    w.btnC_Enable_RSSIClick(nullptr);
    w.btnC_Disable_RSSIClick(nullptr);
    w.btnC_JUMP_TO_PORClick(nullptr);
    w.rbTestOnClick(nullptr);
    w.btnC_Combo_Cmd_Set_Test_Mode_Tx_DataClick(nullptr);
    w.btnC_Combo_Cmd_Test_Freq_ModeClick(nullptr);
    w.btnTestMode1Click(r.Find("btnTestMode7"));
    w.rbMSEClick(nullptr);
    w.btnUpdateCustKeyClick(nullptr);
}

std::vector<Sequence> Sequences()
{
    using namespace Bound;
    return {
        {"Attach", kAttach,
         [](Rig& r) {
             r.Unplug();
             r.PlugUndelivered();
         },
         [](Rig& r) { r.Deliver(); }},
        {"PairingStart", kStableReading, Nothing,
         [](Rig& r) { r.window().btnCombo_Cmd_Soft_Bind_SWClick(nullptr); }},
        PairingTick("PairingTick", Nothing, 0),
        PairingTick(
            "PairingTickFindingANewMouse",
            [](Rig& r) {
                r.firmware().setPairing({0, false, 0});
            },
            0),
        PairingTick("PairingTickTimingOut", Nothing, 15),
        {"StatusTickWithEverythingDue", kStatusTick,
         [](Rig& r) {
             r.window().SetEngineeringMode(true);
             r.window().State().SettingsRead = false;
             r.window().State().CpiChanged = true;
             r.Find<QRadioButton>("rbRF_CPI_H")->setChecked(true);
         },
         [](Rig& r) { r.window().tmrStatusTimer(nullptr); }},
        {"StatusTickWithSettingsRead", kStatusTick,
         [](Rig& r) {
             r.window().State().SettingsRead = true;
             r.window().State().PrevBindingStatusBB = false;
         },
         [](Rig& r) { r.window().tmrStatusTimer(nullptr); }},
        OptionChange("LrCpiSwitchChange", kOptionPair, "rbRF_DR_15"),
        OptionChange("CpiChange", kOptionCpi, "rbRF_CPI_L"),
        OptionChange("PowerSavingChange", kOptionPair, "rbRF_DR_4F"),
        OptionChange("WakeupChange", kOptionPair, "rbRF_DR_2A"),
        {"BatteryLowChange", kOptionPair,
         [](Rig& r) { r.Find<QComboBox>("cbRF_Set_BTY_Low_Level")->setCurrentIndex(-1); },
         [](Rig& r) { r.session().Choose(QStringLiteral("cbRF_Set_BTY_Low_Level"), 3); }},
        OptionChange("AutoConnectChange", 150, "rbRF_DR_5A"),
        {"ReadBack", kReadBack, Nothing, [](Rig& r) { r.window().btnRdRFSettingClick(nullptr); }},
        {"HotkeyStore", kHotkeyStore, Nothing,
         [](Rig& r) { r.session().Choose(QStringLiteral("cbCustKey1"), 5); }},
        {"HotkeyRead", kHotkeysRead, Nothing,
         [](Rig& r) { r.window().btnGetCustKeyClick(nullptr); }},
        {"VidRead", 2 * kEepromRead, Nothing,
         [](Rig& r) { r.window().btnEEPROM_R_VIDClick(nullptr); }},
        {"VidWrite", 2 * kEepromWrite, [](Rig& r) { r.SetText("edtVID_SET", "1A2B"); },
         [](Rig& r) { r.window().btnEEPROM_W_VIDClick(nullptr); }},
        {"PidRead", 2 * kEepromRead, Nothing,
         [](Rig& r) { r.window().btnEEPROM_R_PIDClick(nullptr); }},
        {"PidWrite", 2 * kEepromWrite, [](Rig& r) { r.SetText("edtPID_SET", "0E41"); },
         [](Rig& r) { r.window().btnEEPROM_W_PIDClick(nullptr); }},
        {"StringRead", kStringRead, Nothing,
         [](Rig& r) { r.window().btnEEPROM_R_20Click(nullptr); }},
        {"StringWrite", kStringWrite, [](Rig& r) { r.SetText("edtEEPROM_20", "RF Dongle"); },
         [](Rig& r) { r.window().btnEEPROM_W_20Click(nullptr); }},
        {"EepromByteWrite", kEepromWrite, [](Rig& r) { r.SetText("edtEEPROM_02", "5A"); },
         [](Rig& r) { r.window().btnEEPROM_W_00Click(r.Find("btnEEPROM_W_02")); }},
        {"RfEepromWrite", kRfEepromWrite,
         [](Rig& r) {
             r.SetText("edtRF_EEPROMAddr", "10");
             r.SetText("edtRF_EEPROMData", "12");
         },
         [](Rig& r) { r.window().btnC_RF_Wrt_EEPROMClick(nullptr); }},
        {"SpecialCommand4", kSpecial4, Nothing,
         [](Rig& r) { r.window().btnSpecialCmd1Click(r.Find("btnSpecialCmd4")); }},
        {"ConsoleReads", kConsoleReads, Nothing, ConsoleReads},
        {"ConsoleWrites", 0, Nothing, ConsoleWrites},
    };
}

// Acknowledged replies full of bytes no receiver would send.
void ScriptGarbage(SimFaults& faults, bool random)
{
    std::mt19937 bytes(20240613);
    for (int i = 0; i < 3000; ++i) {
        SimFaults::Report reply;
        for (quint8& b : reply)
            b = random ? quint8(bytes()) : 0xFF;
        reply[7] = 0xCC;
        faults.scriptReply(reply);
    }
}

std::vector<Fault> Faults()
{
    constexpr int kAlways = SimFaults::kAlways;
    return {
        {"no fault", Nothing},
        {"no acknowledgement", [](Rig& r) { r.faults().nackReplies(kAlways); }},
        {"three unacknowledged replies", [](Rig& r) { r.faults().nackReplies(3); }},
        {"every set fails", [](Rig& r) { r.faults().failSets(kAlways); }},
        {"one set fails", [](Rig& r) { r.faults().failSets(1); }},
        {"every get fails", [](Rig& r) { r.faults().failGets(kAlways); }},
        {"one get fails", [](Rig& r) { r.faults().failGets(1); }},
        {"byte 0 inverted", [](Rig& r) { r.faults().corruptReplies(kAlways, 0, 0xFF); }},
        {"byte 1 bit 0 flipped", [](Rig& r) { r.faults().corruptReplies(kAlways, 1, 0x01); }},
        {"byte 2 bit 7 flipped", [](Rig& r) { r.faults().corruptReplies(kAlways, 2, 0x80); }},
        {"acknowledged 0xFF bytes", [](Rig& r) { ScriptGarbage(r.faults(), false); }},
        {"acknowledged random bytes", [](Rig& r) { ScriptGarbage(r.faults(), true); }},
        {"mouse out of reach", [](Rig& r) { r.firmware().mouse().setInReach(false); }},
        {"binding status never settles", [](Rig& r) { r.firmware().setBindingUnsettled(1 << 20); }},
        {"replies 3 ms late", [](Rig& r) { r.firmware().setReplyDelayMs(3); }},
        {"replies 300 ms late", [](Rig& r) { r.firmware().setReplyDelayMs(300); }},
    };
}

// What the window must show: with a receiver attached afresh, or with none.
std::string WindowMismatch(Rig& r, bool attached)
{
    TForm1& w = r.window();
    std::string wrong;
    if (!attached && w.tmrStatus->isActive()) {
        // A store arms the status timer again at its end, whatever happened meanwhile; without a
        // receiver the next tick shows so, sends nothing and stops it.
        const qint64 mark = r.session().log().mark();
        w.tmrStatusTimer(nullptr);
        if (!r.session().log().since(mark).empty())
            wrong += "a tick without a receiver exchanged, ";
    }
    const auto expect = [&wrong](bool ok, const char* what) {
        if (!ok)
            wrong += std::string(wrong.empty() ? "" : ", ") + what;
    };
    const auto shown = [&](const char* name) { return r.Find<QWidget>(name)->isVisibleTo(&w); };
    expect(w.isEnabled(), "window disabled");
    expect(!w.ProgressWindow() || !w.ProgressWindow()->isVisible(), "progress window shown");
    expect(!w.State().ReadBackInProgress, "read-back flag set");
    expect(!w.tmrSoftBind->isActive(), "pairing timer armed");
    expect(r.Find<QPushButton>("btnCombo_Cmd_Soft_Bind_SW")->text() == QStringLiteral("&Connect"),
           "pairing caption");
    expect(!shown("gifBind"), "pairing picture shown");
    expect(!w.State().SettingsRead, "settings count as read");
    expect((w.Receiver() != nullptr) == attached, attached ? "no receiver" : "receiver kept");
    expect(shown("imgConnected") == attached, "connected picture");
    expect(shown("imgNoneDev") == !attached, "no-device picture");
    expect(w.tmrStatus->isActive() == attached, "status timer");
    expect(r.Find<QWidget>("btnCombo_Cmd_Soft_Bind_SW")->isEnabled() == attached, "controls");
    return wrong;
}

class FaultMatrix : public ::testing::TestWithParam<Sequence> {
protected:
    // Runs the sequence once against the fault and checks the run and what follows it. Returns
    // the number of feature calls the run made.
    int RunAgainst(const Fault& fault)
    {
        const Sequence& sequence = GetParam();
        const std::string where = std::string(sequence.name) + " with " + fault.name;
        SimSession& session = rig.session();
        sequence.prepare(rig);
        fault.arm(rig);
        rig.Watch(true);
        const qint64 start = session.clock().nowMs();
        const qint64 mark = session.log().mark();
        sequence.run(rig);
        const qint64 end = session.clock().nowMs();
        const int calls = int(session.log().since(mark).size());
        rig.Deliver();
        rig.Watch(false);
        EXPECT_EQ(rig.removal().has_value(), !rig.Plugged()) << where << ": removal not noticed";

        EXPECT_LE(end - start, sequence.boundMs) << where;
        if (const auto& removal = rig.removal()) {
            EXPECT_EQ(session.log().since(removal->mark).size(), 0u)
                << where << ": exchanged after the removal";
            EXPECT_EQ(end, removal->timeMs) << where << ": waited after the removal";
            EXPECT_EQ(WindowMismatch(rig, false), "") << where << ": after the removal";
        }
        EXPECT_TRUE(rig.window().isEnabled() && !rig.window().State().ReadBackInProgress) << where;

        rig.Restore();
        rig.Unplug();
        EXPECT_EQ(WindowMismatch(rig, false), "") << where << ": after unplugging";
        rig.PlugUndelivered();
        rig.Deliver();
        EXPECT_EQ(WindowMismatch(rig, true), "") << where << ": after plugging in again";

        // Nothing left set blocks the status tick or the sequence itself.
        rig.window().State().SettingsRead = true;
        qint64 probe = session.log().mark();
        rig.window().tmrStatusTimer(nullptr);
        const std::vector<QString> tick = session.SentSince(probe);
        EXPECT_TRUE(!tick.empty() && tick.front() == QStringLiteral("01 0A 00 00 00 00 00 00"))
            << where << ": status tick blocked";
        sequence.prepare(rig);
        probe = session.log().mark();
        sequence.run(rig);
        rig.Deliver();
        EXPECT_FALSE(session.SentSince(probe).empty()) << where << ": sequence blocked";
        return calls;
    }

    Rig rig;
};

TEST_P(FaultMatrix, EveryFaultEndsInTimeAndLeavesTheWindowRight)
{
    const std::vector<Fault> faults = Faults();
    const int calls = RunAgainst(faults.front());
    ASSERT_GT(calls, 0);
    for (size_t i = 1; i < faults.size(); ++i)
        RunAgainst(faults[i]);
    for (int n = 1; n <= calls; ++n)
        RunAgainst({"unplug at feature call " + std::to_string(n),
                    [n](Rig& r) { r.faults().unplugAtExchange(n); }});
}

INSTANTIATE_TEST_SUITE_P(AllSequences, FaultMatrix, ::testing::ValuesIn(Sequences()),
                         [](const auto& each) { return std::string(each.param.name); });

}  // namespace
