#include "cli/CliCommands.h"
#include "cli/CliSession.h"
#include "cli/CliTexts.h"
#include "cli/OptionNames.h"
#include "protocol/device/RfAccess.h"
#include "protocol/device/SpecialCommands.h"
#include "protocol/receiver/CustomKeys.h"
#include "protocol/receiver/OptionChange.h"
#include "protocol/receiver/SettingsReadBack.h"
#include "protocol/receiver/StatusReadouts.h"

#include <QJsonValue>

#include <array>

namespace {

// The mouse answers through the receiver: without its packets every RF read waits out its
// attempts, so a silent mouse is told at once instead.
bool MouseHeard(CommandChannel& channel)
{
    SpecialCommands special(channel);
    RfAccess rf(channel);
    return StatusReadouts(channel, special, rf).CheckMouseLink().linked;
}

// A value as people read it, and as JSON gives it (in English, as set takes it; null when the
// mouse did not tell).
struct Shown {
    QString text;
    QJsonValue json;
};

Shown Local(const LocalText& text)
{
    return {Localized(text), QString::fromUtf8(text.eng)};
}

Shown HotkeyCaption(std::optional<quint16> code)
{
    if (!code)
        return Local(CliText::kUnset);
    for (const CustomKey& key : kCustomKeys)
        if (key.code == *code)
            return {QString::fromLatin1(key.caption), QString::fromLatin1(key.caption)};
    const QString hex = QString::asprintf("%04X", unsigned(*code));
    return {Localized(CliText::kKeyCode).arg(hex),
            QString::fromUtf8(CliText::kKeyCode.eng).arg(hex)};
}

void Show(CliOutput& out, const CliOptionName* only, const CliOptionName& option,
          const Shown& value)
{
    if (only && only != &option)
        return;
    out.line(QStringLiteral("%1 = %2").arg(QString::fromLatin1(option.name), value.text));
    out.document().insert(QString::fromLatin1(option.jsonKey), value.json);
}

}  // namespace

int CheckGet(const CliOptions& options, CliOutput& out)
{
    const QString filter = options.arguments.value(0);
    const CliOptionName* only = filter.isEmpty() ? nullptr : FindCliOption(filter);
    if (!filter.isEmpty() && !only) {
        out.error(Localized(CliText::kUnknownOption).arg(filter, CliOptionNameList().join(", ")));
        return CliExit::kUsage;
    }
    // Power-on auto connect is only ever sent: the mouse keeps no answer to read.
    if (only && only->kind == CliOptionName::Kind::AutoConnect) {
        out.error(Localized(CliText::kNotReadable));
        return CliExit::kUsage;
    }
    return CliExit::kDone;
}

int RunGet(CliSession& session, const CliOptions& options, CliOutput& out)
{
    const QString filter = options.arguments.value(0);
    const CliOptionName* only = filter.isEmpty() ? nullptr : FindCliOption(filter);
    CommandChannel& channel = session.channel();
    const CommandChannel::Sequence run(channel);
    std::array<std::optional<quint16>, Hotkeys::kCount> hotkeys;
    for (int hotkey = 0; hotkey < Hotkeys::kCount; ++hotkey)
        hotkeys[size_t(hotkey)] = Hotkeys::Read(channel, hotkey, {});
    for (const CliOptionName& option : CliOptionNames())
        if (option.kind == CliOptionName::Kind::Hotkey)
            Show(out, only, option, HotkeyCaption(hotkeys[size_t(option.hotkey)]));
    if (only && only->kind == CliOptionName::Kind::Hotkey)
        return run.live() ? CliExit::kDone : CliExit::kDeviceFailed;
    if (!MouseHeard(channel)) {
        out.error(Localized(CliText::kMouseSilent));
        return CliExit::kDeviceFailed;
    }
    std::array<std::optional<int>, kOptionGroupCount> choices;
    SpecialCommands special(channel);
    RfAccess rf(channel);
    StatusReadouts readouts(channel, special, rf);
    SettingsReadBack::Hooks hooks;
    hooks.readHotkeys = [] {};
    hooks.readCpi = [&] {
        if (const std::optional<int> cpi = readouts.ReadCpi())
            choices[size_t(GroupIndex(OptionGroup::Cpi))] =
                CpiIsHigh(*cpi) ? Choice::kCpiHigh : Choice::kCpiLow;
        return choices[size_t(GroupIndex(OptionGroup::Cpi))].has_value();
    };
    hooks.show = [&](OptionGroup group, int choice) {
        choices[size_t(GroupIndex(group))] = choice;
    };
    const SettingsReadBack::Result result = SettingsReadBack(channel).Run(hooks);
    for (const CliOptionName& option : CliOptionNames()) {
        if (option.kind != CliOptionName::Kind::MouseOption)
            continue;
        const std::optional<int> choice = choices[size_t(GroupIndex(option.group))];
        const QString value = choice ? ValueNames(option).value(*choice) : QString();
        Show(out, only, option,
             choice ? Shown{value, value} : Shown{Localized(CliText::kUnknown), QJsonValue()});
    }
    if (result.receiverGone || result.position < SettingsReadBack::kLastPosition) {
        if (result.receiverGone)
            return CliExit::kNoReceiver;  // main says why
        out.error(Localized(CliText::kMouseSilent));
        return CliExit::kDeviceFailed;
    }
    return CliExit::kDone;
}

int CheckSet(const CliOptions& options, CliOutput& out)
{
    if (options.arguments.size() < 2) {
        out.error(Localized(CliText::kSetUsage));
        return CliExit::kUsage;
    }
    const QString& name = options.arguments.at(0);
    const QString& value = options.arguments.at(1);
    const CliOptionName* option = FindCliOption(name);
    if (!option) {
        out.error(Localized(CliText::kUnknownOption).arg(name, CliOptionNameList().join(", ")));
        return CliExit::kUsage;
    }
    const std::optional<int> choice = ChoiceOf(*option, value);
    if (!choice) {
        out.error(BadValueText(*option, value));
        return CliExit::kUsage;
    }
    return CliExit::kDone;
}

int RunSet(CliSession& session, const CliOptions& options, CliOutput& out)
{
    const CliOptionName* option = FindCliOption(options.arguments.at(0));
    const std::optional<int> choice = ChoiceOf(*option, options.arguments.at(1));
    CommandChannel& channel = session.channel();
    const CommandChannel::Sequence run(channel);
    const QString shown = ValueNames(*option).value(*choice);
    bool done = false;
    switch (option->kind) {
    case CliOptionName::Kind::Hotkey:
        done = Hotkeys::Store(channel, option->hotkey, kCustomKeys[size_t(*choice)].code);
        if (!done)
            out.error(Localized(CliText::kNotStored).arg(QString::fromLatin1(option->name)));
        break;
    case CliOptionName::Kind::AutoConnect:
        OptionChange(channel).SendAutoConnect(*choice == 1);
        done = run.live();
        break;
    case CliOptionName::Kind::MouseOption:
        if (!MouseHeard(channel)) {
            out.error(Localized(CliText::kMouseSilent));
            return CliExit::kDeviceFailed;
        }
        const OptionChange::Result result =
            OptionChange(channel).Run(option->group, [c = *choice] { return c; });
        done = result.outcome == OptionChange::Outcome::Taken;
        if (result.outcome == OptionChange::Outcome::ReceiverGone)
            return CliExit::kNoReceiver;  // main says why
        if (!done)
            out.error(Localized(CliText::kNotTaken).arg(QString::fromLatin1(option->name), shown));
        break;
    }
    if (!done)
        return CliExit::kDeviceFailed;
    out.line(QStringLiteral("%1 = %2").arg(QString::fromLatin1(option->name), shown));
    out.document().insert(QString::fromLatin1(option->jsonKey), shown);
    return CliExit::kDone;
}
