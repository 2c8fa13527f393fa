#pragma once

#include <functional>

class TForm3;

// The progress window's texts follow the language too (title id 31, label id 32). The progress
// window's unit registers how it sets them; the main window's language switch then calls it
// for the progress window that exists. Until one is registered the switch leaves it alone.
using ProgressWindowLanguageHandler = std::function<void(TForm3& progressWindow)>;

void RegisterProgressWindowLanguage(ProgressWindowLanguageHandler handler);
// Runs the registered handler for form; nothing for a null form or without a handler.
void ApplyProgressWindowLanguage(TForm3* form);
