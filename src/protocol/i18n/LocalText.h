#pragma once

#include "protocol/i18n/Lang.h"

#include <QString>

// A text the tool adds to the language table's own (messages, refusals, help): its wording in
// each language of the window, UTF-8. Each feature keeps its texts in a header of its own in
// this folder, named for the feature (PairingTexts.h, ...).
struct LocalText {
    const char* eng;
    const char* cht;
    const char* chs;
};

// The text in CurrentLanguage.
inline QString Localized(const LocalText& text)
{
    switch (CurrentLanguage) {
    case lkCht: return QString::fromUtf8(text.cht);
    case lkChs: return QString::fromUtf8(text.chs);
    case lkEng: break;
    }
    return QString::fromUtf8(text.eng);
}
