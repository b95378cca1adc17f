#include "dial_options.h"

#include "field/dial_choices.h"

#include "dial/dial_kinds.h"
#include "text/dial_measure.h"
#include "text/input_parsing.h"

#include <QRegularExpression>

#include <limits>

namespace orvane {

namespace {

// Options that shape the dial or its files, refused without --dial.
constexpr const char *kDialOnly[] = {"facing",     "tilt",      "nodus-height", "plate", "half-width",
                                     "hour-step",  "dial-time", "svg",          "dxf",   "pdf",
                                     "date-lines", "card",      "card-svg",     "scale"};
// The field data's own options; with --dial no field data is printed.
constexpr const char *kFieldOnly[] = {"days", "mark", "bearing", "altitude", "wall-reading"};

constexpr int kMaxScale = 10000;

QString opt(const char *name) { return QStringLiteral("--") + QLatin1String(name); }

// One of `choices` for the option's value, by position.
// The value whose word the option gives, none for a word no entry has.
template <typename T, std::size_t N>
std::optional<T> choice(const QCommandLineParser &p, const char *name, const std::array<DialChoice<T>, N> &table)
{
    const QString given = p.value(QLatin1String(name));
    for (const DialChoice<T> &c : table)
        if (given == QLatin1String(c.option))
            return c.value;
    return std::nullopt;
}

QString refused(const QCommandLineParser &p, const char *name, const QString &wanted)
{
    return QStringLiteral("%1 \"%2\": %3").arg(opt(name), p.value(QLatin1String(name)), wanted);
}

enum class KindsTaking { Any, Facing, Tilt, Plate, HalfWidth };

bool takes(const dial::DialKind &k, KindsTaking taking)
{
    switch (taking) {
    case KindsTaking::Any:
        return true;
    case KindsTaking::Facing:
        return k.takesFacing;
    case KindsTaking::Tilt:
        return k.takesTilt;
    case KindsTaking::Plate:
        return k.takesPlate;
    case KindsTaking::HalfWidth:
        return k.takesHalfWidth;
    }
    return false;
}

// "horizontal or vertical": the kinds' names, or those that take a facing or a tilt.
QString kindNames(KindsTaking taking = KindsTaking::Any)
{
    QStringList names;
    for (const dial::DialKind &k : dial::dialKinds())
        if (takes(k, taking))
            names << QString::fromLatin1(k.commandName);
    const QString last = names.isEmpty() ? QString() : names.takeLast();
    return names.isEmpty() ? last : names.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

// What is wrong with a measure beyond its range, as the start of its message.
QString measureFaultText(const QString &text, MeasureUnit unit, const QLocale &locale)
{
    switch (measureFault(text, unit, locale)) {
    case MeasureFault::None:
        break;
    case MeasureFault::OtherUnit:
        return QStringLiteral("not in %1; ").arg(unitName(unit));
    case MeasureFault::NotANumber:
        return QStringLiteral("not a number with %1; ").arg(decimalForms(locale));
    }
    return {};
}

// The option's refusal, with what is wrong with its text when it was not read.
QString refusedMeasure(const QCommandLineParser &p, const char *name, MeasureUnit unit, const QString &wanted,
                       const QLocale &locale)
{
    return refused(p, name, measureFaultText(p.value(QLatin1String(name)), unit, locale) + wanted);
}

// The option that carries a setting, and how to give it.
QString rangeMessage(const QCommandLineParser &p, const SettingProblem &problem, const QLocale &locale)
{
    const auto low = QString::number(problem.range.low), high = QString::number(problem.range.high);
    switch (problem.setting) {
    case DialSetting::Facing:
        return refusedMeasure(p, "facing", MeasureUnit::Degrees,
                              QStringLiteral("give degrees from %1 to %2, from north through east").arg(low, high),
                              locale);
    case DialSetting::Tilt:
        return refusedMeasure(p, "tilt", MeasureUnit::Degrees,
                              QStringLiteral("give degrees from %1 (level) to %2 (looking down)").arg(low, high),
                              locale);
    case DialSetting::PlateWidth:
    case DialSetting::PlateHeight:
        return refused(p, "plate", QStringLiteral("each side must lie between %1 and %2 mm").arg(low, high));
    case DialSetting::NodusHeight:
        if (!p.isSet(QStringLiteral("nodus-height")))
            return QStringLiteral("--plate \"%1\": the nodus height (%2 mm) must not exceed the plate's smaller side; "
                                  "give --nodus-height")
                .arg(p.value(QStringLiteral("plate")))
                .arg(DialSettings{}.nodusHeight);
        return refusedMeasure(p, "nodus-height", MeasureUnit::Millimetres,
                              QStringLiteral("give mm from %1 to the plate's smaller side (%2)").arg(low, high),
                              locale);
    case DialSetting::HalfWidth:
        return refusedMeasure(p, "half-width", MeasureUnit::Metres,
                              QStringLiteral("give metres from %1 to %2").arg(low, high), locale);
    }
    return {};
}

std::optional<QString> readShape(const QCommandLineParser &p, const dial::DialKind &kind, DialOptions &d,
                                 const QLocale &locale)
{
    constexpr double kUnread = std::numeric_limits<double>::quiet_NaN();
    const auto measure = [&p, &locale, kUnread](const char *name, MeasureUnit unit) {
        return readDialMeasure(p.value(QLatin1String(name)), unit, locale).value_or(kUnread);
    };
    if (kind.takesFacing) {
        if (!p.isSet(QStringLiteral("facing")) && !kind.facingOptional)
            return QStringLiteral("--dial %1 needs --facing DEG, the direction the %2 faces from north "
                                  "through east (180 = south)")
                .arg(QLatin1String(kind.commandName),
                     kind.takesTilt ? QStringLiteral("plane") : QStringLiteral("wall"));
        d.facing = p.isSet(QStringLiteral("facing"))
                       ? readFacing(p.value(QStringLiteral("facing")), locale).value_or(kUnread)
                       : kUnread;
    } else if (p.isSet(QStringLiteral("facing"))) {
        return QStringLiteral("--facing is for --dial %1; %2 takes none")
            .arg(kindNames(KindsTaking::Facing), aDialKind(kind));
    }
    if (kind.takesTilt) {
        if (!p.isSet(QStringLiteral("tilt")))
            return QStringLiteral("--dial %1 needs --tilt DEG, the angle from the zenith to the face's outward "
                                  "normal (0 level, 90 upright, 180 looking down)")
                .arg(QLatin1String(kind.commandName));
        d.tilt = measure("tilt", MeasureUnit::Degrees);
    } else if (p.isSet(QStringLiteral("tilt"))) {
        return QStringLiteral("--tilt is for --dial %1; %2 takes none")
            .arg(kindNames(KindsTaking::Tilt), aDialKind(kind));
    }

    for (const auto &[name, taking] : {std::pair{"plate", KindsTaking::Plate},
                                       {"nodus-height", KindsTaking::Plate},
                                       {"half-width", KindsTaking::HalfWidth}})
        if (p.isSet(QLatin1String(name)) && !takes(kind, taking))
            return QStringLiteral("%1 is for --dial %2; %3 takes none")
                .arg(opt(name), kindNames(taking), aDialKind(kind));
    if (p.isSet(QStringLiteral("half-width")))
        d.halfWidth = measure("half-width", MeasureUnit::Metres);

    if (p.isSet(QStringLiteral("plate"))) {
        // Each side read as --nodus-height is: "300x300", "300 mm x 300 mm".
        const QStringList sides = p.value(QStringLiteral("plate")).split(QRegularExpression(QStringLiteral("[xX×]")));
        const auto side = [&](int i) {
            return sides.size() == 2 ? readDialMeasure(sides[i], MeasureUnit::Millimetres, locale)
                                     : std::optional<double>();
        };
        const std::optional<double> w = side(0), h = side(1);
        if (!w || !h) {
            const QString fault = sides.size() != 2 ? QString()
                                  : w               ? measureFaultText(sides[1], MeasureUnit::Millimetres, locale)
                                                    : measureFaultText(sides[0], MeasureUnit::Millimetres, locale);
            return refused(p, "plate", fault + QStringLiteral("give the width and height in mm, such as 300x300"));
        }
        d.plateWidth = *w;
        d.plateHeight = *h;
    }
    if (p.isSet(QStringLiteral("nodus-height")))
        d.nodusHeight = measure("nodus-height", MeasureUnit::Millimetres);
    const std::vector<SettingProblem> problems = checkDialSettings(d);
    if (!problems.empty())
        return rangeMessage(p, problems.front(), locale);
    return std::nullopt;
}

} // namespace

std::optional<QString> readDialOptions(const QCommandLineParser &p, std::optional<DialOptions> &into,
                                       const QLocale &locale)
{
    if (!p.isSet(QStringLiteral("dial"))) {
        for (const char *name : kDialOnly)
            if (p.isSet(QLatin1String(name)))
                return QStringLiteral("%1 goes with --dial %2").arg(opt(name), kindNames());
        return std::nullopt;
    }
    for (const char *name : kFieldOnly)
        if (p.isSet(QLatin1String(name)))
            return QStringLiteral("%1 is for the field data, which --dial does not print").arg(opt(name));

    DialOptions d;
    const dial::DialKind *kind = dial::findDialKind(p.value(QStringLiteral("dial")).toStdString());
    if (!kind)
        return refused(p, "dial", QStringLiteral("give ") + kindNames());
    d.type = kind->type;
    if (const std::optional<QString> message = readShape(p, *kind, d, locale))
        return message;

    if (p.isSet(QStringLiteral("hour-step"))) {
        const auto step = choice(p, "hour-step", kHourSteps);
        if (!step)
            return refused(p, "hour-step", QStringLiteral("give 60, 30 or 15 minutes"));
        d.stepMinutes = *step;
    }
    if (p.isSet(QStringLiteral("dial-time"))) {
        const auto time = choice(p, "dial-time", kDialTimes);
        if (!time)
            return refused(p, "dial-time", QStringLiteral("give sun or zone"));
        d.time = *time;
    }
    if (p.isSet(QStringLiteral("date-lines"))) {
        const auto lines = choice(p, "date-lines", kDateLineChoices);
        if (!lines)
            return refused(p, "date-lines", QStringLiteral("give none, solstices or months"));
        d.dateLines = *lines;
    }
    if (p.isSet(QStringLiteral("scale"))) {
        static const QRegularExpression re(QStringLiteral("^\\s*1\\s*:\\s*([0-9]+)\\s*$"));
        const QRegularExpressionMatch m = re.match(p.value(QStringLiteral("scale")));
        const int n = m.hasMatch() ? m.captured(1).toInt() : 0;
        if (n < 1 || n > kMaxScale)
            return refused(p, "scale",
                           QStringLiteral("give 1:N, N a whole number from 1 to %1, such as 1:50").arg(kMaxScale));
        if (p.value(QStringLiteral("svg")).isEmpty() && p.value(QStringLiteral("dxf")).isEmpty())
            return QStringLiteral("--scale goes with --svg or --dxf");
        d.scale = n;
    }
    d.card = p.isSet(QStringLiteral("card"));
    d.svgFile = p.value(QStringLiteral("svg"));
    d.dxfFile = p.value(QStringLiteral("dxf"));
    d.pdfFile = p.value(QStringLiteral("pdf"));
    d.cardSvgFile = p.value(QStringLiteral("card-svg"));
    for (const char *name : {"svg", "dxf", "pdf", "card-svg"})
        if (p.isSet(QLatin1String(name)) && p.value(QLatin1String(name)).isEmpty())
            return QStringLiteral("%1 needs a file name").arg(opt(name));
    into = d;
    return std::nullopt;
}

} // namespace orvane
