// Every sequence of the window on the simulated receiver with the real clock, the receiver
// answering at once: the wall time of each run against the sum of the waits its protocol asks
// for (their ratio is what the window adds on top), and the CPU time it costs.
//
//     bench_sequences [runs] [part of a sequence's name: only those]
#include "SimWindow.h"
#include "protocol/receiver/ReceiverState.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include <cstdlib>

namespace {

using bench::PrintRow;
using bench::Repeat;

class Bench {
public:
    Bench(bench::SimWindow& sim, int runs, QString only)
        : sim_(sim), window_(*sim.window), runs_(runs), only_(std::move(only))
    {
    }

    void Row(const char* name, const std::function<void(int)>& run,
             const std::function<void(int)>& before = {})
    {
        if (!Wanted(name))
            return;
        // A status tick the timer starts inside a measured pump would count as the sequence's.
        const auto prepare = [this, &before](int i) {
            window_.tmrStatus->stop();
            if (before)
                before(i);
        };
        PrintRow(name, Repeat(runs_, *sim_.clock, run, prepare));
    }

    bool Wanted(const char* name) const { return QString::fromLatin1(name).contains(only_); }

    template <class T>
    T* Find(const char* name) const
    {
        T* found = window_.Find<T>(QString::fromLatin1(name));
        if (!found) {
            std::fprintf(stderr, "no control %s\n", name);
            std::exit(1);
        }
        return found;
    }

    // A user's click on one of two buttons in turn, so that every run changes something.
    void Alternate(const char* name, const char* first, const char* second)
    {
        if (!Wanted(name))
            return;
        auto* a = Find<QAbstractButton>(first);
        auto* b = Find<QAbstractButton>(second);
        a->click();  // a known start, outside the measurement
        Row(name, [a, b](int i) { (i % 2 == 0 ? b : a)->click(); });
    }

    // A user's choice in a list, alternating between two entries.
    void Choose(const char* name, const char* list, int first, int second)
    {
        if (!Wanted(name))
            return;
        auto* combo = Find<QComboBox>(list);
        const auto choose = [combo](int index) {
            combo->setCurrentIndex(index);
            emit combo->activated(index);
        };
        choose(first);
        Row(name, [&](int i) { choose(i % 2 == 0 ? second : first); });
    }

    // Types into a box and clicks a button, alternating between two texts.
    void TypeAndClick(const char* name, const char* box, const char* button, const char* first,
                      const char* second)
    {
        auto* edit = Find<QLineEdit>(box);
        auto* click = Find<QAbstractButton>(button);
        Row(name, [&](int i) {
            edit->setText(QString::fromLatin1(i % 2 == 0 ? second : first));
            click->click();
        });
    }

    TForm1& window() { return window_; }

private:
    bench::SimWindow& sim_;
    TForm1& window_;
    int runs_;
    QString only_;
};

void StatusTicks(Bench& b)
{
    TForm1& window = b.window();
    ReceiverState& state = window.State();
    b.Row("status tick", [&](int) { window.tmrStatusTimer(window.tmrStatus); },
          [&](int) { state.SettingsRead = true; });
    window.SetEngineeringMode(true);
    b.Row("status tick, engineering (+ maps)",
          [&](int) { window.tmrStatusTimer(window.tmrStatus); },
          [&](int) { state.SettingsRead = true; });
    window.SetEngineeringMode(false);
}

void PairingSteps(Bench& b, ReceiverModel& firmware)
{
    TForm1& window = b.window();
    firmware.setPairing({ReceiverModel::kNever, false, 0});  // ticks find nothing, until the time-out
    auto* connect = b.Find<QAbstractButton>("btnCombo_Cmd_Soft_Bind_SW");
    b.Row("pairing start (Connect)", [&](int) { window.btnCombo_Cmd_Soft_Bind_SWClick(connect); },
          [&](int) { window.tmrSoftBind->stop(); });
    b.Row("pairing tick", [&](int) { window.tmrSoftBindTimer(window.tmrSoftBind); },
          [&](int) {
              // Stay before the time-out tick: a new pairing every ten ticks.
              if (!window.tmrSoftBind->isActive() || window.State().BindTickCounter >= 10)
                  window.btnCombo_Cmd_Soft_Bind_SWClick(connect);
          });
    window.tmrSoftBind->stop();
    window.tmrStatus->stop();
}

void Options(Bench& b)
{
    b.Alternate("option: L+R CPI switch", "rbRF_DR_15", "rbRF_DR_1A");
    b.Alternate("option: CPI high / low", "rbRF_CPI_H", "rbRF_CPI_L");
    b.Alternate("option: power saving", "rbRF_DR_45", "rbRF_DR_4F");
    b.Alternate("option: wake-up source", "rbRF_DR_25", "rbRF_DR_2A");
    b.Choose("option: battery-low level", "cbRF_Set_BTY_Low_Level", 2, 5);
    b.Alternate("option: auto connect", "rbRF_DR_5A", "rbRF_DR_55");
}

}  // namespace

int main(int argc, char** argv)
{
    bench::DefaultToOffscreen();
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

    bench::SimWindow sim;
    const double wall0 = bench::WallMs();
    if (!sim.Start()) {
        std::fprintf(stderr, "the simulated receiver was not attached\n");
        return 1;
    }
    std::printf("window built, started and attached in %.1f ms\n", bench::WallMs() - wall0);
    Bench b(sim, runs, argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
    TForm1& window = b.window();
    window.tmrStatus->stop();

    bench::PrintHeader();
    b.Row("attach (device change)",
          [&](int) { window.HidDeviceController1DeviceChange(nullptr); },
          [&](int) { window.tmrStatus->stop(); });
    window.tmrStatus->stop();
    StatusTicks(b);
    PairingSteps(b, *sim.firmware);
    Options(b);
    b.Row("settings read-back", [&](int) { window.btnRdRFSettingClick(nullptr); });
    b.Choose("hotkey store", "cbCustKey1", 3, 7);
    b.TypeAndClick("VID write", "edtVID_SET", "btnEEPROM_W_VID", "7A3C", "7A3D");
    b.TypeAndClick("string write", "edtEEPROM_20", "btnEEPROM_W_20", "2.4G RF Receiver",
                   "Bench Receiver 2");
    auto* special2 = b.Find<QAbstractButton>("btnSpecialCmd2");
    b.Row("special command 2", [&](int) { special2->click(); });

    window.tmrStatus->stop();
    if (sim.prompts->messages > 0)
        std::printf("(%d messages shown: some runs did not complete)\n", sim.prompts->messages);
    return 0;
}
