#pragma once

#include "protocol/receiver/SettingsApply.h"
#include "window/app/AppServices.h"
#include "window/controls/TColor.h"

#include "ui_EngineeringAreas.h"
#include "ui_MainWindow.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

class CommandChannel;
class DeviceClock;
class DeviceList;
class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QRecursiveMutex;
class QTimer;
class TBatteryTray;
class TForm3;
class TSkinFrame;
class THidDevice;
class THidDeviceController;
enum class RfSpace;
struct BatteryLevels;
struct ChannelMapRow;
struct HidNodeInfo;
struct ProductRecord;
struct ReceiverState;
struct SettingRow;
struct SpecialReply;

// Each feature's own state, declared by the feature's handler header.
struct ReceiverLinkState;  // window/device/ReceiverAttachHandlers.h
struct PairingState;       // window/receiver/PairingHandlers.h
struct StatusState;        // window/receiver/StatusHandlers.h
struct SettingsState;      // window/receiver/SettingsHandlers.h
struct IdentityState;      // window/receiver/IdentityHandlers.h
struct UnlockState;        // window/engineering/EngineeringUnlockHandlers.h
struct TestModeState;      // window/engineering/TestModeHandlers.h
struct DiagnosticsState;   // window/engineering/ChannelDiagnosticsHandlers.h

// The main window. Its controls come from the form descriptions and keep their names as object
// names: MainWindow.ui holds what the normal size shows, EngineeringAreas.ui the areas only the
// engineering size shows and the page control that is never shown. Those areas are built
// after the window's first paint (or when a name lookup asks for one of their controls
// first); until then their members are null. Its handlers live in the window's folder of the
// feature they belong to (files named *Handlers.cpp): each reads the value boxes, calls the
// feature's protocol half and shows the result. Each feature keeps its own state in a structure its
// handler header declares, so that a change of a protocol header rebuilds only the handlers
// that use it.
class TForm1 : public QWidget, protected Ui::Form1Layout, protected Ui::EngineeringAreas {
    Q_OBJECT
public:
    explicit TForm1(AppServices services, QWidget* parent = nullptr);
    ~TForm1() override;

    // ---- Window (app/) ------------------------------------------------------------------
    void FormCreate(QObject* Sender);
    void FormCloseQuery(QObject* Sender);
    void FormResize(QObject* Sender);
    // Started with --hidden and a tray to show it from: FormCreate leaves the window unshown.
    void SetStartHidden(bool hidden) { startHidden_ = hidden; }
    QString GetSelfExeName();
    void TerminateOtherInstances(const QString& name);
    // The window's owned control with this object name, or null.
    QObject* FindComponent(const QString& name) const;
    template <class T>
    T* Find(const QString& name) const
    {
        return qobject_cast<T*>(FindComponent(name));
    }
    // Checks or unchecks a radio button from code; its click handler runs only when it becomes
    // checked (a user's click always runs it).
    void SetChecked(QRadioButton* button, bool checked);
    // Appends a line to the debug list.
    void Debug(const QString& line);

    // ---- Command channel (device/) ------------------------------------------------------
    int EepromReadWord(quint8 wordNumber);
    bool EepromWriteWord(quint8 wordNumber, quint16 value);
    int RfQuery(quint8 command, quint8 operand);
    void RfCommand(quint8 command, quint8 a, quint8 b);
    CommandChannel& Channel() const;
    THidDevice* Receiver() const;

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

    // ---- Settings read-back (receiver/) -------------------------------------------------
    void btnRdRFSettingClick(QObject* Sender);

    // ---- Custom hotkeys (receiver/) -----------------------------------------------------
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

    // The title bar menu's "Copy a report": the bug report karvelo-rf report prints, gathered
    // off the UI thread, with the receiver as the window knows it, on the clipboard.
    void CopyReportClick(QObject* Sender);
    // Emitted once a report is on the clipboard (for tests).
    std::function<void(const QString&)> OnReportCopied;

    AppServices& Services() { return services_; }
    DeviceClock& Clock() const { return *services_.clock; }
    THidDeviceController* Controller() const { return HidDeviceController1; }
    QRecursiveMutex* DeviceLock() const { return deviceLock_.get(); }
    TForm3* ProgressWindow() const { return Form3; }
    void SetProgressWindow(TForm3* form) { Form3 = form; }
    const std::vector<ProductRecord>& ProductTable() const;
    // The receiver functions' flags and IDs.
    ReceiverState& State() const;
    const DeviceList& Devices() const;

    // Set by the engineering unlock; tests and benchmarks may set it directly.
    bool EngineeringMode() const;
    void SetEngineeringMode(bool on);

    // The batteries in the desktop's tray (kept also where the desktop has none).
    TBatteryTray* const trayBattery;
    QTimer* const tmrSoftBind;
    QTimer* const tmrStatus;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    using Handler = void (TForm1::*)(QObject*);

    // ---- Pairing: private steps (receiver/PairingHandlers.cpp) --------------------------
    void runPairingTick();
    // Ends a pairing that paired or timed out: picture, caption, dialog, then the settings
    // read-back when a new mouse answers, and the status timer again.
    void endPairing(bool paired, bool newMouse = false);
    void setPairingCaption(bool pairing);
    // The line beside the Connect button: what to do, and the seconds the pairing still waits.
    void showPairingTimeLeft(int ticksDone);
    void showPairingDialog(const QString& text);
    // A click on the Connect button that came while a tick was exchanging runs after it.
    void runPendingPairingClick();
    // True while a status tick or a pairing step runs on the current receiver.
    bool receiverBusy() const;

    // ---- Status polling: private steps (receiver/StatusHandlers.cpp) --------------------
    void runStatusTick();
    // Tells once that no lock can be had to keep other programs off the receiver.
    void tellLockFailure();
    // Runs special command n and shows its reply in the value boxes and grids; nothing when
    // the run failed.
    std::optional<SpecialReply> runSpecialCommand(int n);
    void showSpecialRun(const SpecialReply& reply);
    void showBattery(const BatteryLevels& levels);
    void showCpi(int hundreds);
    // The CPI setting shows a choice: the tick reads the CPI too.
    bool cpiOnShow() const;
    // The tray's notices after a tick's battery read-out and binding status (app/TrayHandlers.cpp).
    void noteBatteryTick(const std::optional<SpecialReply>& bindingStatus);
    bool keyboardSendsPackets();

    // ---- Settings: private steps (receiver/SettingsHandlers.cpp) ------------------------
    // Binds the settings table's rows to their controls (again once the engineering areas
    // are built) and prepares the writes through the register boxes.
    void bindSettings();
    // The handler of every setting's control: a user's choice, or a radio button checked from
    // code.
    void settingChosen(QObject* control);
    // Writes a mouse setting's choice on show and verifies it.
    void writeSetting(const SettingRow& row);
    // Stores the user's hotkey choice, and then every one made while that store let events
    // run, so that the latest choice is the one stored last.
    void storeHotkeyChoices(const SettingRow& row);
    void storeHotkey(const SettingRow& row);
    // The option register write through the direct register boxes.
    void writeOptionRegister(quint8 code);

    // ---- Settings files: private steps (receiver/SettingsFileHandlers.cpp) ---------------
    void addSettingsFileEntries();
    // What each setting shows, per row of the settings table (nothing: none shown).
    std::vector<std::optional<int>> shownSettings() const;
    void saveSettingsFile();
    void loadSettingsFile();
    // After a pairing: the file last saved or loaded, when it would change the new mouse.
    void offerLastSettingsFile();
    // Asks whether to write what the file would change, and writes it; for a new mouse only
    // when something differs, and a file that cannot be read is not told.
    void offerSettingsFile(const QString& path, bool newMouse);
    void writeSettingsChanges(std::vector<SettingsApply::Change>& changes);

    // ---- Identity: private steps (receiver/IdentityHandlers.cpp) ------------------------
    enum class EepromWrite { Done, Refused, NotConfirmed };
    // The value box named after an EEPROM button ("edtEEPROM_" and the button's last two
    // digits), or null.
    THexEdit* eepromByteBox(const QObject* button) const;
    // Single-byte read into the button's box; the word read, or -1.
    int readEepromByte(const QObject* button);
    EepromWrite writeEepromByte(const QObject* button);
    // The box's value when it fits `max`; otherwise the refusal (%1: the box's text) is shown
    // and none returned. Text that is not hexadecimal raises the box's conversion error.
    std::optional<int> fittingValue(const THexEdit* box, quint32 max, const QString& refusal);
    void readIdentityPair(const QObject* highButton, const QObject* lowButton, THexEdit* target);
    void writeIdentityPair(THexEdit* source, const QObject* highButton, const QObject* lowButton);
    // Runs the writes of one identity store with the status tick held off; refuses a store
    // started while another one runs.
    void runEepromWrites(const std::function<EepromWrite()>& writes);

    // ---- Start-up (app/MainWindowStartup.cpp) -------------------------------------------
    QString workingDirectory() const;
    void loadCustomLogo();
    void centreOnScreen();
    void clearChannelGrids();

    // ---- Receiver selection and attach (device/ReceiverAttachHandlers.cpp) --------------
    // Releases the listed devices and empties DevListBox.
    void freeDevListObjects();
    // Tells the user, in the window and on standard error, how to mend a receiver that is
    // plugged in but cannot be opened; showAccessHelp shows it in the language in force.
    void reportInaccessibleNodes(const std::vector<HidNodeInfo>& nodes);
    void showAccessHelp(bool onlyIfOpen);
    void showConnectionPicture(QWidget* picture);
    // The line beside the Connect button, and the no-receiver picture's tooltip, in the
    // language in force.
    void showLinkLine();
    void showBatteryRows(bool keyboard);
    void resetTestModeControls(bool enabled);
    void resetMouseChannelGrids();
    void resetIdentityControls(bool enabled);
    bool readLinkStatusAtAttach();
    void readBatteryAtAttach();
    void showKeyboardRow(quint16 vendorId, quint16 productId);
    void showBatteryTips();

    // ---- Engineering console: private steps (engineering/) ------------------------------
    void rfRead(RfSpace space, THexEdit* addressBox, THexEdit* dataBox);
    void rfWrite(RfSpace space, THexEdit* addressBox, THexEdit* dataBox);
    void paintGridRow(const ChannelMapRow& row);
    void showSpecialReply(const SpecialReply& reply);

    // ---- Layout and events (app/MainWindowLayout.cpp, app/MainWindowEvents.cpp) ---------
    // Sets what the form description cannot hold: the custom controls' own properties, the
    // pictures, the input limits and the states of the hidden pages' tabs.
    void finishLayout();
    // The pictures drawn for the scale of the window's screen.
    void showPicturesForScale();
    // Builds the areas of EngineeringAreas.ui once: their controls, their settings and
    // handlers, the grids, and the state the window is in (receiver, language, reach).
    void ensureEngineeringAreas();
    bool areasBuilt() const { return areasBuilt_; }
    void finishEngineeringAreas();
    void bindEngineeringAreaEvents();
    // The areas' controls as the receiver's presence leaves them.
    void resetEngineeringAreas(bool receiverAttached);
    void buildGrids();
    // Special command n's box of reply byte `field`, or null.
    THexEdit* specialReplyBox(int command, int field) const;
    void bindEvents();
    // Hides the areas that lie outside the window at its present size, and shows again those
    // it hid that now lie inside: a control the window does not show takes no focus, key,
    // shortcut or mnemonic.
    void reachOnlyShownAreas();
    // Binds a button's click (or a radio button's click) to a handler, run guarded.
    void bindClick(QAbstractButton* button, Handler handler);
    // Binds a combo box's user choice (never a selection from code) to a handler.
    void bindChange(QComboBox* combo, Handler handler);

    std::unordered_map<const QObject*, Handler> clickHandlers_;
    std::vector<QWidget*> outOfReach_;  // hidden by reachOnlyShownAreas, not by design
    bool areasBuilt_ = false;
    TSkinFrame* skinForm1 = nullptr;
    QLabel* lblLinkState = nullptr;
    // The size the window is held to.
    int WindowWidth = 725;
    int WindowHeight = 410;

    AppServices services_;
    THidDeviceController* HidDeviceController1 = nullptr;
    std::unique_ptr<QRecursiveMutex> deviceLock_;
    TForm3* Form3 = nullptr;
    bool closing_ = false;
    bool startHidden_ = false;
    bool startedUp_ = false;  // FormCreate has come to the point where the window shows

    const std::unique_ptr<ReceiverLinkState> link_;
    const std::unique_ptr<PairingState> pairing_;
    const std::unique_ptr<StatusState> status_;
    const std::unique_ptr<SettingsState> settings_;
    const std::unique_ptr<IdentityState> identity_;
    const std::unique_ptr<UnlockState> unlock_;
    const std::unique_ptr<TestModeState> testModes_;
    const std::unique_ptr<DiagnosticsState> diagnostics_;
};
