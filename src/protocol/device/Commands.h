#pragma once

#include <QtGlobal>

// The receiver's command table, every number named once: the markers of the report format, the
// command in byte 1 of each request, and the sub-commands, selectors and fixed operands that
// follow it. The command channel, the protocol halves and the simulated firmware use these
// names; the comments give each request's bytes 1 to 4 (letters are operands).
namespace Cmd {

// The report format.
inline constexpr quint8 kReportId = 0x01;  // byte 0 of every request
inline constexpr quint8 kAck = 0xCC;       // byte 7 of a reply that answers its request
inline constexpr quint8 kRfMarker = 0xAA;  // byte 2 of every RF command

// The receiver's own commands.
inline constexpr quint8 kEepromRead = 0x03;   // 03 n: word n, answered high byte first
inline constexpr quint8 kEepromWrite = 0x04;  // 04 n hi lo
inline constexpr quint8 kTest = 0x08;         // 08 sub ..: see Test
inline constexpr quint8 kLinkStatus = 0x09;   // answered: channel, mouse ID, keyboard ID
inline constexpr quint8 kBattery = 0x0A;
inline constexpr quint8 kCpi = 0x0B;
inline constexpr quint8 kEnterAccess = 0x0C;
inline constexpr quint8 kLeaveAccess = 0x0D;
inline constexpr quint8 kJumpToPor = 0x0E;     // 0E 55 AA CC: see JumpToPor
inline constexpr quint8 kSpecial = 0x14;       // 14 FF AA s: see Special
inline constexpr quint8 kEnableRssi = 0x15;    // 15 BB A5 5A: see EnableRssi
inline constexpr quint8 kDisableRssi = 0x16;   // 16 BB 3C C3: see DisableRssi
inline constexpr quint8 kSelectDevice = 0x17;  // 17 3C 5A k: see SelectDevice

// The RF commands reach the mouse's RF side: 2x AA a d, or 2x AA a for the reads.
inline constexpr quint8 kRfFirst = 0x21;
inline constexpr quint8 kRfWriteEeprom = 0x21;
inline constexpr quint8 kRfWriteIndexReg = 0x22;
inline constexpr quint8 kRfWriteDirectReg = 0x23;
inline constexpr quint8 kRfReadEeprom = 0x24;
inline constexpr quint8 kRfReadIndexReg = 0x25;
inline constexpr quint8 kRfReadDirectReg = 0x26;
inline constexpr quint8 kRfWriteSensor = 0x29;
inline constexpr quint8 kRfReadSensor = 0x2A;
inline constexpr quint8 kRfEnterAccess = 0x2B;  // 2B AA 5A x: see RfEnterAccess
inline constexpr quint8 kRfLeaveAccess = 0x2C;
inline constexpr quint8 kRfSetupCpi = 0x2F;  // 2F AA v CC: see RfSetupCpi
inline constexpr quint8 kRfLast = 0x2F;

// Byte 2 of command 08: the sub-command.
namespace Test {
inline constexpr quint8 kStartSoftBind = 0x00;  // 08 00 01 00
inline constexpr quint8 kSoftBindGo = 0x01;     // byte 3 of the start soft bind
inline constexpr quint8 kOn = 0x01;
inline constexpr quint8 kOff = 0x02;
inline constexpr quint8 kTxData = 0x06;     // 08 06 d
inline constexpr quint8 kFrequency = 0x0A;  // 08 0A f
inline constexpr quint8 kUpdateCustomKeys = 0x0B;
inline constexpr quint8 kSetMode = 0x0C;  // 08 0C t
}  // namespace Test

// The commands below act only on their fixed bytes, so that a stray report does nothing.
namespace JumpToPor {
inline constexpr quint8 kKey1 = 0x55, kKey2 = 0xAA, kKey3 = 0xCC;
}  // namespace JumpToPor

namespace EnableRssi {
inline constexpr quint8 kKey1 = 0xBB, kKey2 = 0xA5, kKey3 = 0x5A;
}  // namespace EnableRssi

namespace DisableRssi {
inline constexpr quint8 kKey1 = 0xBB, kKey2 = 0x3C, kKey3 = 0xC3;
}  // namespace DisableRssi

// 17 3C 5A k: the device the console talks to.
namespace SelectDevice {
inline constexpr quint8 kKey1 = 0x3C, kKey2 = 0x5A;
inline constexpr quint8 kMouse = 0x01, kKeyboard = 0x02;
}  // namespace SelectDevice

// 14 FF AA s: the special commands, by their selector s.
namespace Special {
inline constexpr quint8 kKey1 = 0xFF, kKey2 = 0xAA;
inline constexpr quint8 kRadio = 1;        // MSE_SN and the radio's bookkeeping
inline constexpr quint8 kHoppingMaps = 2;  // the mouse's and the keyboard's channel maps
inline constexpr quint8 kMaskList = 3;
inline constexpr quint8 kBindingStatus = 4;  // and the keyboard map's last byte
inline constexpr quint8 kFirstSelector = kRadio, kLastSelector = kBindingStatus;
}  // namespace Special

// 2B AA 5A x: the mouse's access mode, with its LED lit or not.
namespace RfEnterAccess {
inline constexpr quint8 kKey = 0x5A;
inline constexpr quint8 kWithoutLed = 0x33, kWithLed = 0xCC;
}  // namespace RfEnterAccess

// 2F AA v CC: the CPI setup value v, confirmed by the last byte.
namespace RfSetupCpi {
inline constexpr quint8 kKey = 0xCC;
}  // namespace RfSetupCpi

}  // namespace Cmd
