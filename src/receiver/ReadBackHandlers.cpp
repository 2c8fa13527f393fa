// Reading the mouse's settings back into the controls.
// Not built yet: each handler does nothing until its feature lands.
#include "app/MainWindow.h"

void TForm1::btnRdRFSettingClick(QObject*) {}
