#include "protocol/receiver/SettingsApply.h"

namespace SettingsApply {

std::vector<Change> Differences(const std::vector<std::optional<int>>& current,
                                const std::vector<std::optional<int>>& wanted)
{
    std::vector<Change> changes;
    for (const SettingRow& row : SettingsTable()) {
        const size_t index = size_t(SettingIndex(row));
        const std::optional<int> to = wanted.at(index);
        if (to && current.at(index) != to)
            changes.push_back({&row, current.at(index), *to});
    }
    return changes;
}

bool Run(std::vector<Change>& changes, bool mouseHeard, const Write& write)
{
    bool all = true;
    for (Change& change : changes) {
        if (OnMouse(*change.row) && !mouseHeard) {
            change.outcome = Change::Outcome::MouseSilent;
            all = false;
            continue;
        }
        const SettingsService::Written written = write(*change.row, change.to);
        if (written.outcome != SettingsService::Outcome::Taken) {
            change.outcome = Change::Outcome::Failed;
            return false;
        }
        change.outcome = Change::Outcome::Written;
    }
    return all;
}

QString Line(const Change& change, bool captions)
{
    const SettingRow& row = *change.row;
    const auto value = [&](std::optional<int> choice) -> QString {
        if (!choice)
            return QStringLiteral("?");
        return captions ? ChoiceText(row, *choice) : ValueNames(row).value(*choice);
    };
    const QString name = captions ? CaptionText(row.caption) : QString::fromLatin1(row.cliName);
    return QStringLiteral("%1: %2 -> %3").arg(name, value(change.from), value(change.to));
}

}  // namespace SettingsApply
