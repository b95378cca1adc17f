#include "dial_measure.h"

#include "input_parsing.h"

#include <cmath>

namespace orvane {

namespace {

// Each unit's words, longest first, so that "mm" is not read as "m".
QStringList unitWords(MeasureUnit unit)
{
    switch (unit) {
    case MeasureUnit::Degrees:
        return {QStringLiteral("degrees"), QStringLiteral("deg"), QStringLiteral("°")};
    case MeasureUnit::Millimetres:
        return {QStringLiteral("mm")};
    case MeasureUnit::Metres:
        return {QStringLiteral("m")};
    }
    return {};
}

// The text without `words`' first match at its end; unchanged when none ends it.
QString withoutUnit(const QString &text, const QStringList &words)
{
    QString t = text.trimmed();
    for (const QString &w : words)
        if (t.endsWith(w, Qt::CaseInsensitive)) {
            t.chop(w.size());
            break;
        }
    return t;
}

} // namespace

std::optional<double> readDialMeasure(const QString &text, MeasureUnit unit, const QLocale &locale)
{
    return convertNumberText(withoutUnit(text, unitWords(unit)), locale);
}

MeasureFault measureFault(const QString &text, MeasureUnit unit, const QLocale &locale)
{
    if (readDialMeasure(text, unit, locale))
        return MeasureFault::None;
    // Units a maker may reach for, the lengths' longest first.
    const QStringList any = QStringList{QStringLiteral("mm"), QStringLiteral("cm"), QStringLiteral("in"),
                                        QStringLiteral("ft"), QStringLiteral("m")} +
                            unitWords(MeasureUnit::Degrees);
    return convertNumberText(withoutUnit(text, any), locale) ? MeasureFault::OtherUnit : MeasureFault::NotANumber;
}

QString unitName(MeasureUnit unit)
{
    switch (unit) {
    case MeasureUnit::Degrees:
        return QStringLiteral("degrees");
    case MeasureUnit::Millimetres:
        return QStringLiteral("mm");
    case MeasureUnit::Metres:
        return QStringLiteral("metres");
    }
    return {};
}

QString decimalForms(const QLocale &locale)
{
    const QString own = locale.decimalPoint();
    return own == QLatin1String(".") ? QStringLiteral("a decimal point")
                                     : QStringLiteral("a decimal point or \"%1\"").arg(own);
}

std::optional<double> readFacing(const QString &text, const QLocale &locale)
{
    const std::optional<double> v = readDialMeasure(text, MeasureUnit::Degrees, locale);
    if (!v || *v < 0 || *v > 360)
        return std::nullopt;
    return std::fmod(*v, 360.0);
}

} // namespace orvane
