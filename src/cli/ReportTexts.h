#pragma once

#include "protocol/i18n/LocalText.h"

// What karvelo-rf report and the window's "Copy a report" tell: the report's headings, one per
// JSON key, and its words.
namespace ReportText {

inline constexpr LocalText kSummary{
    "what a bug report needs: versions, the desktop, the udev rule, each receiver's node and\n"
    "      who may open it, the seat, the lock, the receiver's status and settings; needs no\n"
    "      root and no receiver; mouse and keyboard IDs are masked unless --full is given",
    "錯誤回報所需的資訊：版本、桌面、udev 規則、各接收器的節點與可開啟的使用者、座席、\n"
    "      鎖定、接收器的狀態與設定；不需 root 也不需接收器；除非加上 --full，否則滑鼠與鍵盤 ID\n"
    "      會被遮蔽",
    "错误报告所需的信息：版本、桌面、udev 规则、各接收器的节点与可打开的用户、座席、\n"
    "      锁定、接收器的状态与设定；不需 root 也不需接收器；除非加上 --full，否则鼠标与键盘 ID\n"
    "      会被屏蔽"};

inline constexpr LocalText kTitle{"karvelo-rf report, %1 (attach it to a bug report)",
                                  "karvelo-rf 報告，%1（請附在錯誤回報中）",
                                  "karvelo-rf 报告，%1（请附在错误报告中）"};
inline constexpr LocalText kYes{"yes", "是", "是"};
inline constexpr LocalText kNo{"no", "否", "否"};
inline constexpr LocalText kNone{"none", "無", "无"};
inline constexpr LocalText kNotKnown{"not known", "未知", "未知"};
inline constexpr LocalText kMasked{"masked (--full shows it)", "已遮蔽（--full 可顯示）",
                                   "已屏蔽（--full 可显示）"};

// The window's menu entry, and what it says once the report is on the clipboard.
inline constexpr LocalText kCopyEntry{"Copy a report", "複製報告", "复制报告"};
inline constexpr LocalText kCopied{
    "A report for a bug report is on the clipboard: paste it into the report.",
    "錯誤回報用的報告已複製到剪貼簿：請貼到回報中。",
    "错误报告用的报告已复制到剪贴板：请粘贴到报告中。"};

// A heading for each key of the report, and its words in the three languages.
struct Heading {
    const char* key;
    LocalText text;
};
// clang-format off
inline constexpr Heading kHeadings[] = {
    {"tool", {"versions", "版本", "版本"}},
    {"version", {"karvelo-rf", "karvelo-rf", "karvelo-rf"}},
    {"qt", {"Qt", "Qt", "Qt"}},
    {"hidapi", {"hidapi", "hidapi", "hidapi"}},
    {"kernel", {"kernel", "核心", "内核"}},
    {"distribution", {"distribution", "發行版", "发行版"}},
    {"desktop", {"desktop", "桌面", "桌面"}},
    {"sessionType", {"session type", "工作階段類型", "会话类型"}},
    {"currentDesktop", {"desktop environment", "桌面環境", "桌面环境"}},
    {"sessionBus", {"session bus", "工作階段匯流排", "会话总线"}},
    {"trayHost", {"tray host", "系統匣主機", "托盘宿主"}},
    {"notificationService", {"notification service", "通知服務", "通知服务"}},
    {"udevRule", {"udev rule", "udev 規則", "udev 规则"}},
    {"installed", {"installed", "已安裝", "已安装"}},
    {"path", {"path", "路徑", "路径"}},
    {"sameAsTool", {"same as the tool's", "與本工具的相同", "与本工具的相同"}},
    {"nodes", {"receiver nodes", "接收器節點", "接收器节点"}},
    {"node", {"node", "節點", "节点"}},
    {"vendorId", {"vendor ID", "廠商 ID", "厂商 ID"}},
    {"productId", {"product ID", "產品 ID", "产品 ID"}},
    {"owner", {"owner", "擁有者", "所有者"}},
    {"mode", {"mode", "權限", "权限"}},
    {"acl", {"ACL", "ACL", "ACL"}},
    {"uaccessTag", {"uaccess tag", "uaccess 標記", "uaccess 标记"}},
    {"openable", {"this user can open it", "此使用者可開啟", "此用户可打开"}},
    {"openError", {"why not", "原因", "原因"}},
    {"lockFile", {"lock file", "鎖定檔", "锁定文件"}},
    {"lockHeldBy", {"lock held by", "持有鎖定者", "持有锁定者"}},
    {"seat", {"seat", "座席", "座席"}},
    {"session", {"session", "工作階段", "会话"}},
    {"active", {"active", "使用中", "活动"}},
    {"remote", {"remote", "遠端", "远程"}},
    {"type", {"type", "類型", "类型"}},
    {"uaccessApplies", {"uaccess gives this session the receiver", "uaccess 讓此工作階段使用接收器", "uaccess 让此会话使用接收器"}},
    {"problem", {"problem", "問題", "问题"}},
    {"receiver", {"receiver", "接收器", "接收器"}},
    {"channel", {"channel", "頻道", "信道"}},
    {"mouseId", {"mouse ID", "滑鼠 ID", "鼠标 ID"}},
    {"keyboardId", {"keyboard ID", "鍵盤 ID", "键盘 ID"}},
    {"mouseBattery", {"mouse battery", "滑鼠電量", "鼠标电量"}},
    {"mouseBatteryMax", {"mouse battery maximum", "滑鼠電量上限", "鼠标电量上限"}},
    {"mouseBatteryBand", {"mouse battery band", "滑鼠電量等級", "鼠标电量等级"}},
    {"keyboardBattery", {"keyboard battery", "鍵盤電量", "键盘电量"}},
    {"keyboardBatteryMax", {"keyboard battery maximum", "鍵盤電量上限", "键盘电量上限"}},
    {"keyboardBatteryBand", {"keyboard battery band", "鍵盤電量等級", "键盘电量等级"}},
    {"cpi", {"CPI", "CPI", "CPI"}},
    {"bindingStatus", {"binding status", "綁定狀態", "绑定状态"}},
    {"bindingSettled", {"binding settled", "綁定已穩定", "绑定已稳定"}},
    {"mouseInReach", {"mouse in reach", "滑鼠在範圍內", "鼠标在范围内"}},
    {"keyboardInReach", {"keyboard in reach", "鍵盤在範圍內", "键盘在范围内"}},
    {"settings", {"settings", "設定", "设定"}},
};
// clang-format on

}  // namespace ReportText
