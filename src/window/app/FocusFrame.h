#pragma once

class QWidget;

// The focus shows on a window just shown, not only after the first Tab.
void ShowFocusFromTheStart(QWidget& window);
