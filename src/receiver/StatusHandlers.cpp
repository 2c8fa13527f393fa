// The status tick, the battery and CPI read-outs, and the mouse link check.
// Not built yet: each handler does nothing until its feature lands.
#include "app/MainWindow.h"

void TForm1::tmrStatusTimer(QObject*) {}
void TForm1::btnBatteryClick(QObject*) {}
void TForm1::btnCPIClick(QObject*) {}
bool TForm1::CheckMouseLink() { return false; }
