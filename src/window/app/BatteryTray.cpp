#include "window/app/BatteryTray.h"

#include "window/controls/TColor.h"
#include "window/i18n/TrayTexts.h"

#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QWidget>

namespace {

constexpr int kMaxLevel = 7;

TColor BandColour(BatteryBand band)
{
    switch (band) {
    case BatteryBand::Good: return clLime;
    case BatteryBand::Low: return clYellow;
    case BatteryBand::Critical: return clRed;
    }
    return clRed;
}

}  // namespace

TBatteryTray::TBatteryTray(QWidget* window) : QObject(window), window_(window)
{
    icon_ = IconFor(std::nullopt);
    menu_ = new QMenu(window_);
    menu_->setObjectName(QStringLiteral("trayMenu"));
    show_ = menu_->addAction(QString(), this, &TBatteryTray::ShowWindow);
    // Through the window's own close sequence, as its close button does.
    quit_ = menu_->addAction(QString(), window_, &QWidget::close);
    Refresh();
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    tray_ = new QSystemTrayIcon(icon_, this);
    tray_->setObjectName(QStringLiteral("trayBattery"));
    connect(tray_, &QSystemTrayIcon::activated, this, &TBatteryTray::ShowWindow);
    tray_->setContextMenu(menu_);
    Refresh();
    tray_->show();
}

void TBatteryTray::ShowWindow()
{
    window_->showNormal();
    window_->raise();
    window_->activateWindow();
}

QIcon TBatteryTray::IconFor(std::optional<int> level, int size)
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
        const int shown = *level > kMaxLevel ? 1 : qMax(*level, 0);
        const QRectF inside = body.adjusted(unit * 1.5, unit * 1.5, -unit * 1.5, -unit * 1.5);
        QRectF charge = inside;
        charge.setWidth(inside.width() * qMax(shown, 1) / kMaxLevel);
        painter.setPen(Qt::NoPen);
        painter.setBrush(toQColor(BandColour(MouseBatteryBand(*level))));
        painter.drawRect(charge);
    }
    painter.end();
    return QIcon(picture);
}

void TBatteryTray::ShowMouseLevel(int level)
{
    const bool changed = level_ != level;
    level_ = level;
    if (changed) {
        icon_ = IconFor(level_);
        Refresh();
    }
    if (!alert_.Update(MouseBatteryBand(level)))
        return;
    const QString title = Localized(TrayText::kBatteryLowTitle);
    const QString text = Localized(TrayText::kBatteryLowText).arg(level);
    notices_ << title + QStringLiteral(": ") + text;
    if (tray_)
        tray_->showMessage(title, text, QSystemTrayIcon::Warning);
}

void TBatteryTray::ShowNoLevel()
{
    if (!level_)
        return;
    level_.reset();
    icon_ = IconFor(level_);
    Refresh();
}

QString TBatteryTray::toolTip() const
{
    if (!level_)
        return Localized(TrayText::kNoReceiver);
    return Localized(TrayText::kMouseBattery).arg(*level_).arg(BatteryPercent(*level_, kMaxLevel));
}

void TBatteryTray::Retranslate()
{
    Refresh();
}

void TBatteryTray::Refresh()
{
    show_->setText(Localized(TrayText::kShow));
    quit_->setText(Localized(TrayText::kQuit));
    if (!tray_)
        return;
    tray_->setIcon(icon_);
    tray_->setToolTip(toolTip());
}
