#pragma once

#include "protocol/i18n/LocalText.h"

// What karvelo-rf watch tells its user: one line per event, the time before it.
namespace WatchText {

inline constexpr LocalText kIntervalRange{"--interval takes whole seconds from 1 to 60, not '%1'",
                                          "--interval 需要 1 到 60 的整數秒數，而不是 '%1'",
                                          "--interval 需要 1 到 60 的整数秒数，而不是 '%1'"};
inline constexpr LocalText kSummary{
    "runs until stopped and prints a line for each change: first the whole state, then a\n"
    "      receiver added or removed, the link, the battery levels, the CPI, new IDs after a\n"
    "      pairing; --interval S polls every S whole seconds, from 1 to 60 (the default: 1);\n"
    "      --bar waybar|line prints only what a status bar shows, when it changes (waybar's\n"
    "      JSON, or one line of text for polybar and i3blocks)",
    "持續執行直到被停止，每有變化就印出一行：先是完整狀態，之後是接收器插上或拔下、\n"
    "      連線、電池電量、CPI、連線後的新 ID；--interval S 每 S 秒查詢一次，S 為 1 到 60\n"
    "      的整數（預設為 1）；--bar waybar|line 只印出狀態列顯示的內容（waybar 的 JSON，\n"
    "      或 polybar 與 i3blocks 的一行文字），有變化時才印",
    "持续运行直到被停止，每有变化就打印一行：先是完整状态，之后是接收器插上或拔下、\n"
    "      连线、电池电量、CPI、对码后的新 ID；--interval S 每 S 秒查询一次，S 为 1 到 60\n"
    "      的整数（默认为 1）；--bar waybar|line 只打印状态栏显示的内容（waybar 的 JSON，\n"
    "      或 polybar 与 i3blocks 的一行文字），有变化时才打印"};

// The lines: the time (%1) and what happened (%2).
inline constexpr LocalText kLine{"%1 %2", "%1 %2", "%1 %2"};
inline constexpr LocalText kState{"state: %1", "狀態：%1", "状态：%1"};
inline constexpr LocalText kNoReceiver{"no receiver", "沒有接收器", "没有接收器"};
inline constexpr LocalText kAdded{"receiver added: %1", "接收器已插上：%1", "接收器已插上：%1"};
inline constexpr LocalText kRemoved{"receiver removed: %1", "接收器已拔下：%1", "接收器已拔下：%1"};
inline constexpr LocalText kNotAccessible{"receiver not accessible: %1 (no permission)",
                                          "無法使用接收器：%1（沒有權限）",
                                          "无法使用接收器：%1（没有权限）"};
inline constexpr LocalText kWriteFailed{"cannot write the stream: %1", "無法寫出輸出：%1",
                                        "无法写出输出：%1"};
inline constexpr LocalText kLink{"link: %1", "連線：%1", "连线：%1"};
inline constexpr LocalText kLinkLabel{"link", "連線", "连线"};
inline constexpr LocalText kLinkValue{"mouse %1, keyboard %2", "滑鼠%1，鍵盤%2", "鼠标%1，键盘%2"};
inline constexpr LocalText kInReach{"in reach", "在範圍內", "在范围内"};
inline constexpr LocalText kOutOfReach{"out of reach", "不在範圍內", "不在范围内"};
inline constexpr LocalText kReachUnknown{"unknown", "未知", "未知"};
inline constexpr LocalText kBattery{"battery: %1", "電量：%1", "电量：%1"};
inline constexpr LocalText kCpi{"CPI: %1", "CPI：%1", "CPI：%1"};
// Between the fields of a state line.
inline constexpr LocalText kSeparator{", ", "，", "，"};
inline constexpr LocalText kField{"%1 %2", "%1 %2", "%1 %2"};

// What a status bar shows (watch --bar): the mouse's level of its scale, the keyboard's after it.
inline constexpr LocalText kBarMouse{"mouse %1/%2", "滑鼠 %1/%2", "鼠标 %1/%2"};
inline constexpr LocalText kBarKeyboard{"keyboard %1/%2", "鍵盤 %1/%2", "键盘 %1/%2"};
// The tooltip of a receiver that serves no keyboard.
inline constexpr LocalText kBarMouseOnly{"mouse %1 of %2 (%3)", "滑鼠 %1 / %2（%3）",
                                         "鼠标 %1 / %2（%3）"};
inline constexpr LocalText kBarUnknown{"mouse ?", "滑鼠 ?", "鼠标 ?"};
inline constexpr LocalText kBarNotAccessible{"receiver not accessible", "無法使用接收器",
                                             "无法使用接收器"};
inline constexpr LocalText kBarRange{"--bar takes waybar or line, not '%1'",
                                     "--bar 需要 waybar 或 line，而不是 '%1'",
                                     "--bar 需要 waybar 或 line，而不是 '%1'"};

}  // namespace WatchText
