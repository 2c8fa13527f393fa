#pragma once

#include "protocol/i18n/LocalText.h"

// Messages of the EEPROM value boxes and the USB identity (VID, PID, string descriptor).
namespace IdentityTexts {

// %1: the box's text.
inline constexpr LocalText kByteTooLarge{
    "%1 does not fit one byte (00 to FF). Nothing was written.",
    "%1 超出一個位元組的範圍（00 至 FF），未寫入任何資料。",
    "%1 超出一个字节的范围（00 至 FF），未写入任何数据。"};

// %1: the box's text.
inline constexpr LocalText kIdTooLarge{
    "%1 does not fit a VID or PID (0000 to FFFF). Nothing was written.",
    "%1 超出 VID 或 PID 的範圍（0000 至 FFFF），未寫入任何資料。",
    "%1 超出 VID 或 PID 的范围（0000 至 FFFF），未写入任何数据。"};

// %1: the character, %2: its code point as four or more hexadecimal digits.
inline constexpr LocalText kWideCharacter{
    "The character \"%1\" (U+%2) cannot be stored in the string descriptor, which keeps one "
    "byte per character (U+0000 to U+00FF). Nothing was written.",
    "字元「%1」（U+%2）無法存入字串描述元：每個字元只佔一個位元組（U+0000 至 U+00FF）。"
    "未寫入任何資料。",
    "字符“%1”（U+%2）无法存入字符串描述符：每个字符只占一个字节（U+0000 至 U+00FF）。"
    "未写入任何数据。"};

// %1: the text's length in characters.
inline constexpr LocalText kStringTooLong{
    "The string descriptor holds at most 46 characters; this text has %1. Nothing was written.",
    "字串描述元最多 46 個字元，這段文字有 %1 個。未寫入任何資料。",
    "字符串描述符最多 46 个字符，这段文字有 %1 个。未写入任何数据。"};

inline constexpr LocalText kNotConfirmed{
    "The receiver did not confirm the write to its EEPROM, so what it holds may be incomplete. "
    "Read it back to check.",
    "接收器沒有確認 EEPROM 寫入，儲存的內容可能不完整。請重新讀取以確認。",
    "接收器没有确认 EEPROM 写入，保存的内容可能不完整。请重新读取以确认。"};

inline constexpr LocalText kWriteRunning{
    "Another write to the receiver's EEPROM is still running. Nothing was written; try again "
    "when it has ended.",
    "另一個 EEPROM 寫入仍在進行中，這次未寫入任何資料。請在完成後再試一次。",
    "另一个 EEPROM 写入仍在进行中，这次未写入任何数据。请在完成后再试一次。"};

}  // namespace IdentityTexts
