#pragma once

#include "protocol/i18n/LocalText.h"

// What the command line tells its user.
namespace CliText {

// Usage errors of the command line's words.
inline constexpr LocalText kUnknownCommand{"unknown command '%1' (try --help)",
                                           "沒有 '%1' 這個命令（請見 --help）",
                                           "没有 '%1' 这个命令（请见 --help）"};
inline constexpr LocalText kUnknownFlag{"unknown option '%1' (try --help)",
                                        "沒有 '%1' 這個選項（請見 --help）",
                                        "没有 '%1' 这个选项（请见 --help）"};
inline constexpr LocalText kNeedsValue{"%1 needs a value", "%1 需要一個值", "%1 需要一个值"};
inline constexpr LocalText kTakesNoValue{"%1 takes no value", "%1 不需要值", "%1 不需要值"};
inline constexpr LocalText kGivenTwice{"'%1' is given twice", "'%1' 重複出現", "'%1' 重复出现"};
inline constexpr LocalText kNotAnOptionOf{
    "'%1' is not an option of %2 (see 'karvelo-rf %2 --help')",
    "'%1' 不是 %2 的選項（請見 'karvelo-rf %2 --help'）",
    "'%1' 不是 %2 的选项（请见 'karvelo-rf %2 --help'）"};
inline constexpr LocalText kExtraArgument{"'%1' is one argument too many (usage: karvelo-rf %2)",
                                          "'%1' 是多餘的引數（用法：karvelo-rf %2）",
                                          "'%1' 是多余的参数（用法：karvelo-rf %2）"};
inline constexpr LocalText kTimeoutRange{"--timeout takes whole seconds from 1 to %1, not '%2'",
                                         "--timeout 需要 1 到 %1 的整數秒數，而不是 '%2'",
                                         "--timeout 需要 1 到 %1 的整数秒数，而不是 '%2'"};
inline constexpr LocalText kNotReadable{"%1 can be set, not read: the mouse keeps no answer to it",
                                        "%1 只能設定，無法讀取：滑鼠不回報這項設定",
                                        "%1 只能设定，无法读取：鼠标不回报这项设定"};

inline constexpr LocalText kNoReceiver{"no receiver found (is it plugged in?)",
                                       "找不到接收器（是否已插上？）",
                                       "找不到接收器（是否已插上？）"};
inline constexpr LocalText kReceiverNotFound{"no receiver at %1 (see 'karvelo-rf list')",
                                             "%1 沒有接收器（請見 'karvelo-rf list'）",
                                             "%1 没有接收器（请见 'karvelo-rf list'）"};
inline constexpr LocalText kNoAccess{
    "no permission to open the receiver at %1: install the udev rule "
    "(karvelo-rf-tool --print-udev-rules | sudo tee "
    "/etc/udev/rules.d/70-karvelo-rf-receiver.rules), "
    "then unplug the receiver and plug it in again",
    "沒有開啟 %1 接收器的權限：請安裝 udev 規則"
    "（karvelo-rf-tool --print-udev-rules | sudo tee "
    "/etc/udev/rules.d/70-karvelo-rf-receiver.rules），"
    "再拔出接收器並重新插上",
    "没有打开 %1 接收器的权限：请安装 udev 规则"
    "（karvelo-rf-tool --print-udev-rules | sudo tee "
    "/etc/udev/rules.d/70-karvelo-rf-receiver.rules），"
    "再拔出接收器并重新插上"};
inline constexpr LocalText kWindowBusy{
    "the window is busy with the receiver; try again in a moment", "視窗正在使用接收器，請稍後再試",
    "窗口正在使用接收器，请稍后再试"};
inline constexpr LocalText kNoAnswer{"the receiver did not answer", "接收器沒有回應",
                                     "接收器没有响应"};
inline constexpr LocalText kAccessOk{"ok", "可使用", "可使用"};
inline constexpr LocalText kAccessDenied{"no permission", "沒有權限", "没有权限"};

inline constexpr LocalText kPairingTick{
    "pairing: tick %1 of %2, move the new mouse or press a key on the new keyboard",
    "連線中：第 %1 / %2 秒，請移動新滑鼠或按新鍵盤的按鍵",
    "对码中：第 %1 / %2 秒，请移动新鼠标或按新键盘的按键"};
inline constexpr LocalText kPaired{"paired: mouse ID %1, keyboard ID %2",
                                   "連線成功：滑鼠 ID %1，鍵盤 ID %2",
                                   "对码成功：鼠标 ID %1，键盘 ID %2"};
inline constexpr LocalText kPairTimedOut{"pairing timed out: no new mouse or keyboard was found",
                                         "連線逾時：沒有找到新的滑鼠或鍵盤",
                                         "对码超时：没有找到新的鼠标或键盘"};
inline constexpr LocalText kNoStableReading{
    "the receiver gives no steady link status; pairing did not go on",
    "接收器的連線狀態不穩定，無法連線", "接收器的连线状态不稳定，无法对码"};
inline constexpr LocalText kUnknownOption{"'%1' is not an option; the options are: %2",
                                          "'%1' 不是可設定的項目；可設定的項目為：%2",
                                          "'%1' 不是可设定的项目；可设定的项目为：%2"};
inline constexpr LocalText kBadValue{"'%1' is not a value of %2; the values are: %3",
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
inline constexpr LocalText kNotStored{"the receiver did not confirm %1; it was not taken into use",
                                      "接收器沒有確認 %1，未啟用", "接收器没有确认 %1，未启用"};
inline constexpr LocalText kMouseSilent{
    "the mouse did not answer (is it on and near the receiver?)",
    "滑鼠沒有回應（滑鼠是否已開啟並靠近接收器？）", "鼠标没有响应（鼠标是否已打开并靠近接收器？）"};
inline constexpr LocalText kHexField{"%1 takes a hexadecimal number from 0 to FFFF, not '%2'",
                                     "%1 需要 0 到 FFFF 的十六進位數字，而不是 '%2'",
                                     "%1 需要 0 到 FFFF 的十六进制数字，而不是 '%2'"};
inline constexpr LocalText kWideCharacter{
    "the string descriptor keeps one byte per character: '%1' (U+%2) does not fit",
    "字串描述符每個字元只存一個位元組：'%1'（U+%2）無法存入",
    "字串描述符每个字符只存一个字节：'%1'（U+%2）无法存入"};
inline constexpr LocalText kStringTooLong{
    "the string descriptor holds at most 46 characters, not %1",
    "字串描述符最多 46 個字元，而不是 %1 個", "字串描述符最多 46 个字符，而不是 %1 个"};
inline constexpr LocalText kOutsideProducts{
    "%1 is not a Karvelo receiver's identity (%2): after the next plug-in neither karvelo-rf, "
    "karvelo-rf-tool nor the udev rule would find the receiver, and nothing could write it "
    "back; give --force to write it all the same",
    "%1 不是 Karvelo 接收器的識別碼（%2）：下次插上後，karvelo-rf、karvelo-rf-tool 與 udev "
    "規則都將找不到接收器，也無法再寫回；若仍要寫入，請加上 --force",
    "%1 不是 Karvelo 接收器的标识（%2）：下次插上后，karvelo-rf、karvelo-rf-tool 与 udev "
    "规则都将找不到接收器，也无法再写回；若仍要写入，请加上 --force"};
inline constexpr LocalText kForcedIdentity{
    "warning: writing %1, which is not a Karvelo receiver's identity: after the next plug-in "
    "neither karvelo-rf, karvelo-rf-tool nor the udev rule will find the receiver, and nothing "
    "here can write it back",
    "警告：寫入 %1，這不是 Karvelo 接收器的識別碼：下次插上後，karvelo-rf、karvelo-rf-tool 與 "
    "udev 規則都將找不到接收器，本工具也無法再寫回",
    "警告：写入 %1，这不是 Karvelo 接收器的标识：下次插上后，karvelo-rf、karvelo-rf-tool 与 "
    "udev 规则都将找不到接收器，本工具也无法再写回"};
inline constexpr LocalText kForceAlone{"--force goes with --vid or --pid (or an empty --string)",
                                       "--force 只能與 --vid 或 --pid（或空的 --string）一起使用",
                                       "--force 只能与 --vid 或 --pid（或空的 --string）一起使用"};
inline constexpr LocalText kEmptyString{
    "--string \"\" would leave the receiver without a name (an empty string descriptor); give "
    "--force to write it all the same",
    "--string \"\" 會讓接收器沒有名稱（空的字串描述符）；若仍要寫入，請加上 --force",
    "--string \"\" 会让接收器没有名称（空的字符串描述符）；若仍要写入，请加上 --force"};
inline constexpr LocalText kForcedEmptyString{
    "warning: writing an empty string descriptor: the receiver will have no name",
    "警告：寫入空的字串描述符，接收器將沒有名稱", "警告：写入空的字符串描述符，接收器将没有名称"};
// %2: the setting's name, %3: its values.
inline constexpr LocalText kVoltsValue{
    "'%1' is not a value of %2: it takes the warning level in volts, one of %3 (a trailing V, "
    "with or without a space before it, and zeros after the first decimal are allowed: 2.4, "
    "2.40, 2.4V and 2.4 V are the same)",
    "'%1' 不是 %2 的值：請以伏特為單位給出警告電壓，可用的值為 %3"
    "（可加上結尾的 V，前面可有一個空格；小數第一位之後可補 0：2.4、2.40、2.4V 與 2.4 V 相同）",
    "'%1' 不是 %2 的值：请以伏特为单位给出警告电压，可用的值为 %3"
    "（可加上结尾的 V，前面可有一个空格；小数第一位之后可补 0：2.4、2.40、2.4V 与 2.4 V 相同）"};

// The labels and values of what the commands print for people (the options of get and set
// keep their names: they are what set takes).
inline constexpr LocalText kReceiverLabel{"receiver", "接收器", "接收器"};
inline constexpr LocalText kChannelLabel{"channel", "頻道", "信道"};
inline constexpr LocalText kMouseIdLabel{"mouse ID", "滑鼠 ID", "鼠标 ID"};
inline constexpr LocalText kKeyboardIdLabel{"keyboard ID", "鍵盤 ID", "键盘 ID"};
inline constexpr LocalText kBatteryLabel{"battery", "電量", "电量"};
inline constexpr LocalText kCpiLabel{"CPI", "CPI", "CPI"};
inline constexpr LocalText kBindingLabel{"binding", "綁定", "绑定"};
inline constexpr LocalText kBatteryValue{"mouse %1 of %2 (%3), keyboard %4 of %5",
                                         "滑鼠 %1 / %2（%3），鍵盤 %4 / %5",
                                         "鼠标 %1 / %2（%3），键盘 %4 / %5"};
inline constexpr LocalText kBandGood{"good", "良好", "良好"};
inline constexpr LocalText kBandLow{"low", "偏低", "偏低"};
inline constexpr LocalText kBandCritical{"critical", "極低", "极低"};
inline constexpr LocalText kUnsettled{" (unsettled)", "（未穩定）", "（未稳定）"};
inline constexpr LocalText kUnknown{"unknown", "未知", "未知"};
inline constexpr LocalText kUnset{"unset", "未設定", "未设定"};
inline constexpr LocalText kKeyCode{"code %1", "代碼 %1", "代码 %1"};
inline constexpr LocalText kVidLabel{"vid", "VID", "VID"};
inline constexpr LocalText kPidLabel{"pid", "PID", "PID"};
inline constexpr LocalText kStringLabel{"string", "字串描述符", "字符串描述符"};
inline constexpr LocalText kTheIdentity{"the identity", "識別碼", "标识"};

// The help: the commands' summaries, between a head and a tail.
inline constexpr LocalText kUsageHead{
    "Usage: %1 [--json] [--simulate] [--receiver NODE] COMMAND [ARGUMENTS]\n"
    "Reads and sets up a Karvelo 2.4G wireless keyboard and mouse through its USB receiver.\n\n"
    "Commands:\n",
    "用法：%1 [--json] [--simulate] [--receiver NODE] COMMAND [ARGUMENTS]\n"
    "透過 USB 接收器讀取並設定 Karvelo 2.4G 無線鍵盤與滑鼠。\n\n"
    "命令：\n",
    "用法：%1 [--json] [--simulate] [--receiver NODE] COMMAND [ARGUMENTS]\n"
    "通过 USB 接收器读取并设定 Karvelo 2.4G 无线键盘与鼠标。\n\n"
    "命令：\n"};
inline constexpr LocalText kUsageTail{
    "\nOptions:\n"
    "  --json             machine-readable output\n"
    "  --simulate         use the built-in simulated receiver\n"
    "  --receiver NODE    the receiver at this node (see list), when there are several\n"
    "  --help             this text; after a command, that command's use\n"
    "  --version          the version\n\n"
    "Exit status: 0 done, 1 the device refused or did not answer (or the window was busy\n"
    "with it), 2 usage error, 3 no receiver, no access, or the receiver was removed.\n",
    "\n選項：\n"
    "  --json             供程式讀取的輸出\n"
    "  --simulate         使用內建的模擬接收器\n"
    "  --receiver NODE    有多個接收器時，使用此節點的接收器（請見 list）\n"
    "  --help             本說明；放在命令之後則說明該命令\n"
    "  --version          版本\n\n"
    "結束狀態：0 完成，1 裝置拒絕或沒有回應（或視窗正在使用接收器），\n"
    "2 用法錯誤，3 沒有接收器、沒有權限，或接收器已被拔下。\n",
    "\n选项：\n"
    "  --json             供程序读取的输出\n"
    "  --simulate         使用内置的模拟接收器\n"
    "  --receiver NODE    有多个接收器时，使用此节点的接收器（请见 list）\n"
    "  --help             本说明；放在命令之后则说明该命令\n"
    "  --version          版本\n\n"
    "退出状态：0 完成，1 设备拒绝或没有响应（或窗口正在使用接收器），\n"
    "2 用法错误，3 没有接收器、没有权限，或接收器已被拔下。\n"};
// One command's use: the program and its options (%1), the command (%2), its summary (%3).
inline constexpr LocalText kCommandUsage{"Usage: %1 %2\n      %3\n", "用法：%1 %2\n      %3\n",
                                         "用法：%1 %2\n      %3\n"};
inline constexpr LocalText kListSummary{"the receivers present, with node, IDs and access",
                                        "目前插上的接收器，含節點、ID 與存取權限",
                                        "当前插上的接收器，含节点、ID 与访问权限"};
inline constexpr LocalText kStatusSummary{
    "channel, mouse and keyboard IDs, battery levels, CPI, binding status",
    "頻道、滑鼠與鍵盤 ID、電池電量、CPI、綁定狀態", "信道、鼠标与键盘 ID、电池电量、CPI、绑定状态"};
inline constexpr LocalText kPairSummary{
    "pairs a new mouse or keyboard; exit status 0 paired, 1 timed out;\n"
    "      --timeout S gives up after S whole seconds, from 1 to 16\n"
    "      (the default: 16, the receiver's own time-out)",
    "連線新的滑鼠或鍵盤；結束狀態 0 連線成功，1 逾時；\n"
    "      --timeout S 在 S 秒後放棄，S 為 1 到 16 的整數（預設為接收器自己的 16 秒）",
    "对码新的鼠标或键盘；退出状态 0 对码成功，1 超时；\n"
    "      --timeout S 在 S 秒后放弃，S 为 1 到 16 的整数（默认为接收器自己的 16 秒）"};
inline constexpr LocalText kGetSummary{"the mouse's options and the hotkeys, read back",
                                       "讀回滑鼠的設定與熱鍵", "读回鼠标的设定与热键"};
// %1: the settings and their values, as SetSummary lists them.
inline constexpr LocalText kSetSummary{
    "changes an option (verified as the window verifies it) or a hotkey;\n      options: %1",
    "變更一項設定（如視窗般確認滑鼠已接受）或熱鍵；\n      項目：%1",
    "变更一项设定（如窗口般确认鼠标已接受）或热键；\n      项目：%1"};
// %1: the hotkeys' names.
inline constexpr LocalText kSetHotkeyValues{
    "%1 CAPTION (as the window lists them, any letter case)",
    "%1 功能名稱（如視窗所列，不分大小寫）", "%1 功能名称（如窗口所列，不分大小写）"};
// Between the settings of that list.
inline constexpr LocalText kListSeparator{", ", "、", "、"};
inline constexpr LocalText kIdentitySummary{
    "reads the receiver's stored USB identity, or writes what is given; a VID and PID\n"
    "      that are not a Karvelo receiver's (7A3C:0E41, 7A3C:0E42) need --force: after the\n"
    "      next plug-in nothing finds the receiver, and nothing can write them back",
    "讀取接收器儲存的 USB 識別碼，或寫入所給的部分；不是 Karvelo 接收器的 VID 與 PID\n"
    "      （7A3C:0E41、7A3C:0E42）需加上 --force：下次插上後將找不到接收器，也無法再寫回",
    "读取接收器存储的 USB 标识，或写入所给的部分；不是 Karvelo 接收器的 VID 与 PID\n"
    "      （7A3C:0E41、7A3C:0E42）需加上 --force：下次插上后将找不到接收器，也无法再写回"};

// Settings files.
inline constexpr LocalText kExportSummary{
    "writes the receiver's settings as a settings file (to standard output without FILE or\n"
    "      with -), for apply",
    "將接收器的設定寫成設定檔（未給 FILE 或為 - 時寫到標準輸出），供 apply 使用",
    "将接收器的设定写成设定文件（未给 FILE 或为 - 时写到标准输出），供 apply 使用"};
inline constexpr LocalText kApplySummary{
    "brings the mouse and the receiver to a settings file (FILE - reads standard input):\n"
    "      prints each difference and writes only those, each verified as set verifies it;\n"
    "      --dry-run writes nothing; exit status 0 applied or nothing differed, 1 a write\n"
    "      refused or not verified, 2 a bad file (nothing written), 3 no receiver",
    "使滑鼠與接收器符合設定檔（FILE 為 - 時讀取標準輸入）：列出每項差異並只寫入這些差異，\n"
    "      每項如 set 般確認；--dry-run 不寫入；結束狀態 0 已套用或沒有差異，1 寫入被拒或未確認，\n"
    "      2 設定檔有誤（未寫入任何項目），3 沒有接收器",
    "使鼠标与接收器符合设定文件（FILE 为 - 时读取标准输入）：列出每项差异并只写入这些差异，\n"
    "      每项如 set 般确认；--dry-run 不写入；退出状态 0 已套用或没有差异，1 写入被拒或未确认，\n"
    "      2 设定文件有误（未写入任何项目），3 没有接收器"};
inline constexpr LocalText kApplyUsage{
    "apply takes a settings file: apply FILE [--dry-run] (see 'karvelo-rf apply --help')",
    "apply 需要設定檔：apply FILE [--dry-run]（請見 'karvelo-rf apply --help'）",
    "apply 需要设定文件：apply FILE [--dry-run]（请见 'karvelo-rf apply --help'）"};
// %1: the file, %2: the system's reason.
inline constexpr LocalText kCannotRead{"cannot read %1: %2", "無法讀取 %1：%2", "无法读取 %1：%2"};
inline constexpr LocalText kCannotWrite{"cannot write %1: %2", "無法寫入 %1：%2",
                                        "无法写入 %1：%2"};
// %1: the file, %2: why it is refused.
inline constexpr LocalText kBadFile{"%1: %2; nothing was written", "%1：%2；未寫入任何項目",
                                    "%1：%2；未写入任何项目"};
inline constexpr LocalText kNothingDiffers{"nothing differs from the file", "與設定檔沒有差異",
                                           "与设定文件没有差异"};
// %1: the settings written, %2: those not written ("-" for none).
inline constexpr LocalText kApplyStopped{"the run stopped; written: %1; not written: %2",
                                         "已停止；已寫入：%1；未寫入：%2",
                                         "已停止；已写入：%1；未写入：%2"};
inline constexpr LocalText kMouseNotWritten{
    "the mouse did not answer (is it on and near the receiver?): its settings were not written: %1",
    "滑鼠沒有回應（滑鼠是否已開啟並靠近接收器？）：未寫入滑鼠的設定：%1",
    "鼠标没有响应（鼠标是否已打开并靠近接收器？）：未写入鼠标的设定：%1"};

}  // namespace CliText
