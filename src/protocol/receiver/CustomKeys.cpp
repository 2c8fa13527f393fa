#include "protocol/receiver/CustomKeys.h"

#include "protocol/device/CommandChannel.h"
#include "protocol/device/Commands.h"
#include "protocol/receiver/EepromMap.h"

namespace Hotkeys {

bool Store(CommandChannel& channel, quint8 first, quint16 code)
{
    const CommandChannel::Sequence run(channel);
    // A half-written code must not be taken into use: the update waits for both words.
    if (!channel.EepromWriteWord(first, PairedWord(quint8(code & 0xFF))) ||
        !channel.EepromWriteWord(quint8(first + 1), PairedWord(quint8(code >> 8))) || !run.live())
        return false;
    Update(channel);
    return true;
}

void Update(CommandChannel& channel)
{
    channel.plainCommand(CommandChannel::request({Cmd::kTest, Cmd::Test::kUpdateCustomKeys}));
}

std::optional<quint16> Read(CommandChannel& channel, quint8 first,
                            const std::function<void(const QString&)>& log)
{
    const CommandChannel::Sequence run(channel);
    const auto logLine = [&log](quint8 wordNumber, int word) {
        if (log)
            log(ReadLine(wordNumber, word));
    };
    const int lowWord = channel.EepromReadWord(first);
    logLine(first, lowWord);
    const std::optional<quint8> low = PairedByte(lowWord);
    if (!low)
        return std::nullopt;
    const int highWord = channel.EepromReadWord(quint8(first + 1));
    logLine(quint8(first + 1), highWord);
    const std::optional<quint8> high = PairedByte(highWord);
    if (!high)
        return std::nullopt;
    return quint16(*high << 8 | *low);
}

QString ReadLine(quint8 wordNumber, int word)
{
    // Truncating division: a failed read (-1) splits into 0 and -1.
    return QString::asprintf("EE%d High %.2X Low %.2X", int(wordNumber), unsigned(word / 256),
                             unsigned(word % 256));
}

}  // namespace Hotkeys
