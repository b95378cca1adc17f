#pragma once
// Which language Orvane speaks and loading it: its own texts, built in, and
// Qt's for the standard dialogs and buttons.

#include <QLocale>
#include <QString>
#include <QStringList>

namespace orvane {

// The languages Orvane speaks, English first: "en", "de", "es", "fr", "it", "nl".
QStringList spokenLanguages();

// The language of a code such as "de_CH.UTF-8", "it" or "nl-BE" when Orvane
// speaks it; empty otherwise.
QString spokenLanguage(const QString &code);

// The desktop's language: LANGUAGE's list in order, then LC_ALL, LC_MESSAGES
// and LANG; English where none of them is one Orvane speaks.
QString desktopLanguage();

// The language chosen in the window and kept; empty where it follows the desktop.
QString keptWindowLanguage();
// Keeps the window's choice for the next start; empty follows the desktop.
void keepWindowLanguage(const QString &language);

// Loads `language` (one of spokenLanguages()); English loads nothing.
// Returns false, keeping English, for a language Orvane does not speak.
bool useLanguage(const QString &language);

// The locale an answer takes when a language is chosen by name: `locale`
// with its words (month and day names) in that language and its region
// kept; `locale` itself for English or where it speaks that language already.
QLocale localeSpeaking(const QString &language, const QLocale &locale);

// The name of a language in itself: "Deutsch", "Italiano".
QString languageName(const QString &language);

// Takes "--language CODE" and "--language=CODE" out of `args` and returns
// CODE: empty where it is not given, "?" where the option has no value.
QString takeLanguageOption(QStringList &args);

} // namespace orvane
