#pragma once

#include <QStringList>

// The shells' completion asks the program what a word may be, so that the scripts keep no list
// of their own: `karvelo-rf __complete WORD...` prints, one a line, what may follow the words
// given (the command line's words before the one being completed). Not listed in --help.
inline constexpr const char* kCompletionCommand = "__complete";

// The candidates for the word after `words`: commands, the options the command takes, the
// settings get reads or set writes, a setting's values, --bar's formats.
QStringList CompletionCandidates(const QStringList& words);
