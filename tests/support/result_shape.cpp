#include "support/result_shape.h"

#include <QRegularExpression>

#include <cmath>

namespace orvane::robustness {

namespace {

// A time of day is hours, minutes and seconds: three groups of at most two
// digits (in whatever digits the locale writes), seconds below 60. A date
// in front would add groups, a year a longer one.
QString timeProblem(const QString &time)
{
    QList<int> groups;
    int current = -1;
    for (const QChar c : time) {
        if (c.isDigit()) {
            if (current < 0) {
                groups.append(0);
                current = 0;
            }
            if (++current > 2)
                return QStringLiteral("time text has a number of more than two digits: ") + time;
            groups.last() = groups.last() * 10 + c.digitValue();
        } else {
            current = -1;
        }
    }
    if (groups.size() != 3)
        return QStringLiteral("time text is not hours, minutes, seconds: ") + time;
    if (groups[2] >= 60 || groups[1] >= 60 || groups[0] >= 24)
        return QStringLiteral("time text out of range: ") + time;
    return {};
}

// Reads a number the way the locale writes it; some locales' minus sign is
// more than one character (a direction mark before the hyphen), which
// QLocale::toDouble does not take back.
double readNumber(QString text, const QLocale &locale, bool *ok)
{
    double sign = 1;
    if (text.startsWith(locale.negativeSign())) {
        text.remove(0, locale.negativeSign().size());
        sign = -1;
    }
    return sign * locale.toDouble(text, ok);
}

QString sunDataProblem(const QRegularExpressionMatch &m, const QLocale &locale)
{
    bool ok = false;
    const double declination = readNumber(m.captured(3), locale, &ok);
    // The sun's declination never leaves +-23.45 degrees by much.
    if (!ok || !std::isfinite(declination) || std::fabs(declination) > 24)
        return QStringLiteral("declination text unreadable or out of range: ") + m.captured(3);
    const int minutes = locale.toInt(m.captured(5), &ok);
    // The equation of time stays within about 17 minutes either way.
    if (!ok || minutes < 0 || minutes > 20)
        return QStringLiteral("minutes text unreadable or out of range: ") + m.captured(5);
    const int seconds = locale.toInt(m.captured(6), &ok);
    if (!ok || seconds < 0 || seconds > 59)
        return QStringLiteral("seconds text unreadable or out of range: ") + m.captured(6);
    return {};
}

} // namespace

QStringList resultTextProblems(const QString &text, const QLocale &locale)
{
    static const QRegularExpression seen(
        QStringLiteral("^The sun will be exactly (east|south|north|west) at (.+) \\(declination=(.+) degrees, "
                       "EoT = (MINUS )?(.+) minutes, (.+) seconds\\)$"));
    static const QString neverEast = QStringLiteral("The sun is never seen east at this location and date");
    static const QString neverWest = QStringLiteral("The sun is never seen west at this location and date");

    QStringList problems;
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    // Date, east, blank, meridian, blank, west, then a blank and the empty
    // rest after the last CR LF unless west was never seen.
    if (lines.size() != 6 && lines.size() != 8)
        return {QStringLiteral("unexpected number of lines: %1").arg(lines.size())};

    // The fixed words contain neither; only a number turned to text could.
    const QString events = lines.mid(1).join(u'\n');
    for (const QString &bad : {QStringLiteral("nan"), QStringLiteral("inf"), QStringLiteral("\u221e")})
        if (events.contains(bad, Qt::CaseInsensitive))
            problems << QStringLiteral("result shows \"%1\"").arg(bad);
    if (events.contains(QStringLiteral("60 seconds")))
        problems << QStringLiteral("result shows \"60 seconds\"");

    if (lines[0].isEmpty())
        problems << QStringLiteral("empty date line");

    const QStringList expected = {QStringLiteral("east"), QStringLiteral("meridian"), QStringLiteral("west")};
    for (int i = 0; i < 3; ++i) {
        const QString &line = lines[1 + 2 * i];
        const bool lastLine = 1 + 2 * i == lines.size() - 1;
        if (i < 2 || !lastLine) {
            if (!lines[2 + 2 * i].isEmpty())
                problems << QStringLiteral("no empty line after the %1 line").arg(expected[i]);
        }
        if ((i == 0 && line == neverEast) || (i == 2 && line == neverWest))
            continue;
        const auto m = seen.match(line);
        const bool rightEvent = m.hasMatch() && (i == 1 ? (m.captured(1) == u"south" || m.captured(1) == u"north")
                                                        : m.captured(1) == expected[i]);
        if (!rightEvent) {
            problems << QStringLiteral("%1 line malformed: %2").arg(expected[i], line);
            continue;
        }
        if (const QString p = timeProblem(m.captured(2)); !p.isEmpty())
            problems << p;
        if (const QString p = sunDataProblem(m, locale); !p.isEmpty())
            problems << p;
    }
    if (lines.size() == 8 && !lines[7].isEmpty())
        problems << QStringLiteral("text goes on after the west line");
    if (lines.size() == 6 && lines[5] != neverWest)
        problems << QStringLiteral("text ends without its final line break");
    return problems;
}

} // namespace orvane::robustness
