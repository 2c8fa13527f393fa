#pragma once

#include "protocol/i18n/LocalText.h"
#include "protocol/receiver/BatteryAlert.h"
#include "window/app/AppServices.h"
#include "window/app/AutostartEntry.h"

#include <QIcon>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class DesktopNotices;
class QAction;
class QMenu;
class QSystemTrayIcon;
class QTimer;
class QWidget;
class TrayHostWatch;

// The batteries in the desktop's tray: the mouse level as the icon, both levels in the tooltip,
// a notice when one drops to its lowest step, and the menu that makes the tool a companion
// (show the window, keep running when it closes, start at login, quit); the window's title-bar
// menu offers the same choices. The icon is made whenever a tray host comes, and notices go to
// the desktop's notification service when one is there, the tray's balloon only where none
// is. Without a tray host nothing is shown and the window behaves as a plain window, unless a
// notification service can reach the user; the state is still kept.
class TBatteryTray final : public QObject {
    Q_OBJECT
public:
    TBatteryTray(QWidget* window, CompanionPlaces places);

    // Icon and tooltip; `keyboardFull` is set when the receiver serves a keyboard.
    void showLevels(int mouse, std::optional<int> keyboard, int keyboardFull);
    // No receiver: the icon shows an empty outline and the tooltip says so.
    void showNoLevel();
    // A status tick's readings: tells a battery that dropped to its lowest step. The
    // keyboard's reach costs an exchange, so it is asked only when a notice depends on it.
    void noteTick(const BatteryReading& mouse, std::optional<BatteryReading> keyboard,
                  const std::function<bool()>& keyboardInReach, qint64 nowMs);
    // The receiver at `node` is attached (none: no receiver): another one than before starts
    // with nothing told.
    void noteReceiver(const QString& node);
    // The texts again, in the language in force.
    void retranslate();

    // A tray host shows the icon.
    bool onScreen() const { return tray_ != nullptr && hostPresent(); }
    // Closing the window hides it: the user asked to keep running, and the tray can show it
    // again or the desktop's notifications tell the notices meanwhile.
    bool keepsRunning() const { return keepRunning_ && (onScreen() || noticesReachUser()); }
    // Never an invisible copy that nothing can show: while the window is hidden and no tray
    // host shows the icon for `graceMs` (a desktop's panel may come up after the tool at
    // login, or restart), the window is shown and standard error says why. `hiddenStart`: the
    // tool started without its window, and keeps running in the background where a
    // notification service can reach the user, saying so.
    void keepInSight(int graceMs, bool hiddenStart);
    // The window was closed to run on without it: where no tray shows the icon, standard
    // error says how to open it again.
    void tellWhereItRuns();
    // Adds the companion's choices and Quit to another menu (the window's title-bar menu).
    void offerChoicesIn(QMenu* menu);

    std::optional<int> level() const { return mouse_; }
    QString toolTip() const;
    QIcon icon() const { return icon_; }
    // The notices told so far, as "title: text".
    const QStringList& notices() const { return notices_; }
    QMenu* menu() const { return menu_; }
    const AutostartEntry& autostart() const { return autostart_; }

    // The icon for a mouse level (none: an empty outline), drawn at the size and scale asked.
    static QIcon iconFor(std::optional<int> level);

signals:
    // "Quit": the window's own close sequence, whatever "keep running" says.
    void quitRequested();

private:
    bool hostPresent() const;
    bool noticesReachUser() const;
    void followHost();
    void waitForSight();
    void reviewSight();
    void say(const LocalText& text) const;
    void showOnTray();
    void refresh();
    void showWindow();
    void setKeepRunning(bool on);
    void setStartAtLogin(bool on);
    void tell(const QString& title, const QString& text);

    QWidget* window_;
    CompanionPlaces places_;
    AutostartEntry autostart_;
    TrayHostWatch* hostWatch_ = nullptr;
    DesktopNotices* desktopNotices_ = nullptr;
    QSystemTrayIcon* tray_ = nullptr;
    QTimer* sightWait_ = nullptr;
    int sightGraceMs_ = 5000;
    bool hostWent_ = false;  // a host went away while the window was hidden
    QMenu* menu_ = nullptr;
    QAction* show_ = nullptr;
    QAction* keepRunningEntry_ = nullptr;
    QAction* startAtLoginEntry_ = nullptr;
    QAction* quit_ = nullptr;
    bool keepRunning_ = false;
    std::optional<int> mouse_;
    std::optional<int> keyboard_;
    int keyboardFull_ = 0;
    QIcon icon_;
    BatteryAlert mouseAlert_;
    BatteryAlert keyboardAlert_;
    QString alertsFor_;  // the receiver the notices were told for
    QStringList notices_;
};
