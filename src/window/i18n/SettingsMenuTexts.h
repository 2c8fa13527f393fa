#pragma once

#include "protocol/i18n/LocalText.h"

// The settings files in the window: the title bar menu's entries, their dialogs and messages.
namespace SettingsMenuText {

inline constexpr LocalText kSave{"Save settings to a file…", "將設定儲存到檔案…",
                                 "将设定保存到文件…"};
inline constexpr LocalText kLoad{"Load settings from a file…", "從檔案載入設定…",
                                 "从文件载入设定…"};
inline constexpr LocalText kFilter{"Settings files (*.json);;All files (*)",
                                   "設定檔 (*.json);;所有檔案 (*)",
                                   "设定文件 (*.json);;所有文件 (*)"};
inline constexpr LocalText kTitle{"Settings file", "設定檔", "设定文件"};
inline constexpr LocalText kNoReceiver{
    "No receiver is connected: the settings live in the mouse and the receiver.",
    "沒有連接接收器：設定儲存在滑鼠與接收器中。", "没有连接接收器：设定保存在鼠标与接收器中。"};
inline constexpr LocalText kNothingShown{
    "The mouse's settings have not been read yet: save them once the window shows them.",
    "尚未讀取滑鼠的設定：請在視窗顯示設定後再儲存。",
    "尚未读取鼠标的设定：请在窗口显示设定后再保存。"};
// %1: the file, %2: the reason.
inline constexpr LocalText kNotSaved{"The settings could not be saved to %1: %2",
                                     "無法將設定儲存到 %1：%2", "无法将设定保存到 %1：%2"};
inline constexpr LocalText kNotLoaded{"%1 was not loaded: %2. Nothing was changed.",
                                      "未載入 %1：%2。未變更任何設定。",
                                      "未载入 %1：%2。未变更任何设定。"};
// %1: the file.
inline constexpr LocalText kNothingDiffers{
    "The mouse and the receiver already hold the settings of %1.", "滑鼠與接收器已是 %1 的設定。",
    "鼠标与接收器已是 %1 的设定。"};
// %1: the file, %2: the changes, one a line.
inline constexpr LocalText kApply{"Change these settings as %1 has them?\n\n%2",
                                  "要依 %1 變更以下設定嗎？\n\n%2",
                                  "要按 %1 变更以下设定吗？\n\n%2"};
inline constexpr LocalText kNewMouse{
    "A new mouse is paired. Set it up as the settings file %1 has it?\n\n%2",
    "已連線新的滑鼠。要依設定檔 %1 設定它嗎？\n\n%2",
    "已对码新的鼠标。要按设定文件 %1 设定它吗？\n\n%2"};
// %1: the setting not taken, %2: those written before it ("-" for none).
inline constexpr LocalText kStopped{
    "%1 was not taken by the device; the settings after it were not written. Written: %2.",
    "裝置沒有接受 %1，其後的設定未寫入。已寫入：%2。",
    "设备没有接受 %1，其后的设定未写入。已写入：%2。"};

}  // namespace SettingsMenuText
