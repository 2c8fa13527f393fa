#include "WindowFixture.h"
#include "window/app/Application.h"
#include "window/app/ImagePanel.h"
#include "window/controls/HexEdit.h"
#include "window/controls/ProgBar.h"
#include "window/receiver/StatusPace.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <set>

namespace {

class WindowLayout : public ::testing::Test {
protected:
    template <class T>
    T* Get(const QString& name)
    {
        T* control = form.Find<T>(name);
        EXPECT_NE(control, nullptr) << qPrintable(name);
        return control;
    }

    // Visible at a window size: inside the window's client area, and neither it nor any of its
    // parents hidden.
    bool VisibleAt(const QString& name, QSize windowSize)
    {
        QWidget* control = Get<QWidget>(name);
        if (!control || !control->isVisibleTo(&form))
            return false;
        const QRect onWindow(control->mapTo(&form, QPoint(0, 0)), control->size());
        return QRect(QPoint(0, 0), windowSize).contains(onWindow);
    }

    void Type(QWidget* widget, const QString& text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(widget, &press);
        }
    }

    WindowUnderTest world;
    TForm1& form = *world.window;
};

// Whether a signal of an object has a receiver (QObject keeps the question protected).
struct SignalProbe : QObject {
    static bool Connected(const QObject* object, const QMetaMethod& signal)
    {
        return (object->*(&SignalProbe::isSignalConnected))(signal);
    }
};

const char* const kEepromWords[] = {"00", "01", "02", "15", "16", "17", "18", "19"};

TEST_F(WindowLayout, NamesComposedByHandlersExist)
{
    for (const char* word : kEepromWords) {
        const QString digits = QString::fromLatin1(word);
        Get<THexEdit>(QStringLiteral("edtEEPROM_") + digits);
        Get<QPushButton>(QStringLiteral("btnEEPROM_R_") + digits);
        Get<QPushButton>(QStringLiteral("btnEEPROM_W_") + digits);
    }
    Get<QLineEdit>(QStringLiteral("edtEEPROM_20"));

    for (int command = 1; command <= 4; ++command) {
        auto* button = Get<QPushButton>(QStringLiteral("btnSpecialCmd%1").arg(command));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QStringLiteral("14 FF AA 0%1").arg(command));
        for (int field = 0; field <= 6; ++field) {
            auto* box = Get<THexEdit>(QStringLiteral("edtSC0%1_0%2").arg(command).arg(field));
            ASSERT_NE(box, nullptr);
            EXPECT_TRUE(box->isReadOnly());
        }
    }

    for (int mode = 1; mode <= 12; ++mode) {
        auto* button = Get<QToolButton>(QStringLiteral("btnTestMode%1").arg(mode));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::number(mode));
        EXPECT_TRUE(button->isCheckable());
        EXPECT_EQ(button->parentWidget()->objectName(), QStringLiteral("tlbTestMode"));
        EXPECT_EQ(button->size(), QSize(19, 21));
    }
}

TEST_F(WindowLayout, ChannelGridsRunRightToLeftAndTopToBottom)
{
    struct Grid {
        QString prefix;
        QString group;
        QLineEdit* (TForm1::*cell)(int, int) const;
    };
    const Grid grids[] = {
        {QStringLiteral("edtFHSS"), QStringLiteral("gb22"), &TForm1::FHSSCell},
        {QStringLiteral("edtKBDFHSS"), QStringLiteral("gb18"), &TForm1::KBDFHSSCell},
        {QStringLiteral("edtRSSI"), QStringLiteral("gb23"), &TForm1::RSSICell},
    };
    std::set<QLineEdit*> cells;
    for (const Grid& grid : grids) {
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 8; ++column) {
                QLineEdit* cell = (form.*grid.cell)(row, column);
                ASSERT_NE(cell, nullptr) << qPrintable(grid.prefix) << row << column;
                EXPECT_EQ(cell, form.FindGridCell(grid.prefix, row, column));
                EXPECT_EQ(cell->objectName(),
                          grid.prefix + QString::number(row) + QString::number(column));
                EXPECT_EQ(cell->parentWidget()->objectName(), grid.group);
                EXPECT_EQ(cell->size(), QSize(23, 19));
                if (column > 0) {
                    EXPECT_LT(cell->x(), (form.*grid.cell)(row, column - 1)->x());
                }
                if (row > 0) {
                    EXPECT_GT(cell->y(), (form.*grid.cell)(row - 1, column)->y());
                }
                cells.insert(cell);
            }
        }
        EXPECT_EQ((form.*grid.cell)(4, 0), nullptr);
        EXPECT_EQ((form.*grid.cell)(0, 8), nullptr);
        EXPECT_EQ((form.*grid.cell)(-1, 0), nullptr);
    }
    EXPECT_EQ(cells.size(), 96u);

    // edtFHSS07 is the top-left cell of the mouse map, edtFHSS00 the top-right one.
    int left = INT_MAX, right = INT_MIN, top = INT_MAX;
    for (QLineEdit* cell :
         form.findChildren<QLineEdit*>(QRegularExpression(QStringLiteral("^edtFHSS\\d\\d$")))) {
        left = std::min(left, cell->x());
        right = std::max(right, cell->x());
        top = std::min(top, cell->y());
    }
    EXPECT_EQ(form.FindComponent(QStringLiteral("edtFHSS07")), form.FHSSCell(0, 7));
    EXPECT_EQ(form.FHSSCell(0, 7)->pos(), QPoint(left, top));
    EXPECT_EQ(form.FHSSCell(0, 0)->pos(), QPoint(right, top));
}

TEST_F(WindowLayout, EngineeringAreasShowOnlyAtTheEngineeringSize)
{
    const QSize normal(725, 410), engineering(975, 545);
    for (const char* name : {"DevListBox", "gbVIDPID", "gbHide"}) {
        EXPECT_FALSE(VisibleAt(QString::fromLatin1(name), normal)) << name;
        EXPECT_TRUE(VisibleAt(QString::fromLatin1(name), engineering)) << name;
    }
    for (const char* name : {"spgcntrl1", "lstDebug", "btnRdRFSetting", "edtSC04_01"}) {
        EXPECT_FALSE(VisibleAt(QString::fromLatin1(name), normal)) << name;
        EXPECT_FALSE(VisibleAt(QString::fromLatin1(name), engineering)) << name;
    }
    for (const char* name : {"imgLogo", "imgNoneDev", "btnCombo_Cmd_Soft_Bind_SW", "gbSysStatus",
                             "gbBTYStatus", "pbMseBattery", "cbbLang", "gb15", "cbCustKey2",
                             "rbRF_DR_4F", "cbRF_Set_BTY_Low_Level"}) {
        EXPECT_TRUE(VisibleAt(QString::fromLatin1(name), normal)) << name;
        EXPECT_TRUE(VisibleAt(QString::fromLatin1(name), engineering)) << name;
    }
}

TEST_F(WindowLayout, NothingStandsOutsideItsGroup)
{
    // The hidden pages are never laid out; hold their contents to the page area instead.
    const QRect pageArea(0, 0, 925, 335);
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        QWidget* parent = widget->parentWidget();
        if (widget->objectName().isEmpty() ||
            widget->objectName().startsWith(QLatin1String("qt_")) || parent == &form ||
            parent->objectName().startsWith(QLatin1String("qt_")))
            continue;
        // The hidden dividing line of the battery group is longer than its group, which clips it.
        if (widget->objectName() == QLatin1String("shpBty")) {
            EXPECT_EQ(widget->size(), QSize(220, 1));
            continue;
        }
        const bool onPage = qobject_cast<QTabWidget*>(parent->parentWidget()
                                                          ? parent->parentWidget()->parentWidget()
                                                          : nullptr) != nullptr;
        const QRect area = onPage ? pageArea : parent->rect();
        EXPECT_TRUE(area.contains(widget->geometry()))
            << qPrintable(widget->objectName()) << " in " << qPrintable(parent->objectName());
    }
}

TEST_F(WindowLayout, CaptionsFitInEveryLanguage)
{
    struct Caption {
        const char* control;
        const char* texts[3];  // English, Traditional Chinese, Simplified Chinese
    };
    const Caption captions[] = {
        {"gbSysStatus", {"USB Info.", "USB資訊", "USB信息"}},
        {"btnCombo_Cmd_Soft_Bind_SW", {"&Connecting", "連線中(&C)", "对码中(&C)"}},
        {"gbCustKey", {"CustKey", "自訂熱鍵", "可编程按键定义"}},
        {"gbISS", {"Switch CPI by L+R", "L+R複合鍵切換CPI功能", "L+R复合键切换CPI功能"}},
        {"rbRF_DR_1A", {"Disable", "關閉", "关闭"}},
        {"gbWKUP", {"Wakeup Setting", "裝置喚醒設定", "装置唤醒设定"}},
        {"rbRF_DR_25", {"Motion+Button Wakeup", "偵測移動及按鍵", "侦测移动及按键"}},
        {"rbRF_DR_2A", {"Button Wakeup Only", "偵測按鍵", "侦测按键"}},
        {"gbCPI", {"Setup CPI", "CPI設定", "CPI设定"}},
        {"gbNL",
         {"Sensor Power Management(During RF Disconnect)", "未連線裝置省電模式設定",
          "未连线时省电模式设定"}},
        {"rbRF_DR_45", {"Disable power saving mode", "不使用省電模式", "不使用省电模式"}},
        {"rbRF_DR_4A",
         {"Enable (L+R+M) buttons wakeup", "啟用省電模式並以 (L+R+M) 按鍵時喚醒",
          "启用省电模式并以 (L+R+M) 按键时唤醒"}},
        {"rbRF_DR_4F",
         {"Enable power saving mode", "啟用省電模式並於連線後喚醒", "启用省电模式并于连线后唤醒"}},
        {"gbBTY", {"Mouse Bettery Low Level", "滑鼠電池低壓告警設定", "鼠标电池低电压指示设定"}},
        {"gbTestMode", {"Test Mode", "測試模式", "测试模式"}},
        {"rbTestOff", {"Disable", "關閉", "关闭"}},
        {"gbBTYStatus", {"Battery", "電池電量", "电池电量"}},
        {"gbVIDPID", {"VID PID StringDesc", "VID PID 字串描述符設定", "VID PID 字串描述符设定"}},
        {"lblStrDesc", {"StringDesc", "字串描述符", "字串描述符"}},
        {"btnEEPROM_R_VID", {"R", "讀", "读"}},
        {"btnEEPROM_W_20", {"W", "寫", "写"}},
    };
    for (const Caption& caption : captions) {
        QWidget* control = Get<QWidget>(QString::fromLatin1(caption.control));
        ASSERT_NE(control, nullptr);
        for (const char* utf8 : caption.texts) {
            const QString text = QString::fromUtf8(utf8);
            int needed = 0;
            if (auto* group = qobject_cast<QGroupBox*>(control)) {
                needed = group->fontMetrics().horizontalAdvance(text) + 16;
            } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
                radio->setText(text);
                needed = radio->sizeHint().width();
            } else if (auto* button = qobject_cast<QPushButton*>(control)) {
                needed = button->fontMetrics().size(Qt::TextShowMnemonic, text).width() + 8;
            } else {
                needed = control->fontMetrics().horizontalAdvance(text);
            }
            EXPECT_LE(needed, control->width()) << caption.control << " " << utf8;
        }
    }

    // The hotkey labels end before their combo boxes: left edge 62, or 90 in Simplified Chinese.
    auto* combo = Get<QComboBox>(QStringLiteral("cbCustKey1"));
    auto* label = Get<QLabel>(QStringLiteral("lblHK1"));
    EXPECT_EQ(combo->x(), 62);
    EXPECT_EQ(Get<QComboBox>(QStringLiteral("cbCustKey2"))->x(), 62);
    for (const char* utf8 : {"CustKey1", "熱鍵1"})
        EXPECT_LE(label->x() + label->fontMetrics().horizontalAdvance(QString::fromUtf8(utf8)),
                  62 - 2)
            << utf8;
    EXPECT_LE(label->x() + label->fontMetrics().horizontalAdvance(QStringLiteral("可编程按键1")),
              90 - 2);
    EXPECT_LE(90 + combo->width(), combo->parentWidget()->width() - 4);
}

TEST_F(WindowLayout, EditsRefuseInputBeyondTheirLimits)
{
    auto* descriptor = Get<QLineEdit>(QStringLiteral("edtEEPROM_20"));
    descriptor->clear();
    Type(descriptor, QString(47, QLatin1Char('x')));
    EXPECT_EQ(descriptor->text(), QString(46, QLatin1Char('x')));

    auto* vid = Get<QLineEdit>(QStringLiteral("edtVID_SET"));
    EXPECT_EQ(vid->text(), QStringLiteral("FFFF"));
    Type(vid, QStringLiteral("1"));
    EXPECT_EQ(vid->text(), QStringLiteral("FFFF"));
    vid->clear();
    Type(vid, QStringLiteral("7a3cd"));
    EXPECT_EQ(vid->text(), QStringLiteral("7A3C"));

    auto* txData = Get<QLineEdit>(QStringLiteral("edtTXdata"));
    txData->clear();
    Type(txData, QStringLiteral("a5f"));
    EXPECT_EQ(txData->text(), QStringLiteral("A5"));

    auto* freq = Get<QLineEdit>(QStringLiteral("edtTestFreq"));
    EXPECT_EQ(freq->text(), QStringLiteral("127"));
    freq->clear();
    Type(freq, QStringLiteral("1x2-0.9"));
    EXPECT_EQ(freq->text(), QStringLiteral("120"));
    EXPECT_EQ(Get<QLineEdit>(QStringLiteral("edtTestMode"))->text(), QStringLiteral("12"));
}

TEST_F(WindowLayout, ReadOutsFromCodeAreNotCut)
{
    // A failed byte read shows FFFFFF in a two-character box, a failed VID read twelve
    // characters in a four-character box; the limits hold the user's typing only.
    auto* byteBox = Get<QLineEdit>(QStringLiteral("edtEEPROM_15"));
    byteBox->setText(QStringLiteral("FFFFFF"));
    EXPECT_EQ(byteBox->text(), QStringLiteral("FFFFFF"));
    auto* vid = Get<QLineEdit>(QStringLiteral("edtVID_SET"));
    vid->setText(QStringLiteral("FFFFFFFFFFFF"));
    EXPECT_EQ(vid->text(), QStringLiteral("FFFFFFFFFFFF"));
    auto* data = Get<QLineEdit>(QStringLiteral("edtRF_DirectRegData"));
    data->setText(QStringLiteral("FFFFFFFF"));
    EXPECT_EQ(data->text(), QStringLiteral("FFFFFFFF"));
    // The user can still correct such a text.
    byteBox->selectAll();
    Type(byteBox, QStringLiteral("1f"));
    EXPECT_EQ(byteBox->text(), QStringLiteral("1F"));
}

TEST_F(WindowLayout, InitialStates)
{
    for (const char* name : {"rbMSE", "rbTestOff", "rbC_RF_LEAVE_ACCESS"})
        EXPECT_TRUE(Get<QRadioButton>(QString::fromLatin1(name))->isChecked()) << name;
    for (QRadioButton* radio :
         Get<QGroupBox>(QStringLiteral("gb15"))->findChildren<QRadioButton*>())
        EXPECT_FALSE(radio->isChecked()) << qPrintable(radio->objectName());

    auto* hiddenWrite = Get<QPushButton>(QStringLiteral("btnEEPROM_W_19"));
    EXPECT_TRUE(hiddenWrite->isHidden());
    EXPECT_FALSE(hiddenWrite->isEnabled());
    EXPECT_TRUE(Get<QPushButton>(QStringLiteral("btnEEPROM_R_19"))->isEnabled());

    for (QTimer* timer : {form.tmrSoftBind, form.tmrStatus}) {
        EXPECT_FALSE(timer->isActive());
        // Not shown yet: the status poll keeps the hidden window's pace.
        EXPECT_EQ(timer->interval(), timer == form.tmrStatus ? StatusPace::kHiddenMs : 1000);
    }

    for (const char* name :
         {"imgCust", "gifBind", "imgConnected", "imgKBD", "imgKbdBty", "pbKbdBattery", "shpBty",
          "spgcntrl1", "edtTestMode", "btnC_Combo_Cmd_Set_Test_Mode"})
        EXPECT_TRUE(Get<QWidget>(QString::fromLatin1(name))->isHidden()) << name;
    for (const char* name : {"imgLogo", "imgNoneDev", "imgMSE", "imgMseBty", "pbMseBattery"})
        EXPECT_FALSE(Get<QWidget>(QString::fromLatin1(name))->isHidden()) << name;

    // The hidden pages: only the RF page's tab is enabled, and it is the current page; the
    // controls on the disabled pages stay usable as senders.
    auto* pages = Get<QTabWidget>(QStringLiteral("spgcntrl1"));
    EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("shtRF"));
    for (int i = 0; i < pages->count(); ++i)
        EXPECT_EQ(pages->tabBar()->isTabEnabled(i),
                  pages->widget(i)->objectName() == QLatin1String("shtRF"));
    EXPECT_TRUE(Get<QPushButton>(QStringLiteral("btnSpecialCmd4"))->isEnabled());

    auto* spin = Get<QSpinBox>(QStringLiteral("edtC_RF_SETUP_CPI"));
    EXPECT_EQ(spin->minimum(), 0);
    EXPECT_EQ(spin->maximum(), 3);
    EXPECT_EQ(Get<QLineEdit>(QStringLiteral("edtTX"))->text(),
              QStringLiteral("Mouse TX Not Ready"));
    EXPECT_TRUE(Get<QLineEdit>(QStringLiteral("edtVID"))->isReadOnly());
    EXPECT_EQ(Get<QComboBox>(QStringLiteral("cbbLang"))->count(), 3);

    const QColor moneyGreen(0xC0, 0xDC, 0xC0);
    for (const char* name : {"edtVID", "edtPID", "edtCPI", "edtFHSS00", "edtRSSI37"})
        EXPECT_EQ(Get<QWidget>(QString::fromLatin1(name))->palette().color(QPalette::Base),
                  moneyGreen)
            << name;
    EXPECT_EQ(Get<QWidget>(QStringLiteral("gbHide"))->palette().color(QPalette::Window),
              QColor(Qt::white));
}

TEST_F(WindowLayout, EveryControlEventIsBound)
{
    const QMetaMethod clicked = QMetaMethod::fromSignal(&QAbstractButton::clicked);
    QStringList buttons = {"btnCombo_Cmd_Soft_Bind_SW",
                           "rbRF_DR_15",
                           "rbRF_DR_1A",
                           "rbRF_CPI_H",
                           "rbRF_CPI_L",
                           "rbRF_DR_25",
                           "rbRF_DR_2A",
                           "rbRF_DR_45",
                           "rbRF_DR_4A",
                           "rbRF_DR_4F",
                           "btnEEPROM_R_VID",
                           "btnEEPROM_W_VID",
                           "btnEEPROM_R_PID",
                           "btnEEPROM_W_PID",
                           "btnEEPROM_R_20",
                           "btnEEPROM_W_20",
                           "rbMSE",
                           "rbKB",
                           "rbTestOn",
                           "rbTestOff",
                           "btnC_Combo_Cmd_Set_Test_Mode_Tx_Data",
                           "btnC_Combo_Cmd_Test_Freq_Mode",
                           "btnC_Combo_Cmd_Set_Test_Mode",
                           "btnC_RF_Rd_Direct_Reg",
                           "btnC_RF_Wrt_Direct_Reg",
                           "btnC_RF_Rd_Index_Reg",
                           "btnC_RF_Wrt_Index_Reg",
                           "btnC_RF_Rd_Sensor",
                           "btnC_RF_Wrt_Sensor",
                           "btnC_RF_Rd_EEPROM",
                           "btnC_RF_Wrt_EEPROM",
                           "btnC_RF_SETUP_CPI",
                           "rbC_RF_ENTER_ACCESS_WO_LED",
                           "rbC_RF_ENTER_ACCESS_W_LED",
                           "rbC_RF_LEAVE_ACCESS",
                           "btnRdRFSetting",
                           "btnBattery",
                           "btnCPI",
                           "btnUpdateCustKey",
                           "btnGetCustKey",
                           "rbRF_DR_5A",
                           "rbRF_DR_55"};
    for (int n = 1; n <= 12; ++n)
        buttons << QStringLiteral("btnTestMode%1").arg(n);
    for (int n = 1; n <= 4; ++n)
        buttons << QStringLiteral("btnSpecialCmd%1").arg(n);
    for (const char* word : kEepromWords)
        buttons << QStringLiteral("btnEEPROM_R_%1").arg(QLatin1String(word))
                << QStringLiteral("btnEEPROM_W_%1").arg(QLatin1String(word));
    for (const QString& name : buttons) {
        auto* button = Get<QAbstractButton>(name);
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(SignalProbe::Connected(button, clicked)) << qPrintable(name);
    }

    const QMetaMethod activated = QMetaMethod::fromSignal(qOverload<int>(&QComboBox::activated));
    for (const char* name : {"cbbLang", "cbCustKey1", "cbCustKey2", "cbRF_Set_BTY_Low_Level"})
        EXPECT_TRUE(SignalProbe::Connected(Get<QComboBox>(QString::fromLatin1(name)), activated))
            << name;

    const QMetaMethod timeout = QMetaMethod::fromSignal(&QTimer::timeout);
    EXPECT_TRUE(SignalProbe::Connected(form.tmrSoftBind, timeout));
    EXPECT_TRUE(SignalProbe::Connected(form.tmrStatus, timeout));
    const QMetaMethod doubleClicked = QMetaMethod::fromSignal(&TImagePanel::doubleClicked);
    for (const char* name : {"imgLogo", "imgCust"})
        EXPECT_TRUE(
            SignalProbe::Connected(Get<TImagePanel>(QString::fromLatin1(name)), doubleClicked))
            << name;
}

TEST_F(WindowLayout, DebugListKeepsTheNewestLines)
{
    auto* debug = Get<QListWidget>(QStringLiteral("lstDebug"));
    form.Debug(QStringLiteral("first"));
    form.Debug(QStringLiteral("second"));
    ASSERT_EQ(debug->count(), 2);
    EXPECT_EQ(debug->item(1)->text(), QStringLiteral("second"));
    for (int i = 0; i < 10000; ++i)
        form.Debug(QString::number(i));
    EXPECT_EQ(debug->count(), 10000);
    EXPECT_EQ(debug->item(9999)->text(), QStringLiteral("9999"));
    EXPECT_EQ(debug->item(0)->text(), QStringLiteral("0"));
}

}  // namespace

namespace {

TEST(OwnLook, EveryControlKeepsTheWindowsLightPaletteUnderADarkDesktop)
{
    const QPalette desktop = QApplication::palette();
    const QString style = QApplication::style()->name();
    QApplication::setPalette(QPalette(QColor(0x30, 0x30, 0x30)));  // light texts on dark
    UseOwnLook(*qApp);
    WindowUnderTest form;
    form.window->FormCreate(form.window.get());
    for (const QWidget* control : form.window->findChildren<QWidget*>()) {
        if (qobject_cast<const TProgBar*>(control))
            continue;  // the gauges draw their text in a colour of their own over the bar
        const QPalette& palette = control->palette();
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            EXPECT_LT(palette.color(QPalette::Active, role).lightness(), 128)
                << qPrintable(control->objectName());
        EXPECT_GT(palette.color(QPalette::Active, QPalette::Window).lightness(), 128);
    }
    QApplication::setStyle(style);
    QApplication::setPalette(desktop);
}

}  // namespace
