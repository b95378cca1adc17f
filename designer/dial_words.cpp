#include "dial_words.h"

#include "field/dial_dates.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

QString count(long long n, const char *one)
{
    return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(one), n == 1 ? QString() : QStringLiteral("s"));
}

QString longDate(const QDate &date, const QLocale &locale)
{
    return QStringLiteral("%1 %2").arg(date.day()).arg(locale.standaloneMonthName(date.month()));
}

// "5 to 19", from the first and last hour lines' labels.
QString hourRange(const std::vector<dial::HourLineRow> &rows)
{
    if (rows.empty())
        return QString();
    const auto [first, last] =
        std::minmax_element(rows.begin(), rows.end(), [](const auto &a, const auto &b) { return a.hour < b.hour; });
    return QStringLiteral("%1 hour lines, from %2 to %3")
        .arg(rows.size())
        .arg(QString::fromStdString(first->label), QString::fromStdString(last->label));
}

} // namespace

QString correctionWords(double seconds)
{
    const long long whole = std::llround(std::fabs(seconds));
    if (whole == 0)
        return QStringLiteral("add nothing");
    QStringList parts;
    if (whole >= 3600)
        parts << count(whole / 3600, "hour");
    if (whole % 3600 >= 60)
        parts << count(whole % 3600 / 60, "minute");
    if (whole % 60)
        parts << count(whole % 60, "second");
    return (seconds > 0 ? QStringLiteral("add ") : QStringLiteral("take off ")) + parts.join(u' ');
}

QString cardRowSentence(const CardDay &day, const QLocale &locale)
{
    return longDate(day.date, locale) + QStringLiteral(": ") + correctionWords(day.addSeconds);
}

QString dialDescription(const DialDesign &design, const std::vector<dial::HourLineRow> &rows, const QLocale &locale)
{
    const dial::DialKind &kind = *design.kind;
    QString text = dialKindTitle(kind, design.faces.front().input.facing, design.faces.front().input.tilt, locale);
    text += QStringLiteral(", style height %1°.").arg(locale.toString(design.faces.front().layout.styleHeight, 'f', 2));
    if (rows.empty())
        return text + QStringLiteral(" No hour line falls on this plate.");
    text += u' ' + hourRange(rows) + u'.';
    const auto noon = std::find_if(rows.begin(), rows.end(), [](const auto &r) { return r.hour == 12; });
    if (noon == rows.end())
        return text + QStringLiteral(" No 12 o'clock line on this plate.");
    const QString reference = QString::fromUtf8(kind.reference);
    const QString side = QString::fromUtf8(noon->angleDeg > 0 ? kind.positiveSide : kind.negativeSide);
    if (std::fabs(noon->angleDeg) < 0.005)
        return text + QStringLiteral(" The 12 o'clock line lies on %1 through the foot.").arg(reference);
    return text + QStringLiteral(" The 12 o'clock line lies %1° %2 of %3.")
                      .arg(locale.toString(std::fabs(noon->angleDeg), 'f', 2), side, reference);
}

QString dialSummary(const DialDesign &design, const std::vector<dial::HourLineRow> &rows, const QLocale &locale)
{
    QString text =
        QStringLiteral("Style height %1°").arg(locale.toString(design.faces.front().layout.styleHeight, 'f', 2));
    if (design.faces.front().layout.root)
        text += QStringLiteral(", root %1 mm from the foot")
                    .arg(locale.toString(
                        std::hypot(design.faces.front().layout.root->x, design.faces.front().layout.root->y), 'f', 1));
    else
        text += QStringLiteral(", no root");
    return text + QStringLiteral(", ") +
           (rows.empty() ? QStringLiteral("no hour line on the plate") : hourRange(rows)) + u'.';
}

QString cardDescription(const DesignCard &card, const QLocale &locale)
{
    if (card.days.empty())
        return QStringLiteral("No correction card for this site.");
    const auto [least, most] =
        std::minmax_element(card.days.begin(), card.days.end(),
                            [](const CardDay &a, const CardDay &b) { return a.addSeconds < b.addSeconds; });
    return QStringLiteral("Correction card for %1, what to add to the dial's reading: the most, on %2, %3; the "
                          "least, on %4, %5.")
        .arg(QString::number(card.year), longDate(most->date, locale), correctionWords(most->addSeconds),
             longDate(least->date, locale), correctionWords(least->addSeconds));
}

} // namespace orvane
