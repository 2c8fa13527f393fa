#pragma once

#include "protocol/i18n/LocalText.h"

// Why a settings file is refused, and what applying one did.
namespace SettingsFileText {

inline constexpr LocalText kEmpty{"the settings file is empty", "設定檔是空的", "设定文件是空的"};
// %1: the size allowed, in KiB.
inline constexpr LocalText kTooLarge{"the settings file is larger than %1 KiB", "設定檔超過 %1 KiB",
                                     "设定文件超过 %1 KiB"};
// %1: the place (a byte offset), %2: what the JSON reader found there.
inline constexpr LocalText kNotJson{"the settings file is not JSON: %2 at byte %1",
                                    "設定檔不是 JSON：第 %1 個位元組處%2",
                                    "设定文件不是 JSON：第 %1 个字节处%2"};
inline constexpr LocalText kNotObject{"the settings file does not hold one JSON object",
                                      "設定檔不是單一的 JSON 物件", "设定文件不是单一的 JSON 对象"};
// %1: the key.
inline constexpr LocalText kUnknownKey{"'%1' is not a key of a settings file",
                                       "'%1' 不是設定檔的項目", "'%1' 不是设定文件的项目"};
// %1: the key, %2: what it takes.
inline constexpr LocalText kWrongType{"'%1' takes %2", "'%1' 需要 %2", "'%1' 需要 %2"};
inline constexpr LocalText kAString{"a string", "字串", "字符串"};
inline constexpr LocalText kANumber{"a whole number", "整數", "整数"};
inline constexpr LocalText kIds{
    "an object with vendorId and productId, four hexadecimal digits each",
    "含 vendorId 與 productId 的物件（各為四位十六進位數字）",
    "含 vendorId 与 productId 的对象（各为四位十六进制数字）"};
// %1: the key, %2: the value, %3: the values it takes.
inline constexpr LocalText kBadValue{"'%2' is not a value of '%1'; the values are: %3",
                                     "'%2' 不是 '%1' 的值；可用的值為：%3",
                                     "'%2' 不是 '%1' 的值；可用的值为：%3"};
// %1: the format name the file gives, %2: this tool's.
inline constexpr LocalText kOtherFormat{"the file's format is '%1', not '%2'",
                                        "檔案格式為 '%1'，而不是 '%2'",
                                        "文件格式为 '%1'，而不是 '%2'"};
// %1: the file's version, %2: the newest this tool reads.
inline constexpr LocalText kNewerVersion{
    "the file's version %1 is newer than %2, which this tool reads",
    "檔案版本 %1 比本工具可讀取的 %2 新", "文件版本 %1 比本工具可读取的 %2 新"};

}  // namespace SettingsFileText
