// A desktop's services on the session bus, for the companion's tests: a StatusNotifierWatcher
// that a tray host has registered with, and a notification server. Each says on standard output
// what it was asked, a line a call ("item SERVICE", "notify APP|SUMMARY|BODY|DESKTOP-ENTRY").
//   fake-desktop watcher | notifications
#include <QCoreApplication>
#include <QDBusConnection>
#include <QStringList>
#include <QVariantMap>

#include <cstdio>

namespace {

void say(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

}  // namespace

// What a tray icon asks of the watcher: whether a host is there, and to be registered.
class FakeWatcher final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
public:
    bool hostRegistered() const { return true; }

public slots:
    void RegisterStatusNotifierItem(const QString& service) { say("item " + service); }
};

class FakeNotifications final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public slots:
    uint Notify(const QString& app, uint, const QString&, const QString& summary,
                const QString& body, const QStringList&, const QVariantMap& hints, int)
    {
        say(QStringList{"notify " + app, summary, body, hints["desktop-entry"].toString()}.join(
            '|'));
        return 1;
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    FakeWatcher watcher;
    FakeNotifications notifications;
    for (const QString& service : app.arguments().mid(1)) {
        const bool isWatcher = service == "watcher";
        if (!bus.registerObject(isWatcher ? "/StatusNotifierWatcher"
                                          : "/org/freedesktop/Notifications",
                                isWatcher ? static_cast<QObject*>(&watcher) : &notifications,
                                QDBusConnection::ExportAllContents) ||
            !bus.registerService(isWatcher ? "org.kde.StatusNotifierWatcher"
                                           : "org.freedesktop.Notifications"))
            return 1;
    }
    say("ready");
    return app.exec();
}

#include "FakeDesktop.moc"
