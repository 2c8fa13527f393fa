#pragma once

#include "window/app/UserPrompts.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Dialogs that answer as a test scripts them, without a modal loop, and remember what they
// showed.
class RecordingPrompts final : public UserPrompts {
public:
    void showMessage(QWidget*, const QString& text) override { messages << text; }
    void showInformation(QWidget*, const QString& title, const QString& text) override
    {
        informations << title + QStringLiteral(": ") + text;
    }
    bool askPassword(QWidget*, QString& valueText) override;
    void runLanguageChooser(TForm2& chooser) override;
    void showNotice(QWidget*, const QString& title, const QString& text, bool onlyIfOpen) override
    {
        if (onlyIfOpen && !noticeOpen)
            return;
        notices << title + QStringLiteral(": ") + text;
        noticeOpen = true;
    }

    bool askQuestion(QWidget*, const QString& title, const QString& text) override;
    QString askOpenFile(QWidget*, const QString&, const QString& folder, const QString&) override
    {
        return nextFile(folder);
    }
    QString askSaveFile(QWidget*, const QString&, const QString& folder, const QString&) override
    {
        return nextFile(folder);
    }

    QStringList messages;
    // Each question takes the next answer (none left: No) and is kept as "title: text".
    std::vector<bool> questionAnswers;
    QStringList questions;
    // Each file dialog takes the next path (none left: cancelled) and keeps the folder it
    // opened in.
    QStringList fileAnswers;
    QStringList fileDialogFolders;
    QStringList informations;  // "title: text"
    QStringList notices;       // "title: text", each time one is shown or put into a language
    bool noticeOpen = false;   // the user has not closed the latest notice
    // Each password prompt takes the next answer (OK with that entry); none left, or an empty
    // optional, means Cancel.
    std::vector<std::optional<QString>> passwordAnswers;
    QStringList passwordPromptsShown;  // the entry each prompt started with
    int languageChooserRuns = 0;
    int chooserPreselection = -1;  // the item the chooser opened on
    int languageChoice = -1;       // the item it closes on; -1 keeps the preselection

private:
    QString nextFile(const QString& folder)
    {
        fileDialogFolders << folder;
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }
};
