// The two programmable hotkeys.
// Not built yet: each handler does nothing until its feature lands.
#include "app/MainWindow.h"

void TForm1::FillCustKeyLists() {}
void TForm1::cbCustKey1Change(QObject*) {}
void TForm1::cbCustKey2Change(QObject*) {}
void TForm1::btnUpdateCustKeyClick(QObject*) {}
void TForm1::btnGetCustKeyClick(QObject*) {}
