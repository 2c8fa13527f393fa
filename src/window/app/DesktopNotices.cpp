#include "window/app/DesktopNotices.h"

#include "window/i18n/TrayTexts.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QStandardPaths>

namespace {

const char* const kPath = "/org/freedesktop/Notifications";
const char* const kIconName = "karvelo-rf-tool";
constexpr int kIconSize = 48;
// A notification service answers at once; one that hangs is not waited for longer.
constexpr int kCallTimeoutMs = 2000;

QDBusConnection Bus()
{
    return QDBusConnection::sessionBus();
}

// The icon as the "image-data" hint carries it: (width, height, row stride, alpha, bits per
// sample, channels, RGBA bytes).
QVariant ImageData(const QImage& picture)
{
    const QImage rgba = picture.convertToFormat(QImage::Format_RGBA8888);
    QDBusArgument data;
    data.beginStructure();
    data << rgba.width() << rgba.height() << int(rgba.bytesPerLine()) << true << 8 << 4
         << QByteArray(reinterpret_cast<const char*>(rgba.constBits()), rgba.sizeInBytes());
    data.endStructure();
    return QVariant::fromValue(data);
}

}  // namespace

DesktopNotices::DesktopNotices(QObject* parent) : QObject(parent)
{
    if (!Bus().isConnected())
        return;
    const QString service = QString::fromLatin1(kService);
    watcher_ =
        new QDBusServiceWatcher(service, Bus(), QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& owner) {
                setAvailable(!owner.isEmpty());
            });
    // Whether it is there already, asked without waiting: the answer comes through the loop.
    const QDBusMessage ask = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    auto* reply = new QDBusPendingCallWatcher(
        Bus().asyncCall(QDBusMessage(ask) << service, kCallTimeoutMs), this);
    connect(reply, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<bool> owned = *w;
        if (!owned.isError())
            setAvailable(owned.value());
        w->deleteLater();
    });
}

void DesktopNotices::setAvailable(bool on)
{
    if (available_ == on)
        return;
    available_ = on;
    emit availabilityChanged();
}

QString DesktopNotices::appIcon(QVariantMap& hints) const
{
    // Installed, the desktop finds the icon by its name; from a build folder it comes along.
    const QString installed = QStandardPaths::locate(
        QStandardPaths::GenericDataLocation,
        QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(kIconSize).arg(kIconName));
    if (!installed.isEmpty())
        return QString::fromLatin1(kIconName);
    const QIcon icon = QGuiApplication::windowIcon();
    if (!icon.isNull())
        hints.insert(QStringLiteral("image-data"),
                     ImageData(icon.pixmap(kIconSize, kIconSize).toImage()));
    return QString();
}

void DesktopNotices::tell(const QString& title, const QString& text, bool urgent)
{
    if (!available_)
        return;
    QVariantMap hints{{QStringLiteral("desktop-entry"), QString::fromLatin1(kIconName)},
                      {QStringLiteral("urgency"), QVariant::fromValue(uchar(urgent ? 2 : 1))}};
    const QString icon = appIcon(hints);
    QDBusMessage notify =
        QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                       QString::fromLatin1(kService), QStringLiteral("Notify"));
    notify << Localized(TrayText::kProductName) << uint(0) << icon << title << text << QStringList()
           << hints << int(-1);
    // The answer (the notice's number) is not needed; an error leaves nothing to mend.
    auto* reply = new QDBusPendingCallWatcher(Bus().asyncCall(notify, kCallTimeoutMs), this);
    connect(reply, &QDBusPendingCallWatcher::finished, reply, &QObject::deleteLater);
}
