#include "dial_measure.h"
#include "translation.h"

#include "input_parsing.h"

#include <QRegularExpression>

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
    case MeasureUnit::ClockTime:
        break;
    }
    return {};
}

// "13:30" or "13", hours under 24 and minutes under 60.
std::optional<double> readClockTime(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,2})(?::(\\d{2}))?\\s*$"));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int hours = m.captured(1).toInt(), minutes = m.captured(2).toInt();
    if (hours >= 24 || minutes >= 60)
        return std::nullopt;
    return hours + minutes / 60.0;
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
    if (unit == MeasureUnit::ClockTime)
        return readClockTime(text);
    return convertNumberText(withoutUnit(text, unitWords(unit)), locale);
}

MeasureFault measureFault(const QString &text, MeasureUnit unit, const QLocale &locale)
{
    if (readDialMeasure(text, unit, locale))
        return MeasureFault::None;
    if (unit == MeasureUnit::ClockTime)
        return MeasureFault::NotATime;
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
    case MeasureUnit::ClockTime:
        return QStringLiteral("HH:MM");
    }
    return {};
}

QString dialMeasureText(double value, MeasureUnit unit)
{
    if (unit != MeasureUnit::ClockTime)
        return QString::number(value);
    const int minutes = int(std::lround(value * 60));
    return QStringLiteral("%1:%2")
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString decimalForms(const QLocale &locale)
{
    const QString own = locale.decimalPoint();
    return own == QLatin1String(".") ? translate("text", "a decimal point")
                                     : translate("text", "a decimal point or \"%1\"").arg(own);
}

std::optional<double> readFacing(const QString &text, const QLocale &locale)
{
    const std::optional<double> v = readDialMeasure(text, MeasureUnit::Degrees, locale);
    if (!v || *v < 0 || *v > 360)
        return std::nullopt;
    return std::fmod(*v, 360.0);
}

} // namespace orvane
