// EEPROM words and the receiver's USB identity: VID, PID and string descriptor.
// Not built yet: each handler does nothing until its feature lands.
#include "app/MainWindow.h"

void TForm1::btnEEPROM_R_00Click(QObject*) {}
void TForm1::btnEEPROM_W_00Click(QObject*) {}
void TForm1::btnEEPROM_R_VIDClick(QObject*) {}
void TForm1::btnEEPROM_W_VIDClick(QObject*) {}
void TForm1::btnEEPROM_R_PIDClick(QObject*) {}
void TForm1::btnEEPROM_W_PIDClick(QObject*) {}
void TForm1::btnEEPROM_R_20Click(QObject*) {}
void TForm1::btnEEPROM_W_20Click(QObject*) {}
