#include "window/app/AccessibleControls.h"
#include "window/app/ImagePanel.h"
#include "window/app/InputLimit.h"
#include "window/app/MainWindow.h"
#include "window/app/PlayWhileShown.h"
#include "window/app/SkinFrame.h"
#include "window/controls/Pictures.h"
#include "window/engineering/ChannelDiagnosticsHandlers.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QMovie>
#include <QPalette>
#include <QPixmap>
#include <QTabBar>

// The parts of the window that the form description does not hold: the channel grids and the
// special command read-outs (built here because they are regular), the custom controls' own
// settings, the pictures and the grid lookups.

namespace {

constexpr int kGridRows = 4;
constexpr int kGridColumns = 8;
constexpr int kCellWidth = 23;
constexpr int kCellHeight = 19;
constexpr int kCellGap = 1;
constexpr int kGridLeft = 16;
constexpr int kGridTop = 20;
constexpr int kGridCells = kGridRows * kGridColumns;

// Special command read-outs: one row per command, one column per reply byte, placed under the
// field captions of the form description.
constexpr int kSpecialCommands = 4;
constexpr int kReplyFields = 7;
constexpr int kSpecialLeft = 124;
constexpr int kSpecialPitchX = 112;
constexpr int kSpecialTop = 40;
constexpr int kSpecialPitchY = 48;

// The debug list is never on screen (and hidden, so that it is not laid out again for every
// line); keep its most recent lines only, so that a tool left running for days does not grow
// without bound.
constexpr int kDebugLinesKept = 10000;

void SetBackground(QWidget* widget, QPalette::ColorRole role, TColor color)
{
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, toQColor(color));
    widget->setPalette(palette);
}

// The grids' name prefixes, in the order of their cell tables.
const char* const kGridPrefixes[] = {"edtFHSS", "edtKBDFHSS", "edtRSSI"};

std::array<QLineEdit*, kGridCells> BuildChannelGrid(QWidget* group, const QString& prefix)
{
    std::array<QLineEdit*, kGridCells> cells{};
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            auto* cell = new QLineEdit(group);
            cell->setObjectName(prefix + QString::number(row) + QString::number(column));
            // Column 0 is the rightmost cell of its row.
            const int x = kGridLeft + (kGridColumns - 1 - column) * (kCellWidth + kCellGap);
            const int y = kGridTop + row * (kCellHeight + kCellGap);
            cell->setGeometry(x, y, kCellWidth, kCellHeight);
            // No design text: the grids are cleared at start, so it would never be seen.
            // A read-out: painted by the channel diagnostics, never typed into.
            cell->setReadOnly(true);
            cell->setFocusPolicy(Qt::NoFocus);
            SetBackground(cell, QPalette::Base, clMoneyGreen);
            cells[size_t(row * kGridColumns + column)] = cell;
        }
    }
    return cells;
}

std::array<std::array<THexEdit*, kReplyFields>, kSpecialCommands>
BuildSpecialCommandBoxes(QWidget* group)
{
    std::array<std::array<THexEdit*, kReplyFields>, kSpecialCommands> boxes{};
    for (int command = 1; command <= kSpecialCommands; ++command) {
        for (int field = 0; field < kReplyFields; ++field) {
            auto* box = new THexEdit(group);
            box->setObjectName(QStringLiteral("edtSC0%1_0%2").arg(command).arg(field));
            box->setGeometry(kSpecialLeft + field * kSpecialPitchX,
                             kSpecialTop + (command - 1) * kSpecialPitchY, 100, 22);
            box->setReadOnly(true);
            boxes[size_t(command - 1)][size_t(field)] = box;
        }
    }
    return boxes;
}

void SetUpBatteryGauge(TProgBar* gauge, double designValue)
{
    gauge->setMin(0);
    gauge->setMax(7);
    gauge->setValue(designValue);
    gauge->setDirection(pbdLeftward);
    gauge->setShowColorGradient(true);
    gauge->setColorScheme(csBWG);
    gauge->setColorMapMode(cgmStretch);
    gauge->setColorMin(clLime);
    gauge->setColorMax(clLime);
    gauge->setColorBackGnd(0x1B192C);
    gauge->setColorGrid(clBlack);
    gauge->setColorMargin(clBlack);
    gauge->setGridDist(10);
    gauge->setMarginLeft(1);
    gauge->setMarginTop(1);
    gauge->setMarginRight(1);
    gauge->setMarginBottom(1);
    gauge->setFrameStyleOuter(fsRaised);
    gauge->setFrameStyleInner(fsRaised);
    gauge->setTextVisible(false);
    gauge->setTextAlignment(taCenter);
    gauge->setTextAngle(90);
    gauge->setTextDecPlaces(0);
    gauge->setTextPosX(0);
    gauge->setTextPosY(10);
    QFont font = gauge->font();
    font.setPixelSize(13);
    font.setBold(true);
    gauge->setFont(font);
    SetBackground(gauge, QPalette::WindowText, clWhite);
}

// The three language names, 63 x 14 each, drawn for the screen's scale; a missing picture
// leaves its slot empty.
TImageList LanguageImages(qreal scale)
{
    TImageList list;
    list.Width = 63;
    list.Height = 14;
    for (const char* name :
         {":/images/lang_eng.png", ":/images/lang_cht.png", ":/images/lang_chs.png"}) {
        QImage image = PictureForScale(QString::fromLatin1(name), scale).toImage();
        if (image.isNull()) {
            image = QImage(list.Width, list.Height, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
        }
        list.Images.append(image);
    }
    return list;
}

// No value box of this window filters keys: they accept any text and report a conversion error
// when read. Boxes with limits in the form description get them.
void SetUpValueBoxes(QWidget* root)
{
    for (THexEdit* box : root->findChildren<THexEdit*>())
        box->setIsFilter(false);
    InputLimit::InstallFromProperties(root);
}

// Shrinks an edit's font until the sample text fits without scrolling (at most to 8 px).
void FitFontToText(QLineEdit* edit, const QString& sample)
{
    constexpr int kFrameAndMargins = 8;
    const int available = edit->width() - kFrameAndMargins;
    QFont font = edit->font();
    for (int px = QFontInfo(font).pixelSize(); px > 8; --px) {
        if (QFontMetrics(font).horizontalAdvance(sample) <= available)
            break;
        font.setPixelSize(px - 1);
    }
    edit->setFont(font);
}

}  // namespace

void TForm1::finishLayout()
{
    SetUpBatteryGauge(pbMseBattery, 7);
    SetUpBatteryGauge(pbKbdBattery, 5);
    TShapePen linePen;
    linePen.Color = clGrayText;
    shpBty->setPen(linePen);
    shpBty->setShadow(false);
    // The gauges say whose battery they show: the symbols, outlines and line only decorate.
    for (QWidget* picture : {static_cast<QWidget*>(imgMSE), static_cast<QWidget*>(imgKBD),
                             static_cast<QWidget*>(imgMseBty), static_cast<QWidget*>(imgKbdBty),
                             static_cast<QWidget*>(shpBty)})
        MarkAsDecoration(*picture);
    cbbLang->setImageList(LanguageImages(devicePixelRatioF()));
    SetUpValueBoxes(this);
    // Read-outs are written by code only: a click still reaches them (to copy), but the
    // keyboard's first focus and Tab pass them by.
    for (QLineEdit* readOut : {static_cast<QLineEdit*>(edtVID), edtPID, edtCPI})
        readOut->setFocusPolicy(Qt::ClickFocus);

    // Says how the window stands with its receiver: none, not accessible, pairing.
    lblLinkState = new QLabel(this);
    lblLinkState->setObjectName(QStringLiteral("lblLinkState"));
    lblLinkState->setGeometry(160, 107, 250, 34);
    lblLinkState->setWordWrap(true);

    showPicturesForScale();
    const qreal scale = devicePixelRatioF();
    const QString animation = scale > 1.0 ? QStringLiteral(":/images/pairing@2x.gif")
                                          : QStringLiteral(":/images/pairing.gif");
    PlayWhileShown(gifBind, new QMovie(animation, QByteArray(), gifBind), scale);
}

void TForm1::showPicturesForScale()
{
    const qreal scale = devicePixelRatioF();
    imgLogo->setPicture(PictureForScale(QStringLiteral(":/images/logo.png"), scale));
    const std::pair<QLabel*, const char*> pictures[] = {
        {imgConnected, ":/images/connected.png"}, {imgNoneDev, ":/images/nodevice.png"},
        {imgMSE, ":/images/mouse.png"},           {imgKBD, ":/images/keyboard.png"},
        {imgMseBty, ":/images/battery.png"},      {imgKbdBty, ":/images/battery.png"},
    };
    for (const auto& [label, path] : pictures)
        label->setPixmap(PictureForScale(QString::fromLatin1(path), scale));
}

void TForm1::ensureEngineeringAreas()
{
    if (areasBuilt_)
        return;
    areasBuilt_ = true;
    const QList<QWidget*> before = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    Ui::EngineeringAreas::setupUi(this);
    finishEngineeringAreas();
    buildGrids();
    bindEngineeringAreaEvents();
    bindSettings();
    // Built before the window's start-up (a name lookup asked), the areas wait for it like
    // every other control. Built after it, shown or hidden in the tray, an area that its
    // design does not hide shows when the present size shows it, and the areas take the
    // state the window is in.
    if (!startedUp_ && !isVisible())
        return;
    for (QWidget* area : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!before.contains(area) && !area->testAttribute(Qt::WA_WState_ExplicitShowHide))
            outOfReach_.push_back(area);
    reachOnlyShownAreas();
    if (!Receiver())
        resetEngineeringAreas(false);
    ApplyLanguage();
}

void TForm1::finishEngineeringAreas()
{
    ledTX->setLEDStyle(LEDSqLarge);
    ledTX->setBlink(false);
    ledTX->setInterval(300);
    FitFontToText(edtEEPROM_20, edtEEPROM_20->text());
    edtEEPROM_20->clear();
    // Every line added schedules a layout of the list, which runs at the next message pump:
    // with lines of their own sizes that measures all of its thousands of lines each time.
    lstDebug->setUniformItemSizes(true);
    for (QWidget* area : {static_cast<QWidget*>(DevListBox), static_cast<QWidget*>(gbVIDPID),
                          static_cast<QWidget*>(gbHide), static_cast<QWidget*>(spgcntrl1)})
        SetUpValueBoxes(area);
    edtTX->setFocusPolicy(Qt::ClickFocus);
    // The engineering pages are disabled as tabs only: their controls keep their own enabled
    // state, because the handlers use them as senders and value holders.
    for (QWidget* page : {stbsht1, stbsht3, sht1, sht2})
        spgcntrl1->tabBar()->setTabEnabled(spgcntrl1->indexOf(page), false);
}

void TForm1::reachOnlyShownAreas()
{
    const QRect shown(0, 0, WindowWidth, WindowHeight);
    const QWidget* titleBar = skinForm1 ? skinForm1->titleBar() : nullptr;
    for (QWidget* area : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (area == skinForm1 || area == titleBar || area->isWindow())
            continue;  // the frame follows the window's size
        const bool inside = shown.contains(area->geometry());
        const auto hidden = std::find(outOfReach_.begin(), outOfReach_.end(), area);
        if (inside && hidden != outOfReach_.end()) {
            outOfReach_.erase(hidden);
            area->show();
        } else if (!inside && !area->isHidden()) {
            outOfReach_.push_back(area);
            area->hide();
        }
    }
}

void TForm1::buildGrids()
{
    QWidget* const groups[] = {gb22, gb18, gb23};
    for (size_t grid = 0; grid < diagnostics_->gridCells.size(); ++grid)
        diagnostics_->gridCells[grid] =
            BuildChannelGrid(groups[grid], QString::fromLatin1(kGridPrefixes[grid]));
    diagnostics_->specialReplyBoxes = BuildSpecialCommandBoxes(gb10);
}

QLineEdit* TForm1::FindGridCell(const QString& prefix, int row, int column) const
{
    if (row < 0 || row >= kGridRows || column < 0 || column >= kGridColumns)
        return nullptr;
    for (size_t grid = 0; grid < diagnostics_->gridCells.size(); ++grid)
        if (prefix == QLatin1String(kGridPrefixes[grid]))
            return diagnostics_->gridCells[grid][size_t(row * kGridColumns + column)];
    return Find<QLineEdit>(prefix + QString::number(row) + QString::number(column));
}

THexEdit* TForm1::specialReplyBox(int command, int field) const
{
    const_cast<TForm1*>(this)->ensureEngineeringAreas();
    if (command < 1 || command > kSpecialCommands || field < 0 || field >= kReplyFields)
        return nullptr;
    return diagnostics_->specialReplyBoxes[size_t(command - 1)][size_t(field)];
}

QLineEdit* TForm1::FHSSCell(int row, int column) const
{
    const_cast<TForm1*>(this)->ensureEngineeringAreas();
    return FindGridCell(QStringLiteral("edtFHSS"), row, column);
}

QLineEdit* TForm1::KBDFHSSCell(int row, int column) const
{
    const_cast<TForm1*>(this)->ensureEngineeringAreas();
    return FindGridCell(QStringLiteral("edtKBDFHSS"), row, column);
}

QLineEdit* TForm1::RSSICell(int row, int column) const
{
    const_cast<TForm1*>(this)->ensureEngineeringAreas();
    return FindGridCell(QStringLiteral("edtRSSI"), row, column);
}

void TForm1::Debug(const QString& line)
{
    lstDebug->addItem(line);
    while (lstDebug->count() > kDebugLinesKept)
        delete lstDebug->takeItem(0);
}
