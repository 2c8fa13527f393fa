// The mouse's options: the radio buttons, the battery-low list and the direct register writes.
// Not built yet: each handler does nothing until its feature lands.
#include "app/MainWindow.h"

void TForm1::rbRF_DR_15Click(QObject*) {}
void TForm1::rbRF_DR_1AClick(QObject*) {}
void TForm1::rbRF_DR_25Click(QObject*) {}
void TForm1::rbRF_DR_2AClick(QObject*) {}
void TForm1::rbRF_DR_45Click(QObject*) {}
void TForm1::rbRF_DR_4AClick(QObject*) {}
void TForm1::rbRF_DR_4FClick(QObject*) {}
void TForm1::rbRF_CPI_HClick(QObject*) {}
void TForm1::rbRF_CPI_LClick(QObject*) {}
void TForm1::rbRF_DR_5AClick(QObject*) {}
void TForm1::rbRF_DR_55Click(QObject*) {}
void TForm1::cbRF_Set_BTY_Low_LevelChange(QObject*) {}
void TForm1::btnRF_DR_15Click(QObject*) {}
void TForm1::btnRF_DR_1AClick(QObject*) {}
void TForm1::btnRF_DR_25Click(QObject*) {}
void TForm1::btnRF_DR_2AClick(QObject*) {}
void TForm1::btnRF_DR_45Click(QObject*) {}
void TForm1::btnRF_DR_4AClick(QObject*) {}
void TForm1::btnRF_DR_4FClick(QObject*) {}
void TForm1::btnRF_DR_55Click(QObject*) {}
void TForm1::btnRF_DR_5AClick(QObject*) {}
