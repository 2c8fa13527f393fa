// The companion on a desktop of its own (run-on-private-desktop.sh): a private session bus and
// an X server, where Qt makes its tray icons as on a desktop, and the desktop's services
// (fake-desktop) started and ended by the tests.
#include "protocol/receiver/ReceiverState.h"
#include "sim/ReceiverModel.h"
#include "testing/SimSession.h"
#include "window/app/BatteryTray.h"
#include "window/app/DesktopNotices.h"
#include "window/app/MainWindow.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

constexpr int kAnswerMs = 10000;  // the most any of the desktop's answers is waited for

// Services of fake-desktop on the session bus, for as long as the object lives.
class DesktopServices {
public:
    explicit DesktopServices(const QStringList& services)
    {
        process_.start(qEnvironmentVariable("FAKE_DESKTOP"), services);
        EXPECT_TRUE(said("ready"));
    }
    ~DesktopServices() { stop(); }
    void stop()
    {
        process_.kill();
        process_.waitForFinished();
    }
    // Waits, the events running, for a line of what the services were asked that starts so.
    bool said(const QString& start)
    {
        return QTest::qWaitFor(
            [&] {
                lines += QString::fromUtf8(process_.readAllStandardOutput()).split('\n');
                return !lines.filter(QRegularExpression('^' + start)).isEmpty();
            },
            kAnswerMs);
    }
    QStringList lines;

private:
    QProcess process_;
};

SimSession::Options OnTheDesktop(bool hidden)
{
    SimSession::Options options;
    options.desktop = true;
    options.hidden = hidden;
    options.trayWaitMs = 5000;
    return options;
}

TEST(DesktopCompanionTest, AHostAfterAHiddenStartGetsTheIconAndOneThatGoesShowsTheWindow)
{
    testing::internal::CaptureStderr();
    QElapsedTimer started;
    started.start();
    SimSession session(OnTheDesktop(true));
    QTest::qWait(3000);  // the panel comes up after the tool, as at a login
    DesktopServices watcher({"watcher"});
    EXPECT_TRUE(watcher.said("item "));
    QTest::qWait(int(5500 - started.elapsed()));  // past the wait for a host
    EXPECT_FALSE(session.window().isVisible());

    watcher.stop();
    QElapsedTimer gone;
    gone.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return session.window().isVisible(); }, kAnswerMs));
    EXPECT_GE(gone.elapsed(), 5000);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("tray went away"), std::string::npos) << said;
}

TEST(DesktopCompanionTest, ALowBatteryIsToldThroughTheNotificationService)
{
    for (const bool trayHost : {false, true}) {
        DesktopServices desktop(trayHost ? QStringList{"watcher", "notifications"}
                                         : QStringList{"notifications"});
        SimSession session(OnTheDesktop(false));
        TForm1& window = session.window();
        const DesktopNotices* notices = window.trayBattery->findChild<DesktopNotices*>();
        ASSERT_TRUE(QTest::qWaitFor([&] { return notices->available(); }, kAnswerMs));
        EXPECT_EQ(QTest::qWaitFor([&] { return window.trayBattery->onScreen(); }, 500), trayHost);
        window.State().SettingsRead = true;  // ticks only poll
        ReceiverModel::Battery battery;
        battery.mouseLevel = 1;
        session.firmware().setBattery(battery);
        window.tmrStatusTimer(window.tmrStatus);
        ASSERT_TRUE(desktop.said("notify ")) << trayHost;
        EXPECT_EQ(desktop.lines.filter(QRegularExpression("^notify ")),
                  QStringList{"notify Karvelo RF Setting Tool|Mouse battery low|The mouse battery "
                              "is nearly empty (1 of 7). Replace or charge it soon.|"
                              "karvelo-rf-tool"});
    }
}

}  // namespace
