// The hidden gesture and password that open the engineering size of the window.
#include "window/app/MainWindow.h"

#include "window/app/UserPrompts.h"

namespace {

const QString kPassword = QStringLiteral("Q+VELNOD");
constexpr int kDoubleClicksPerPrompt = 5;
constexpr int kEngineeringWidth = 975;
constexpr int kEngineeringHeight = 545;

} // namespace

void TForm1::imgLogoDblClick(QObject*)
{
    ++LogoDblClickCount;
    if (LogoDblClickCount % kDoubleClicksPerPrompt != 0)
        return;
    QString entry = PassValueText;
    if (!Services().prompts->AskPassword(this, entry))
        return;
    PassValueText = entry;
    if (entry != kPassword)
        return;
    WindowWidth = kEngineeringWidth;
    WindowHeight = kEngineeringHeight;
    FormResize(this);
    EngineeringMode = true;
}
