#pragma once

#include "protocol/i18n/Lang.h"

#include <QByteArray>

// The language of the command line: the locale's, not the window's stored choice, since a
// script's output must not change with what someone picked in the window.

// The language a locale name implies: Traditional Chinese for Chinese of Taiwan, Hong Kong or
// Macau (or the Traditional script), Simplified Chinese for any other Chinese, else English.
TLanguateKind LanguageOfLocale(const QByteArray& name);
// The language of the locale that governs messages: LC_ALL, then LC_MESSAGES, then LANG, the
// first that is set and not empty, as POSIX orders them.
TLanguateKind MessagesLanguage();
