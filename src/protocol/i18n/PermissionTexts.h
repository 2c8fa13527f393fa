#pragma once

#include "protocol/i18n/LocalText.h"

// The help shown when a receiver is plugged in but its device node cannot be opened.
namespace PermissionText {

inline constexpr LocalText kTitle = {
    "Receiver not accessible",
    "無法存取接收器",
    "无法访问接收器",
};

// %1: the receiver's vendor and product IDs; %2: its device nodes.
inline constexpr LocalText kProblem = {
    "The receiver %1 is plugged in at %2, but this user may not open it: the udev rule that "
    "grants access to it is missing or not yet applied.",
    "接收器 %1 已插在 %2，但目前的使用者無權開啟它：授予存取權限的 udev 規則尚未安裝或尚未生效。",
    "接收器 %1 已插在 %2，但当前用户无权打开它：授予访问权限的 udev 规则尚未安装或尚未生效。",
};

inline constexpr LocalText kInstall = {
    "Install the rule with these commands:",
    "請以下列命令安裝規則：",
    "请用以下命令安装规则：",
};

inline constexpr LocalText kReplug = {
    "Then unplug the receiver and plug it in again.",
    "然後拔下接收器，再重新插入。",
    "然后拔下接收器，再重新插入。",
};

}  // namespace PermissionText
