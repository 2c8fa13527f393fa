#include "window/app/ImagePanel.h"
#include "window/app/MainWindow.h"

#include <QEvent>
#include <QListWidget>

#include <functional>
#include <utility>

namespace {

// Runs an action on every double click inside a widget, on an item or not, as the device
// list's double click does.
class DoubleClickWatcher final : public QObject {
public:
    DoubleClickWatcher(QWidget* watched, std::function<void()> action)
        : QObject(watched), action_(std::move(action))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick)
            action_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

}  // namespace

void TForm1::bindEvents()
{
    bindClick(btnCombo_Cmd_Soft_Bind_SW, &TForm1::btnCombo_Cmd_Soft_Bind_SWClick);
    bindChange(cbbLang, &TForm1::cbbLangChange);

    connect(tmrSoftBind, &QTimer::timeout, this,
            [this] { Guarded([this] { tmrSoftBindTimer(tmrSoftBind); }); });
    connect(tmrStatus, &QTimer::timeout, this,
            [this] { Guarded([this] { tmrStatusTimer(tmrStatus); }); });

    for (TImagePanel* logo : {imgLogo, imgCust})
        connect(logo, &TImagePanel::doubleClicked, this,
                [this, logo] { Guarded([&] { imgLogoDblClick(logo); }); });
}

void TForm1::bindEngineeringAreaEvents()
{
    const std::pair<QAbstractButton*, Handler> clicks[] = {
        // USB identity
        {btnEEPROM_R_VID, &TForm1::btnEEPROM_R_VIDClick},
        {btnEEPROM_W_VID, &TForm1::btnEEPROM_W_VIDClick},
        {btnEEPROM_R_PID, &TForm1::btnEEPROM_R_PIDClick},
        {btnEEPROM_W_PID, &TForm1::btnEEPROM_W_PIDClick},
        {btnEEPROM_R_20, &TForm1::btnEEPROM_R_20Click},
        {btnEEPROM_W_20, &TForm1::btnEEPROM_W_20Click},
        // Engineering column
        {rbMSE, &TForm1::rbMSEClick},
        {rbKB, &TForm1::rbMSEClick},
        {rbTestOn, &TForm1::rbTestOnClick},
        {rbTestOff, &TForm1::rbTestOnClick},
        {btnC_Combo_Cmd_Set_Test_Mode_Tx_Data, &TForm1::btnC_Combo_Cmd_Set_Test_Mode_Tx_DataClick},
        {btnC_Combo_Cmd_Test_Freq_Mode, &TForm1::btnC_Combo_Cmd_Test_Freq_ModeClick},
        // Hidden pages
        {btnC_Combo_Cmd_Set_Test_Mode, &TForm1::btnC_Combo_Cmd_Set_Test_ModeClick},
        {btnC_RF_Rd_Direct_Reg, &TForm1::btnC_RF_Rd_Direct_RegClick},
        {btnC_RF_Wrt_Direct_Reg, &TForm1::btnC_RF_Wrt_Direct_RegClick},
        {btnC_RF_Rd_Index_Reg, &TForm1::btnC_RF_Rd_Index_RegClick},
        {btnC_RF_Wrt_Index_Reg, &TForm1::btnC_RF_Wrt_Index_RegClick},
        {btnC_RF_Rd_Sensor, &TForm1::btnC_RF_Rd_SensorClick},
        {btnC_RF_Wrt_Sensor, &TForm1::btnC_RF_Wrt_SensorClick},
        {btnC_RF_Rd_EEPROM, &TForm1::btnC_RF_Rd_EEPROMClick},
        {btnC_RF_SETUP_CPI, &TForm1::btnC_RF_SETUP_CPIClick},
        {rbC_RF_ENTER_ACCESS_WO_LED, &TForm1::rbC_RF_ENTER_ACCESS_WO_LEDClick},
        {rbC_RF_ENTER_ACCESS_W_LED, &TForm1::rbC_RF_ENTER_ACCESS_W_LEDClick},
        {rbC_RF_LEAVE_ACCESS, &TForm1::rbC_RF_LEAVE_ACCESSClick},
        {btnRdRFSetting, &TForm1::btnRdRFSettingClick},
        {btnBattery, &TForm1::btnBatteryClick},
        {btnCPI, &TForm1::btnCPIClick},
        {btnUpdateCustKey, &TForm1::btnUpdateCustKeyClick},
        {btnGetCustKey, &TForm1::btnGetCustKeyClick},
    };
    for (const auto& [button, handler] : clicks)
        bindClick(button, handler);

    // Handlers shared by name: the sender's name tells them their target.
    const auto named = [this](const QString& name) { return findChild<QAbstractButton*>(name); };
    for (int n = 1; n <= 12; ++n)
        bindClick(named(QStringLiteral("btnTestMode%1").arg(n)), &TForm1::btnTestMode1Click);
    for (int n = 1; n <= 4; ++n)
        bindClick(named(QStringLiteral("btnSpecialCmd%1").arg(n)), &TForm1::btnSpecialCmd1Click);
    for (const char* word : {"00", "01", "02", "15", "16", "17", "18", "19"}) {
        const QString digits = QString::fromLatin1(word);
        bindClick(named(QStringLiteral("btnEEPROM_R_") + digits), &TForm1::btnEEPROM_R_00Click);
        bindClick(named(QStringLiteral("btnEEPROM_W_") + digits), &TForm1::btnEEPROM_W_00Click);
    }
    // The RF EEPROM write yields a value, so it cannot share the plain handler binding.
    connect(btnC_RF_Wrt_EEPROM, &QAbstractButton::clicked, this,
            [this] { Guarded([this] { btnC_RF_Wrt_EEPROMClick(btnC_RF_Wrt_EEPROM); }); });
    new DoubleClickWatcher(DevListBox->viewport(),
                           [this] { Guarded([this] { DevListBoxDblClick(DevListBox); }); });
}
