#include "cli/CliCommands.h"
#include "cli/CliSession.h"
#include "cli/CliTexts.h"
#include "protocol/device/DeviceClock.h"
#include "protocol/device/SpecialCommands.h"
#include "protocol/receiver/Pairing.h"

#include <cstdio>

namespace {

constexpr int kTickMs = 1000;

void Progress(const QString& text)
{
    // On standard error, so that --json output stays one document.
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

}  // namespace

int RunPair(CliSession& session, const CliOptions& options, CliOutput& out)
{
    CommandChannel& channel = session.channel();
    SpecialCommands special(channel);
    Pairing pairing(channel, special);
    const std::optional<LinkStatus> held = pairing.start();
    if (!held) {
        out.error([&] { return Localized(CliText::kNoStableReading); });
        return CliExit::kDeviceFailed;
    }
    // --timeout ends the pairing earlier than the receiver's own time-out, never later.
    const int ticks = options.timeoutSeconds.value_or(Pairing::kTimeoutTick);
    for (int tick = 1; tick <= ticks; ++tick) {
        session.clock().sleep(kTickMs);
        if (!options.json)
            Progress(Localized(CliText::kPairingTick).arg(tick).arg(Pairing::kTimeoutTick));
        const Pairing::TickResult result = pairing.tick(tick, *held, {}, {});
        switch (result.outcome) {
        case Pairing::Outcome::Pairing: continue;
        case Pairing::Outcome::Skipped:
            session.channel().clearLockRefused();  // one tick the window kept: the next looks
            continue;
        case Pairing::Outcome::Paired: {
            const QString mouse = QString::asprintf("%02X", unsigned(result.now.mouseId));
            const QString keyboard = QString::asprintf("%02X", unsigned(result.now.keyboardId));
            out.line(Localized(CliText::kPaired).arg(mouse, keyboard));
            out.document().insert(QStringLiteral("paired"), true);
            out.document().insert(QStringLiteral("mouseId"), mouse);
            out.document().insert(QStringLiteral("keyboardId"), keyboard);
            return CliExit::kDone;
        }
        case Pairing::Outcome::TimedOut: tick = ticks; break;
        case Pairing::Outcome::NoStableReading:
            out.error([&] { return Localized(CliText::kNoStableReading); });
            return CliExit::kDeviceFailed;
        case Pairing::Outcome::Gone: return CliExit::kNoReceiver;  // main says why
        }
    }
    out.document().insert(QStringLiteral("paired"), false);
    out.error([&] { return Localized(CliText::kPairTimedOut); });
    return CliExit::kDeviceFailed;
}
