#pragma once

#include "protocol/i18n/LocalText.h"

// The line beside the Connect button that says how the window stands with its receiver.
namespace ConnectionText {

inline constexpr LocalText kConnected{"Receiver connected", "接收器已連接", "接收器已连接"};
inline constexpr LocalText kNoReceiver{"No receiver connected", "未連接接收器", "未连接接收器"};
// %1: the seconds the pairing still waits.
inline constexpr LocalText kPairingHint{
    "Move the new mouse or press a key on the new keyboard: %1 s left",
    "請移動新滑鼠或按新鍵盤的按鍵：剩餘 %1 秒", "请移动新鼠标或按新键盘的按键：剩余 %1 秒"};
inline constexpr LocalText kRemovedWhilePairing{"The receiver was removed while pairing",
                                                "連線時接收器已被拔除", "对码时接收器已被拔除"};
// The tooltip of the not-accessible line.
inline constexpr LocalText kSeeNotice{
    "The receiver's device node cannot be opened; the notice tells how to mend it.",
    "無法開啟接收器的裝置節點；提示視窗說明如何修正。",
    "无法打开接收器的设备节点；提示窗口说明如何修正。"};

// The gauges' tooltips. %1: the level, %2: a full battery's level, %3: the share in per cent.
inline constexpr LocalText kMouseBattery{"Mouse battery: %1 of %2 (%3 %)",
                                         "滑鼠電量：%1 / %2（%3 %）", "鼠标电量：%1 / %2（%3 %）"};
inline constexpr LocalText kKeyboardBattery{
    "Keyboard battery: %1 of %2 (%3 %)", "鍵盤電量：%1 / %2（%3 %）", "键盘电量：%1 / %2（%3 %）"};

}  // namespace ConnectionText
