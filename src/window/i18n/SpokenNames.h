#pragma once

#include "protocol/i18n/LocalText.h"
#include "window/i18n/ConnectionTexts.h"

#include <QtGlobal>

class QComboBox;
class QWidget;

// What a screen reader says for the window's controls that show no text of their own, or
// whose own text does not tell what they are for. A control's own caption, or the label tied
// to it, names every other control.
namespace SpokenName {

inline constexpr LocalText kLanguage{"Language", "語言", "语言"};
inline constexpr LocalText kLogo{"Karvelo logo", "Karvelo 標誌", "Karvelo 标志"};
inline constexpr LocalText kMouseBattery{"Mouse battery", "滑鼠電量", "鼠标电量"};
inline constexpr LocalText kKeyboardBattery{"Keyboard battery", "鍵盤電量", "键盘电量"};
// A gauge's level as a screen reader reads it. %1: the level, %2: a full battery's level.
inline constexpr LocalText kLevelOfFull{"%1 of %2", "%1 / %2", "%1 / %2"};
inline constexpr LocalText kSettings{"Mouse and hotkey settings", "滑鼠與熱鍵設定",
                                     "鼠标与热键设定"};
inline constexpr LocalText kEngineering{"Engineering tools", "工程工具", "工程工具"};
inline constexpr LocalText kDeviceList{"HID devices", "HID 裝置", "HID 设备"};
inline constexpr LocalText kSystemMenu{"Window menu", "視窗選單", "窗口菜单"};
inline constexpr LocalText kLedOn{"On", "亮", "亮"};
inline constexpr LocalText kLedOff{"Off", "滅", "灭"};
inline constexpr LocalText kLedBlinking{"Blinking", "閃爍", "闪烁"};

// A spoken name: a text of ours, or a term of the language table (its mnemonic dropped).
struct Entry {
    const char* control;
    const LocalText* text;
    quint8 term;
};

inline constexpr quint8 kNoTerm = 0xFF;

inline constexpr Entry kEntries[] = {
    {"cbbLang", &kLanguage, kNoTerm},
    {"imgLogo", &kLogo, kNoTerm},
    {"imgCust", &kLogo, kNoTerm},
    {"imgConnected", &ConnectionText::kConnected, kNoTerm},
    {"gifBind", nullptr, 4},  // "&Connecting"
    {"pbMseBattery", &kMouseBattery, kNoTerm},
    {"pbKbdBattery", &kKeyboardBattery, kNoTerm},
    {"gb15", &kSettings, kNoTerm},
    {"DevListBox", &kDeviceList, kNoTerm},
    {"gbHide", &kEngineering, kNoTerm},
    {"tlbTestMode", nullptr, 25},  // "Test Mode"
};

}  // namespace SpokenName

// Sets the spoken names of the window's controls in the language in force. The no-receiver
// picture speaks the line beside Connect, which showLinkLine sets.
void ApplySpokenNames(QWidget& window);

// Names the items of a language box by each language's own name.
void NameLanguageItems(QComboBox& box);

// A caption without its mnemonic: "&Connect" and "連線(&C)" say "Connect" and "連線".
QString WithoutMnemonic(QString caption);
