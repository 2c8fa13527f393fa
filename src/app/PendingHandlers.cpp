#include "app/Unit1.h"

// Handlers whose features are not built yet. Each moves to its feature's folder when built.

void TForm1::btnCombo_Cmd_Soft_Bind_SWClick(QObject*) {}
void TForm1::tmrSoftBindTimer(QObject*) {}
void TForm1::tmrStatusTimer(QObject*) {}
void TForm1::btnBatteryClick(QObject*) {}
void TForm1::btnCPIClick(QObject*) {}
bool TForm1::CheckMouseLink() { return false; }
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
void TForm1::btnRdRFSettingClick(QObject*) {}
void TForm1::FillCustKeyLists() {}
void TForm1::cbCustKey1Change(QObject*) {}
void TForm1::cbCustKey2Change(QObject*) {}
void TForm1::btnUpdateCustKeyClick(QObject*) {}
void TForm1::btnGetCustKeyClick(QObject*) {}
void TForm1::btnEEPROM_R_00Click(QObject*) {}
void TForm1::btnEEPROM_W_00Click(QObject*) {}
void TForm1::btnEEPROM_R_VIDClick(QObject*) {}
void TForm1::btnEEPROM_W_VIDClick(QObject*) {}
void TForm1::btnEEPROM_R_PIDClick(QObject*) {}
void TForm1::btnEEPROM_W_PIDClick(QObject*) {}
void TForm1::btnEEPROM_R_20Click(QObject*) {}
void TForm1::btnEEPROM_W_20Click(QObject*) {}
