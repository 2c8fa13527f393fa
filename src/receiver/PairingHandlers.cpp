// Pairing a new mouse or keyboard: the Connect button and the pairing timer.
// Not built yet: each handler does nothing until its feature lands.
#include "app/MainWindow.h"

void TForm1::btnCombo_Cmd_Soft_Bind_SWClick(QObject*) {}
void TForm1::tmrSoftBindTimer(QObject*) {}
