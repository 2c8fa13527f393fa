#pragma once

#include "controls/TColor.h"

#include <QWidget>

// The window's own frame: a border drawn over the edges of the client area, in which parts of
// the engineering area would otherwise peek out at the normal size. It takes no input.
class TSkinFrame final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBorderWidth = 4;
    static constexpr TColor kBorderColour = 0x7F7F7F;
    static constexpr TColor kBodyColour = 0xE7E7E7;

    // Creates the frame over the whole of window and gives the window the body colour.
    explicit TSkinFrame(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
