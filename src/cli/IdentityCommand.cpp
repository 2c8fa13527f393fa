#include "cli/CliCommands.h"
#include "cli/CliSession.h"
#include "cli/CliTexts.h"
#include "protocol/device/HidController.h"
#include "protocol/device/ReceiverIdentity.h"
#include "protocol/receiver/EepromMap.h"
#include "protocol/receiver/UsbIdentity.h"

namespace {

bool Writing(const CliOptions& options)
{
    return options.vid || options.pid || options.text;
}

// The refusal for a text that cannot be stored as the string descriptor, or nothing.
std::optional<QString> StringRefusal(const QString& text)
{
    const auto refusal = UsbIdentity::CheckString(text);
    if (!refusal)
        return std::nullopt;
    using Reason = UsbIdentity::StringRefusal::Reason;
    if (refusal->reason == Reason::WideCharacter)
        return Localized(CliText::kWideCharacter)
            .arg(QString::fromUcs4(&refusal->character, 1),
                 QString::asprintf("%04X", unsigned(refusal->character)));
    return Localized(CliText::kStringTooLong).arg(refusal->length);
}

// Two bytes, high first, as the receiver keeps VID and PID; -1 when a word cannot be read.
int ReadPair(CommandChannel& channel, quint8 highWord, quint8 lowWord)
{
    const int high = channel.EepromReadWord(highWord);
    const int low = high < 0 ? -1 : channel.EepromReadWord(lowWord);
    return low < 0 ? -1 : (high >> 8) << 8 | (low >> 8);
}

bool WritePair(CommandChannel& channel, quint8 highWord, quint8 lowWord, quint16 value)
{
    return UsbIdentity::WriteByte(channel, highWord, quint8(value >> 8)) &&
           UsbIdentity::WriteByte(channel, lowWord, quint8(value & 0xFF));
}

// The VID and PID the receiver presents after the next plug-in: those given, its present ones
// for any not given. Both are written, so that what is stored is what was checked.
ReceiverId Resulting(const CliOptions& options, const THidDevice& receiver)
{
    return {quint16(options.vid ? options.vid->toUInt(nullptr, 16) : receiver.VendorID()),
            quint16(options.pid ? options.pid->toUInt(nullptr, 16) : receiver.ProductID())};
}

QString IdText(const ReceiverId& id)
{
    return QString::asprintf("%04X:%04X", unsigned(id.vendorId), unsigned(id.productId));
}

// Neither this program nor the window nor the udev rule finds a receiver whose IDs are not in
// the product table, so no command could write them back: only --force writes them, and says so
// first.
bool IntendedIdentity(const ReceiverId& id, const CliOptions& options, CliOutput& out)
{
    if (IsReceiverId(id.vendorId, id.productId))
        return true;
    if (!options.force) {
        QStringList known;
        for (const ReceiverId& receiver : kReceiverIds)
            known << IdText(receiver);
        out.error(
            [&] { return Localized(CliText::kOutsideProducts).arg(IdText(id), known.join(", ")); });
        return false;
    }
    out.warnNow(Localized(CliText::kForcedIdentity).arg(IdText(id)));
    return true;
}

int ReadIdentity(CommandChannel& channel, CliOutput& out)
{
    const int vid = ReadPair(channel, EepromWord::kVidHigh, EepromWord::kVidLow);
    const int pid = vid < 0 ? -1 : ReadPair(channel, EepromWord::kPidHigh, EepromWord::kPidLow);
    const int length = pid < 0 ? -1 : channel.EepromReadWord(EepromWord::kStringLength);
    const std::optional<QString> text =
        length < 0 ? std::nullopt
                   : UsbIdentity::ReadString(channel, UsbIdentity::CharsFromLength(length >> 8));
    if (!text) {
        out.error([&] { return Localized(CliText::kNoAnswer); });
        return CliExit::kDeviceFailed;
    }
    const QString vidText = QString::asprintf("%04X", unsigned(vid));
    const QString pidText = QString::asprintf("%04X", unsigned(pid));
    out.fields({{Localized(CliText::kVidLabel), vidText},
                {Localized(CliText::kPidLabel), pidText},
                {Localized(CliText::kStringLabel), *text}});
    out.document().insert(QStringLiteral("vendorId"), vidText);
    out.document().insert(QStringLiteral("productId"), pidText);
    out.document().insert(QStringLiteral("string"), *text);
    return CliExit::kDone;
}

}  // namespace

int CheckIdentity(const CliOptions& options, CliOutput& out)
{
    for (const auto& [flag, value] :
         {std::pair{"--vid", options.vid}, std::pair{"--pid", options.pid}}) {
        if (value && UsbIdentity::FitHexField(*value, 0xFFFF) != UsbIdentity::Fit::Fits) {
            out.error([&] {
                return Localized(CliText::kHexField).arg(QString::fromLatin1(flag), *value);
            });
            return CliExit::kUsage;
        }
    }
    const bool emptyText = options.text && options.text->isEmpty();
    if (options.force && !options.vid && !options.pid && !emptyText) {
        out.error([&] { return Localized(CliText::kForceAlone); });
        return CliExit::kUsage;
    }
    // An empty string leaves the receiver without a name where the desktop lists it.
    if (emptyText && !options.force) {
        out.error([&] { return Localized(CliText::kEmptyString); });
        return CliExit::kUsage;
    }
    if (options.text) {
        if (const std::optional<QString> refusal = StringRefusal(*options.text)) {
            out.error(*refusal);
            return CliExit::kUsage;
        }
    }
    return CliExit::kDone;
}

int RunIdentity(CliSession& session, const CliOptions& options, CliOutput& out)
{
    const bool ids = options.vid || options.pid;
    const ReceiverId id = Resulting(options, *session.receiver());
    if (ids && !IntendedIdentity(id, options, out))
        return CliExit::kUsage;
    CommandChannel& channel = session.channel();
    const CommandChannel::Sequence run(channel);
    if (!Writing(options))
        return ReadIdentity(channel, out);
    bool stored = true;
    if (ids)
        stored = WritePair(channel, EepromWord::kVidHigh, EepromWord::kVidLow, id.vendorId) &&
                 WritePair(channel, EepromWord::kPidHigh, EepromWord::kPidLow, id.productId);
    if (stored && options.text) {
        if (options.text->isEmpty())
            out.warnNow(Localized(CliText::kForcedEmptyString));
        stored = UsbIdentity::WriteByte(channel, EepromWord::kStringLength,
                                        UsbIdentity::LengthByte(int(options.text->size()))) &&
                 UsbIdentity::WriteStringWords(channel, UsbIdentity::PackString(*options.text));
    }
    if (!stored) {
        out.error(
            [&] { return Localized(CliText::kNotStored).arg(Localized(CliText::kTheIdentity)); });
        return CliExit::kDeviceFailed;
    }
    return ReadIdentity(channel, out);
}
