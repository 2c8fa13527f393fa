#pragma once

// Qt's own texts (the file dialogs, a question's Yes and No) in the language in force, from
// the translations Qt installs (Debian's qt6-translations-l10n); English where they are missing.
void FollowLanguageInQtTexts();
