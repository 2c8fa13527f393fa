#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

class QDBusPendingCallWatcher;
class QDBusServiceWatcher;

// The desktop's notification service (org.freedesktop.Notifications on the session bus),
// followed as it comes and goes. Notices are told under the product's name with the tool's
// icon; every call is asynchronous, and a service that does not answer costs nothing.
class DesktopNotices final : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kService = "org.freedesktop.Notifications";

    explicit DesktopNotices(QObject* parent);

    // The service is on the bus (as last heard).
    bool available() const { return available_; }
    // `urgent`: a failure the user must see, rather than a reminder.
    void tell(const QString& title, const QString& text, bool urgent);

signals:
    void availabilityChanged();

private:
    void setAvailable(bool on);
    QString appIcon(QVariantMap& hints) const;

    QDBusServiceWatcher* watcher_ = nullptr;
    bool available_ = false;
};
