#include "result_text.h"

#include "angles/angles.h"
#include "calc/solar_state.h"
#include "format_pattern.h"
#include "translation.h"

#include <QDate>
#include <QTime>

#include <cmath>

namespace orvane {

namespace {

constexpr long long kSecondsPerDay = 86400;

QLocale withoutGrouping(QLocale locale)
{
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

// The long time format without its time-zone field; what was only there to
// hold the zone (blanks, an empty pair of brackets) goes with it.
QString timeFormatWithoutZone(const QLocale &locale)
{
    QString format = rewriteFormatFields(locale.timeFormat(QLocale::LongFormat),
                                         [](QChar c, int n) { return c == u't' ? QString() : QString(n, c); });
    format.remove(QStringLiteral("()"));
    // Newer locale data puts a narrow no-break space before AM/PM; the
    // result text keeps the plain blank so screen and paper read the same.
    format.replace(QChar(0x202F), u' ');
    format.replace(QStringLiteral("  "), QStringLiteral(" "));
    return format.trimmed();
}

} // namespace

QString dateLineText(const QDate &date, const QLocale &locale)
{
    // Each language writes a date in its own order: the pattern is translated.
    return locale.toString(date, translate("text", "dddd, MMMM dd, yyyy")) + QLatin1String(kCrLf);
}

QString timeText(double clock, const QLocale &locale)
{
    // Rounded to the second; a value that rounds up to midnight (or lies
    // outside one day) is shown as the time of day it falls on.
    long long seconds = std::llround(clock * kSecondsPerDay) % kSecondsPerDay;
    if (seconds < 0)
        seconds += kSecondsPerDay;
    const QTime time = QTime(0, 0).addSecs(static_cast<int>(seconds));
    return locale.toString(time, timeFormatWithoutZone(locale));
}

QString timeTextTenths(double seconds, const QLocale &locale)
{
    long long tenths = std::llround(seconds * 10) % (kSecondsPerDay * 10);
    if (tenths < 0)
        tenths += kSecondsPerDay * 10;
    // The tenth follows the seconds field as quoted text, after the
    // locale's decimal point.
    const QString fraction =
        QLatin1Char('\'') + locale.decimalPoint() + QString::number(tenths % 10) + QLatin1Char('\'');
    const QString format = rewriteFormatFields(timeFormatWithoutZone(locale), [&fraction](QChar c, int n) {
        return c == u's' ? QString(n, c) + fraction : QString(n, c);
    });
    return locale.toString(QTime(0, 0).addSecs(static_cast<int>(tenths / 10)), format);
}

QString clockTimeFormat(const QLocale &locale) { return timeFormatWithoutZone(locale); }

QString declinationText(double degrees, const QLocale &locale)
{
    const QLocale l = withoutGrouping(locale);
    const QString magnitude = l.toString(std::fabs(degrees), 'f', 2);
    // Only a value that still shows a digit other than zero gets a sign.
    if (degrees < 0 && magnitude != l.toString(0.0, 'f', 2))
        return l.toString(degrees, 'f', 2);
    return magnitude;
}

QString sunDataText(double declinationRad, double eotMinutes, const QLocale &locale)
{
    const QLocale l = withoutGrouping(locale);
    // Whole seconds first, so that 2.995 minutes reads 3 minutes, 0 seconds.
    const long long totalSeconds = std::llround(std::fabs(eotMinutes) * 60);
    const QString declination = declinationText(angles::kRadToDeg * declinationRad, locale);
    const QString minutes = l.toString(totalSeconds / 60), seconds = l.toString(totalSeconds % 60);
    const QString text = eotMinutes < 0
                             ? translate("text", " (declination=%1 degrees, EoT = MINUS %2 minutes, %3 seconds)")
                             : translate("text", " (declination=%1 degrees, EoT = %2 minutes, %3 seconds)");
    return text.arg(declination, minutes, seconds) + QLatin1String(kCrLf) + QLatin1String(kCrLf);
}

QString eventsText(const Crossings &c, const QLocale &locale)
{
    QString text;
    if (c.east.seen) {
        text += translate("text", "The sun will be exactly east at %1").arg(timeText(c.east.clock, locale)) +
                sunDataText(c.east.declination, c.east.equationOfTime, locale);
    } else {
        text += translate("text", "The sun is never seen east at this location and date") + QLatin1String(kCrLf) +
                QLatin1String(kCrLf);
    }

    const QString meridian = timeText(c.meridian.clock, locale);
    text += c.direction == MeridianDirection::South
                ? translate("text", "The sun will be exactly south at %1").arg(meridian)
                : translate("text", "The sun will be exactly north at %1").arg(meridian);
    text += sunDataText(c.meridian.declination, c.meridian.equationOfTime, locale);

    if (!c.west.seen)
        return text + translate("text", "The sun is never seen west at this location and date");
    return text + translate("text", "The sun will be exactly west at %1").arg(timeText(c.west.clock, locale)) +
           sunDataText(c.west.declination, c.west.equationOfTime, locale);
}

QString resultText(const QDate &date, const Crossings &c, const QLocale &locale)
{
    return dateLineText(date, locale) + eventsText(c, locale);
}

} // namespace orvane
