#include "protocol/i18n/Lang.h"
#include "sim/ReceiverModel.h"
#include "testing/SimSession.h"
#include "window/app/BatteryTray.h"
#include "window/app/MainWindow.h"

#include <QAction>
#include <QImage>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

TEST(BatteryTrayTest, DrainingMouseBatteryOnTheSimulatedReceiver)
{
    SimSession session;
    TForm1& window = session.window();
    TBatteryTray& tray = *window.trayBattery;
    EXPECT_FALSE(tray.onScreen());  // no tray on this platform: the state is still kept
    const int levels[] = {5, 4, 2, 1, 0, 1, 3, 1};
    for (const int level : levels) {
        ReceiverModel::Battery battery;
        battery.mouseLevel = quint8(level);
        session.firmware().setBattery(battery);
        window.btnBatteryClick(nullptr);
        EXPECT_EQ(tray.level(), level);
    }
    // Told when it fell to 1, and again after it had recovered to 3 and fell back.
    ASSERT_EQ(tray.notices().size(), 2);
    EXPECT_TRUE(tray.notices().at(0).contains("nearly empty (1 of 7)"));
    EXPECT_EQ(tray.toolTip(), "Karvelo mouse battery: 1 of 7 (14 %)");

    CurrentLanguage = lkCht;
    EXPECT_EQ(tray.toolTip(), QString::fromUtf8("Karvelo 滑鼠電量：1 / 7（14 %）"));
    CurrentLanguage = lkEng;

    session.Unplug(session.receiverId());
    session.DeliverEvents();
    EXPECT_FALSE(tray.level().has_value());
    EXPECT_EQ(tray.toolTip(), "Karvelo: no receiver");
}

TEST(BatteryTrayTest, MenuShowsAndQuitsInTheLanguageInForce)
{
    SimSession session;
    TForm1& window = session.window();
    const QList<QAction*> entries = window.trayBattery->menu()->actions();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0]->text(), "Show");
    session.Choose("cbbLang", lkChs);
    EXPECT_EQ(entries[1]->text(), QString::fromUtf8("退出"));
    window.hide();
    entries[0]->trigger();
    EXPECT_TRUE(window.isVisible());
    entries[1]->trigger();  // the window's own close sequence
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(session.window().Receiver(), nullptr);
    session.Choose("cbbLang", lkEng);
}

TEST(BatteryTrayTest, IconFillsWithTheLevelInItsBandColour)
{
    const auto pixel = [](std::optional<int> level, int x) {
        return TBatteryTray::IconFor(level, 32).pixmap(32, 32).toImage().pixelColor(x, 16);
    };
    EXPECT_EQ(pixel(7, 22), QColor(0, 255, 0));     // full and green
    EXPECT_EQ(pixel(3, 8), QColor(255, 255, 0));    // low: yellow, partly filled
    EXPECT_EQ(pixel(3, 22), QColor(Qt::white));
    EXPECT_EQ(pixel(1, 6), QColor(255, 0, 0));      // critical: red
    EXPECT_EQ(pixel(std::nullopt, 8), QColor(Qt::white));
}

}  // namespace
