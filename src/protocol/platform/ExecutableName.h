#pragma once

#include <QString>

// The file name without any directory part: everything up to and including the last "/",
// "\" or ":" is dropped.
QString BareFileName(const QString& path);

// Equal when they differ at most in the case of ASCII letters (a-z, A-Z).
bool SameNameIgnoringAsciiCase(const QString& a, const QString& b);
