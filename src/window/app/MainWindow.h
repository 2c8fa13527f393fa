#pragma once

#include "window/app/AppServices.h"
#include "window/controls/TColor.h"
#include "protocol/device/CommandChannel.h"
#include "protocol/device/DeviceList.h"
#include "protocol/device/HidBackend.h"
#include "protocol/device/ReceiverSelection.h"
#include "protocol/engineering/ReceiverControl.h"
#include "protocol/device/RfAccess.h"
#include "protocol/device/SpecialCommands.h"
#include "protocol/engineering/TestModeCommands.h"
#include "protocol/platform/ProcessList.h"
#include "window/receiver/ChoiceHistory.h"
#include "protocol/receiver/OptionChange.h"
#include "protocol/receiver/Pairing.h"
#include "protocol/receiver/ReceiverState.h"
#include "protocol/receiver/StatusReadouts.h"

#include "ui_MainWindow.h"

#include <QRecursiveMutex>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

class DeviceClock;
class QAbstractButton;
class QComboBox;
class QLineEdit;
class QRadioButton;
class TBatteryTray;
class TForm3;
class THidDevice;
class THidDeviceController;

// The main window. Its controls come from the form description (MainWindow.ui) and keep
// their names as object names. Its handlers live in the folder of the feature they belong to
// (files named *Handlers.cpp): each reads the value boxes, calls the feature's protocol half
// and shows the result.
class TForm1 : public QWidget, protected Ui::Form1Layout {
    Q_OBJECT
public:
    explicit TForm1(AppServices services, QWidget* parent = nullptr);
    ~TForm1() override;

    // ---- Window (app/) ------------------------------------------------------------------
    void FormCreate(QObject* Sender);
    void FormCloseQuery(QObject* Sender);
    void FormResize(QObject* Sender);
    QString GetSelfExeName();
    void TerminateOtherInstances(const QString& name);
    // The window's owned control with this object name, or null.
    QObject* FindComponent(const QString& name) const;
    template <class T>
    T* Find(const QString& name) const { return qobject_cast<T*>(FindComponent(name)); }
    // Checks or unchecks a radio button from code; its click handler runs only when it becomes
    // checked (a user's click always runs it).
    void SetChecked(QRadioButton* button, bool checked);
    // Appends a line to the debug list.
    void Debug(const QString& line);

    // ---- Command channel (device/) ------------------------------------------------------
    int EepromReadWord(quint8 wordNumber) { return channel_.EepromReadWord(wordNumber); }
    bool EepromWriteWord(quint8 wordNumber, quint16 value) { return channel_.EepromWriteWord(wordNumber, value); }
    int RfQuery(quint8 command, quint8 operand) { return channel_.RfQuery(command, operand); }
    void RfCommand(quint8 command, quint8 a, quint8 b) { channel_.RfCommand(command, a, b); }
    CommandChannel& Channel() { return channel_; }
    THidDevice* Receiver() const { return channel_.receiver(); }

    // ---- Receiver attach (app/) ---------------------------------------------------------
    bool HidDeviceController1Enumerate(THidDevice* HidDev, int Idx);
    void HidDeviceController1DeviceChange(QObject* Sender);
    void DevListBoxDblClick(QObject* Sender);
    void AttachReceiver();
    void ShowNoReceiver();

    // ---- Pairing (receiver/) ------------------------------------------------------------
    void btnCombo_Cmd_Soft_Bind_SWClick(QObject* Sender);
    void tmrSoftBindTimer(QObject* Sender);

    // ---- Status polling (receiver/) -----------------------------------------------------
    void tmrStatusTimer(QObject* Sender);
    void btnBatteryClick(QObject* Sender);
    void btnCPIClick(QObject* Sender);
    bool CheckMouseLink();

    // ---- Device options (receiver/) -----------------------------------------------------
    void rbRF_DR_15Click(QObject* Sender);
    void rbRF_DR_1AClick(QObject* Sender);
    void rbRF_DR_25Click(QObject* Sender);
    void rbRF_DR_2AClick(QObject* Sender);
    void rbRF_DR_45Click(QObject* Sender);
    void rbRF_DR_4AClick(QObject* Sender);
    void rbRF_DR_4FClick(QObject* Sender);
    void rbRF_CPI_HClick(QObject* Sender);
    void rbRF_CPI_LClick(QObject* Sender);
    void rbRF_DR_5AClick(QObject* Sender);
    void rbRF_DR_55Click(QObject* Sender);
    void cbRF_Set_BTY_Low_LevelChange(QObject* Sender);
    void btnRF_DR_15Click(QObject* Sender);
    void btnRF_DR_1AClick(QObject* Sender);
    void btnRF_DR_25Click(QObject* Sender);
    void btnRF_DR_2AClick(QObject* Sender);
    void btnRF_DR_45Click(QObject* Sender);
    void btnRF_DR_4AClick(QObject* Sender);
    void btnRF_DR_4FClick(QObject* Sender);
    void btnRF_DR_55Click(QObject* Sender);
    void btnRF_DR_5AClick(QObject* Sender);

    // ---- Settings read-back (receiver/) -------------------------------------------------
    void btnRdRFSettingClick(QObject* Sender);

    // ---- Custom hotkeys (receiver/) -----------------------------------------------------
    void FillCustKeyLists();
    void cbCustKey1Change(QObject* Sender);
    void cbCustKey2Change(QObject* Sender);
    void btnUpdateCustKeyClick(QObject* Sender);
    void btnGetCustKeyClick(QObject* Sender);

    // ---- EEPROM words and USB identity (receiver/) --------------------------------------
    void btnEEPROM_R_00Click(QObject* Sender);
    void btnEEPROM_W_00Click(QObject* Sender);
    void btnEEPROM_R_VIDClick(QObject* Sender);
    void btnEEPROM_W_VIDClick(QObject* Sender);
    void btnEEPROM_R_PIDClick(QObject* Sender);
    void btnEEPROM_W_PIDClick(QObject* Sender);
    void btnEEPROM_R_20Click(QObject* Sender);
    void btnEEPROM_W_20Click(QObject* Sender);

    // ---- Engineering unlock (engineering/) ----------------------------------------------
    void imgLogoDblClick(QObject* Sender);

    // ---- RF test modes (engineering/) ---------------------------------------------------
    void rbTestOnClick(QObject* Sender);
    void btnC_Combo_Cmd_Set_Test_Mode_Tx_DataClick(QObject* Sender);
    void btnC_Combo_Cmd_Test_Freq_ModeClick(QObject* Sender);
    void btnC_Combo_Cmd_Set_Test_ModeClick(QObject* Sender);
    void btnTestMode1Click(QObject* Sender);

    // ---- Register, sensor and EEPROM access (engineering/) ------------------------------
    void btnC_RF_Rd_Direct_RegClick(QObject* Sender);
    void btnC_RF_Wrt_Direct_RegClick(QObject* Sender);
    void btnC_RF_Rd_Index_RegClick(QObject* Sender);
    void btnC_RF_Wrt_Index_RegClick(QObject* Sender);
    void btnC_RF_Rd_SensorClick(QObject* Sender);
    void btnC_RF_Wrt_SensorClick(QObject* Sender);
    void btnC_RF_Rd_EEPROMClick(QObject* Sender);
    // Returns the last value read back.
    int btnC_RF_Wrt_EEPROMClick(QObject* Sender);
    void btnC_RF_SETUP_CPIClick(QObject* Sender);
    void rbC_RF_ENTER_ACCESS_WO_LEDClick(QObject* Sender);
    void rbC_RF_ENTER_ACCESS_W_LEDClick(QObject* Sender);
    void rbC_RF_LEAVE_ACCESSClick(QObject* Sender);
    void btnC_ENTER_ACCESSClick(QObject* Sender);
    void btnC_LEAVE_ACCESSClick(QObject* Sender);
    void btnC_JUMP_TO_PORClick(QObject* Sender);
    void btnC_Enable_RSSIClick(QObject* Sender);
    void btnC_Disable_RSSIClick(QObject* Sender);

    // ---- Channel diagnostics (engineering/) ---------------------------------------------
    void btnSpecialCmd1Click(QObject* Sender);
    void rbMSEClick(QObject* Sender);
    QLineEdit* FindGridCell(const QString& prefix, int row, int column) const;
    QLineEdit* FHSSCell(int row, int column) const;
    QLineEdit* KBDFHSSCell(int row, int column) const;
    QLineEdit* RSSICell(int row, int column) const;
    static void PaintGridCell(QLineEdit* cell, TColor colour);
    static TColor GridCellColour(const QLineEdit* cell);
    // A read result as the data boxes show it: at least two upper-case digits; -1 as FFFFFFFF.
    static QString ReadResultText(int result);

    // ---- Localization (i18n/) -----------------------------------------------------------
    void LoadLanguage();
    void ApplyLanguage();
    void SaveLanguage();
    void cbbLangChange(QObject* Sender);

    // ---- State shared by the features ---------------------------------------------------
    // Runs fn, and shows a value box's conversion error (or any other escaping exception) in
    // a message box instead of letting it cross the event loop.
    void Guarded(const std::function<void()>& fn) noexcept;

    AppServices& Services() { return services_; }
    DeviceClock& Clock() const { return *services_.clock; }
    THidDeviceController* Controller() const { return HidDeviceController1; }
    QRecursiveMutex* DeviceLock() const { return deviceLock_.get(); }
    TForm3* ProgressWindow() const { return Form3; }
    void SetProgressWindow(TForm3* form) { Form3 = form; }
    const ::ProductTable& ProductTable() const { return productTable_; }
    // The receiver functions' flags and IDs.
    ReceiverState& State() { return state_; }
    const DeviceList& Devices() const { return devices_; }

    // Window size globals: the size the window is held to.
    int WindowWidth = 725;
    int WindowHeight = 410;

    bool EngineeringMode = false;
    int LogoDblClickCount = 0;
    // The password prompt's ValueText: the last entry confirmed with OK.
    QString PassValueText;
    // List positions of the hotkey defaults, remembered when the lists are built.
    int HomeEntryIndex = -1;
    int MailEntryIndex = -1;

    QWidget* skinForm1 = nullptr;
    // The mouse battery in the desktop's tray (kept also where the desktop has none).
    TBatteryTray* trayBattery = nullptr;
    QTimer* tmrSoftBind = nullptr;
    QTimer* tmrStatus = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    using Handler = void (TForm1::*)(QObject*);

    // ---- Pairing: private steps and members (receiver/PairingHandlers.cpp) --------------
    void RunPairingTick();
    // Ends a pairing that paired or timed out: picture, caption, dialog, then the settings
    // read-back when a new mouse answers, and the status timer again.
    void EndPairing(bool paired);
    void SetPairingCaption(bool pairing);
    void ShowPairingDialog(const QString& text);
    // A click on the Connect button that came while a tick was exchanging runs after it.
    void RunPendingPairingClick();
    // True while a status tick or a pairing step runs on the current receiver.
    bool ReceiverBusy() const;
    Pairing pairing_{channel_, specialCommands_};
    // The receiver (count of receiver changes) a pairing step runs on.
    std::optional<quint64> pairingOn_;
    bool pairingClickPending_ = false;
    quint64 pairingClickReceiver_ = 0;

    // ---- Status polling: private steps and members (receiver/StatusHandlers.cpp) --------
    void RunStatusTick();
    // Runs special command n and shows its reply in the value boxes and grids; nothing when
    // the run failed.
    std::optional<SpecialReply> RunSpecialCommand(int n);
    void ShowSpecialRun(const SpecialReply& reply);
    void ShowBattery(const BatteryLevels& levels);
    void ShowCpi(int hundreds);
    StatusReadouts statusReadouts_{channel_, specialCommands_, rfAccess_};
    // The receivers (counts of receiver changes) a status tick and a read-out run on.
    std::optional<quint64> statusTickOn_;
    std::optional<quint64> readoutOn_;

    // ---- Device options: private steps and members (receiver/OptionHandlers.cpp) --------
    // Follows what each option group shows, so that a handler knows the choice before the
    // click and whether the click changed anything.
    void TrackOptionSelections();
    void OptionChosen(OptionGroup group);
    void AutoConnectChosen(bool enable);
    std::vector<QRadioButton*> OptionButtons(OptionGroup group) const;
    // The group's choice on show, or -1.
    int ShownChoice(OptionGroup group) const;
    // Shows a choice from code without sending it; -1 shows none.
    void ShowChoice(OptionGroup group, int choice);
    // The option register write through the direct register boxes.
    void WriteOptionRegister(quint8 code);
    OptionChange::Writes OptionWritesThroughBoxes();
    std::array<ChoiceHistory, kOptionGroupCount> optionHistory_;
    ChoiceHistory autoConnectHistory_;

    // ---- Read-back: private steps and members (receiver/ReadBackHandlers.cpp) -----------

    // ---- Hotkeys: private steps and members (receiver/HotkeyHandlers.cpp) ---------------
    QComboBox* HotkeyList(int hotkey) const;
    // Stores the user's choice in hotkey list `hotkey` (0 or 1), and then every choice made
    // while that store let events run, so that the latest choice is the one stored last.
    void StoreHotkeyChoices(int hotkey);
    void StoreHotkey(int hotkey);
    bool storingHotkeys_ = false;
    unsigned pendingHotkeyChoices_ = 0;  // bit n: list n was chosen and is not stored yet

    // ---- Identity: private steps and members (receiver/IdentityHandlers.cpp) ------------
    enum class EepromWrite { Done, Refused, NotConfirmed };
    // The value box named after an EEPROM button ("edtEEPROM_" and the button's last two
    // digits), or null.
    THexEdit* EepromByteBox(const QObject* button) const;
    // Single-byte read into the button's box; the word read, or -1.
    int ReadEepromByte(const QObject* button);
    EepromWrite WriteEepromByte(const QObject* button);
    // The box's value when it fits `max`; otherwise the refusal (%1: the box's text) is shown
    // and none returned. Text that is not hexadecimal raises the box's conversion error.
    std::optional<int> FittingValue(const THexEdit* box, quint32 max, const QString& refusal);
    void ReadIdentityPair(const QObject* highButton, const QObject* lowButton, THexEdit* target);
    void WriteIdentityPair(THexEdit* source, const QObject* highButton, const QObject* lowButton);
    // Runs the writes of one identity store with the status tick held off; refuses a store
    // started while another one runs.
    void RunEepromWrites(const std::function<EepromWrite()>& writes);
    bool writingEeprom_ = false;

    // ---- Shared by the window -----------------------------------------------------------
    // Start-up steps.
    QString WorkingDirectory() const;
    std::vector<ProcessList::Entry> ProcessSnapshot() const;
    QString SelfExeName(const std::vector<ProcessList::Entry>& processes) const;
    void TerminateOtherInstances(const QString& name,
                                 const std::vector<ProcessList::Entry>& processes);
    void FillBatteryLowList();
    void LoadCustomLogo();
    void CentreOnScreen();
    void ClearChannelGrids();
    // Releases the listed devices and empties DevListBox.
    void FreeDevListObjects();
    // Receiver selection and attach steps.
    // Tells the user, in the window and on standard error, how to mend a receiver that is
    // plugged in but cannot be opened; ShowAccessHelp shows it in the language in force.
    void ReportInaccessibleNodes(const std::vector<HidNodeInfo>& nodes);
    void ShowAccessHelp(bool onlyIfOpen);
    void ShowConnectionPicture(QWidget* picture);
    void ResetTestModeControls(bool enabled);
    void ResetMouseChannelGrids();
    void UncheckOptionButtons();
    void ResetIdentityControls(bool enabled);
    bool ReadLinkStatusAtAttach();
    void ReadBatteryAtAttach();
    void ShowKeyboardRow(quint16 vendorId, quint16 productId);
    // Engineering console helpers.
    // The number in a test box when a receiver is attached and the number is in range; the
    // range message otherwise.
    std::optional<quint8> NumberInRange(const QLineEdit* box, TestModeCommands::Range range,
                                        const QString& rangeMessage);
    void RfRead(RfSpace space, THexEdit* addressBox, THexEdit* dataBox);
    void RfWrite(RfSpace space, THexEdit* addressBox, THexEdit* dataBox);
    void PaintGridRow(const ChannelMapRow& row);
    void ShowSpecialReply(const SpecialReply& reply);

    // Sets what the form description cannot hold: the custom controls' own properties, the
    // pictures, the input limits and the states of the hidden pages' tabs.
    void FinishLayout();
    void BuildGrids();
    // Special command n's box of reply byte `field`, or null.
    THexEdit* SpecialReplyBox(int command, int field) const;
    void BindEvents();
    // Binds a button's click (or a radio button's click) to a handler, run guarded.
    void BindClick(QAbstractButton* button, Handler handler);
    // Binds a combo box's user choice (never a selection from code) to a handler.
    void BindChange(QComboBox* combo, Handler handler);

    std::unordered_map<const QObject*, Handler> clickHandlers_;
    // The grids' cells (row * 8 + column) and the special command boxes, kept as they are
    // built: the status tick shows them every second, and a search of the window's few
    // hundred objects by name cost more than the exchanges themselves.
    std::array<std::array<QLineEdit*, 32>, 3> gridCells_{};
    std::array<std::array<THexEdit*, 7>, 4> specialReplyBoxes_{};
    std::vector<HidNodeInfo> inaccessibleNodes_;  // the receiver nodes of the latest help

    AppServices services_;
    CommandChannel channel_;
    RfAccess rfAccess_{channel_};
    SpecialCommands specialCommands_{channel_};
    TestModeCommands testModes_{channel_};
    ReceiverControl receiverControl_{channel_};
    ReceiverState state_;
    THidDeviceController* HidDeviceController1 = nullptr;
    DeviceList devices_;
    std::unique_ptr<QRecursiveMutex> deviceLock_;
    ::ProductTable productTable_;
    TForm3* Form3 = nullptr;
    bool closing_ = false;
};
