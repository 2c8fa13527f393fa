#pragma once

#include "protocol/i18n/LocalText.h"

// What the tool says on standard error when it cannot show its window, after the program's
// name.
namespace DisplayText {

inline constexpr LocalText kNoDisplay{
    "no display (neither DISPLAY nor WAYLAND_DISPLAY is set): start the tool in a desktop "
    "session",
    "沒有顯示器（DISPLAY 與 WAYLAND_DISPLAY 都未設定）：請在桌面工作階段中啟動工具",
    "没有显示器（DISPLAY 和 WAYLAND_DISPLAY 都未设置）：请在桌面会话中启动工具"};
// %1: the display's name.
inline constexpr LocalText kCannotOpenDisplay{
    "cannot open the display %1: start the tool in a desktop session",
    "無法開啟顯示器 %1：請在桌面工作階段中啟動工具", "无法打开显示器 %1：请在桌面会话中启动工具"};
// %1: the plugin's name, %2: the Debian package that brings it.
inline constexpr LocalText kPluginMissing{
    "the Qt platform plugin \"%1\" is not installed: install the package %2",
    "未安裝 Qt 平台外掛「%1」：請安裝套件 %2", "未安装 Qt 平台插件“%1”：请安装软件包 %2"};
// %1: the plugin's name, %2: the package, %3: the plugin the tool runs on instead.
inline constexpr LocalText kPluginMissingFellBack{
    "the Qt platform plugin \"%1\" is not installed (the package %2 brings it): the window runs "
    "on \"%3\" instead",
    "未安裝 Qt 平台外掛「%1」（由套件 %2 提供）：視窗改為在「%3」上執行",
    "未安装 Qt 平台插件“%1”（由软件包 %2 提供）：窗口改为在“%3”上运行"};

}  // namespace DisplayText
