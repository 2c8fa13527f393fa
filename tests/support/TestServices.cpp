#include "TestServices.h"

#include "device/NullHidBackend.h"
#include "i18n/Unit2.h"

#include <QPushButton>

bool RecordingPrompts::AskPassword(QWidget*, QString& valueText)
{
    passwordPromptsShown << valueText;
    if (passwordAnswers.empty())
        return false;
    const std::optional<QString> answer = passwordAnswers.front();
    passwordAnswers.erase(passwordAnswers.begin());
    if (!answer)
        return false;
    valueText = *answer;
    return true;
}

void RecordingPrompts::RunLanguageChooser(TForm2& chooser)
{
    ++languageChooserRuns;
    chooserPreselection = chooser.cbbLang->currentIndex();
    if (languageChoice >= 0)
        chooser.cbbLang->setCurrentIndex(languageChoice);
    chooser.btnOK->click();
}

AppServices TestServices::Make()
{
    AppServices services;
    if (!hid)
        hid = std::make_shared<NullHidBackend>();
    services.hid = hid;
    services.clock = clock;
    services.prompts = prompts;
    services.processes = processes;
    services.languages = languages;
    services.workingDirectory = workingDirectory;
    services.endProcess = [this](int code) { endProcessCalls.push_back(code); };
    return services;
}
