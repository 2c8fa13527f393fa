#pragma once

#include "protocol/receiver/BatteryAlert.h"

#include <QIcon>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QWidget;

// The mouse battery in the desktop's tray: the level as the icon and in the tooltip, and a
// notice when it turns critical (once per drop). On a desktop without a tray nothing is shown,
// and the state is still kept, so nothing else changes.
class TBatteryTray final : public QObject {
    Q_OBJECT
public:
    explicit TBatteryTray(QWidget* window);

    void ShowMouseLevel(int level);
    // No receiver (or no battery reading): the icon shows an empty outline.
    void ShowNoLevel();
    // The texts again, in the language in force.
    void Retranslate();

    bool onScreen() const { return tray_ != nullptr; }
    std::optional<int> level() const { return level_; }
    QString toolTip() const;
    QIcon icon() const { return icon_; }
    // The notices told so far, as "title: text".
    const QStringList& notices() const { return notices_; }

    // The icon for a level (none: an empty outline), drawn at `size` pixels.
    static QIcon IconFor(std::optional<int> level, int size = 32);

    // The tray's menu: "Show" and "Quit".
    QMenu* menu() const { return menu_; }

private:
    void Refresh();
    void ShowWindow();

    QWidget* window_;
    QSystemTrayIcon* tray_ = nullptr;
    QMenu* menu_ = nullptr;
    QAction* show_ = nullptr;
    QAction* quit_ = nullptr;
    std::optional<int> level_;
    QIcon icon_;
    BatteryAlert alert_;
    QStringList notices_;
};
