// Settings files in the window: what the controls show saved to a file, a file's differences
// written behind the progress window once the user agrees, and the last file offered to a new
// mouse.
#include "protocol/device/HidController.h"
#include "protocol/receiver/SavedSettings.h"
#include "window/app/MainWindow.h"
#include "window/app/ProgressWindow.h"
#include "window/app/SkinFrame.h"
#include "window/app/SkinTitleBar.h"
#include "window/app/UserPrompts.h"
#include "window/controls/FlatProgressBar.h"
#include "window/device/ReceiverAttachHandlers.h"
#include "window/i18n/SettingsMenuTexts.h"
#include "window/receiver/SettingsHandlers.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

namespace {

using namespace SettingsMenuText;
using Change = SettingsApply::Change;

// The folder the file dialogs open in, and the last file saved or loaded, kept beside the
// language (not at all when the tool keeps no settings file).
constexpr char kFolderKey[] = "SettingsFolder";
constexpr char kFileKey[] = "SettingsFile";

QString Remembered(const QString& settingsFile, const char* key)
{
    if (settingsFile.isEmpty())
        return {};
    return QSettings(settingsFile, QSettings::IniFormat).value(QLatin1String(key)).toString();
}

void Remember(const QString& settingsFile, const QString& path)
{
    if (settingsFile.isEmpty())
        return;
    QSettings settings(settingsFile, QSettings::IniFormat);
    settings.setValue(QLatin1String(kFolderKey), QFileInfo(path).absolutePath());
    settings.setValue(QLatin1String(kFileKey), QFileInfo(path).absoluteFilePath());
}

QString Names(const std::vector<Change>& changes, Change::Outcome outcome)
{
    QStringList names;
    for (const Change& change : changes)
        if (change.outcome == outcome)
            names << CaptionText(change.row->caption);
    return names.isEmpty() ? QStringLiteral("-") : names.join(QStringLiteral(", "));
}

}  // namespace

void TForm1::addSettingsFileEntries()
{
    TSkinTitleBar* bar = skinForm1->titleBar();
    bar->addMenuEntry(kSave, [this] { Guarded([this] { saveSettingsFile(); }); });
    bar->addMenuEntry(kLoad, [this] { Guarded([this] { loadSettingsFile(); }); });
}

std::vector<std::optional<int>> TForm1::shownSettings() const
{
    std::vector<std::optional<int>> shown;
    for (const SettingRow& row : SettingsTable()) {
        const int choice = Readable(row) ? settings_->binder.shown(row) : -1;
        shown.push_back(choice >= 0 ? std::optional<int>(choice) : std::nullopt);
    }
    return shown;
}

void TForm1::saveSettingsFile()
{
    const std::vector<std::optional<int>> shown = shownSettings();
    const bool read = std::all_of(SettingsTable().begin(), SettingsTable().end(), [&](auto& row) {
        return !Readable(row) || shown[size_t(SettingIndex(row))];
    });
    if (!Receiver() || !read) {
        services_.prompts->showMessage(this, Localized(Receiver() ? kNothingShown : kNoReceiver));
        return;
    }
    const QString& places = services_.companion.settingsFile;
    const QString path = services_.prompts->askSaveFile(
        this, Localized(kTitle), Remembered(places, kFolderKey), Localized(kFilter));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    const QByteArray bytes =
        SavedSettings::Write(shown, quint16(Receiver()->VendorID()),
                             quint16(Receiver()->ProductID()), QDateTime::currentDateTime());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        services_.prompts->showMessage(this, Localized(kNotSaved).arg(path, file.errorString()));
        return;
    }
    Remember(places, path);
}

void TForm1::loadSettingsFile()
{
    if (!Receiver()) {
        services_.prompts->showMessage(this, Localized(kNoReceiver));
        return;
    }
    const QString path = services_.prompts->askOpenFile(
        this, Localized(kTitle), Remembered(services_.companion.settingsFile, kFolderKey),
        Localized(kFilter));
    if (!path.isEmpty())
        offerSettingsFile(path, false);
}

void TForm1::offerLastSettingsFile()
{
    const QString path = Remembered(services_.companion.settingsFile, kFileKey);
    if (!path.isEmpty() && Receiver())
        offerSettingsFile(path, true);
}

void TForm1::offerSettingsFile(const QString& path, bool newMouse)
{
    // A new mouse is asked about only when the file would change something; a file chosen
    // by the user is told about whatever it holds.
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    const SavedSettings::Parsed parsed =
        SavedSettings::Parse(opened ? file.read(SavedSettings::kMaxBytes + 1) : QByteArray());
    if (!parsed.content) {
        if (!newMouse)
            services_.prompts->showMessage(
                this, Localized(kNotLoaded).arg(path, opened ? parsed.error : file.errorString()));
        return;
    }
    if (!newMouse)
        Remember(services_.companion.settingsFile, path);
    std::vector<Change> changes =
        SettingsApply::Differences(shownSettings(), parsed.content->choices);
    const QString name = QFileInfo(path).fileName();
    if (changes.empty()) {
        if (!newMouse)
            services_.prompts->showMessage(this, Localized(kNothingDiffers).arg(name));
        return;
    }
    QStringList lines;
    for (const Change& change : changes)
        lines << SettingsApply::Line(change, true);
    const QString question = Localized(newMouse ? kNewMouse : kApply).arg(name, lines.join('\n'));
    if (services_.prompts->askQuestion(this, Localized(kTitle), question))
        writeSettingsChanges(changes);
}

void TForm1::writeSettingsChanges(std::vector<Change>& changes)
{
    const QPointer<TForm3> progress = EnsureProgressWindow(*this);
    progress->pbRdRf->setRange(0, int(changes.size()));
    progress->pbRdRf->setValue(0);
    progress->show();
    progress->activateWindow();
    Channel().pump();
    SettingsBinder& binder = settings_->binder;
    settings_->service.setTickHold({tmrStatus, DeviceLock()});
    const bool all = SettingsApply::Run(changes, true, [&](const SettingRow& row, int choice) {
        const int before = binder.shown(row);
        binder.show(row, choice);
        const SettingsService::Written written =
            settings_->service.write(row, [choice] { return choice; });
        if (written.outcome != SettingsService::Outcome::Taken && Receiver())
            binder.show(row, written.answered.value_or(before));
        if (progress)
            progress->pbRdRf->setValue(progress->pbRdRf->value() + 1);
        return written;
    });
    if (progress)
        progress->hide();
    if (all || !Receiver())
        return;  // a receiver that went meanwhile has reset the window
    const auto failed = std::find_if(changes.begin(), changes.end(), [](const Change& c) {
        return c.outcome == Change::Outcome::Failed;
    });
    services_.prompts->showMessage(
        this, Localized(kStopped).arg(CaptionText(failed->row->caption),
                                      Names(changes, Change::Outcome::Written)));
}
