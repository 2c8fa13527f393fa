// The hidden gesture and password that open the engineering size of the window.
#include "window/engineering/EngineeringUnlockHandlers.h"

#include "window/app/MainWindow.h"
#include "window/app/UserPrompts.h"

namespace {

const QString kPassword = QStringLiteral("Q+VELNOD");
constexpr int kDoubleClicksPerPrompt = 5;
constexpr int kEngineeringWidth = 975;
constexpr int kEngineeringHeight = 545;

}  // namespace

void TForm1::imgLogoDblClick(QObject*)
{
    ++unlock_->logoDblClickCount;
    if (unlock_->logoDblClickCount % kDoubleClicksPerPrompt != 0)
        return;
    QString entry = unlock_->passValueText;
    if (!Services().prompts->askPassword(this, entry))
        return;
    unlock_->passValueText = entry;
    if (entry != kPassword)
        return;
    WindowWidth = kEngineeringWidth;
    WindowHeight = kEngineeringHeight;
    FormResize(this);
    unlock_->engineeringMode = true;
}
