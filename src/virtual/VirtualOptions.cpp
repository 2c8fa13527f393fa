#include "virtual/VirtualOptions.h"

#include "sim/SimFaults.h"

#include <functional>
#include <map>

namespace {

using Setter = std::function<bool(VirtualOptions&, const QString&)>;

bool Number(const QString& text, qint64 low, qint64 high, qint64& out, int base = 10)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, base);
    if (!ok || value < low || value > high)
        return false;
    out = value;
    return true;
}

bool Milliseconds(const QString& text, qint64& out)
{
    return Number(text, 0, 24LL * 3600 * 1000, out);
}

// A count of calls a fault affects: a number from 1, or "always".
bool Count(const QString& text, int& out)
{
    qint64 value = 0;
    if (text == QLatin1String("always"))
        value = SimFaults::kAlways;
    else if (!Number(text, 1, 1000000, value))
        return false;
    out = int(value);
    return true;
}

// "N,INDEX,MASK": N replies, byte INDEX (0..7) XOR MASK (hexadecimal).
bool Corruption(VirtualOptions& o, const QString& text)
{
    const QStringList fields = text.split(QLatin1Char(','));
    qint64 index = 0;
    qint64 mask = 0;
    if (fields.size() != 3 || !Count(fields[0], o.corruptReplies) ||
        !Number(fields[1], 0, 7, index) || !Number(fields[2], 1, 0xFF, mask, 16))
        return false;
    o.corruptIndex = int(index);
    o.corruptMask = quint8(mask);
    return true;
}

const std::map<QString, Setter>& OptionsWithValue()
{
    static const std::map<QString, Setter> options{
        {"--pid",
         [](VirtualOptions& o, const QString& v) {
             const QString pid = v.toUpper();
             o.productId = pid == QLatin1String("0E42") ? 0x0E42 : 0x0E41;
             return pid == QLatin1String("0E41") || pid == QLatin1String("0E42");
         }},
        {"--profile",
         [](VirtualOptions& o, const QString& v) {
             o.profile = v == QLatin1String("mouse-only") ? VirtualOptions::Profile::MouseOnly
                                                          : VirtualOptions::Profile::Receiver;
             return v == QLatin1String("mouse-only") || v == QLatin1String("receiver");
         }},
        {"--firmware",
         [](VirtualOptions& o, const QString& v) {
             o.demoFirmware = v == QLatin1String("demo");
             return v == QLatin1String("demo") || v == QLatin1String("default");
         }},
        {"--unplug-after",
         [](VirtualOptions& o, const QString& v) { return Milliseconds(v, o.unplugAfterMs); }},
        {"--replug-after",
         [](VirtualOptions& o, const QString& v) { return Milliseconds(v, o.replugAfterMs); }},
        {"--log",
         [](VirtualOptions& o, const QString& v) {
             o.logPath = v;
             return !v.isEmpty();
         }},
        {"--uhid",
         [](VirtualOptions& o, const QString& v) {
             o.uhidPath = v;
             return !v.isEmpty();
         }},
        {"--nack", [](VirtualOptions& o, const QString& v) { return Count(v, o.nackReplies); }},
        {"--fail-sets", [](VirtualOptions& o, const QString& v) { return Count(v, o.failSets); }},
        {"--fail-gets", [](VirtualOptions& o, const QString& v) { return Count(v, o.failGets); }},
        {"--corrupt", Corruption},
        {"--unplug-at-exchange",
         [](VirtualOptions& o, const QString& v) {
             qint64 n = 0;
             const bool ok = Number(v, 1, 1000000, n);
             o.unplugAtExchange = int(n);
             return ok;
         }},
        {"--reply-delay",
         [](VirtualOptions& o, const QString& v) {
             qint64 ms = 0;
             const bool ok = Number(v, 0, 60000, ms);
             o.replyDelayMs = int(ms);
             return ok;
         }},
    };
    return options;
}

}  // namespace

VirtualOptions ParseVirtualOptions(const QStringList& arguments)
{
    VirtualOptions options;
    for (int i = 0; i < arguments.size() && options.error.isEmpty(); ++i) {
        const QString& arg = arguments.at(i);
        const auto withValue = OptionsWithValue().find(arg);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            options.help = true;
        } else if (arg == QLatin1String("--mouse-out-of-reach")) {
            options.mouseOutOfReach = true;
        } else if (withValue == OptionsWithValue().end()) {
            options.error = QStringLiteral("unknown option '%1' (try --help)").arg(arg);
        } else if (i + 1 >= arguments.size()) {
            options.error = QStringLiteral("%1 needs a value (try --help)").arg(arg);
        } else if (!withValue->second(options, arguments.at(i + 1))) {
            options.error = QStringLiteral("'%1' is not a value of %2 (try --help)")
                                .arg(arguments.at(i + 1), arg);
        } else {
            ++i;
        }
    }
    return options;
}

QString VirtualUsage()
{
    return QStringLiteral(
        "Usage: karvelo-rf-virtual [OPTIONS]\n"
        "Plays the simulated Karvelo 2.4G RF receiver as a real HID device through /dev/uhid,\n"
        "so that karvelo-rf and the window reach it through hidraw, hidapi and udev. Runs until\n"
        "SIGTERM or SIGINT; needs the uhid module ('sudo modprobe uhid') and access to /dev/uhid\n"
        "(run it as root).\n\n"
        "Device:\n"
        "  --pid 0E41|0E42          product ID (vendor 7A3C); default 0E41\n"
        "  --profile receiver|mouse-only\n"
        "                           mouse and keyboard collections (default), or the mouse one\n"
        "  --firmware demo|default  the --simulate set-up (default: moving mouse, stored\n"
        "                           options, pairing after 3 s), or factory state\n"
        "  --uhid PATH              the uhid node (default /dev/uhid)\n\n"
        "Plugging:\n"
        "  --unplug-after MS        unplug MS milliseconds after start\n"
        "  --replug-after MS        plug in again MS milliseconds after any unplug\n"
        "  SIGUSR1 unplugs, SIGUSR2 plugs in again.\n\n"
        "Faults (N: how many of the next calls, or 'always'):\n"
        "  --nack N                 replies carry 0xCB instead of the acknowledgement 0xCC\n"
        "  --fail-sets N            feature sets fail (the caller sees EIO)\n"
        "  --fail-gets N            feature gets fail (the caller sees EIO)\n"
        "  --corrupt N,INDEX,MASK   reply byte INDEX (0..7) XOR MASK (hexadecimal)\n"
        "  --unplug-at-exchange N   the N-th feature set or get unplugs the receiver\n"
        "  --mouse-out-of-reach     RF commands reach no mouse\n"
        "  --reply-delay MS         an answer becomes valid MS after its request\n\n"
        "  --log FILE               every feature report set and got, a line each, as it\n"
        "                           happens ('-': standard output):\n"
        "                           <device ms> set|get ok|failed <bytes in hex>\n"
        "  --help                   this text\n\n"
        "Exit status: 0 ended by SIGTERM or SIGINT, 1 the kernel refused the device, 2 usage\n"
        "error, 3 /dev/uhid missing (sudo modprobe uhid) or refused (run as root, or give the\n"
        "user read-write access to /dev/uhid).\n");
}
