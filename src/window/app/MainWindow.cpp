#include "window/app/MainWindow.h"

#include "cli/ReportTexts.h"
#include "protocol/device/DeviceClock.h"
#include "protocol/device/HidController.h"
#include "window/app/AccessibleControls.h"
#include "window/app/BatteryTray.h"
#include "window/app/SkinFrame.h"
#include "window/app/UserPrompts.h"
#include "window/controls/HexEdit.h"
#include "window/controls/Pictures.h"
#include "window/device/ReceiverAttachHandlers.h"
#include "window/engineering/ChannelDiagnosticsHandlers.h"
#include "window/engineering/EngineeringUnlockHandlers.h"
#include "window/engineering/TestModeHandlers.h"
#include "window/receiver/IdentityHandlers.h"
#include "window/receiver/PairingHandlers.h"
#include "window/receiver/SettingsHandlers.h"
#include "window/receiver/StatusHandlers.h"
#include "window/receiver/StatusPace.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QRadioButton>
#include <QRecursiveMutex>
#include <QResizeEvent>
#include <QTimer>

#include <exception>

namespace {

constexpr int kReceiverLockWaitMs = 200;

QTimer* NewTimer(QObject* owner, const char* name)
{
    auto* timer = new QTimer(owner);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(1000);
    return timer;
}

}  // namespace

TForm1::TForm1(AppServices services, QWidget* parent)
    : QWidget(parent),
      Ui::Form1Layout(),
      Ui::EngineeringAreas(),
      trayBattery(new TBatteryTray(this, services.companion)),
      tmrSoftBind(NewTimer(this, "tmrSoftBind")),
      tmrStatus(NewTimer(this, "tmrStatus")),
      services_(std::move(services)),
      link_(std::make_unique<ReceiverLinkState>(*services_.clock)),
      pairing_(std::make_unique<PairingState>(link_->channel, link_->specialCommands)),
      status_(
          std::make_unique<StatusState>(link_->channel, link_->specialCommands, link_->rfAccess)),
      settings_(std::make_unique<SettingsState>(*this, link_->channel, link_->receiver)),
      identity_(std::make_unique<IdentityState>()),
      unlock_(std::make_unique<UnlockState>()),
      testModes_(std::make_unique<TestModeState>(link_->channel)),
      diagnostics_(std::make_unique<DiagnosticsState>())
{
    InitPictureResources();
    InstallAccessibleControls();
    Ui::Form1Layout::setupUi(this);
    finishLayout();

    HidDeviceController1 = new THidDeviceController(services_.hid, this);
    HidDeviceController1->setObjectName(QStringLiteral("HidDeviceController1"));
    HidDeviceController1->SetDevThreadSleepTime(1000);
    HidDeviceController1->OnEnumerate = [this](THidDevice* dev, int idx) {
        return HidDeviceController1Enumerate(dev, idx);
    };
    HidDeviceController1->OnDeviceChange = [this](QObject* sender) {
        Guarded([&] { HidDeviceController1DeviceChange(sender); });
    };
    HidDeviceController1->OnAccessDenied = [this](const std::vector<HidNodeInfo>& nodes) {
        reportInaccessibleNodes(nodes);
    };
    Channel().setDebugLog([this](const QString& line) { Debug(line); });
    // The window waits only briefly for a command line using the receiver: a tick it cannot
    // run is simply skipped.
    if (services_.receiverLock)
        Channel().setLock(services_.receiverLock, kReceiverLockWaitMs);

    bindEvents();
    bindSettings();
    connect(trayBattery, &TBatteryTray::quitRequested, this,
            [this] { Guarded([&] { FormCloseQuery(this); }); });
    // The size is fixed: no maximise button.
    skinForm1 = new TSkinFrame(this, TSkinTitleBar::SystemMenu | TSkinTitleBar::Minimise |
                                         TSkinTitleBar::Close);
    skinForm1->setObjectName(QStringLiteral("skinForm1"));
    addSettingsFileEntries();
    skinForm1->titleBar()->addMenuEntry(ReportText::kCopyEntry,
                                        [this] { Guarded([&] { CopyReportClick(this); }); });
    // The tray's choices also where the desktop shows no tray; the poll slows while hidden.
    trayBattery->offerChoicesIn(skinForm1->titleBar()->systemMenu());
    new StatusPace(*this);
}

TForm1::~TForm1()
{
    // The device list owns its devices; the controller goes first so that releasing them does
    // not make it look for replacements.
    Channel().setReceiver(nullptr);
    delete HidDeviceController1;
    HidDeviceController1 = nullptr;
    freeDevListObjects();
}

CommandChannel& TForm1::Channel() const
{
    return link_->channel;
}
THidDevice* TForm1::Receiver() const
{
    return link_->channel.receiver();
}
int TForm1::EepromReadWord(quint8 wordNumber)
{
    return Channel().EepromReadWord(wordNumber);
}
bool TForm1::EepromWriteWord(quint8 wordNumber, quint16 value)
{
    return Channel().EepromWriteWord(wordNumber, value);
}
int TForm1::RfQuery(quint8 command, quint8 operand)
{
    return Channel().RfQuery(command, operand);
}
void TForm1::RfCommand(quint8 command, quint8 a, quint8 b)
{
    Channel().RfCommand(command, a, b);
}
ReceiverState& TForm1::State() const
{
    return link_->receiver;
}
const DeviceList& TForm1::Devices() const
{
    return link_->devices;
}
const ProductTable& TForm1::ProductTable() const
{
    return link_->productTable;
}
bool TForm1::EngineeringMode() const
{
    return unlock_->engineeringMode;
}
void TForm1::SetEngineeringMode(bool on)
{
    unlock_->engineeringMode = on;
}

QObject* TForm1::FindComponent(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    QObject* found = findChild<QObject*>(name);
    if (!found && !areasBuilt_) {
        // A name of the areas built after the first paint: they are built now.
        const_cast<TForm1*>(this)->ensureEngineeringAreas();
        found = findChild<QObject*>(name);
    }
    return found;
}

void TForm1::SetChecked(QRadioButton* button, bool checked)
{
    if (!button || button->isChecked() == checked)
        return;
    // An exclusive radio button cannot be unchecked directly, alone or in its group.
    const bool exclusive = button->autoExclusive();
    QButtonGroup* group = button->group();
    const bool groupExclusive = group && group->exclusive();
    button->setAutoExclusive(exclusive && checked);
    if (group)
        group->setExclusive(groupExclusive && checked);
    button->setChecked(checked);
    button->setAutoExclusive(exclusive);
    if (group)
        group->setExclusive(groupExclusive);
    if (!checked)
        return;
    const auto it = clickHandlers_.find(button);
    if (it != clickHandlers_.end())
        (this->*(it->second))(button);
}

void TForm1::bindClick(QAbstractButton* button, Handler handler)
{
    clickHandlers_[button] = handler;
    connect(button, &QAbstractButton::clicked, this,
            [this, button, handler] { Guarded([&] { (this->*handler)(button); }); });
}

void TForm1::bindChange(QComboBox* combo, Handler handler)
{
    connect(combo, qOverload<int>(&QComboBox::activated), this,
            [this, combo, handler] { Guarded([&] { (this->*handler)(combo); }); });
}

void TForm1::Guarded(const std::function<void()>& fn) noexcept
{
    try {
        fn();
    } catch (const HexConversionError& e) {
        if (services_.prompts)
            services_.prompts->showMessage(this, e.message());
    } catch (const std::exception& e) {
        if (services_.prompts)
            services_.prompts->showMessage(this, QString::fromUtf8(e.what()));
    } catch (...) {
        if (services_.prompts)
            services_.prompts->showMessage(this, QStringLiteral("Unexpected error"));
    }
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Guarded([&] { FormResize(this); });
}

void TForm1::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (trayBattery->keepsRunning()) {
        hide();  // the tray's "Show" brings it back, its "Quit" ends the tool
        trayBattery->tellWhereItRuns();
        return;
    }
    Guarded([&] { FormCloseQuery(this); });
}
