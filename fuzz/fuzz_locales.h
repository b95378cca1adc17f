#pragma once
// Locales the fuzzers read and write in: Latin and non-Latin digits,
// comma decimals, day-month order, right-to-left scripts.

#include <QLocale>

#include <array>
#include <cstdint>

namespace orvane::fuzz {

inline const std::array<const char *, 12> kLocaleNames = {"en_US", "en_GB", "de_DE", "fr_FR", "ar_EG", "fa_IR",
                                                          "hi_IN", "ja_JP", "ru_RU", "my_MM", "C",     "sv_SE"};

inline QLocale localeFor(std::uint8_t choice)
{
    return QLocale(QString::fromLatin1(kLocaleNames[choice % kLocaleNames.size()]));
}

} // namespace orvane::fuzz
