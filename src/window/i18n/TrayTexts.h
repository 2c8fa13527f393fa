#pragma once

#include "protocol/i18n/LocalText.h"

// The tray icon's tooltip, notices and menu, and what the hidden start says.
namespace TrayText {

// %1: the level, %2: the share of a full battery it stands for, in per cent.
inline constexpr LocalText kMouseBattery{"Karvelo mouse battery: %1 of 7 (%2 %)",
                                         "Karvelo 滑鼠電量：%1 / 7（%2 %）",
                                         "Karvelo 鼠标电量：%1 / 7（%2 %）"};
// %1: the level, %2: the gauge's maximum, %3: the share in per cent.
inline constexpr LocalText kKeyboardBattery{"Karvelo keyboard battery: %1 of %2 (%3 %)",
                                            "Karvelo 鍵盤電量：%1 / %2（%3 %）",
                                            "Karvelo 键盘电量：%1 / %2（%3 %）"};
inline constexpr LocalText kNoReceiver{"Karvelo: no receiver", "Karvelo：沒有接收器",
                                       "Karvelo：没有接收器"};
inline constexpr LocalText kBatteryLowTitle{"Mouse battery low", "滑鼠電量不足", "鼠标电量不足"};
inline constexpr LocalText kBatteryLowText{
    "The mouse battery is nearly empty (%1 of 7). Replace or charge it soon.",
    "滑鼠電池快沒電了（%1 / 7），請盡快更換或充電。",
    "鼠标电池快没电了（%1 / 7），请尽快更换或充电。"};
inline constexpr LocalText kKeyboardLowTitle{"Keyboard battery low", "鍵盤電量不足",
                                             "键盘电量不足"};
// %1: the level, %2: the gauge's maximum.
inline constexpr LocalText kKeyboardLowText{
    "The keyboard battery is nearly empty (%1 of %2). Replace or charge it soon.",
    "鍵盤電池快沒電了（%1 / %2），請盡快更換或充電。",
    "键盘电池快没电了（%1 / %2），请尽快更换或充电。"};

inline constexpr LocalText kShow{"Show", "顯示", "显示"};
inline constexpr LocalText kKeepRunning{"Keep running in the tray", "在系統匣中持續執行",
                                        "在系统托盘中保持运行"};
inline constexpr LocalText kStartAtLogin{"Start at login", "登入時啟動", "登录时启动"};
inline constexpr LocalText kQuit{"Quit", "結束", "退出"};

// %1: the file, %2: the system's reason.
inline constexpr LocalText kAutostartNotWritten{"The login entry %1 could not be written: %2",
                                                "無法寫入登入項目 %1：%2", "无法写入登录项 %1：%2"};
// %1: the program's path.
inline constexpr LocalText kProgramPathUnfit{
    "the program's path %1 holds a %, a line break or another control character, which a "
    "desktop entry cannot carry; move the program to a folder whose name has none",
    "程式路徑 %1 含有 "
    "%、換行或其他控制字元，桌面項目無法記錄；請將程式移到名稱不含這些字元的資料夾",
    "程序路径 %1 含有 %、换行或其他控制字符，桌面项无法记录；请将程序移到名称不含这些字符的文件夹"};
inline constexpr LocalText kAutostartNotRemoved{"The login entry %1 could not be removed: %2",
                                                "無法刪除登入項目 %1：%2", "无法删除登录项 %1：%2"};

// The name the desktop's notices are told under (the menu entry's name).
inline constexpr LocalText kProductName{"Karvelo RF Setting Tool", "Karvelo 2.4G 無線設定工具",
                                        "Karvelo 2.4G 无线设置工具"};

// On standard error, after the program's name.
inline constexpr LocalText kNoTrayHost{
    "--hidden: the desktop shows no tray icons (no system tray or StatusNotifier host) and has "
    "no notification service, so the window is shown instead",
    "--hidden：桌面不顯示系統匣圖示（沒有系統匣或 StatusNotifier 主機），也沒有通知服務，因此改為"
    "顯示視窗",
    "--hidden：桌面不显示托盘图标（没有系统托盘或 StatusNotifier 宿主），也没有通知服务，因此改为"
    "显示窗口"};
inline constexpr LocalText kTrayHostGone{
    "the desktop's tray went away and has not come back within 5 seconds, so the window is "
    "shown instead",
    "桌面的系統匣已消失，5 秒內沒有回來，因此改為顯示視窗",
    "桌面的系统托盘已消失，5 秒内没有回来，因此改为显示窗口"};
inline constexpr LocalText kInTheBackground{
    "the desktop shows no tray icons (no system tray or StatusNotifier host): the tool keeps "
    "running in the background and tells its notices through the desktop's notifications; to "
    "open the window, start the tool from the menu (the new copy replaces this one)",
    "桌面不顯示系統匣圖示（沒有系統匣或 StatusNotifier 主機）：工具在背景持續執行，並以桌面通知"
    "告知提醒；要開啟視窗，請從選單啟動工具（新的執行個體會取代這一個）",
    "桌面不显示托盘图标（没有系统托盘或 StatusNotifier 宿主）：工具在后台保持运行，并通过桌面"
    "通知告知提醒；要打开窗口，请从菜单启动工具（新的实例会取代这一个）"};

}  // namespace TrayText
