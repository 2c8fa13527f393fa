#include "window/app/SkinTitleBar.h"

#include "window/app/SkinColours.h"
#include "window/i18n/FrameTexts.h"
#include "window/i18n/SpokenNames.h"

#include <QEvent>
#include <QLinearGradient>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QWindow>

#include <algorithm>

namespace {

constexpr int kButtonSize = 16;
constexpr int kButtonGap = 2;
constexpr TColor kTitleTop = 0xFFFFFF;

enum Glyph { MenuGlyph, MinimiseGlyph, CloseGlyph };

void DrawGlyph(QPainter& painter, int glyph);

// The glyph drawn at 1x and 2x: a screen of a higher scale gets it sharp.
QIcon GlyphIcon(int glyph)
{
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap picture(kButtonSize * scale, kButtonSize * scale);
        picture.setDevicePixelRatio(scale);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        DrawGlyph(painter, glyph);
        painter.end();
        icon.addPixmap(picture);
    }
    return icon;
}

void DrawGlyph(QPainter& painter, int glyph)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2));
    switch (glyph) {
    case MenuGlyph:
        painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
        painter.setBrush(QColor(0xF0, 0xF0, 0xF0));
        painter.drawRect(QRectF(2.5, 3.5, 11, 9));
        painter.fillRect(QRectF(3, 4, 10, 2), QColor(0x2F, 0x6F, 0xBF));
        break;
    case MinimiseGlyph: painter.drawLine(QPointF(4, 11.5), QPointF(12, 11.5)); break;
    case CloseGlyph:
        painter.drawLine(QPointF(4.5, 4.5), QPointF(11.5, 11.5));
        painter.drawLine(QPointF(11.5, 4.5), QPointF(4.5, 11.5));
        break;
    }
}

}  // namespace

TSkinTitleBar::TSkinTitleBar(QWidget* window, Buttons buttons) : QWidget(window), window_(window)
{
    setObjectName(QStringLiteral("skinTitleBar"));
    if (buttons & SystemMenu) {
        systemMenu_ = addButton("skinSystemMenu", MenuGlyph);
        auto* menu = new QMenu(systemMenu_);
        if (buttons & Minimise)
            minimiseEntry_ = menu->addAction(QString(), window_, &QWidget::showMinimized);
        if (buttons & Close)
            closeEntry_ = menu->addAction(QString(), window_, &QWidget::close);
        systemMenu_->setMenu(menu);
        systemMenu_->setPopupMode(QToolButton::InstantPopup);
        systemMenu_->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
    }
    if (buttons & Minimise) {
        minimise_ = addButton("skinMinimise", MinimiseGlyph);
        connect(minimise_, &QToolButton::clicked, window_, &QWidget::showMinimized);
    }
    if (buttons & Close) {
        close_ = addButton("skinClose", CloseGlyph);
        connect(close_, &QToolButton::clicked, window_, &QWidget::close);
    }
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    font.setBold(true);
    setFont(font);
    window_->installEventFilter(this);
    setGeometry(1, 1, window_->width() - 2, kHeight);
    raise();
    retranslate();
}

void TSkinTitleBar::retranslate()
{
    if (minimiseEntry_)
        minimiseEntry_->setText(Localized(FrameText::kMinimize));
    if (closeEntry_)
        closeEntry_->setText(Localized(FrameText::kClose));
    for (const auto& [entry, text] : entries_)
        entry->setText(Localized(*text));
    const std::pair<QToolButton*, const LocalText*> names[] = {
        {systemMenu_, &SpokenName::kSystemMenu},
        {minimise_, &FrameText::kMinimize},
        {close_, &FrameText::kClose},
    };
    for (const auto& [button, name] : names)
        if (button)
            button->setAccessibleName(Localized(*name));
}

QMenu* TSkinTitleBar::systemMenu() const
{
    return systemMenu_ ? systemMenu_->menu() : nullptr;
}

QAction* TSkinTitleBar::addMenuEntry(const LocalText& text, const std::function<void()>& run)
{
    QMenu* menu = systemMenu();
    if (!menu)
        return nullptr;
    // The window's entries stand in the order added, above a line and the frame's own.
    if (!entriesEnd_)
        entriesEnd_ = menu->insertSeparator(menu->actions().value(0));
    auto* entry = new QAction(Localized(text), menu);
    connect(entry, &QAction::triggered, this, run);
    menu->insertAction(entriesEnd_, entry);
    entries_.emplace_back(entry, &text);
    return entry;
}

QToolButton* TSkinTitleBar::addButton(const char* name, int glyph)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(GlyphIcon(glyph));
    button->setIconSize(QSize(kButtonSize, kButtonSize));
    button->setFixedSize(kButtonSize + 2, kButtonSize + 2);
    button->setAutoRaise(true);
    // Reached by Tab after the window's controls, pressed by Space.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

void TSkinTitleBar::placeButtons()
{
    const int top = (kHeight - (kButtonSize + 2)) / 2;
    if (systemMenu_)
        systemMenu_->move(kButtonGap, top);
    int right = width() - kButtonGap;
    for (QToolButton* button : {close_, minimise_}) {
        if (!button)
            continue;
        right -= button->width();
        button->move(right, top);
        right -= kButtonGap;
    }
}

bool TSkinTitleBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_) {
        if (event->type() == QEvent::Resize) {
            setGeometry(1, 1, window_->width() - 2, kHeight);
            raise();
        } else if (event->type() == QEvent::WindowTitleChange) {
            update();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TSkinTitleBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeButtons();
}

void TSkinTitleBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient shade(0, 0, 0, height());
    shade.setColorAt(0, toQColor(kTitleTop));
    shade.setColorAt(1, toQColor(SkinColour::kBody));
    painter.fillRect(rect(), shade);
    painter.setPen(toQColor(SkinColour::kBorder));
    painter.drawLine(0, height() - 1, width(), height() - 1);
    painter.setPen(Qt::black);
    // The title stays centred on the bar, clear of the buttons on either side.
    const int left = systemMenu_ ? systemMenu_->geometry().right() + kButtonGap : 0;
    int right = width();
    for (const QToolButton* button : {minimise_, close_})
        if (button)
            right = std::min(right, button->x() - kButtonGap);
    const int reserved = std::max(left, width() - right) + kButtonGap;
    const QRect room = rect().adjusted(reserved, 0, -reserved, -1);
    painter.drawText(
        room, Qt::AlignCenter,
        fontMetrics().elidedText(window_->windowTitle(), Qt::ElideRight, room.width()));
}

void TSkinTitleBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    QWindow* handle = window_->windowHandle();
    dragging_ = !(handle && handle->startSystemMove());
    dragOffset_ = event->globalPosition().toPoint() - window_->pos();
}

void TSkinTitleBar::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_ && (event->buttons() & Qt::LeftButton))
        window_->move(event->globalPosition().toPoint() - dragOffset_);
}
