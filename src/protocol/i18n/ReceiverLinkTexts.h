#pragma once

#include "protocol/i18n/LocalText.h"

// What the tool says about the link to the receiver itself, wherever a sequence ends with it.
namespace ReceiverLinkText {

// A sequence that ended because the receiver was unplugged while it ran.
inline constexpr LocalText kRemoved = {
    "the receiver was removed",
    "接收器已被拔下",
    "接收器已被拔下",
};

// No lock file could be had, so the receiver is not taken at all (%1: why).
inline constexpr LocalText kLockUnavailable = {
    "the receiver is not used: no lock keeps other programs off it (%1)",
    "未使用接收器：無法取得防止其他程式同時使用的鎖定（%1）",
    "未使用接收器：无法取得防止其他程序同时使用的锁定（%1）",
};
inline constexpr LocalText kLockFolderNotOwn = {
    "%1 belongs to another user or is open to others",
    "%1 屬於其他使用者或開放給他人寫入",
    "%1 属于其他用户或开放给他人写入",
};
inline constexpr LocalText kLockFileError = {"%1: %2", "%1：%2", "%1：%2"};

}  // namespace ReceiverLinkText
