#include "window/app/FocusFrame.h"

#include <QWidget>

void ShowFocusFromTheStart(QWidget& window)
{
    // Showing a window clears it; set after the show, the focus frame is drawn before the
    // first key press.
    window.setAttribute(Qt::WA_KeyboardFocusChange);
}
