#include "window/controls/FlatProgressBar.h"

#include <QPainter>

void FlatProgressBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(frame);

    const qint64 span = qint64(maximum()) - minimum();
    if (span <= 0 || value() < minimum())
        return;
    const QRect inner = rect().adjusted(2, 2, -2, -2);
    const qint64 done = qMin<qint64>(qint64(value()) - minimum(), span);
    const int width = int(inner.width() * done / span);
    painter.fillRect(QRect(inner.topLeft(), QSize(width, inner.height())),
                     palette().color(QPalette::Highlight));
}
