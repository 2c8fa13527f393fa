#include "window/app/SkinFrame.h"

#include "window/app/AccessibleControls.h"

#include <QEvent>
#include <QPainter>

TSkinFrame::TSkinFrame(QWidget* window, TSkinTitleBar::Buttons buttons) : QWidget(window)
{
    window->setWindowFlag(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    MarkAsDecoration(*this);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, toQColor(kBodyColour));
    window->setPalette(palette);
    setGeometry(window->rect());
    window->installEventFilter(this);
    raise();
    titleBar_ = new TSkinTitleBar(window, buttons);
}

bool TSkinFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        raise();
        titleBar_->raise();
    }
    return QWidget::eventFilter(watched, event);
}

void TSkinFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect all = rect();
    const QColor body = toQColor(kBodyColour);
    // Top, bottom, left and right bands of the border, then its outer line.
    painter.fillRect(QRect(0, 0, all.width(), kBorderWidth), body);
    painter.fillRect(QRect(0, all.height() - kBorderWidth, all.width(), kBorderWidth), body);
    painter.fillRect(QRect(0, 0, kBorderWidth, all.height()), body);
    painter.fillRect(QRect(all.width() - kBorderWidth, 0, kBorderWidth, all.height()), body);
    painter.setPen(toQColor(kBorderColour));
    painter.drawRect(all.adjusted(0, 0, -1, -1));
}
