#include "protocol/device/DeviceClock.h"
#include "protocol/i18n/Lang.h"
#include "protocol/receiver/ReceiverState.h"
#include "sim/MouseModel.h"
#include "sim/ReceiverModel.h"
#include "sim/SimReceivers.h"
#include "testing/SimSession.h"
#include "window/app/BatteryTray.h"
#include "window/app/MainWindow.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QSettings>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

SimSession::Options WithTray(bool trayHost, bool hidden = false)
{
    SimSession::Options options;
    options.trayHost = trayHost;
    options.hidden = hidden;
    return options;
}

struct TrayTick {
    int mouse, keyboard;
    bool mouseInReach, keyboardSends;
    const char* toldNow;  // the notice this tick tells, or null
    int secondsBefore = 1;
};

TEST(BatteryTrayTest, NoticesTellADropToTheLowestStepOfADeviceInReach)
{
    SimSession::Options options = WithTray(true, true);
    options.firmware = SimReceivers::defaultFirmware();
    SimSession session(options);
    TForm1& window = session.window();
    window.State().SettingsRead = true;  // ticks only poll
    TBatteryTray& tray = *window.trayBattery;
    const TrayTick ticks[] = {
        {3, 4, true, true, nullptr},
        {1, 4, false, true, nullptr},  // the mouse is out of reach: its last word
        {1, 4, true, true, "Mouse battery low"},
        {1, 4, true, true, nullptr},
        {1, 1, true, false, nullptr},  // the keyboard sends nothing
        {1, 1, true, true, "Keyboard battery low: The keyboard battery is nearly empty (1 of 7)"},
        {1, 1, true, true, nullptr},
        {3, 1, true, true, nullptr},
        {1, 1, true, true, nullptr},  // wavering: not told again
        {3, 1, true, true, nullptr},
        {3, 1, true, true, nullptr, 60},
        {1, 1, true, true, "Mouse battery low"},  // risen for a minute, and dropped again
    };
    for (const TrayTick& t : ticks) {
        ReceiverModel::Battery battery;
        battery.mouseLevel = quint8(t.mouse);
        battery.keyboardLevel = quint8(t.keyboard);
        session.firmware().setBattery(battery);
        session.firmware().mouse().setInReach(t.mouseInReach);
        session.firmware().setKeyboardActive(t.keyboardSends);
        const qsizetype before = tray.notices().size();
        session.clock().advance(t.secondsBefore * 1000);
        window.tmrStatusTimer(window.tmrStatus);
        const QStringList told = tray.notices().mid(before);
        EXPECT_EQ(told.size(), t.toldNow ? 1 : 0) << told.join('|').toStdString();
        if (t.toldNow && !told.isEmpty()) {
            EXPECT_TRUE(told[0].startsWith(QString::fromUtf8(t.toldNow))) << told[0].toStdString();
        }
    }
    EXPECT_EQ(tray.toolTip(), "Karvelo mouse battery: 1 of 7 (14 %)\n"
                              "Karvelo keyboard battery: 1 of 7 (14 %)");
    EXPECT_FALSE(window.isVisible());

    // Removed and back, as after a resume, while hidden.
    session.Unplug(session.receiverId());
    session.DeliverEvents();
    EXPECT_EQ(tray.toolTip(), "Karvelo: no receiver");
    session.Plug(SimReceivers::receiverProfile(), options.firmware);
    session.DeliverEvents();
    EXPECT_EQ(tray.level(), 1);
    EXPECT_FALSE(window.isVisible());
}

TEST(BatteryTrayTest, ClosingHidesOnlyWhenKeptRunningAndATrayCanShowIt)
{
    for (const bool trayHost : {false, true}) {
        for (const bool keep : {false, true}) {
            SimSession session(WithTray(trayHost));
            TForm1& window = session.window();
            const QList<QAction*> entries = window.trayBattery->menu()->actions();
            ASSERT_EQ(entries.size(), 5);  // Show, keep running, start at login, -, Quit
            if (keep)
                entries[1]->trigger();
            const QSettings settings(session.companion().settingsFile, QSettings::IniFormat);
            EXPECT_EQ(settings.value("KeepInTray", false).toBool(), keep);
            window.close();
            const bool hidden = trayHost && keep;
            EXPECT_EQ(session.endProcessCalls().size(), hidden ? 0u : 1u) << trayHost << keep;
            EXPECT_FALSE(window.isVisible());
            if (!hidden)
                continue;
            entries[0]->trigger();
            EXPECT_TRUE(window.isVisible());
            entries[4]->trigger();  // Quit: the close sequence, kept running or not
            EXPECT_EQ(session.endProcessCalls(), std::vector<int>{0});
        }
    }
}

TEST(BatteryTrayTest, StartAtLoginWritesTheEntryAndFollowsTheFile)
{
    SimSession session(WithTray(true));
    QMenu* menu = session.window().trayBattery->menu();
    QAction* entry = menu->actions().at(2);
    const QString path = session.companion().autostartFolder + "/karvelo-rf-tool.desktop";
    const auto text = [&path] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    entry->trigger();
    EXPECT_TRUE(entry->isChecked());
    EXPECT_TRUE(text().contains(" --hidden\n")) << text().toStdString();
    // An entry the user edited is left as it is by a new start.
    const QByteArray edited = "[Desktop Entry]\nExec=karvelo-rf-tool --hidden -style fusion\n";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(edited);
    file.close();
    QWidget other;
    TBatteryTray second(&other, session.companion());
    EXPECT_EQ(text(), edited);
    entry->trigger();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(entry->isChecked());
    // Made by someone else: the menu shows it when it opens.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    emit menu->aboutToShow();
    EXPECT_TRUE(entry->isChecked());
    // Turned off in the desktop's own settings: there, but not starting the tool.
    for (const char* off : {"Hidden=true", "X-GNOME-Autostart-enabled=false"}) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("[Desktop Entry]\nExec=karvelo-rf-tool --hidden\n") + off + "\n");
        file.close();
        emit menu->aboutToShow();
        EXPECT_FALSE(entry->isChecked()) << off;
    }
    // A path that an entry cannot carry is refused instead of written broken.
    EXPECT_FALSE(AutostartEntry::text("/opt/100%/karvelo-rf-tool"));
    EXPECT_FALSE(AutostartEntry::text("/opt/a\nb/karvelo-rf-tool"));
    EXPECT_TRUE(AutostartEntry::text("/opt/my tools/karvelo-rf-tool")
                    ->contains("Exec=\"/opt/my tools/karvelo-rf-tool\" --hidden\n"));
}

TEST(BatteryTrayTest, WindowMenuHoldsTheTrayChoicesAndStartAtLoginKeepsRunning)
{
    SimSession session;  // a desktop without a tray
    QMenu* tray = session.window().trayBattery->menu();
    const QList<QAction*> entries =
        session.window().findChild<QToolButton*>("skinSystemMenu")->menu()->actions();
    QAction* keep = entries[7];  // after the window's own entries
    QAction* login = entries[8];
    ASSERT_EQ(keep, tray->actions()[1]);  // the same entries: in step whichever menu is used
    ASSERT_EQ(login, tray->actions()[2]);
    login->trigger();
    const QSettings settings(session.companion().settingsFile, QSettings::IniFormat);
    EXPECT_TRUE(keep->isChecked());
    EXPECT_TRUE(settings.value("KeepInTray").toBool());
    keep->trigger();  // the user may still turn it off
    EXPECT_FALSE(keep->isChecked());
    EXPECT_TRUE(login->isChecked());
}

TEST(BatteryTrayTest, HiddenPollWaitsTenSecondsAndShowingTicksAtOnce)
{
    SimSession session(WithTray(true, true));
    TForm1& window = session.window();
    ASSERT_TRUE(window.tmrStatus->isActive());
    EXPECT_EQ(window.tmrStatus->interval(), 10000);
    // The tooltip has both batteries from the attach on, not ten seconds later.
    EXPECT_TRUE(window.trayBattery->toolTip().contains("keyboard battery"));
    const qint64 mark = session.log().mark();
    const qint64 before = session.clock().nowMs();
    window.show();
    session.DeliverEvents();
    EXPECT_EQ(window.tmrStatus->interval(), 1000);
    EXPECT_FALSE(session.SentSince(mark).empty());  // the tick ran, its waits on the test clock
    EXPECT_GT(session.clock().nowMs(), before);
    window.hide();
    EXPECT_EQ(window.tmrStatus->interval(), 10000);
}

TEST(BatteryTrayTest, HiddenStartShowsTheWindowWhenNoTrayCanShowIt)
{
    for (const bool trayHost : {false, true}) {
        testing::internal::CaptureStderr();
        SimSession session(WithTray(trayHost, true));
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(session.window().isVisible(), !trayHost);
        EXPECT_EQ(said.find("no tray icons") != std::string::npos, !trayHost) << said;
        EXPECT_NE(session.window().Receiver(), nullptr);  // attached all the same
    }
}

TEST(BatteryTrayTest, IconFillsWithTheLevelInItsBandColour)
{
    const auto pixel = [](std::optional<int> level, int x) {
        return TBatteryTray::iconFor(level).pixmap(32, 32).toImage().pixelColor(x, 16);
    };
    EXPECT_EQ(pixel(7, 22), QColor(0, 255, 0));   // full and green
    EXPECT_EQ(pixel(3, 8), QColor(255, 255, 0));  // low: yellow, partly filled
    EXPECT_EQ(pixel(3, 22), QColor(Qt::white));
    EXPECT_EQ(pixel(1, 6), QColor(255, 0, 0));  // critical: red
    EXPECT_EQ(pixel(std::nullopt, 8), QColor(Qt::white));
    // Drawn for a 2x screen, not stretched from 1x.
    const QPixmap sharp = TBatteryTray::iconFor(7).pixmap(QSize(32, 32), 2.0);
    EXPECT_EQ(sharp.width(), 64);
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
}

}  // namespace
