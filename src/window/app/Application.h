#pragma once

#include <QApplication>

// The application object. Handlers run guarded by the main window; this is the last line of
// defence so that no exception ever unwinds through the event loop.
class KarveloApplication final : public QApplication {
public:
    KarveloApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

class TForm1;

// The window's own look for every control and dialog: the Fusion style with its own light
// palette. The frame paints the window's light body itself, so the desktop's palette (a dark
// one would turn the texts light) is not followed in any control.
void UseOwnLook(QApplication& app);

// The entry's start-up of the windows: the main window's own start-up, then the application
// takes the window's title as its display name (message boxes carry it, not the program's file
// name), then the progress window is made, to be kept for the program's lifetime. `hidden`
// leaves the main window unshown in the tray. While the window is hidden and no tray host
// shows the icon for `trayWaitMs` (a panel may start after the tool at login, or restart),
// the window is shown and standard error says why; a hidden start without a tray host keeps
// running in the background where the desktop's notifications reach the user.
void StartWindows(TForm1& form, bool hidden = false, int trayWaitMs = 5000);
