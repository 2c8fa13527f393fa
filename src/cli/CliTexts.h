#pragma once

#include "protocol/i18n/LocalText.h"

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

inline constexpr LocalText kPairingTick{
    "pairing: tick %1 of %2, move the new mouse or press a key on the new keyboard",
    "連線中：第 %1 / %2 秒，請移動新滑鼠或按新鍵盤的按鍵",
    "对码中：第 %1 / %2 秒，请移动新鼠标或按新键盘的按键"};
inline constexpr LocalText kPaired{
    "paired: mouse ID %1, keyboard ID %2",
    "連線成功：滑鼠 ID %1，鍵盤 ID %2",
    "对码成功：鼠标 ID %1，键盘 ID %2"};
inline constexpr LocalText kPairTimedOut{
    "pairing timed out: no new mouse or keyboard was found",
    "連線逾時：沒有找到新的滑鼠或鍵盤",
    "对码超时：没有找到新的鼠标或键盘"};
inline constexpr LocalText kNoStableReading{
    "the receiver gives no steady link status; pairing did not go on",
    "接收器的連線狀態不穩定，無法連線",
    "接收器的连线状态不稳定，无法对码"};
inline constexpr LocalText kUnknownOption{
    "'%1' is not an option; the options are: %2",
    "'%1' 不是可設定的項目；可設定的項目為：%2",
    "'%1' 不是可设定的项目；可设定的项目为：%2"};
inline constexpr LocalText kBadValue{
    "'%1' is not a value of %2; the values are: %3",
    "'%1' 不是 %2 的值；可用的值為：%3",
    "'%1' 不是 %2 的值；可用的值为：%3"};
inline constexpr LocalText kSetUsage{
    "set takes an option and a value: set OPTION VALUE (see 'karvelo-rf set --help')",
    "set 需要項目與值：set 項目 值（請見 'karvelo-rf set --help'）",
    "set 需要项目与值：set 项目 值（请见 'karvelo-rf set --help'）"};
inline constexpr LocalText kNotTaken{
    "the mouse did not take %1 = %2 (is it on and near the receiver?)",
    "滑鼠沒有接受 %1 = %2（滑鼠是否已開啟並靠近接收器？）",
    "鼠标没有接受 %1 = %2（鼠标是否已打开并靠近接收器？）"};
inline constexpr LocalText kNotStored{
    "the receiver did not confirm %1; it was not taken into use",
    "接收器沒有確認 %1，未啟用",
    "接收器没有确认 %1，未启用"};
inline constexpr LocalText kMouseSilent{
    "the mouse did not answer (is it on and near the receiver?)",
    "滑鼠沒有回應（滑鼠是否已開啟並靠近接收器？）",
    "鼠标没有响应（鼠标是否已打开并靠近接收器？）"};
inline constexpr LocalText kHexField{
    "%1 takes a hexadecimal number from 0 to FFFF, not '%2'",
    "%1 需要 0 到 FFFF 的十六進位數字，而不是 '%2'",
    "%1 需要 0 到 FFFF 的十六进制数字，而不是 '%2'"};
inline constexpr LocalText kWideCharacter{
    "the string descriptor keeps one byte per character: '%1' (U+%2) does not fit",
    "字串描述符每個字元只存一個位元組：'%1'（U+%2）無法存入",
    "字串描述符每个字符只存一个字节：'%1'（U+%2）无法存入"};
inline constexpr LocalText kStringTooLong{
    "the string descriptor holds at most 46 characters, not %1",
    "字串描述符最多 46 個字元，而不是 %1 個",
    "字串描述符最多 46 个字符，而不是 %1 个"};

}  // namespace CliText
