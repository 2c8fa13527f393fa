#pragma once

#include <QApplication>

// The application object. Handlers run guarded by the main window; this is the last line of
// defence so that no exception ever unwinds through the event loop.
class KarveloApplication final : public QApplication {
public:
    KarveloApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
