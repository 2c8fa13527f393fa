#pragma once

#include "i18n/LocalText.h"

// What the command line tells its user.
namespace CliText {

inline constexpr LocalText kNoReceiver{
    "no receiver found (is it plugged in?)",
    "找不到接收器（是否已插上？）",
    "找不到接收器（是否已插上？）"};
inline constexpr LocalText kReceiverNotFound{
    "no receiver at %1 (see 'karvelo-rf list')",
    "%1 沒有接收器（請見 'karvelo-rf list'）",
    "%1 没有接收器（请见 'karvelo-rf list'）"};
inline constexpr LocalText kNoAccess{
    "no permission to open the receiver at %1: install the udev rule "
    "(karvelo-rf-tool --print-udev-rules | sudo tee /etc/udev/rules.d/70-karvelo-rf-receiver.rules), "
    "then unplug the receiver and plug it in again",
    "沒有開啟 %1 接收器的權限：請安裝 udev 規則"
    "（karvelo-rf-tool --print-udev-rules | sudo tee /etc/udev/rules.d/70-karvelo-rf-receiver.rules），"
    "再拔出接收器並重新插上",
    "没有打开 %1 接收器的权限：请安装 udev 规则"
    "（karvelo-rf-tool --print-udev-rules | sudo tee /etc/udev/rules.d/70-karvelo-rf-receiver.rules），"
    "再拔出接收器并重新插上"};
inline constexpr LocalText kWindowBusy{
    "the window is busy with the receiver; try again in a moment",
    "視窗正在使用接收器，請稍後再試",
    "窗口正在使用接收器，请稍后再试"};
inline constexpr LocalText kNoAnswer{
    "the receiver did not answer",
    "接收器沒有回應",
    "接收器没有响应"};
inline constexpr LocalText kNoReceiversListed{
    "no receiver present",
    "沒有接收器",
    "没有接收器"};
inline constexpr LocalText kAccessOk{"ok", "可使用", "可使用"};
inline constexpr LocalText kAccessDenied{"no permission", "沒有權限", "没有权限"};

} // namespace CliText
