#pragma once
// Every text a person reads passes through translate(): the English text is
// the key, and the language in use gives it back in its own words, or
// unchanged where it has none. Keys, file names and the JSON's member names
// never pass through here.

#include <QString>

class QTranslator;

namespace orvane {

// `english` (a string literal lupdate finds, or a text marked with
// ORVANE_NOOP where it was written) in the language in use. `n` chooses the
// plural form of a text with "%n".
QString translate(const char *context, const char *english, const char *disambiguation = nullptr, int n = -1);
QString translate(const char *context, const std::string &english);

// The language in use: "en" until useLanguage() chose another.
QString languageInUse();

// Called by whoever loads a language: with an application object the
// translators go to it, which every module shares; without one (the command
// line) translate() asks these.
void setOwnTranslators(const QString &language, std::vector<QTranslator *> translators);

} // namespace orvane
