#include "window/app/BatteryTray.h"

#include "protocol/receiver/StatusReadouts.h"
#include "window/app/Application.h"
#include "window/controls/TColor.h"
#include "window/i18n/TrayTexts.h"

#include <QCoreApplication>
#include <QIconEngine>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int kMouseFull = 7;
constexpr int kHostPollMs = 250;
const char* const kKeepRunningKey = "KeepInTray";

TColor BandColour(BatteryBand band)
{
    switch (band) {
    case BatteryBand::Good: return clLime;
    case BatteryBand::Low: return clYellow;
    case BatteryBand::Critical: return clRed;
    }
    return clRed;
}

QPixmap BatteryPicture(std::optional<int> level, int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // A battery lying on its side: body, terminal, and the charge filling it from the left.
    const qreal unit = size / 16.0;
    const QRectF body(unit * 1, unit * 4, unit * 12, unit * 8);
    const QRectF terminal(unit * 13, unit * 6, unit * 2, unit * 4);
    painter.setPen(QPen(Qt::black, unit));
    painter.setBrush(Qt::white);
    painter.drawRect(body);
    painter.setBrush(Qt::black);
    painter.drawRect(terminal);
    if (level) {
        // A level past the scale is a fault reading: one red step.
        const int shown = *level > kMouseFull ? 1 : qMax(*level, 0);
        const QRectF inside = body.adjusted(unit * 1.5, unit * 1.5, -unit * 1.5, -unit * 1.5);
        QRectF charge = inside;
        charge.setWidth(inside.width() * qMax(shown, 1) / kMouseFull);
        painter.setPen(Qt::NoPen);
        painter.setBrush(toQColor(BandColour(MouseBatteryBand(*level))));
        painter.drawRect(charge);
    }
    return picture;
}

// Draws the battery at the size and scale the tray asks for, when it asks: nothing is drawn
// for sizes no tray shows, and a 2x screen gets a picture made for it, not a stretched one.
class BatteryIconEngine final : public QIconEngine {
public:
    explicit BatteryIconEngine(std::optional<int> level) : level_(level) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect,
                            Picture(qRound(qMin(rect.width(), rect.height()) * scale), scale));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return Picture(qMin(size.width(), size.height()), 1.0);
    }
    // `size` in device pixels, as QIcon asks.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override
    {
        return Picture(qMin(size.width(), size.height()), scale);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(22, 22), QSize(24, 24), QSize(32, 32), QSize(48, 48)};
    }
    QIconEngine* clone() const override { return new BatteryIconEngine(level_); }

private:
    QPixmap Picture(int pixels, qreal scale)
    {
        if (cached_.width() != pixels || cached_.devicePixelRatio() != scale) {
            cached_ = BatteryPicture(level_, pixels);
            cached_.setDevicePixelRatio(scale);
        }
        return cached_;
    }

    std::optional<int> level_;
    QPixmap cached_;
};

}  // namespace

TBatteryTray::TBatteryTray(QWidget* window, CompanionPlaces places)
    : QObject(window),
      window_(window),
      places_(std::move(places)),
      autostart_(places_.autostartFolder)
{
    if (!places_.settingsFile.isEmpty()) {
        const QSettings settings(places_.settingsFile, QSettings::IniFormat);
        keepRunning_ = settings.value(QString::fromLatin1(kKeepRunningKey), false).toBool();
    }
    icon_ = IconFor(std::nullopt);
    menu_ = new QMenu(window_);
    menu_->setObjectName(QStringLiteral("trayMenu"));
    show_ = menu_->addAction(QString(), this, &TBatteryTray::ShowWindow);
    keepRunningEntry_ = menu_->addAction(QString(), this, &TBatteryTray::SetKeepRunning);
    keepRunningEntry_->setCheckable(true);
    keepRunningEntry_->setChecked(keepRunning_);
    startAtLoginEntry_ = menu_->addAction(QString(), this, &TBatteryTray::SetStartAtLogin);
    startAtLoginEntry_->setCheckable(true);
    startAtLoginEntry_->setVisible(autostart_.offered());
    menu_->addSeparator();
    quit_ = menu_->addAction(QString(), this, &TBatteryTray::quitRequested);
    // The entry tells whether the file is there now, whoever made or removed it.
    connect(menu_, &QMenu::aboutToShow, this,
            [this] { startAtLoginEntry_->setChecked(autostart_.enabled()); });
    startAtLoginEntry_->setChecked(autostart_.enabled());
    Refresh();
    if (HostPresent())
        ShowOnTray();
}

bool TBatteryTray::HostPresent() const
{
    return places_.trayHost ? places_.trayHost() : QSystemTrayIcon::isSystemTrayAvailable();
}

void TBatteryTray::ShowOnTray()
{
    tray_ = new QSystemTrayIcon(icon_, this);
    tray_->setObjectName(QStringLiteral("trayBattery"));
    connect(tray_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger || why == QSystemTrayIcon::DoubleClick)
                    ShowWindow();
            });
    tray_->setContextMenu(menu_);
    Refresh();
    tray_->show();
}

void TBatteryTray::WaitForHost(int ms, std::function<void()> none)
{
    if (onScreen())
        return;
    if (HostPresent()) {
        ShowOnTray();
        return;
    }
    if (ms <= 0) {
        none();
        return;
    }
    hostWaitLeftMs_ = ms;
    hostWait_ = new QTimer(this);
    connect(hostWait_, &QTimer::timeout, this, [this, none = std::move(none)] {
        hostWaitLeftMs_ -= kHostPollMs;
        const bool present = HostPresent();
        if (!present && hostWaitLeftMs_ > 0)
            return;
        hostWait_->stop();
        hostWait_->deleteLater();
        hostWait_ = nullptr;
        if (present)
            ShowOnTray();
        else
            none();
    });
    hostWait_->start(kHostPollMs);
}

void TBatteryTray::ShowWindow()
{
    window_->showNormal();
    ShowFocusFromTheStart(*window_);
    window_->raise();
    window_->activateWindow();
}

void TBatteryTray::SetKeepRunning(bool on)
{
    keepRunning_ = on;
    if (places_.settingsFile.isEmpty())
        return;
    // A settings file that cannot be written is not reported, as for the language: the choice
    // holds until the tool ends.
    QSettings settings(places_.settingsFile, QSettings::IniFormat);
    settings.setValue(QString::fromLatin1(kKeepRunningKey), on);
    settings.sync();
}

void TBatteryTray::SetStartAtLogin(bool on)
{
    const std::optional<QString> failure =
        on ? autostart_.write(ProgramForEntry(QCoreApplication::applicationFilePath()))
           : autostart_.remove();
    startAtLoginEntry_->setChecked(autostart_.enabled());
    if (failure)
        Tell(QString(),
             Localized(on ? TrayText::kAutostartNotWritten : TrayText::kAutostartNotRemoved)
                 .arg(autostart_.path(), *failure));
}

QIcon TBatteryTray::IconFor(std::optional<int> level)
{
    return QIcon(new BatteryIconEngine(level));
}

void TBatteryTray::ShowLevels(int mouse, std::optional<int> keyboard, int keyboardFull)
{
    const bool iconChanged = mouse_ != mouse;
    const bool changed = iconChanged || keyboard_ != keyboard || keyboardFull_ != keyboardFull;
    mouse_ = mouse;
    keyboard_ = keyboard;
    keyboardFull_ = keyboardFull;
    if (iconChanged)
        icon_ = IconFor(mouse_);
    if (changed)
        Refresh();
}

void TBatteryTray::noteReceiver(const QString& node)
{
    if (node == alertsFor_)
        return;  // the same receiver attached again after a device change
    alertsFor_ = node;
    mouseAlert_.reset();
    keyboardAlert_.reset();
}

void TBatteryTray::ShowNoLevel()
{
    noteReceiver(QString());
    if (!mouse_ && !keyboard_)
        return;
    mouse_.reset();
    keyboard_.reset();
    icon_ = IconFor(mouse_);
    Refresh();
}

void TBatteryTray::NoteTick(const BatteryReading& mouse, std::optional<BatteryReading> keyboard,
                            const std::function<bool()>& keyboardInReach, qint64 nowMs)
{
    if (mouseAlert_.update(mouse, nowMs))
        Tell(Localized(TrayText::kBatteryLowTitle),
             Localized(TrayText::kBatteryLowText).arg(*mouse.level));
    if (!keyboard)
        return;
    keyboard->inReach =
        keyboardAlert_.reachMatters(keyboard->level, keyboard->full) && keyboardInReach();
    if (keyboardAlert_.update(*keyboard, nowMs))
        Tell(Localized(TrayText::kKeyboardLowTitle),
             Localized(TrayText::kKeyboardLowText).arg(*keyboard->level).arg(keyboard->full));
}

void TBatteryTray::Tell(const QString& title, const QString& text)
{
    notices_ << (title.isEmpty() ? text : title + QStringLiteral(": ") + text);
    if (tray_)
        tray_->showMessage(title, text,
                           title.isEmpty() ? QSystemTrayIcon::Critical : QSystemTrayIcon::Warning);
}

QString TBatteryTray::toolTip() const
{
    if (!mouse_)
        return Localized(TrayText::kNoReceiver);
    QString tip =
        Localized(TrayText::kMouseBattery).arg(*mouse_).arg(BatteryPercent(*mouse_, kMouseFull));
    if (keyboard_)
        tip += QLatin1Char('\n') + Localized(TrayText::kKeyboardBattery)
                                       .arg(*keyboard_)
                                       .arg(keyboardFull_)
                                       .arg(BatteryPercent(*keyboard_, keyboardFull_));
    return tip;
}

void TBatteryTray::Retranslate()
{
    Refresh();
}

void TBatteryTray::Refresh()
{
    show_->setText(Localized(TrayText::kShow));
    keepRunningEntry_->setText(Localized(TrayText::kKeepRunning));
    startAtLoginEntry_->setText(Localized(TrayText::kStartAtLogin));
    quit_->setText(Localized(TrayText::kQuit));
    if (!tray_)
        return;
    tray_->setIcon(icon_);
    tray_->setToolTip(toolTip());
}
