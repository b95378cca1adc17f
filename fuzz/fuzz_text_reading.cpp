// Fuzzes the reading of the user's texts: the date test and conversion, the
// numeric test and conversion, the leading-number value, the range test and
// the coordinate forms, over arbitrary bytes taken as UTF-8 or UTF-16 and a choice of locales.

#include "calc/date_value.h"
#include "fuzz_locales.h"
#include "text/coordinate_text.h"
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
    if (!date->isValid() || date->year() < 100 || date->year() > 9999)
        fail("accepted date outside the years 100..9999", text);
    // The calculation takes it as a date value: the same day must come back.
    const double value = orvane::dateSerial(date->year(), date->month(), date->day());
    int year = 0, month = 0, day = 0;
    orvane::dateParts(value, year, month, day);
    if (!orvane::isValidDate(year, month, day) || QDate(year, month, day) != *date)
        fail("accepted date does not round-trip through the date value", text);
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

void checkCoordinates(const QString &text, const QLocale &locale)
{
    const auto converted = orvane::convertNumberText(text, locale);
    for (const auto axis : {orvane::CoordinateAxis::Latitude, orvane::CoordinateAxis::Longitude}) {
        const auto value = orvane::readCoordinate(text, axis, locale);
        if (value && !std::isfinite(value->degrees))
            fail("coordinate reading gave a non-finite value", text);
        // Plain numbers keep the numeric test's value, bit for bit.
        if (converted && !(value && value->plain && std::memcmp(&value->degrees, &*converted, sizeof(double)) == 0))
            fail("a plain number did not read as plain with its own value", text);
        if (!converted && value && value->plain)
            fail("a text the numeric test refuses read as plain", text);
    }
    if (const auto pair = orvane::readCoordinatePair(text, locale)) {
        if (!(std::fabs(pair->latitude.degrees) <= 90) || !(std::fabs(pair->longitude.degrees) <= 180))
            fail("coordinate pair out of range", text);
        if (orvane::readCoordinate(text, orvane::CoordinateAxis::Latitude, locale))
            fail("a single coordinate also read as a pair", text);
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
    checkCoordinates(text, locale);
    return 0;
}
