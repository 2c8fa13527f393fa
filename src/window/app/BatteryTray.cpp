#include "window/app/BatteryTray.h"

#include "protocol/receiver/StatusReadouts.h"
#include "window/app/DesktopNotices.h"
#include "window/app/FocusFrame.h"
#include "window/app/TrayHostWatch.h"
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

#include <cstdio>

namespace {

constexpr int kMouseFull = 7;
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
    icon_ = iconFor(std::nullopt);
    menu_ = new QMenu(window_);
    menu_->setObjectName(QStringLiteral("trayMenu"));
    show_ = menu_->addAction(QString(), this, &TBatteryTray::showWindow);
    keepRunningEntry_ = menu_->addAction(QString(), this, &TBatteryTray::setKeepRunning);
    keepRunningEntry_->setCheckable(true);
    keepRunningEntry_->setChecked(keepRunning_);
    startAtLoginEntry_ = menu_->addAction(QString(), this, &TBatteryTray::setStartAtLogin);
    startAtLoginEntry_->setCheckable(true);
    startAtLoginEntry_->setVisible(autostart_.offered());
    menu_->addSeparator();
    quit_ = menu_->addAction(QString(), this, &TBatteryTray::quitRequested);
    // The entry tells whether the file is there now, whoever made or removed it.
    connect(menu_, &QMenu::aboutToShow, this,
            [this] { startAtLoginEntry_->setChecked(autostart_.enabled()); });
    startAtLoginEntry_->setChecked(autostart_.enabled());
    sightWait_ = new QTimer(this);
    sightWait_->setSingleShot(true);
    sightWait_->setTimerType(Qt::PreciseTimer);  // a coarse one may end the wait early
    connect(sightWait_, &QTimer::timeout, this, &TBatteryTray::reviewSight);
    if (!places_.trayHost) {
        hostWatch_ = new TrayHostWatch(this);
        connect(hostWatch_, &TrayHostWatch::presenceChanged, this, &TBatteryTray::followHost);
        desktopNotices_ = new DesktopNotices(this);
        connect(desktopNotices_, &DesktopNotices::availabilityChanged, this, [this] {
            if (!noticesReachUser())
                waitForSight();
        });
    }
    refresh();
    if (hostPresent())
        showOnTray();
}

bool TBatteryTray::hostPresent() const
{
    return places_.trayHost ? places_.trayHost() : hostWatch_->present();
}

bool TBatteryTray::noticesReachUser() const
{
    return desktopNotices_ && desktopNotices_->available();
}

void TBatteryTray::showOnTray()
{
    // Made only once a host is there (see TrayHostWatch): Qt then shows it on that host, and
    // on a host that comes back after going away.
    tray_ = new QSystemTrayIcon(icon_, this);
    tray_->setObjectName(QStringLiteral("trayBattery"));
    connect(tray_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger || why == QSystemTrayIcon::DoubleClick)
                    showWindow();
            });
    tray_->setContextMenu(menu_);
    refresh();
    tray_->show();
}

void TBatteryTray::followHost()
{
    if (hostPresent()) {
        hostWent_ = false;
        if (!tray_)
            showOnTray();
        return;
    }
    if (!window_->isVisible()) {
        hostWent_ = true;
        waitForSight();
    }
}

void TBatteryTray::keepInSight(int graceMs, bool hiddenStart)
{
    sightGraceMs_ = graceMs;
    if (hiddenStart)
        waitForSight();
}

void TBatteryTray::waitForSight()
{
    if (sightGraceMs_ <= 0)
        reviewSight();
    else
        sightWait_->start(sightGraceMs_);
}

void TBatteryTray::reviewSight()
{
    if (onScreen() || window_->isVisible())
        return;
    if (!hostWent_ && noticesReachUser()) {
        say(TrayText::kInTheBackground);
        return;
    }
    say(hostWent_ ? TrayText::kTrayHostGone : TrayText::kNoTrayHost);
    hostWent_ = false;
    showWindow();
}

void TBatteryTray::tellWhereItRuns()
{
    if (!onScreen())
        say(TrayText::kInTheBackground);
}

void TBatteryTray::say(const LocalText& text) const
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(Localized(text)));
    std::fflush(stderr);
}

void TBatteryTray::offerChoicesIn(QMenu* menu)
{
    if (!menu)
        return;
    menu->addSeparator();
    menu->addAction(keepRunningEntry_);
    menu->addAction(startAtLoginEntry_);
    menu->addSeparator();
    menu->addAction(quit_);
    connect(menu, &QMenu::aboutToShow, this,
            [this] { startAtLoginEntry_->setChecked(autostart_.enabled()); });
}

void TBatteryTray::showWindow()
{
    window_->showNormal();
    ShowFocusFromTheStart(*window_);
    window_->raise();
    window_->activateWindow();
}

void TBatteryTray::setKeepRunning(bool on)
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

void TBatteryTray::setStartAtLogin(bool on)
{
    const std::optional<QString> failure =
        on ? autostart_.write(ProgramForEntry(QCoreApplication::applicationFilePath()))
           : autostart_.remove();
    startAtLoginEntry_->setChecked(autostart_.enabled());
    // Started at login, the companion must not end the first time its window is closed; the
    // user may still turn it off.
    if (on && !failure && !keepRunning_) {
        keepRunningEntry_->setChecked(true);
        setKeepRunning(true);
    }
    if (failure)
        tell(QString(),
             Localized(on ? TrayText::kAutostartNotWritten : TrayText::kAutostartNotRemoved)
                 .arg(autostart_.path(), *failure));
}

QIcon TBatteryTray::iconFor(std::optional<int> level)
{
    return QIcon(new BatteryIconEngine(level));
}

void TBatteryTray::showLevels(int mouse, std::optional<int> keyboard, int keyboardFull)
{
    const bool iconChanged = mouse_ != mouse;
    const bool changed = iconChanged || keyboard_ != keyboard || keyboardFull_ != keyboardFull;
    mouse_ = mouse;
    keyboard_ = keyboard;
    keyboardFull_ = keyboardFull;
    if (iconChanged)
        icon_ = iconFor(mouse_);
    if (changed)
        refresh();
}

void TBatteryTray::noteReceiver(const QString& node)
{
    if (node == alertsFor_)
        return;  // the same receiver attached again after a device change
    alertsFor_ = node;
    mouseAlert_.reset();
    keyboardAlert_.reset();
}

void TBatteryTray::showNoLevel()
{
    noteReceiver(QString());
    if (!mouse_ && !keyboard_)
        return;
    mouse_.reset();
    keyboard_.reset();
    icon_ = iconFor(mouse_);
    refresh();
}

void TBatteryTray::noteTick(const BatteryReading& mouse, std::optional<BatteryReading> keyboard,
                            const std::function<bool()>& keyboardInReach, qint64 nowMs)
{
    if (mouseAlert_.update(mouse, nowMs))
        tell(Localized(TrayText::kBatteryLowTitle),
             Localized(TrayText::kBatteryLowText).arg(*mouse.level));
    if (!keyboard)
        return;
    keyboard->inReach =
        keyboardAlert_.reachMatters(keyboard->level, keyboard->full) && keyboardInReach();
    if (keyboardAlert_.update(*keyboard, nowMs))
        tell(Localized(TrayText::kKeyboardLowTitle),
             Localized(TrayText::kKeyboardLowText).arg(*keyboard->level).arg(keyboard->full));
}

void TBatteryTray::tell(const QString& title, const QString& text)
{
    const bool failure = title.isEmpty();
    notices_ << (failure ? text : title + QStringLiteral(": ") + text);
    if (noticesReachUser())
        desktopNotices_->tell(failure ? Localized(TrayText::kProductName) : title, text, failure);
    else if (tray_ && failure)
        tray_->showMessage(title, text, QSystemTrayIcon::Critical);
    else if (tray_)  // the battery as it stands: no search of the icon themes for a warning sign
        tray_->showMessage(title, text, icon_);
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

void TBatteryTray::retranslate()
{
    refresh();
}

void TBatteryTray::refresh()
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
