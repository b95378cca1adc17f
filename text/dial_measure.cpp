#include "dial_measure.h"

#include "input_parsing.h"

#include <cmath>

namespace orvane {

std::optional<double> readDialMeasure(const QString &text, MeasureUnit unit, const QLocale &locale)
{
    QString t = text.trimmed();
    const QStringList suffixes =
        unit == MeasureUnit::Degrees
            ? QStringList{QStringLiteral("°"), QStringLiteral("degrees"), QStringLiteral("deg")}
            : QStringList{QStringLiteral("mm")};
    for (const QString &s : suffixes)
        if (t.endsWith(s, Qt::CaseInsensitive)) {
            t.chop(s.size());
            break;
        }
    return convertNumberText(t, locale);
}

std::optional<double> readFacing(const QString &text, const QLocale &locale)
{
    const std::optional<double> v = readDialMeasure(text, MeasureUnit::Degrees, locale);
    if (!v || *v < 0 || *v > 360)
        return std::nullopt;
    return std::fmod(*v, 360.0);
}

} // namespace orvane
