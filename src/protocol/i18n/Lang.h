#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

class QLocale;

// The languages of the user interface. The value is also the item index of the language
// combo boxes and the index of a term's texts.
enum TLanguateKind { lkEng = 0, lkCht = 1, lkChs = 2 };

constexpr int LanguageCount = 3;

// The language every lookup reads.
extern TLanguateKind CurrentLanguage;

// One translated text: its id and its wording in each language (UTF-8), indexed by
// TLanguateKind.
struct TTerm {
    quint8 Id;
    const char* Text[LanguageCount];
};

constexpr int LangTermCount = 54;
extern const TTerm LangTerms[LangTermCount];

// Sets text to the term's wording in CurrentLanguage; leaves it unchanged for an unknown id.
void GetTerm(quint8 id, QString& text);

// The terms the window shows by name (the layout's captions are a table of ids of their own).
enum class TermId : quint8 {
    PairingTitle = 2,
    ConnectCaption = 3,
    ConnectingCaption = 4,
    PairingSucceeded = 5,
    PairingFailed = 6,
    OptionNotTaken = 30,  // "Setup fail, please move mouse to rebuild RF Link!"
    ReadBackTitle = 31,
    ReadBackLabel = 32,
};

// The term's wording in CurrentLanguage; empty for an unknown id.
QString Term(quint8 id);
inline QString Term(TermId id)
{
    return Term(quint8(id));
}

// The stored form of a language: "lkEng", "lkCht" or "lkChs".
QString LanguageName(TLanguateKind language);
// The language a stored value names. A value of exactly three letters counts as the name
// without its "lk" prefix; letter case does not matter. Nothing for any other value.
std::optional<TLanguateKind> ParseStoredLanguage(const QString& value);
// The language at a combo box item index, or nothing for an index outside the three.
std::optional<TLanguateKind> LanguageFromIndex(int index);

// The language the chooser offers first on a system with this ANSI code page.
TLanguateKind LanguageForCodePage(int codePage);
// The ANSI code page a locale implies: 936 for Simplified Chinese, 950 for Traditional
// Chinese, 1252 for everything else.
int CodePageForLocale(const QLocale& locale);
// The code page of the application's default locale, which is the system locale unless the
// application sets another.
int SystemCodePage();
