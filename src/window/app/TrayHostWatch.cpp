#include "window/app/TrayHostWatch.h"

#include <QAbstractEventDispatcher>
#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QGuiApplication>

#include <cstdlib>
#include <functional>
#include <xcb/xcb.h>
#include <xcb/xfixes.h>

namespace {

const char* const kWatcherService = "org.kde.StatusNotifierWatcher";
const char* const kWatcherPath = "/StatusNotifierWatcher";
// The watcher answers at once; one that hangs counts as no host.
constexpr int kCallTimeoutMs = 2000;

QString Latin1(const char* text)
{
    return QString::fromLatin1(text);
}

}  // namespace

// The owner of _NET_SYSTEM_TRAY_S<screen>, told by the X server (XFixes selection events)
// whenever it changes, is destroyed or its client goes.
class X11TraySelection final : public QAbstractNativeEventFilter {
public:
    X11TraySelection(xcb_connection_t* connection, std::function<void(bool)> changed)
        : connection_(connection), changed_(std::move(changed))
    {}
    ~X11TraySelection() override
    {
        if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
            dispatcher->removeNativeEventFilter(this);
    }

    // Whether a tray owns the selection now; nothing is followed when the server cannot tell.
    bool start()
    {
        const xcb_query_extension_reply_t* xfixes =
            xcb_get_extension_data(connection_, &xcb_xfixes_id);
        if (!xfixes || !xfixes->present)
            return false;
        // The screen of DISPLAY (":0.1": screen 1), as Qt's own connection took it.
        char* host = nullptr;
        int display = 0;
        int screen = 0;
        const bool parsed = xcb_parse_display(nullptr, &host, &display, &screen) != 0;
        std::free(host);
        if (!parsed)
            screen = 0;
        firstEvent_ = xfixes->first_event;
        const QByteArray name = "_NET_SYSTEM_TRAY_S" + QByteArray::number(screen);
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 0, quint16(name.size()), name.constData()),
            nullptr);
        if (!atom)
            return false;
        selection_ = atom->atom;
        std::free(atom);
        xcb_screen_iterator_t roots = xcb_setup_roots_iterator(xcb_get_setup(connection_));
        for (int i = 0; i < screen && roots.rem > 0; ++i)
            xcb_screen_next(&roots);
        if (roots.rem <= 0)
            return false;
        xcb_xfixes_select_selection_input(
            connection_, roots.data->root, selection_,
            XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
        xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
            connection_, xcb_get_selection_owner(connection_, selection_), nullptr);
        const bool owned = owner && owner->owner != XCB_NONE;
        std::free(owner);
        QAbstractEventDispatcher::instance()->installNativeEventFilter(this);
        return owned;
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t" || !message)
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) != firstEvent_ + XCB_XFIXES_SELECTION_NOTIFY)
            return false;
        const auto* notify = reinterpret_cast<const xcb_xfixes_selection_notify_event_t*>(event);
        if (notify->selection == selection_)
            changed_(notify->subtype == XCB_XFIXES_SELECTION_EVENT_SET_SELECTION_OWNER &&
                     notify->owner != XCB_NONE);
        return false;  // Qt sees it as well
    }

private:
    xcb_connection_t* connection_;
    std::function<void(bool)> changed_;
    quint8 firstEvent_ = 0;
    xcb_atom_t selection_ = XCB_NONE;
};

TrayHostWatch::TrayHostWatch(QObject* parent) : QObject(parent)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        auto* watcher = new QDBusServiceWatcher(Latin1(kWatcherService), bus,
                                                QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
                [this](const QString&, const QString&, const QString& owner) {
                    if (owner.isEmpty())
                        setStatusNotifierHost(false);
                    else
                        askWatcher();
                });
        // A watcher may come before its host: it says when a host registers (and KDE's when
        // one goes).
        for (const char* signal :
             {"StatusNotifierHostRegistered", "StatusNotifierHostUnregistered"})
            bus.connect(Latin1(kWatcherService), Latin1(kWatcherPath), Latin1(kWatcherService),
                        Latin1(signal), this, SLOT(askWatcher()));
        askWatcher();
    }
    // The offscreen platform offers the interface too, without a connection.
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 && x11->connection()) {
        x11_ = std::make_unique<X11TraySelection>(x11->connection(),
                                                  [this](bool owned) { setX11Tray(owned); });
        x11Tray_ = x11_->start();
    }
}

TrayHostWatch::~TrayHostWatch() = default;

void TrayHostWatch::askWatcher()
{
    const QDBusMessage ask =
        QDBusMessage::createMethodCall(Latin1(kWatcherService), Latin1(kWatcherPath),
                                       QStringLiteral("org.freedesktop.DBus.Properties"),
                                       QStringLiteral("Get"))
        << Latin1(kWatcherService) << QStringLiteral("IsStatusNotifierHostRegistered");
    const quint64 question = ++asked_;
    auto* reply = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(ask, kCallTimeoutMs), this);
    connect(reply, &QDBusPendingCallWatcher::finished, this,
            [this, question](QDBusPendingCallWatcher* w) {
                const QDBusPendingReply<QDBusVariant> answer = *w;
                w->deleteLater();
                if (question == asked_)
                    setStatusNotifierHost(!answer.isError() && answer.value().variant().toBool());
            });
}

void TrayHostWatch::setStatusNotifierHost(bool on)
{
    ++asked_;  // an answer still on its way is older than this
    if (statusNotifierHost_ == on)
        return;
    const bool before = present();
    statusNotifierHost_ = on;
    if (present() != before)
        emit presenceChanged();
}

void TrayHostWatch::setX11Tray(bool on)
{
    const bool before = present();
    x11Tray_ = on;
    if (present() != before)
        emit presenceChanged();
}
