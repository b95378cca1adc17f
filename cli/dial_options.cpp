#include "dial_options.h"

#include "field/dial_choices.h"
#include "field/dial_setting_table.h"
#include "text/translation.h"

#include "dial/dial_kinds.h"
#include "text/dial_measure.h"
#include "text/input_parsing.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane {

namespace {

// Options that shape the dial or its files, refused without --dial.
constexpr const char *kDialOnly[] = {"facing",
                                     "tilt",
                                     "nodus-height",
                                     "plate",
                                     "half-width",
                                     "aperture-height",
                                     "aperture-diameter",
                                     "mark-time",
                                     "x-wire",
                                     "y-wire",
                                     "hour-step",
                                     "dial-time",
                                     "svg",
                                     "dxf",
                                     "pdf",
                                     "date-lines",
                                     "hours",
                                     "date-line",
                                     "card",
                                     "card-svg",
                                     "scale",
                                     "check-reading"};
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

// "horizontal or vertical": the kinds' names, or those that take the setting.
QString kindNames(std::optional<dial::DialSetting> taking = std::nullopt)
{
    QStringList names;
    for (const dial::DialKind &k : dial::dialKinds())
        if (!taking || k.takes(*taking))
            names << QString::fromLatin1(k.commandName);
    const QString last = names.isEmpty() ? QString() : names.takeLast();
    return names.isEmpty() ? last : translate("cli", "%1 or %2").arg(names.join(QStringLiteral(", ")), last);
}

// What is wrong with a measure beyond its range, as the start of its message.
QString measureFaultText(const QString &text, MeasureUnit unit, const QLocale &locale)
{
    switch (measureFault(text, unit, locale)) {
    case MeasureFault::None:
        break;
    case MeasureFault::OtherUnit:
        return translate("cli", "not in %1; ").arg(unitName(unit));
    case MeasureFault::NotANumber:
        return translate("cli", "not a number with %1; ").arg(decimalForms(locale));
    case MeasureFault::NotATime:
        return translate("cli", "not a time; ");
    }
    return {};
}

// The option that carries a setting, and how to give it; a number it could
// not read says why first.
QString rangeMessage(const QCommandLineParser &p, const SettingProblem &problem, const DialSettings &d,
                     const QLocale &locale)
{
    const SettingRow &row = settingRow(problem.setting);
    const QString option = QLatin1String(row.option);
    // Not given, and its default does not fit: the nodus height on a small plate.
    if (!p.isSet(option))
        return translate("cli", "--plate \"%1\": the nodus height (%2 mm) must not exceed the plate's smaller side; "
                                "give --%3")
            .arg(p.value(QStringLiteral("plate")), QString::number(DialSettings{}.*row.value), option);
    const QString fault = std::isnan(d.*row.value) ? measureFaultText(p.value(option), row.unit, locale) : QString();
    return refused(p, row.option,
                   fault + translate("field", row.wanted)
                               .arg(QString::number(problem.range.low), QString::number(problem.range.high)));
}

// Each option refused by a kind that does not take its setting, or missing
// for one that needs it, in the table's order.
std::optional<QString> takenOptions(const QCommandLineParser &p, const dial::DialKind &kind)
{
    for (const SettingRow &row : settingRows()) {
        const bool given = p.isSet(QLatin1String(row.option));
        if (!kind.takes(row.setting)) {
            if (given)
                return translate("cli", "%1 is for --dial %2; %3 takes none")
                    .arg(opt(row.option), kindNames(row.setting), aDialKind(kind));
        } else if (!given && row.needs && !kind.mayOmit(row.setting)) {
            return row.needs(kind);
        }
    }
    return std::nullopt;
}

// The settings an option gives: most one number, the plate its two sides.
std::vector<const SettingRow *> rowsOf(const char *option)
{
    std::vector<const SettingRow *> rows;
    for (const SettingRow &row : settingRows())
        if (qstrcmp(row.option, option) == 0)
            rows.push_back(&row);
    return rows;
}

// The option's numbers into their settings, NaN for one not read; the
// plate's "300x300", "300 mm x 300 mm" refused unless both sides are read.
std::optional<QString> readOption(const QCommandLineParser &p, const std::vector<const SettingRow *> &rows,
                                  DialOptions &d, const QLocale &locale)
{
    constexpr double kUnread = std::numeric_limits<double>::quiet_NaN();
    const char *name = rows.front()->option;
    const QString text = p.value(QLatin1String(name));
    if (rows.size() == 1) {
        const SettingRow &row = *rows.front();
        d.*row.value =
            (row.compass ? readFacing(text, locale) : readDialMeasure(text, row.unit, locale)).value_or(kUnread);
        return std::nullopt;
    }
    const QString wanted = translate("cli", "give the width and height in mm, such as 300x300");
    const QStringList sides = text.split(QRegularExpression(QStringLiteral("[xX×]")));
    if (sides.size() != qsizetype(rows.size()))
        return refused(p, name, wanted);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QString &side = sides[qsizetype(i)];
        const std::optional<double> v = readDialMeasure(side, rows[i]->unit, locale);
        if (!v)
            return refused(p, name, measureFaultText(side, rows[i]->unit, locale) + wanted);
        d.*rows[i]->value = *v;
    }
    return std::nullopt;
}

std::optional<QString> readShape(const QCommandLineParser &p, const dial::DialKind &kind, DialOptions &d,
                                 const QLocale &locale)
{
    if (const std::optional<QString> message = takenOptions(p, kind))
        return message;
    for (const SettingRow &row : settingRows()) {
        const std::vector<const SettingRow *> rows = rowsOf(row.option);
        if (rows.front() != &row || !kind.takes(row.setting))
            continue; // each option once, for a kind that takes it
        if (p.isSet(QLatin1String(row.option))) {
            if (const std::optional<QString> message = readOption(p, rows, d, locale))
                return message;
            // Given but not read: refused, not taken for the kind's own.
            if (kind.mayOmit(row.setting) && std::isnan(d.*row.value))
                return rangeMessage(p, {row.setting, row.range(d)}, d, locale);
        } else if (row.needs) {
            d.*row.value = std::numeric_limits<double>::quiet_NaN(); // the kind's own
        }
    }
    const std::vector<SettingProblem> problems = checkDialSettings(d);
    if (!problems.empty())
        return rangeMessage(p, problems.front(), d, locale);
    return std::nullopt;
}

// "2027-03-01 10:15=10:27": the day, the clock's time and the dial's.
std::optional<QString> readCheckReadings(const QCommandLineParser &p, DialOptions &d)
{
    const QStringList given = p.values(QStringLiteral("check-reading"));
    if (given.size() > kMaxCheckReadings)
        return translate("cli", "--check-reading may be given at most %1 times").arg(kMaxCheckReadings);
    static const QRegularExpression re(
        QStringLiteral("^\\s*(\\d{4}-\\d{2}-\\d{2})[ "
                       "T]+(\\d{1,2}):(\\d{2})(?::(\\d{2}))?\\s*=\\s*(\\d{1,2}):(\\d{2})(?::(\\d{2}))?\\s*$"));
    for (const QString &text : given) {
        const QRegularExpressionMatch m = re.match(text);
        const auto seconds = [&](int first) {
            const int h = m.captured(first).toInt(), min = m.captured(first + 1).toInt();
            const int s = m.captured(first + 2).toInt();
            return h < 24 && min < 60 && s < 60 ? h * 3600.0 + min * 60 + s : -1;
        };
        const QDate date = m.hasMatch() ? QDate::fromString(m.captured(1), Qt::ISODate) : QDate();
        if (!date.isValid() || seconds(2) < 0 || seconds(5) < 0)
            return translate("cli", "--check-reading \"%1\": give the date, the clock's time and what the dial showed "
                                    "then, such as \"2027-03-01 10:15=10:27\" (YYYY-MM-DD HH:MM[:SS]=HH:MM[:SS])")
                .arg(text);
        d.readings.push_back({date, seconds(2), seconds(5), text});
    }
    return std::nullopt;
}

// "italian,babylonian": each system once; equal for the equal hours' lines.
std::optional<QString> readHourSystems(const QCommandLineParser &p, DialOptions &d)
{
    if (!p.isSet(QStringLiteral("hours")))
        return std::nullopt;
    static constexpr dial::HourSystem kOld[] = {dial::HourSystem::Italian, dial::HourSystem::Babylonian,
                                                dial::HourSystem::Unequal};
    d.equalHours = false;
    QStringList seen;
    for (const QString &given : p.value(QStringLiteral("hours")).split(u',')) {
        const QString word = given.trimmed().toLower();
        if (seen.contains(word))
            return refused(p, "hours", translate("cli", "%1 is given twice").arg(word));
        seen << word;
        if (word == QLatin1String("equal")) {
            d.equalHours = true;
            continue;
        }
        const auto system = std::find_if(std::begin(kOld), std::end(kOld), [&word](dial::HourSystem s) {
            return word == QLatin1String(dial::hourSystemName(s));
        });
        if (system == std::end(kOld))
            return refused(p, "hours", translate("cli", "give a comma list of equal, italian, babylonian and unequal"));
        d.hourSystems.push_back(*system);
    }
    if (const QString problem = hourSystemsProblem(d); !problem.isEmpty())
        return refused(p, "hours", problem);
    return std::nullopt;
}

// "1990-05-14=Anna": the day (its month and day) and the line's label.
std::optional<QString> readSpecialDates(const QCommandLineParser &p, DialOptions &d)
{
    const QStringList given = p.values(QStringLiteral("date-line"));
    if (given.size() > kMaxSpecialDates)
        return translate("cli", "--date-line may be given at most %1 times").arg(kMaxSpecialDates);
    for (const QString &text : given) {
        const qsizetype eq = text.indexOf(u'=');
        const QString day = (eq < 0 ? text : text.left(eq)).trimmed();
        const QString label = eq < 0 ? QString() : text.mid(eq + 1).trimmed();
        static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
        const QDate date = iso.match(day).hasMatch() ? QDate::fromString(day, Qt::ISODate) : QDate();
        if (!date.isValid())
            return translate("cli", "--date-line \"%1\": give a date that exists, YYYY-MM-DD, and a label after = if "
                                    "wanted, such as 1990-05-14=Anna")
                .arg(text);
        if (const QString problem = specialLabelProblem(label); !problem.isEmpty())
            return translate("cli", "--date-line \"%1\": give %2").arg(text, problem);
        d.specialDates.push_back({date, label});
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> readDialOptions(const QCommandLineParser &p, std::optional<DialOptions> &into,
                                       const QLocale &locale)
{
    if (!p.isSet(QStringLiteral("dial"))) {
        for (const char *name : kDialOnly)
            if (p.isSet(QLatin1String(name)))
                return translate("cli", "%1 goes with --dial %2").arg(opt(name), kindNames());
        return std::nullopt;
    }
    for (const char *name : kFieldOnly)
        if (p.isSet(QLatin1String(name)))
            return translate("cli", "%1 is for the field data, which --dial does not print").arg(opt(name));

    DialOptions d;
    const dial::DialKind *kind = dial::findDialKind(p.value(QStringLiteral("dial")).toStdString());
    if (!kind)
        return refused(p, "dial", translate("cli", "give %1").arg(kindNames()));
    d.type = kind->type;
    if (const std::optional<QString> message = readShape(p, *kind, d, locale))
        return message;

    if (p.isSet(QStringLiteral("hour-step"))) {
        const auto step = choice(p, "hour-step", kHourSteps);
        if (!step)
            return refused(p, "hour-step", translate("cli", "give 60, 30 or 15 minutes"));
        d.stepMinutes = *step;
    }
    if (p.isSet(QStringLiteral("dial-time"))) {
        const auto time = choice(p, "dial-time", kDialTimes);
        if (!time)
            return refused(p, "dial-time", translate("cli", "give sun, zone or clock"));
        d.time = *time;
        if (const QString problem = dialTimeProblem(d); !problem.isEmpty())
            return refused(p, "dial-time", problem);
    }
    if (p.isSet(QStringLiteral("date-lines"))) {
        const auto lines = choice(p, "date-lines", kDateLineChoices);
        if (!lines)
            return refused(p, "date-lines", translate("cli", "give none, solstices or months"));
        d.dateLines = *lines;
    }
    if (p.isSet(QStringLiteral("scale"))) {
        static const QRegularExpression re(QStringLiteral("^\\s*1\\s*:\\s*([0-9]+)\\s*$"));
        const QRegularExpressionMatch m = re.match(p.value(QStringLiteral("scale")));
        const int n = m.hasMatch() ? m.captured(1).toInt() : 0;
        if (n < 1 || n > kMaxScale)
            return refused(p, "scale",
                           translate("cli", "give 1:N, N a whole number from 1 to %1, such as 1:50").arg(kMaxScale));
        if (p.value(QStringLiteral("svg")).isEmpty() && p.value(QStringLiteral("dxf")).isEmpty())
            return translate("cli", "--scale goes with --svg or --dxf");
        d.scale = n;
    }
    if (const std::optional<QString> message = readHourSystems(p, d))
        return message;
    if (const std::optional<QString> message = readSpecialDates(p, d))
        return message;
    if (const std::optional<QString> message = readCheckReadings(p, d))
        return message;
    d.card = p.isSet(QStringLiteral("card"));
    d.svgFile = p.value(QStringLiteral("svg"));
    d.dxfFile = p.value(QStringLiteral("dxf"));
    d.pdfFile = p.value(QStringLiteral("pdf"));
    d.cardSvgFile = p.value(QStringLiteral("card-svg"));
    for (const char *name : {"svg", "dxf", "pdf", "card-svg"})
        if (p.isSet(QLatin1String(name)) && p.value(QLatin1String(name)).isEmpty())
            return translate("cli", "%1 needs a file name").arg(opt(name));
    if (!d.cardSvgFile.isEmpty() && d.time == dial::DialTime::Clock)
        return translate("cli", "--card-svg: a dial drawn to the clock (--dial-time clock) needs no correction card");
    into = d;
    return std::nullopt;
}

} // namespace orvane
