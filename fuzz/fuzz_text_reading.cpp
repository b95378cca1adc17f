// Fuzzes the reading of the user's texts: the date test and conversion, the
// numeric test and conversion, the leading-number value and the range test,
// over arbitrary bytes taken as UTF-8 or UTF-16 and a choice of locales.

#include "calc/date_value.h"
#include "fuzz_locales.h"
#include "text/input_parsing.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

[[noreturn]] void fail(const char *what, const QString &text)
{
    std::fprintf(stderr, "fuzz_text_reading: %s\n  text: \"%s\"\n", what, text.toUtf8().constData());
    std::abort();
}

QString decode(std::uint8_t encoding, const std::uint8_t *data, std::size_t size)
{
    switch (encoding % 3) {
    case 0:
        return QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    case 1: { // UTF-16 in host order, an odd last byte dropped; copied since
              // the bytes need not be aligned for char16_t
        std::u16string units(size / 2, u'\0');
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
        return QString::fromStdU16String(units);
    }
    default: // Latin-1: every byte one character
        return QString::fromLatin1(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    }
}

void checkDate(const QString &text, const QLocale &locale)
{
    const auto date = orvane::parseDateText(text, locale);
    if (!date)
        return;
    if (!std::isfinite(*date) || *date != std::floor(*date))
        fail("accepted date is not a whole day", text);
    int year = 0, month = 0, day = 0;
    orvane::dateParts(*date, year, month, day);
    if (year < 100 || year > 9999)
        fail("accepted date outside the years 100..9999", text);
    if (!orvane::isValidDate(year, month, day) || orvane::dateSerial(year, month, day) != *date)
        fail("accepted date does not round-trip through its parts", text);
}

void checkNumber(const QString &text, const QLocale &locale)
{
    const auto converted = orvane::convertNumberText(text, locale);
    if (converted && !std::isfinite(*converted))
        fail("numeric conversion gave a non-finite value", text);
    const double leading = orvane::leadingNumberValue(text);
    if (!std::isfinite(leading))
        fail("leading-number value is not finite", text);

    for (const double bound : {90.0, 180.0}) {
        if (!orvane::inRange(text, bound, locale))
            continue;
        // An accepted text is numeric, and what is stored lies in range.
        if (!converted)
            fail("range test passed a text the numeric test refuses", text);
        if (std::fabs(*converted) > bound || std::fabs(leading) > bound)
            fail("range test passed a value out of range", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const QLocale locale = orvane::fuzz::localeFor(data[0]);
    const QString text = decode(data[1], data + 2, size - 2);
    checkDate(text, locale);
    checkNumber(text, locale);
    return 0;
}
