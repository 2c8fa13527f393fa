#include "window/app/ProgressWindowLanguage.h"

namespace {

ProgressWindowLanguageHandler& RegisteredHandler()
{
    static ProgressWindowLanguageHandler handler;
    return handler;
}

}  // namespace

void RegisterProgressWindowLanguage(ProgressWindowLanguageHandler handler)
{
    RegisteredHandler() = std::move(handler);
}

void ApplyProgressWindowLanguage(TForm3* form)
{
    const ProgressWindowLanguageHandler& handler = RegisteredHandler();
    if (form && handler)
        handler(*form);
}
