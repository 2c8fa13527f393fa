#include "window/receiver/StatusPace.h"

#include "window/app/MainWindow.h"

#include <QEvent>
#include <QTimer>

StatusPace::StatusPace(TForm1& window)
    : QObject(&window), window_(window), shownWidget_(window), timer_(window.tmrStatus)
{
    shownWidget_.installEventFilter(this);
    follow();
}

bool StatusPace::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Show || type == QEvent::Hide || type == QEvent::WindowStateChange)
        follow();
    return QObject::eventFilter(watched, event);
}

void StatusPace::follow()
{
    // Only the widget and the timer are reached here: a window being destroyed hides itself
    // when it is no longer the main window, and the timer may be gone by then.
    const bool shown = shownWidget_.isVisible() && !shownWidget_.isMinimized();
    if (shown == shown_ || !timer_)
        return;
    shown_ = shown;
    if (!shown) {
        timer_->setInterval(kHiddenMs);  // an armed timer starts its wait again
        return;
    }
    // A poll that is not armed now (no receiver yet, a pairing or a handler holding it off)
    // reads the receiver when it is armed again.
    const bool armed = timer_->isActive();
    timer_->setInterval(kShownMs);
    if (!armed)
        return;
    // After the show has been handled, unless a tick or a handler has taken the poll meanwhile;
    // the tick arms the next at the new pace.
    QTimer::singleShot(0, this, [this] {
        if (shown_ && timer_ && timer_->isActive())
            window_.Guarded([this] { window_.tmrStatusTimer(timer_); });
    });
}
