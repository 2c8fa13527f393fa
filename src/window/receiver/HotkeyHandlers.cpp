// The programmable hotkeys: taking the stored ones into use and reading them back.
#include "protocol/receiver/CustomKeys.h"
#include "protocol/receiver/SettingsService.h"
#include "window/app/MainWindow.h"
#include "window/device/ReceiverAttachHandlers.h"
#include "window/receiver/SettingsHandlers.h"

#include <ranges>

void TForm1::btnUpdateCustKeyClick(QObject*)
{
    Hotkeys::Update(Channel());
}

void TForm1::btnGetCustKeyClick(QObject*)
{
    if (!Receiver())
        return;
    SettingsBinder& binder = settings_->binder;
    const SettingsService::Readings read =
        settings_->service.read(&FirstSettingOf(SettingKind::Hotkey));
    for (const SettingRow& row : SettingsTable())
        if (const std::optional<int> entry = read.of(row).choice; entry && !read.receiverGone)
            binder.show(row, *entry);  // selecting from code stores nothing
    if (read.receiverGone)
        return;  // the receiver went while reading: the lists belong to the next one
    // A list left without an entry shows its default, the last hotkey's first.
    for (const SettingRow& row : SettingsTable() | std::views::reverse)
        if (row.kind == SettingKind::Hotkey && binder.shown(row) < 0)
            binder.show(row, row.invalid);
}
