#pragma once

#include <QObject>

#include <memory>

class X11TraySelection;

// Whether the desktop has a tray host that shows icons, followed as hosts come and go, without
// polling: a StatusNotifier host registered with the StatusNotifierWatcher on the session bus,
// or, on X11, the owner of the screen's system tray selection.
//
// It asks Qt nothing. Qt 6.4 asks the session bus once whether a StatusNotifier host is there,
// the first time a tray icon is made or QSystemTrayIcon::isSystemTrayAvailable() is called,
// and keeps that answer: asked before the host came, it never makes an icon the host can show.
// Made after this watch has seen the host, a QSystemTrayIcon registers with the watcher (and
// registers again with a watcher that restarts).
class TrayHostWatch final : public QObject {
    Q_OBJECT
public:
    explicit TrayHostWatch(QObject* parent);
    ~TrayHostWatch() override;

    bool present() const { return statusNotifierHost_ || x11Tray_; }

signals:
    void presenceChanged();

private slots:
    // Asks the watcher, without waiting, whether a host has registered with it.
    void askWatcher();

private:
    void setStatusNotifierHost(bool on);
    void setX11Tray(bool on);

    bool statusNotifierHost_ = false;
    bool x11Tray_ = false;
    quint64 asked_ = 0;  // the watcher's answers to older questions are left aside
    std::unique_ptr<X11TraySelection> x11_;
};
