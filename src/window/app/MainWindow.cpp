#include "window/app/MainWindow.h"

#include "window/app/BatteryTray.h"
#include "window/app/SkinFrame.h"
#include "window/app/UserPrompts.h"
#include "window/controls/HexEdit.h"
#include "window/controls/Pictures.h"
#include "protocol/device/DeviceClock.h"
#include "protocol/device/HidController.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QRadioButton>
#include <QResizeEvent>

#include <exception>

namespace {

constexpr int kReceiverLockWaitMs = 200;

} // namespace

TForm1::TForm1(AppServices services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)), channel_(*services_.clock)
{
    InitPictureResources();
    setupUi(this);
    FinishLayout();
    tmrSoftBind = new QTimer(this);
    tmrSoftBind->setObjectName(QStringLiteral("tmrSoftBind"));
    tmrSoftBind->setInterval(1000);
    tmrStatus = new QTimer(this);
    tmrStatus->setObjectName(QStringLiteral("tmrStatus"));
    tmrStatus->setInterval(1000);

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
        ReportInaccessibleNodes(nodes);
    };
    channel_.setDebugLog([this](const QString& line) { Debug(line); });
    // The window waits only briefly for a command line using the receiver: a tick it cannot
    // run is simply skipped.
    if (services_.receiverLock)
        channel_.setLock(services_.receiverLock, kReceiverLockWaitMs);

    BuildGrids();
    BindEvents();
    TrackOptionSelections();
    // The size is fixed: no maximise button.
    skinForm1 = new TSkinFrame(this, TSkinTitleBar::SystemMenu | TSkinTitleBar::Minimise |
                                         TSkinTitleBar::Close);
    skinForm1->setObjectName(QStringLiteral("skinForm1"));
    trayBattery = new TBatteryTray(this);
}

TForm1::~TForm1()
{
    // The device list owns its devices; the controller goes first so that releasing them does
    // not make it look for replacements.
    channel_.setReceiver(nullptr);
    delete HidDeviceController1;
    HidDeviceController1 = nullptr;
    FreeDevListObjects();
}

QObject* TForm1::FindComponent(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    return findChild<QObject*>(name);
}

void TForm1::SetChecked(QRadioButton* button, bool checked)
{
    if (!button || button->isChecked() == checked)
        return;
    // An exclusive radio button cannot be unchecked directly.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(exclusive && checked);
    button->setChecked(checked);
    button->setAutoExclusive(exclusive);
    if (!checked)
        return;
    const auto it = clickHandlers_.find(button);
    if (it != clickHandlers_.end())
        (this->*(it->second))(button);
}

void TForm1::BindClick(QAbstractButton* button, Handler handler)
{
    clickHandlers_[button] = handler;
    connect(button, &QAbstractButton::clicked, this,
            [this, button, handler] { Guarded([&] { (this->*handler)(button); }); });
}

void TForm1::BindChange(QComboBox* combo, Handler handler)
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
            services_.prompts->ShowMessage(this, e.message());
    } catch (const std::exception& e) {
        if (services_.prompts)
            services_.prompts->ShowMessage(this, QString::fromUtf8(e.what()));
    } catch (...) {
        if (services_.prompts)
            services_.prompts->ShowMessage(this, QStringLiteral("Unexpected error"));
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
    Guarded([&] { FormCloseQuery(this); });
}
