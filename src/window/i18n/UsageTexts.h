#pragma once

#include "protocol/i18n/LocalText.h"

// karvelo-rf-tool --help. %1: the program's name.
namespace UsageTexts {

inline constexpr LocalText kUsage{
    "Usage: %1 [--simulate] [--hidden] | --print-udev-rules | --help | --version\n"
    "Sets up a Karvelo 2.4G wireless keyboard and mouse through its USB receiver.\n"
    "\n"
    "  --simulate          run on the built-in simulated receiver instead of real\n"
    "                      devices\n"
    "  --hidden            start in the tray with the window unshown (the tray's \"Show\"\n"
    "                      or a click on its icon shows it); without a tray it runs in\n"
    "                      the background where the desktop shows notifications, and\n"
    "                      shows the window where it does not\n"
    "  --print-udev-rules  print the udev rule that lets the logged-in user open the\n"
    "                      receiver, for: %1 --print-udev-rules | sudo tee\n"
    "                      /etc/udev/rules.d/70-karvelo-rf-receiver.rules\n"
    "  -h, --help          show this text and exit\n"
    "  --version           show the version and exit\n"
    "\n"
    "It also takes the options of every Qt program, such as -platform, -display,\n"
    "-style and -reverse.\n",

    "用法：%1 [--simulate] [--hidden] | --print-udev-rules | --help | --version\n"
    "透過 USB 接收器設定 Karvelo 2.4G 無線鍵盤與滑鼠。\n"
    "\n"
    "  --simulate          使用內建的模擬接收器，而非實際裝置\n"
    "  --hidden            啟動時只在系統匣中顯示圖示，不顯示視窗（按系統匣的「顯示」\n"
    "                      或點選圖示即可顯示）；沒有系統匣時，桌面有通知服務就在背景\n"
    "                      執行，沒有則顯示視窗\n"
    "  --print-udev-rules  印出讓登入的使用者開啟接收器的 udev 規則，用法：\n"
    "                      %1 --print-udev-rules | sudo tee\n"
    "                      /etc/udev/rules.d/70-karvelo-rf-receiver.rules\n"
    "  -h, --help          顯示此說明後結束\n"
    "  --version           顯示版本後結束\n"
    "\n"
    "也接受所有 Qt 程式的選項，例如 -platform、-display、-style 與 -reverse。\n",

    "用法：%1 [--simulate] [--hidden] | --print-udev-rules | --help | --version\n"
    "通过 USB 接收器设置 Karvelo 2.4G 无线键盘和鼠标。\n"
    "\n"
    "  --simulate          使用内置的模拟接收器，而不是实际设备\n"
    "  --hidden            启动时只在系统托盘中显示图标，不显示窗口（点托盘的“显示”\n"
    "                      或单击图标即可显示）；没有系统托盘时，桌面有通知服务就在后台\n"
    "                      运行，没有则显示窗口\n"
    "  --print-udev-rules  打印让登录用户打开接收器的 udev 规则，用法：\n"
    "                      %1 --print-udev-rules | sudo tee\n"
    "                      /etc/udev/rules.d/70-karvelo-rf-receiver.rules\n"
    "  -h, --help          显示此说明后退出\n"
    "  --version           显示版本后退出\n"
    "\n"
    "也接受所有 Qt 程序的选项，例如 -platform、-display、-style 和 -reverse。\n"};

}  // namespace UsageTexts
