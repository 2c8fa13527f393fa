#include "protocol/i18n/Lang.h"

#include <QLocale>

TLanguateKind CurrentLanguage = lkEng;

// clang-format off
// Kept in the order the table has always had; lookup is by id, so the order does not matter.
const TTerm LangTerms[LangTermCount] = {
    {0, {"USB Info.", "USB資訊", "USB信息"}},
    {1, {"TX Version is 002D or latter", "MouseTX是002D及其之後的版本", "MouseTX是002D及其之後的版本"}},
    {2, {"Connect", "連線訊息", "对码"}},
    {3, {"&Connect", "連線(&C)", "对码(&C)"}},
    {4, {"&Connecting", "連線中(&C)", "对码中(&C)"}},
    {5, {"Connect Success", "連線成功", "对码成功"}},
    {6, {"Connect Fail", "連線失敗", "对码失败"}},
    {7, {"CustKey", "自訂熱鍵", "可编程按键定义"}},
    {8, {"CustKey1", "熱鍵1", "可编程按键1"}},
    {9, {"CustKey2", "熱鍵2", "可编程按键2"}},
    {10, {"Switch CPI by L+R", "L+R複合鍵切換CPI功能", "L+R复合键切换CPI功能"}},
    {11, {"Enable", "啟用", "启用"}},
    {12, {"Disable", "關閉", "关闭"}},
    {13, {"Wakeup Setting", "裝置喚醒設定", "装置唤醒设定"}},
    {14, {"Motion+Button Wakeup", "偵測移動及按鍵", "侦测移动及按键"}},
    {15, {"Button Wakeup Only", "偵測按鍵", "侦测按键"}},
    {16, {"Setup CPI", "CPI設定", "CPI设定"}},
    {17, {"High", "高", "高"}},
    {18, {"Low", "低", "低"}},
    {19, {"Sensor Power Management(During RF Disconnect)", "未連線裝置省電模式設定", "未连线时省电模式设定"}},
    {20, {"Disable power saving mode", "不使用省電模式", "不使用省电模式"}},
    {21, {"Enable (L+R+M) buttons wakeup", "啟用省電模式並以 (L+R+M) 按鍵時喚醒", "启用省电模式并以 (L+R+M) 按键时唤醒"}},
    {22, {"Enable power saving mode", "啟用省電模式並於連線後喚醒", "启用省电模式并于连线后唤醒"}},
    {23, {"PowerOn Auto Connecting", "通電後自動連線", "上电后自动对码"}},
    {24, {"Mouse Bettery Low Level", "滑鼠電池低壓告警設定", "鼠标电池低电压指示设定"}},
    {25, {"Test Mode", "測試模式", "测试模式"}},
    {28, {"VID PID StringDesc", "VID PID 字串描述符設定", "VID PID 字串描述符设定"}},
    {29, {"StringDesc", "字串描述符", "字串描述符"}},
    {26, {"R", "讀", "读"}},
    {27, {"W", "寫", "写"}},
    {37, {"Hotkey:PageDown", "快速鍵:PageDown", "快速键:PageDown"}},
    {31, {"Initialing mouse Setting", "讀取設定", "读取设定"}},
    {32, {"Initialing, please wait for a moment.", "讀取滑鼠設定中...", "读取鼠标设定中..."}},
    {33, {"Battery", "電池電量", "电池电量"}},
    {35, {"Please Check Device:", "請檢查以下裝置：", "请检查以下装置："}},
    {36, {"Go", "設定", "设定"}},
    {38, {"RF Power(dbm)", "RF功率(dbm)", "RF功率(dbm)"}},
    {39, {"Show(Save)/Hide(Don't Save)", "顯示【儲存信息】/隱藏【不儲存信息】", "显示【储存信息】/隐藏【不储存信息】"}},
    {40, {"Date YY(00-99)+DD(1-366) 2Bytes", "包含日期 YY(00-99)+DD(1-366) 佔2字節", "包含日期 YY(00-99)+DD(1-366) 占2字节"}},
    {41, {"Fixed", "固定信息", "固定信息"}},
    {42, {"Incre", "遞增信息", "递增信息"}},
    {43, {"Bytes", "字節", "字节"}},
    {44, {"Value", "值", "值"}},
    {45, {"Initial", "初始值", "初始值"}},
    {46, {"Current", "目前值", "目前值"}},
    {47, {"Next", "下一個", "下一个"}},
    {48, {"Random", "動態產生", "动态产生"}},
    {49, {"Custom", "自訂", "自订"}},
    {50, {"RX Type", "RX種類設定", "RX种类设定"}},
    {51, {"Mouse Only", "純滑鼠", "纯鼠标"}},
    {52, {"Keyboard + Mouse", "鍵盤+滑鼠", "键盘+滑鼠"}},
    {53, {"Program will skip values that reserved for system.", "自訂ID時軟件將自動跳過系統保留數值", "自订ID时软件将自动跳过系统保留数值"}},
    {34, {"Please remove mouse bettary, and connect again.", "請先取下並重新安裝滑鼠電池，再進行設定", "请先取下并重新安装滑鼠电池，再进行设定"}},
    {30, {"Setup fail, please move mouse to rebuild RF Link!", "設定失敗，未偵測到RF連線，請滑動滑鼠以重新建立RF連線!", "设定失败，未侦测到RF连线，请滑动滑鼠以重新建立RF连线!"}},
};
// clang-format on

void GetTerm(quint8 id, QString& text)
{
    const TLanguateKind language = LanguageFromIndex(CurrentLanguage).value_or(lkEng);
    for (const TTerm& term : LangTerms) {
        if (term.Id == id) {
            text = QString::fromUtf8(term.Text[language]);
            return;
        }
    }
}

QString Term(quint8 id)
{
    QString text;
    GetTerm(id, text);
    return text;
}

namespace {

const char* const LanguageNames[LanguageCount] = {"lkEng", "lkCht", "lkChs"};

}  // namespace

QString LanguageName(TLanguateKind language)
{
    return QString::fromLatin1(LanguageNames[LanguageFromIndex(language).value_or(lkEng)]);
}

std::optional<TLanguateKind> ParseStoredLanguage(const QString& value)
{
    const QString name = value.size() == 3 ? QStringLiteral("lk") + value : value;
    for (int i = 0; i < LanguageCount; ++i) {
        if (name.compare(QLatin1String(LanguageNames[i]), Qt::CaseInsensitive) == 0)
            return static_cast<TLanguateKind>(i);
    }
    return std::nullopt;
}

std::optional<TLanguateKind> LanguageFromIndex(int index)
{
    if (index < 0 || index >= LanguageCount)
        return std::nullopt;
    return static_cast<TLanguateKind>(index);
}

TLanguateKind LanguageForCodePage(int codePage)
{
    switch (codePage) {
    case 936:
    case 10008:
    case 50935:
    case 51936:
    case 52936: return lkChs;
    case 950:
    case 10002:
    case 20000:
    case 20002:
    case 50937: return lkCht;
    default: return lkEng;
    }
}

int CodePageForLocale(const QLocale& locale)
{
    switch (locale.script()) {
    case QLocale::SimplifiedHanScript: return 936;
    case QLocale::TraditionalHanScript: return 950;
    default: return 1252;
    }
}

int SystemCodePage()
{
    return CodePageForLocale(QLocale());
}
