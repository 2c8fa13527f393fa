#pragma once

#include "protocol/i18n/LocalText.h"

// Messages of the hotkey lists. %1 is the hotkey's number.
namespace HotkeyTexts {

inline constexpr LocalText kNotStored{
    "Hotkey %1 was not stored: the receiver did not confirm it. The hotkey lists now show what "
    "the receiver holds.",
    "快捷鍵 %1 未儲存：接收器沒有確認寫入。快捷鍵清單現在顯示接收器中儲存的設定。",
    "快捷键 %1 未保存：接收器没有确认写入。快捷键列表现在显示接收器中保存的设置。"};

}  // namespace HotkeyTexts
