#include "testing/RecordingPrompts.h"

#include "window/app/LanguageChooser.h"

#include <QPushButton>

bool RecordingPrompts::askPassword(QWidget*, QString& valueText)
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

void RecordingPrompts::runLanguageChooser(TForm2& chooser)
{
    ++languageChooserRuns;
    chooserPreselection = chooser.cbbLang->currentIndex();
    if (languageChoice >= 0)
        chooser.cbbLang->setCurrentIndex(languageChoice);
    chooser.btnOK->click();
}

bool RecordingPrompts::askQuestion(QWidget*, const QString& title, const QString& text)
{
    questions << title + QStringLiteral(": ") + text;
    if (questionAnswers.empty())
        return false;
    const bool answer = questionAnswers.front();
    questionAnswers.erase(questionAnswers.begin());
    return answer;
}
