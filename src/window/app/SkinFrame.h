#pragma once

#include "window/app/SkinColours.h"
#include "window/app/SkinTitleBar.h"

#include <QWidget>

// The window's own frame, in place of the window manager's (which would add buttons the
// window must not have): a title bar with the buttons asked for, an outline, and bands of the
// body colour over the edges of the client area, in which parts of the engineering area would
// otherwise peek out at the normal size. The frame itself takes no input; the title bar does.
class TSkinFrame final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBorderWidth = 4;
    static constexpr TColor kBorderColour = SkinColour::kBorder;
    static constexpr TColor kBodyColour = SkinColour::kBody;

    // Frames the whole of window (which loses the window manager's frame) and gives it the body
    // colour.
    TSkinFrame(QWidget* window, TSkinTitleBar::Buttons buttons);

    TSkinTitleBar* titleBar() const { return titleBar_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TSkinTitleBar* titleBar_;
};
