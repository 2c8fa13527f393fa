// The main window's language: restoring or asking for it at start, switching it, storing it.

#include "protocol/i18n/Lang.h"
#include "protocol/i18n/LanguageStore.h"
#include "window/app/BatteryTray.h"
#include "window/app/LanguageChooser.h"
#include "window/app/MainWindow.h"
#include "window/app/ProgressWindowLanguage.h"
#include "window/app/SkinFrame.h"
#include "window/app/UserPrompts.h"
#include "window/controls/KARVComboBox.h"
#include "window/i18n/QtTranslations.h"
#include "window/i18n/SpokenNames.h"
#include "window/receiver/SettingsHandlers.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

namespace {

// A control whose caption is a term of the language table.
struct CaptionTerm {
    const char* control;
    quint8 id;
};

// The captions that are terms, but for the settings': those come from the settings table.
const CaptionTerm Captions[] = {
    {"gbTestMode", 25},      {"rbTestOn", 11},        {"rbTestOff", 12},
    {"gbBTYStatus", 33},     {"gbVIDPID", 28},        {"lblStrDesc", 29},
    {"btnEEPROM_R_VID", 26}, {"btnEEPROM_R_PID", 26}, {"btnEEPROM_R_20", 26},
    {"btnEEPROM_W_VID", 27}, {"btnEEPROM_W_PID", 27}, {"btnEEPROM_W_20", 27},
};

// The hotkey lists sit further right in Simplified Chinese, whose labels are longer.
constexpr int HotkeyComboLeftChs = 90;
constexpr int HotkeyComboLeft = 62;

void SetCaption(QObject* control, const QString& text)
{
    if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
}

}  // namespace

void TForm1::LoadLanguage()
{
    QString stored;
    if (services_.languages)
        stored = services_.languages->Read().value_or(QString());
    if (const auto language = ParseStoredLanguage(stored)) {
        CurrentLanguage = *language;
    } else {
        TForm2* chooser = CreateLanguageChooser(this);
        chooser->cbbLang->setCurrentIndex(LanguageForCodePage(SystemCodePage()));
        if (services_.prompts)
            services_.prompts->runLanguageChooser(*chooser);
        CurrentLanguage = chooser->choice();
        SaveLanguage();
        if (!startHidden_) {
            show();
            repaint();
        }
        HidDeviceController1DeviceChange(nullptr);
    }
    if (auto* combo = Find<QComboBox>(QStringLiteral("cbbLang")))
        combo->setCurrentIndex(CurrentLanguage);
    ApplyLanguage();
}

void TForm1::ApplyLanguage()
{
    FollowLanguageInQtTexts();
    const auto setCaption = [this](const CaptionTerm& step) {
        // Not FindComponent: the engineering areas' captions are set once they are built.
        SetCaption(findChild<QObject*>(QString::fromLatin1(step.control)), Term(step.id));
    };
    setCaption({"gbSysStatus", 0});
    const bool pairing = tmrSoftBind && tmrSoftBind->isActive();
    setCaption({"btnCombo_Cmd_Soft_Bind_SW",
                quint8(pairing ? TermId::ConnectingCaption : TermId::ConnectCaption)});
    settings_->binder.retranslate(SetCaption);
    const int comboLeft = CurrentLanguage == lkChs ? HotkeyComboLeftChs : HotkeyComboLeft;
    for (const SettingRow& row : SettingsTable()) {
        if (QWidget* list = row.kind == SettingKind::Hotkey ? settings_->binder.list(row) : nullptr)
            list->move(comboLeft, list->y());
    }
    for (const CaptionTerm& step : Captions)
        setCaption(step);
    ApplyProgressWindowLanguage(ProgressWindow());
    showAccessHelp(true);
    showLinkLine();
    showBatteryTips();
    ApplySpokenNames(*this);
    skinForm1->titleBar()->retranslate();
    trayBattery->retranslate();
}

void TForm1::SaveLanguage()
{
    if (services_.languages)
        services_.languages->Write(LanguageName(CurrentLanguage));
}

void TForm1::cbbLangChange(QObject*)
{
    const auto* combo = Find<QComboBox>(QStringLiteral("cbbLang"));
    const auto language = LanguageFromIndex(combo ? combo->currentIndex() : -1);
    if (!language)
        return;
    CurrentLanguage = *language;
    ApplyLanguage();
    SaveLanguage();
}
