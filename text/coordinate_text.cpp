#include "coordinate_text.h"

#include "input_parsing.h"

#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace orvane {

namespace {

// No pasted pair comes near this; it bounds the work of trying every split.
constexpr qsizetype kLongestPair = 200;

enum class Mark { None, Degree, Minute, Second };

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool isMinuteMark(QChar c) { return c == u'\'' || c == u'\u2032' || c == u'\u2019' || c == u'\u00B4'; }

bool isHemisphereLetter(QChar c)
{
    const char16_t l = c.toLower().unicode();
    return l == u'n' || l == u's' || l == u'e' || l == u'w';
}

// +1 or -1 for a letter of the axis, 0 for one of the other axis.
int letterSign(QChar c, CoordinateAxis axis)
{
    const bool latitude = axis == CoordinateAxis::Latitude;
    switch (c.toLower().unicode()) {
    case u'n':
        return latitude ? 1 : 0;
    case u's':
        return latitude ? -1 : 0;
    case u'e':
        return latitude ? 0 : 1;
    case u'w':
        return latitude ? 0 : -1;
    default:
        return 0;
    }
}

void skipBlanks(const QString &s, qsizetype &pos)
{
    while (pos < s.size() && s.at(pos).isSpace())
        ++pos;
}

bool takeAny(const QString &s, qsizetype &pos, const QStringList &options)
{
    for (const QString &o : options) {
        if (!o.isEmpty() && QStringView(s).mid(pos).startsWith(o)) {
            pos += o.size();
            return true;
        }
    }
    return false;
}

Mark takeMark(const QString &s, qsizetype &pos)
{
    if (pos >= s.size())
        return Mark::None;
    const QChar c = s.at(pos);
    if (c == u'\u00B0' || c == u'\u00BA' || c == u'\u02DA') {
        ++pos;
        return Mark::Degree;
    }
    if (c == u'"' || c == u'\u2033' || c == u'\u201D') {
        ++pos;
        return Mark::Second;
    }
    if (!isMinuteMark(c))
        return Mark::None;
    if (pos + 1 < s.size() && isMinuteMark(s.at(pos + 1))) {
        pos += 2;
        return Mark::Second;
    }
    ++pos;
    return Mark::Minute;
}

// Digits, then a decimal separator with digits after it; empty when no
// digit stands at pos.
QString takePart(const QString &s, qsizetype &pos, const QStringList &points, bool &hasFraction)
{
    const qsizetype start = pos;
    while (pos < s.size() && isDigit(s.at(pos)))
        ++pos;
    hasFraction = false;
    if (pos == start)
        return {};
    for (const QString &point : points) {
        const qsizetype after = pos + point.size();
        if (!point.isEmpty() && QStringView(s).mid(pos).startsWith(point) && after < s.size() && isDigit(s.at(after))) {
            pos = after;
            while (pos < s.size() && isDigit(s.at(pos)))
                ++pos;
            hasFraction = true;
            break;
        }
    }
    return s.mid(start, pos - start);
}

// Everything but a plain number: optional letter, optional sign, up to
// three parts each with an optional mark, optional letter.
std::optional<CoordinateValue> readParts(const QString &t, CoordinateAxis axis, const QLocale &locale)
{
    qsizetype pos = 0;
    QChar letter;
    if (!t.isEmpty() && isHemisphereLetter(t.at(0))) {
        letter = t.at(0);
        ++pos;
        skipBlanks(t, pos);
    }
    bool negative = takeAny(t, pos, {QStringLiteral("-"), QStringLiteral("\u2212"), locale.negativeSign()});
    const bool sign = negative || takeAny(t, pos, {QStringLiteral("+"), locale.positiveSign()});

    static constexpr Mark kMarks[] = {Mark::Degree, Mark::Minute, Mark::Second};
    static constexpr double kPerDegree[] = {1, 60, 3600};
    const QStringList points = {QStringLiteral("."), locale.decimalPoint()};
    double value = 0;
    int count = 0;
    bool fractionSeen = false;
    for (;;) {
        bool fraction = false;
        const QString part = takePart(t, pos, points, fraction);
        if (part.isEmpty())
            break;
        // Only the last part may carry a fraction.
        if (count == 3 || fractionSeen)
            return std::nullopt;
        const std::optional<double> v = convertNumberText(part, locale);
        if (!v || (count > 0 && *v >= 60))
            return std::nullopt;
        value += *v / kPerDegree[count];
        fractionSeen = fraction;
        skipBlanks(t, pos);
        const Mark mark = takeMark(t, pos);
        if (mark != Mark::None && mark != kMarks[count])
            return std::nullopt;
        ++count;
        skipBlanks(t, pos);
    }
    if (count == 0)
        return std::nullopt;
    if (pos < t.size() && isHemisphereLetter(t.at(pos))) {
        if (!letter.isNull())
            return std::nullopt;
        letter = t.at(pos++);
        skipBlanks(t, pos);
    }
    if (pos != t.size())
        return std::nullopt;
    if (!letter.isNull()) {
        // A sign beside a letter either repeats it or contradicts it; both
        // are more likely a slip than meant.
        const int side = letterSign(letter, axis);
        if (sign || side == 0)
            return std::nullopt;
        negative = side < 0;
    }
    CoordinateValue c;
    c.degrees = negative ? -value : value;
    c.hemisphereGiven = negative || !letter.isNull();
    return c;
}

// A comma between two digits is a decimal comma, unless the numbers on both
// sides are written with a decimal point.
bool isDecimalComma(const QString &t, qsizetype i)
{
    if (i == 0 || i + 1 >= t.size() || !isDigit(t.at(i - 1)) || !isDigit(t.at(i + 1)))
        return false;
    qsizetype before = i;
    while (before > 0 && isDigit(t.at(before - 1)))
        --before;
    qsizetype after = i + 1;
    while (after < t.size() && isDigit(t.at(after)))
        ++after;
    const bool pointBefore = before > 0 && t.at(before - 1) == u'.';
    const bool pointAfter = after < t.size() && t.at(after) == u'.';
    return !(pointBefore && pointAfter);
}

// Where the first half may end and the second begin.
std::vector<std::pair<qsizetype, qsizetype>> splitPoints(const QString &t)
{
    std::vector<std::pair<qsizetype, qsizetype>> splits;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c == u';' || (c == u',' && !isDecimalComma(t, i))) {
            splits.emplace_back(i, i + 1);
        } else if (c.isSpace()) {
            qsizetype end = i;
            while (end < t.size() && t.at(end).isSpace())
                ++end;
            splits.emplace_back(i, end);
            i = end - 1;
        } else if (i > 0 && (isHemisphereLetter(c) || isHemisphereLetter(t.at(i - 1)))) {
            splits.emplace_back(i, i);
        }
    }
    return splits;
}

bool hasLetter(const CoordinateValue &v, const QString &text)
{
    return !v.plain && std::any_of(text.begin(), text.end(), isHemisphereLetter);
}

} // namespace

std::optional<CoordinateValue> readCoordinate(const QString &text, CoordinateAxis axis, const QLocale &locale)
{
    if (const std::optional<double> plain = convertNumberText(text, locale)) {
        CoordinateValue c;
        c.degrees = *plain;
        c.hemisphereGiven = std::signbit(*plain);
        c.plain = true;
        return c;
    }
    return readParts(text.trimmed(), axis, locale);
}

std::optional<CoordinatePair> readCoordinatePair(const QString &text, const QLocale &locale)
{
    const QString t = text.trimmed();
    if (t.size() > kLongestPair || readCoordinate(t, CoordinateAxis::Latitude, locale) ||
        readCoordinate(t, CoordinateAxis::Longitude, locale))
        return std::nullopt;

    std::optional<CoordinatePair> found;
    bool ambiguous = false;
    auto consider = [&](const CoordinateValue &latitude, const CoordinateValue &longitude) {
        if (std::fabs(latitude.degrees) > 90 || std::fabs(longitude.degrees) > 180)
            return;
        if (found && (found->latitude.degrees != latitude.degrees || found->longitude.degrees != longitude.degrees))
            ambiguous = true;
        found = CoordinatePair{latitude, longitude};
    };
    for (const auto &[end, start] : splitPoints(t)) {
        const QString first = t.left(end);
        const QString second = t.mid(start);
        const auto latitude = readCoordinate(first, CoordinateAxis::Latitude, locale);
        const auto longitude = readCoordinate(second, CoordinateAxis::Longitude, locale);
        if (latitude && longitude)
            consider(*latitude, *longitude);
        const auto longitudeFirst = readCoordinate(first, CoordinateAxis::Longitude, locale);
        const auto latitudeSecond = readCoordinate(second, CoordinateAxis::Latitude, locale);
        if (longitudeFirst && latitudeSecond && hasLetter(*longitudeFirst, first) && hasLetter(*latitudeSecond, second))
            consider(*latitudeSecond, *longitudeFirst);
    }
    if (ambiguous)
        return std::nullopt;
    return found;
}

} // namespace orvane
