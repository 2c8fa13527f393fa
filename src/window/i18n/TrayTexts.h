#pragma once

#include "protocol/i18n/LocalText.h"

// The tray icon's tooltip and battery notice.
namespace TrayText {

// %1: the level, %2: the share of a full battery it stands for, in per cent.
inline constexpr LocalText kMouseBattery{
    "Karvelo mouse battery: %1 of 7 (%2 %)",
    "Karvelo 滑鼠電量：%1 / 7（%2 %）",
    "Karvelo 鼠标电量：%1 / 7（%2 %）"};
inline constexpr LocalText kNoReceiver{
    "Karvelo: no receiver",
    "Karvelo：沒有接收器",
    "Karvelo：没有接收器"};
inline constexpr LocalText kBatteryLowTitle{
    "Mouse battery low",
    "滑鼠電量不足",
    "鼠标电量不足"};
inline constexpr LocalText kBatteryLowText{
    "The mouse battery is nearly empty (%1 of 7). Replace or charge it soon.",
    "滑鼠電池快沒電了（%1 / 7），請盡快更換或充電。",
    "鼠标电池快没电了（%1 / 7），请尽快更换或充电。"};

inline constexpr LocalText kShow{"Show", "顯示", "显示"};
inline constexpr LocalText kQuit{"Quit", "結束", "退出"};

}  // namespace TrayText
