#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>

class QFont;
class QMessageBox;
class QWidget;
class TForm2;

// The modal dialogs the window shows. Production shows real dialogs; tests script the answers.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    // A plain message box with an OK button (range errors, conversion errors).
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // The pairing result dialog: title, text, information icon, one "OK" button.
    virtual void showInformation(QWidget* parent, const QString& title, const QString& text) = 0;
    // The password prompt: caption "TEST MODE", prompt "PASSWORD:", masked entry starting with
    // valueText. True when closed with OK; valueText then holds the entry.
    virtual bool askPassword(QWidget* parent, QString& valueText) = 0;
    // Shows the language chooser modally and returns when it closes.
    virtual void runLanguageChooser(TForm2& chooser) = 0;
    // A warning that does not wait for the user: the window goes on working while it is open.
    // A notice still open is replaced by the new one; with onlyIfOpen nothing is shown unless
    // one is open (to put it into another language). Lines of text indented by four blanks are
    // commands, shown as they stand.
    virtual void showNotice(QWidget* parent, const QString& title, const QString& text,
                            bool onlyIfOpen) = 0;
    // A question with Yes and No; true for Yes. Where none can be asked, the answer is No.
    virtual bool askQuestion(QWidget*, const QString&, const QString&) { return false; }
    // The desktop's file dialogs, opening in the folder given: the file chosen, or empty when
    // none was.
    virtual QString askOpenFile(QWidget*, const QString&, const QString&, const QString&)
    {
        return {};
    }
    virtual QString askSaveFile(QWidget*, const QString&, const QString&, const QString&)
    {
        return {};
    }
};

// Real Qt dialogs.
class QtUserPrompts final : public UserPrompts {
public:
    void showMessage(QWidget* parent, const QString& text) override;
    void showInformation(QWidget* parent, const QString& title, const QString& text) override;
    bool askPassword(QWidget* parent, QString& valueText) override;
    void runLanguageChooser(TForm2& chooser) override;
    void showNotice(QWidget* parent, const QString& title, const QString& text,
                    bool onlyIfOpen) override;
    bool askQuestion(QWidget* parent, const QString& title, const QString& text) override;
    QString askOpenFile(QWidget* parent, const QString& caption, const QString& folder,
                        const QString& filter) override;
    QString askSaveFile(QWidget* parent, const QString& caption, const QString& folder,
                        const QString& filter) override;

private:
    QPointer<QMessageBox> notice_;
};

// The width a dialog needs for the window manager to show all of its title (with the
// application's name that Qt adds), and the message boxes made that wide at least.
int TitleFittingWidth(const QString& title, const QFont& font);
void FitTitle(QMessageBox& box);
