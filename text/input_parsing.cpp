#include "input_parsing.h"

#include "calc/date_value.h"
#include "format_pattern.h"

#include <QDate>
#include <QRegularExpression>
#include <QStringList>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace orvane {

namespace {

// ---- dates ----

std::optional<QDate> dateValue(int year, int month, int day)
{
    if (!isValidDate(year, month, day))
        return std::nullopt;
    return QDate(year, month, day);
}

int pivotYear(int twoDigits) { return twoDigits < 30 ? 2000 + twoDigits : 1900 + twoDigits; }

// m/d/yyyy or m/d/yy, the form the window asks for.
std::optional<QDate> monthDayYear(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^([0-9]{1,2})/([0-9]{1,2})/([0-9]{2,4})$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QString y = m.captured(3);
    const int year = y.size() == 2 ? pivotYear(y.toInt()) : y.toInt();
    return dateValue(year, m.captured(1).toInt(), m.captured(2).toInt());
}

std::optional<QDate> isoDate(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^([0-9]{4})-([0-9]{1,2})-([0-9]{1,2})$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    return dateValue(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
}

bool hasTwoDigitYear(const QString &format)
{
    bool found = false;
    rewriteFormatFields(format, [&](QChar c, int n) {
        if (c == u'y' && n == 2)
            found = true;
        return QString(n, c);
    });
    return found;
}

// The locale's pattern, plus variants that take a four-digit year where it
// has two and a one-digit day or month where it asks for two.
QStringList localeFormats(const QLocale &locale)
{
    QStringList formats;
    for (const auto kind : {QLocale::ShortFormat, QLocale::LongFormat}) {
        const QString base = locale.dateFormat(kind);
        const QString fullYear = rewriteFormatFields(
            base, [](QChar c, int n) { return c == u'y' && n == 2 ? QStringLiteral("yyyy") : QString(n, c); });
        for (const QString &f : {base, fullYear}) {
            formats << f;
            formats << rewriteFormatFields(
                f, [](QChar c, int n) { return (c == u'd' || c == u'M') && n == 2 ? QString(c) : QString(n, c); });
        }
    }
    formats.removeDuplicates();
    return formats;
}

std::optional<QDate> localeDate(const QString &text, const QLocale &locale)
{
    for (const QString &format : localeFormats(locale)) {
        const QDate date = locale.toDate(text, format);
        if (!date.isValid())
            continue;
        const int year = hasTwoDigitYear(format) ? pivotYear(date.year() % 100) : date.year();
        if (auto value = dateValue(year, date.month(), date.day()))
            return value;
    }
    return std::nullopt;
}

// ---- numbers ----

// A decimal number taken apart; digits are ASCII.
struct NumberPieces {
    bool negative = false;
    std::string whole;
    std::string fraction;
    bool exponentNegative = false;
    std::string exponent;
    bool hasDigits() const { return !whole.empty() || !fraction.empty(); }
};

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

std::string takeDigits(const QString &s, qsizetype &pos)
{
    std::string digits;
    while (pos < s.size() && isDigit(s.at(pos)))
        digits += static_cast<char>(s.at(pos++).unicode());
    return digits;
}

// Reads "[+-]digits[.digits][e[+-]digits]" from pos; the exponent only when
// digits follow it. Stops at the first character that cannot continue.
NumberPieces scanNumber(const QString &s, qsizetype &pos, const QStringList &decimalPoints,
                        const QStringList &minusSigns, const QStringList &plusSigns)
{
    NumberPieces p;
    auto takeAny = [&](const QStringList &options) {
        for (const QString &o : options) {
            if (!o.isEmpty() && QStringView(s).mid(pos).startsWith(o)) {
                pos += o.size();
                return true;
            }
        }
        return false;
    };
    if (takeAny(minusSigns))
        p.negative = true;
    else
        takeAny(plusSigns);
    p.whole = takeDigits(s, pos);
    const qsizetype beforePoint = pos;
    if (takeAny(decimalPoints)) {
        p.fraction = takeDigits(s, pos);
        if (!p.hasDigits())
            pos = beforePoint;
    }
    if (!p.hasDigits())
        return p;
    if (pos < s.size() && (s.at(pos) == u'e' || s.at(pos) == u'E')) {
        qsizetype q = pos + 1;
        bool negativeExponent = false;
        if (q < s.size() && (s.at(q) == u'+' || s.at(q) == u'-'))
            negativeExponent = s.at(q++) == u'-';
        std::string digits = takeDigits(s, q);
        if (!digits.empty()) {
            p.exponentNegative = negativeExponent;
            p.exponent = std::move(digits);
            pos = q;
        }
    }
    return p;
}

// Decimal exponent of the leading digit, enough to tell overflow from
// underflow when the value does not fit a double.
long long roughMagnitude(const NumberPieces &p)
{
    const auto firstWhole = p.whole.find_first_not_of('0');
    long long magnitude = 0;
    if (firstWhole != std::string::npos) {
        magnitude = static_cast<long long>(p.whole.size() - firstWhole) - 1;
    } else {
        const auto firstFraction = p.fraction.find_first_not_of('0');
        magnitude = -static_cast<long long>(firstFraction == std::string::npos ? 0 : firstFraction) - 1;
    }
    long long exponent = 0;
    for (char c : p.exponent) {
        exponent = exponent * 10 + (c - '0');
        if (exponent > 1000000)
            break; // far beyond any double either way
    }
    return magnitude + (p.exponentNegative ? -exponent : exponent);
}

// The value; nullopt when it overflows a double. Underflow reads as 0.
std::optional<double> numberValue(const NumberPieces &p)
{
    std::string s = p.negative ? "-" : "";
    s += p.whole.empty() ? "0" : p.whole;
    if (!p.fraction.empty())
        s += "." + p.fraction;
    if (!p.exponent.empty())
        s += (p.exponentNegative ? "e-" : "e") + p.exponent;
    double value = 0;
    const auto result = std::from_chars(s.data(), s.data() + s.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (roughMagnitude(p) >= 0)
            return std::nullopt;
        return p.negative ? -0.0 : 0.0;
    }
    if (result.ec != std::errc() || result.ptr != s.data() + s.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<QDate> parseDateText(const QString &text, const QLocale &locale)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    if (auto v = monthDayYear(t))
        return v;
    if (auto v = isoDate(t))
        return v;
    return localeDate(t, locale);
}

std::optional<double> convertNumberText(const QString &text, const QLocale &locale)
{
    const QString t = text.trimmed();
    qsizetype pos = 0;
    const NumberPieces p =
        scanNumber(t, pos, {QStringLiteral("."), locale.decimalPoint()}, {QStringLiteral("-"), locale.negativeSign()},
                   {QStringLiteral("+"), locale.positiveSign()});
    if (!p.hasDigits() || pos != t.size())
        return std::nullopt;
    return numberValue(p);
}

double leadingNumberValue(const QString &text)
{
    QString s = text;
    s.remove(u' ').remove(u'\t').remove(u'\n');
    qsizetype pos = 0;
    const NumberPieces p = scanNumber(s, pos, {QStringLiteral(".")}, {QStringLiteral("-")}, {QStringLiteral("+")});
    if (!p.hasDigits())
        return 0;
    if (auto v = numberValue(p))
        return *v;
    const double huge = std::numeric_limits<double>::max();
    return p.negative ? -huge : huge;
}

bool inRange(const QString &text, double bound, const QLocale &locale)
{
    const auto converted = convertNumberText(text, locale);
    const double leading = leadingNumberValue(text);
    return converted && std::abs(leading) <= bound && std::abs(*converted) <= bound;
}

} // namespace orvane
