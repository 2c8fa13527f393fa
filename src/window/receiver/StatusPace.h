#pragma once

#include <QObject>
#include <QPointer>

class QTimer;
class QWidget;
class TForm1;

// The status poll's pace follows the window: a tick a second while it shows, one every ten
// seconds at most while it does not (hidden in the tray or minimised, only the tray's tooltip
// and the notices follow the batteries, and they may be that far behind). Showing the window
// runs a tick at once, so that it never shows stale levels. The pace is the status timer's
// interval: whoever arms the timer arms it at the pace in force.
class StatusPace final : public QObject {
public:
    static constexpr int kShownMs = 1000;
    static constexpr int kHiddenMs = 10000;

    explicit StatusPace(TForm1& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();

    TForm1& window_;  // for the tick only
    QWidget& shownWidget_;
    QPointer<QTimer> timer_;
    bool shown_ = true;
};
