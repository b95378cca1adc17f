#include "cli_options.h"
#include "dial_options.h"

#include "dial/dial_kinds.h"
#include "field/dial_setting_table.h"

#include "text/coordinate_text.h"
#include "text/dial_measure.h"
#include "text/input_check.h"
#include "text/input_parsing.h"
#include "text/time_zones.h"
#include "text/translation.h"
#include "text/window_texts.h"
#include "text/wording.h"
#include "zone_names.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QRegularExpression>
#include <QTimeZone>

namespace orvane {

namespace {

struct OptionSpec {
    const char *name;
    const char *valueName; // empty for a switch
    const char *description;
};

constexpr OptionSpec kOptions[] = {
    {"date", "DATE", QT_TRANSLATE_NOOP("cli", "the date: m/d/yyyy, yyyy-mm-dd or your locale's own form")},
    {"latitude", "DEG",
     QT_TRANSLATE_NOOP("cli", "latitude in degrees, north positive; 40.655N, 40°39'18\"N and 40 39.3 N are read too")},
    {"longitude", "DEG",
     QT_TRANSLATE_NOOP("cli", "longitude in degrees, east positive; 72.855W, W 72.855 and 72°51'18\"W are read too")},
    {"utc-offset", "H[:MM]",
     QT_TRANSLATE_NOOP(
         "cli",
         "the zone's standard offset from UTC, also in summer: -5, +5:30, +5:45 (New York in July: --utc-offset -5 "
         "--daylight-saving, not -4)")},
    {"standard", "", QT_TRANSLATE_NOOP("cli", "with --utc-offset: the clock shows standard time")},
    {"daylight-saving", "",
     QT_TRANSLATE_NOOP("cli", "with --utc-offset: the clock shows daylight-saving time, one hour ahead")},
    {"zone", "NAME",
     QT_TRANSLATE_NOOP("cli", "instead of the three above: a time zone such as America/New_York or Asia/Kolkata, whose "
                              "offset and daylight saving on each day come from its rules")},
    {"place", "NAME",
     QT_TRANSLATE_NOOP(
         "cli",
         "instead of --latitude, --longitude and the clock: a town or city of 1,000 or more people, with its country "
         "or "
         "region after a comma where the name is shared (Zurich, \"Paris, Texas\", \"Springfield, US\"); its latitude, "
         "longitude and time zone, each unless given with its own option")},
    {"days", "N", QT_TRANSLATE_NOOP("cli", "days in the days table, 1 to 366 (default 1)")},
    {"bearing", "DEG",
     QT_TRANSLATE_NOOP(
         "cli", "also when the sun stands at this bearing (0 to under 360, from north through east); up to 8 times")},
    {"altitude", "DEG",
     QT_TRANSLATE_NOOP("cli",
                       "also when the sun's centre reaches this height (-1 to under 90 degrees); up to 8 times")},
    {"wall-reading", "HH:MM[:SS]@DEG",
     QT_TRANSLATE_NOOP(
         "cli",
         "a wall's facing from a plumb line's shadow on a level board: the clock time and the angle from the line "
         "square to the wall (towards it) to the shadow, clockwise positive; up to 20 times")},
    {"mark", "HH:MM[:SS]",
     QT_TRANSLATE_NOOP("cli", "the clock time at which you marked the shadow: its bearing and the turn onto the "
                              "nearest true line")},
    {"dial", "KIND",
     QT_TRANSLATE_NOOP("cli", "instead of the field data: a sundial for the site, with its hour lines, style, gnomon "
                              "and date lines; KIND is "
                              "one of: %1")},
    {"facing", "DEG",
     QT_TRANSLATE_NOOP(
         "cli",
         "the direction the face looks, from north through east (180 = south): the wall's facing; for --dial polar "
         "instead of the equator's side")},
    {"tilt", "DEG",
     QT_TRANSLATE_NOOP(
         "cli", "with --dial plane: the angle from the zenith to the face's outward normal (0 level, 90 upright)")},
    {"nodus-height", "MM", QT_TRANSLATE_NOOP("cli", "the nodus's height above the dial's face in mm (default 100)")},
    {"plate", "WxH", QT_TRANSLATE_NOOP("cli", "the plate's width and height in mm, 50 to 5000 (default 300x300)")},
    {"half-width", "M",
     QT_TRANSLATE_NOOP(
         "cli", "with --dial analemmatic: the ellipse's half-width east-west in metres, 0.1 to 50 (default 2.5)")},
    {"aperture-height", "M",
     QT_TRANSLATE_NOOP(
         "cli",
         "with --dial noon-mark: the hole's height above the floor, or out from the wall, in metres, 0.1 to 50")},
    {"aperture-diameter", "MM",
     QT_TRANSLATE_NOOP("cli", "with --dial noon-mark: the round hole's diameter in mm, 1 to 200 (default 10)")},
    {"mark-time", "HH:MM",
     QT_TRANSLATE_NOOP("cli", "with --dial noon-mark: the time of the zone's standard clock to mark (default 12:00; "
                              "13:00 for summer time)")},
    {"x-wire", "MM",
     QT_TRANSLATE_NOOP(
         "cli",
         "with --dial bifilar: the height above the face of the wire along the plate's x axis, 5 mm to the plate's "
         "smaller side (default: the height that spaces the hours evenly where one does, else the y-wire's)")},
    {"y-wire", "MM",
     QT_TRANSLATE_NOOP(
         "cli",
         "with --dial bifilar: the height above the face of the wire along the plate's y axis, 5 mm to the plate's "
         "smaller side (default 100)")},
    {"hour-step", "MIN", QT_TRANSLATE_NOOP("cli", "an hour line every 60 (default), 30 or 15 minutes")},
    {"dial-time", "TIME",
     QT_TRANSLATE_NOOP(
         "cli",
         "sun (default): the dial shows local sun time; zone: its 12 line is the zone meridian's mean noon; clock: "
         "each hour line is the figure-8 the shadow traces at that hour of the zone's standard clock")},
    {"date-lines", "WHICH",
     QT_TRANSLATE_NOOP(
         "cli", "none, solstices (default: the solstices and the equinox) or months (also the first of each month)")},
    {"hours", "LIST",
     QT_TRANSLATE_NOOP(
         "cli",
         "a comma list of the hour systems drawn: equal (default), italian (hours since the previous sunset), "
         "babylonian (since sunrise), unequal (twelfths of the daylight); not for --dial analemmatic or noon-mark")},
    {"date-line", "YYYY-MM-DD[=LABEL]",
     QT_TRANSLATE_NOOP(
         "cli",
         "a date line for the sun's declination at noon on that month and day, labelled (up to 40 characters) or by "
         "its date and the other day of the same declination; up to 12 times")},
    {"card", "",
     QT_TRANSLATE_NOOP("cli",
                       "with --dial: the correction card, what to add to the dial's reading each day for the clock")},
    {"svg", "FILE", QT_TRANSLATE_NOOP("cli", "with --dial: the dial drawn at full scale as SVG, in millimetres")},
    {"dxf", "FILE",
     QT_TRANSLATE_NOOP(
         "cli", "with --dial: the same drawing as DXF for cutters and routers, in millimetres, one layer per part")},
    {"card-svg", "FILE", QT_TRANSLATE_NOOP("cli", "with --dial: the correction card alone as SVG")},
    {"scale", "1:N", QT_TRANSLATE_NOOP("cli", "with --svg or --dxf: the drawing at 1:N, a plan (default 1:1)")},
    {"pdf", "FILE",
     QT_TRANSLATE_NOOP("cli", "with --dial: the dial printed at full scale as PDF, over as many pages as it needs")},
    {"check-reading", "\"DATE HH:MM[:SS]=HH:MM[:SS]\"",
     QT_TRANSLATE_NOOP(
         "cli",
         "with --dial: a standing dial checked against the clock: the date, the clock's time and what the dial showed "
         "then (in its own time, sun or zone); up to 100 times, fitted for how the dial stands turned and leaned")},
    {"find-dial", "KIND",
     QT_TRANSLATE_NOOP("cli", "instead of the field data, with no site: an old dial's latitude (and for vertical its "
                              "wall's facing) from its "
                              "hour lines; KIND is horizontal or vertical")},
    {"line-angle", "HOUR=DEG",
     QT_TRANSLATE_NOOP("cli", "with --find-dial, once a line: its hour in sun time and its angle at the root from the "
                              "noon line, as --dial's "
                              "angle_deg: + towards x, east on a level dial, right on a wall")},
    {"magnetic", "",
     QT_TRANSLATE_NOOP(
         "cli",
         "also how far a compass points from true north at the site on the date, from the World Magnetic Model WMM2025 "
         "(2025.0 to 2030.0)")},
    {"format", "FORMAT", QT_TRANSLATE_NOOP("cli", "text (default), json or csv")},
    {"language", "CODE",
     QT_TRANSLATE_NOOP("cli",
                       "the language of the answer: en, de, es, fr, it or nl; without it the desktop's (LANGUAGE, "
                       "LC_MESSAGES, LANG)")},
    {"help", "", QT_TRANSLATE_NOOP("cli", "show this text")},
    {"version", "", QT_TRANSLATE_NOOP("cli", "show the program's version")},
};

struct Failure {
    QString message;
    int status = 2;
};

QString opt(const char *name) { return QStringLiteral("--") + QLatin1String(name); }

bool repeatable(const char *name)
{
    return qstrcmp(name, "bearing") == 0 || qstrcmp(name, "altitude") == 0 || qstrcmp(name, "wall-reading") == 0 ||
           qstrcmp(name, "check-reading") == 0 || qstrcmp(name, "line-angle") == 0 || qstrcmp(name, "date-line") == 0;
}

std::optional<int> parseOffsetMinutes(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^([+-]?)(\\d{1,2})(?::(\\d{2}))?$"));
    const QRegularExpressionMatch m = re.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const int hours = m.captured(2).toInt();
    const int minutes = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
    if (hours > 14 || minutes >= 60)
        return std::nullopt;
    const int total = hours * 60 + minutes;
    return m.captured(1) == QLatin1String("-") ? -total : total;
}

std::optional<double> parseClockSeconds(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?$"));
    const QRegularExpressionMatch m = re.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const int h = m.captured(1).toInt(), min = m.captured(2).toInt();
    const int s = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
    if (h > 23 || min > 59 || s > 59)
        return std::nullopt;
    return h * 3600.0 + min * 60.0 + s;
}

// Degrees, minutes, seconds and hemisphere letters as a signed decimal, for
// the window's checks; plain numbers and what cannot be read go on as typed.
QString plainCoordinate(const QString &text, CoordinateAxis axis, const QLocale &locale)
{
    const std::optional<CoordinateValue> v = readCoordinate(text, axis, locale);
    return v && !v->plain ? QString::number(v->degrees, 'g', 17) : text;
}

// The window takes the longitude's magnitude in its box and the hemisphere
// from a pair of buttons; here the sign or an E/W suffix chooses the side.
void splitLongitude(const QString &text, InputTexts &in)
{
    QString t = text.trimmed();
    const QChar last = t.isEmpty() ? QChar() : t.back().toUpper();
    if (last == u'E' || last == u'W') {
        t.chop(1);
        t = t.trimmed();
        // "-72.855W" says the side twice; hand the sign on so that it is refused.
        in.longitude = t.startsWith(u'+') || t.startsWith(u'-') ? text : t;
        in.east = last == u'E';
    } else {
        in.east = !t.startsWith(u'-');
        in.longitude = t.startsWith(u'+') || t.startsWith(u'-') ? t.mid(1) : t;
    }
    in.west = !in.east;
}

// Each value of a repeatable option, read as a number in [low, high).
std::optional<Failure> readAngles(const QCommandLineParser &p, const char *name, double low, double high, int most,
                                  std::vector<double> &into)
{
    const QStringList values = p.values(QLatin1String(name));
    if (values.size() > most)
        return Failure{translate("cli", "%1 may be given at most %2 times").arg(opt(name)).arg(most)};
    for (const QString &v : values) {
        const std::optional<double> x = convertNumberText(v, QLocale::c());
        if (!x || *x < low || *x >= high)
            return Failure{translate("cli", "%1 \"%2\": give degrees from %3 to under %4")
                               .arg(opt(name), v, QString::number(low), QString::number(high))};
        into.push_back(*x);
    }
    return std::nullopt;
}

// --bearing, --altitude and --wall-reading.
std::optional<Failure> readSunAt(const QCommandLineParser &p, CliRequest &r)
{
    if (auto f = readAngles(p, "bearing", 0, 360, 8, r.inputs.bearings))
        return f;
    if (auto f = readAngles(p, "altitude", -1, 90, 8, r.inputs.altitudes))
        return f;
    const QStringList readings = p.values(QStringLiteral("wall-reading"));
    if (readings.size() > 20)
        return Failure{translate("cli", "--wall-reading may be given at most 20 times")};
    for (const QString &reading : readings) {
        const qsizetype at = reading.indexOf(u'@');
        const std::optional<double> clock = parseClockSeconds(reading.left(at));
        std::optional<double> angle;
        if (at >= 0)
            angle = convertNumberText(reading.mid(at + 1), QLocale::c());
        if (!clock || !angle)
            return Failure{translate("cli", "--wall-reading \"%1\": give the clock time and the angle in degrees, "
                                            "such as 10:15:00@-23.5")
                               .arg(reading)};
        if (!(*angle > -90 && *angle < 90))
            return Failure{translate("cli", "--wall-reading \"%1\": the angle must lie between -90 and 90 degrees; "
                                            "the sun then shines on the wall")
                               .arg(reading)};
        r.inputs.wallReadings.push_back(FieldInputs::WallReading{*clock, *angle});
    }
    return std::nullopt;
}

// --place: the site by name, or why it cannot be had.
std::optional<Failure> readPlace(const QCommandLineParser &p, CliRequest &r)
{
    if (!p.isSet(QStringLiteral("place")))
        return std::nullopt;
    PlaceChoice choice = choosePlace(p.value(QStringLiteral("place")));
    if (!choice.site)
        return Failure{choice.error, choice.status};
    r.place = std::move(choice.site);
    return std::nullopt;
}

// Options the window has no field for, each refused with a plain message.
std::optional<Failure> readOwnOptions(const QCommandLineParser &p, CliRequest &r, const QLocale &locale)
{
    if (const std::optional<Failure> f = readPlace(p, r))
        return f;
    for (const char *required : {"date", "latitude", "longitude"})
        if (!p.isSet(QLatin1String(required)) && (qstrcmp(required, "date") == 0 || !r.place))
            return Failure{translate("cli", "%1 is missing").arg(opt(required))};

    const bool offset = p.isSet(QStringLiteral("utc-offset")), zone = p.isSet(QStringLiteral("zone"));
    const bool stated = p.isSet(QStringLiteral("standard")) || p.isSet(QStringLiteral("daylight-saving"));
    if (offset == zone && (offset || !r.place))
        return Failure{translate("cli", "give either --utc-offset with --standard or --daylight-saving, or --zone")};
    if (zone && stated)
        return Failure{translate("cli", "--zone takes the daylight saving from the zone's rules: leave out --standard "
                                        "and --daylight-saving")};
    if (!offset && !zone && stated)
        return Failure{translate("cli", "--place takes the daylight saving from the place's time zone (%1): leave out "
                                        "--standard and --daylight-saving, or give --utc-offset with them")
                           .arg(r.place->place.zone)};

    if (offset) {
        const QString text = p.value(QStringLiteral("utc-offset"));
        const std::optional<int> minutes = parseOffsetMinutes(text);
        if (!minutes)
            return Failure{translate("cli", "--utc-offset must be hours with an optional sign and minutes, such as -5, "
                                            "+5:30 or +5:45, not \"%1\"")
                               .arg(text)};
        if (!zoneIndexForOffset(*minutes))
            return Failure{translate("cli", "no time zone has the offset %1").arg(utcOffsetText(*minutes))};
        r.inputs.clock.utcOffsetMinutes = *minutes;
    } else {
        // Exactly as if the place's zone were given with --zone.
        r.zoneName = zone ? p.value(QStringLiteral("zone")) : r.place->place.zone;
        if (!isKnownZoneName(r.zoneName)) {
            const QStringList nearest = nearestZoneNames(r.zoneName);
            return Failure{translate("cli", "unknown time zone \"%1\"").arg(r.zoneName) +
                           (nearest.isEmpty()
                                ? translate("cli", "; give a name such as America/New_York or Asia/Kolkata")
                                : translate("cli", ": did you mean %1?").arg(nearest.join(translate("cli", " or "))))};
        }
        r.inputs.clock.zone = QTimeZone(r.zoneName.toUtf8());
    }

    if (p.isSet(QStringLiteral("days"))) {
        bool ok = false;
        r.inputs.days = p.value(QStringLiteral("days")).toInt(&ok);
        if (!ok || r.inputs.days < 1 || r.inputs.days > 366)
            return Failure{translate("cli", "--days must be a whole number from 1 to 366")};
    }
    if (p.isSet(QStringLiteral("mark"))) {
        r.inputs.markClock = parseClockSeconds(p.value(QStringLiteral("mark")));
        if (!r.inputs.markClock)
            return Failure{translate("cli", "--mark must be a clock time HH:MM or HH:MM:SS, such as 08:55:10")};
    }
    if (const std::optional<Failure> f = readSunAt(p, r))
        return f;
    if (const std::optional<QString> message = readDialOptions(p, r.dial, locale))
        return Failure{*message};
    return std::nullopt;
}

// The zone's clock on the first day must be one of the list's; every day of
// the table must keep whole minutes (local mean time before a zone's rules
// began does not).
std::optional<Failure> zoneClockFailure(const QString &name, const QTimeZone &zone, const QDate &first, int days)
{
    for (int i = 0; i < days; ++i) {
        const QDate date = first.addDays(i);
        if (zone.offsetFromUtc(QDateTime(date, QTime(12, 0), zone)) % 60 != 0)
            return Failure{translate("cli", "%1: the zone's offset on %2 is not a whole number of minutes")
                               .arg(name, date.toString(Qt::ISODate))};
    }
    const SiteClock clock = zoneClockOn(zone, first);
    if (clock.zoneIndex < 0)
        return Failure{translate("cli", "%1: no time zone has its offset on %2 (%3)")
                           .arg(name, first.toString(Qt::ISODate), utcOffsetText(clock.utcOffsetMinutes))};
    return std::nullopt;
}

constexpr int kDescriptionColumn = 26;

// Words onto lines that end before column 80, continued under the first.
QString wrapped(const QString &description)
{
    QString text, line;
    for (const QString &word : description.split(u' ')) {
        if (!line.isEmpty() && kDescriptionColumn + line.size() + 1 + word.size() > 79) {
            text += line + u'\n' + QString(kDescriptionColumn, u' ');
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return text + line;
}

// The window's message, then the option, the value received and what it takes.
QString refusalText(const InputCheck &c, const QCommandLineParser &p, const QLocale &locale)
{
    const QString message = translate("text", c.message);
    const auto received = [&p](const char *name) {
        return QStringLiteral(" (%1 \"%2\"): ").arg(opt(name), p.value(QLatin1String(name)));
    };
    switch (c.focus) {
    case InputField::Date:
        return message + received("date") +
               translate("cli", "write m/d/yyyy (6/21/2027), yyyy-mm-dd (2027-06-21) or this computer's own form (%1)")
                   .arg(locale.toString(QDate(2027, 6, 21), QLocale::ShortFormat));
    case InputField::Latitude:
        return message + received("latitude") +
               translate("cli", "degrees from -90 to 90, north positive, with %1").arg(decimalForms(locale));
    case InputField::Longitude:
        return message + received("longitude") +
               translate("cli", "degrees from -180 to 180, east positive (-72.855) or with a letter (72.855W), not "
                                "both, with %1")
                   .arg(decimalForms(locale));
    default:
        break;
    }
    if (qstrcmp(c.message, kMsgClockMode) == 0)
        return message + translate("cli", " Add --standard or --daylight-saving to --utc-offset, or give --zone.");
    return message;
}

// " (with --facing and --tilt)", " (--facing optional)": the options the
// kind has no default for, those it needs first.
QString settingsWanted(const dial::DialKind &kind)
{
    QStringList needed, optional;
    for (const SettingRow &row : settingRows())
        if (row.needs && kind.takes(row.setting))
            (kind.mayOmit(row.setting) ? optional : needed) << QStringLiteral("--") + QLatin1String(row.option);
    if (!needed.isEmpty())
        return translate("cli", " (with %1)").arg(needed.join(translate("cli", " and ")));
    if (!optional.isEmpty())
        return translate("cli", " (%1 optional)").arg(optional.join(translate("cli", " and ")));
    return {};
}

// The parser's own message in the language in use: Qt's words are
// translated only with an application object, which the shell has none of.
QString parseErrorText(const QCommandLineParser &p)
{
    const QString error = p.errorText();
    const QStringList unknown = p.unknownOptionNames();
    if (unknown.size() == 1 && error == QStringLiteral("Unknown option '%1'.").arg(unknown.constFirst()))
        return translate("cli", "Unknown option '%1'.").arg(unknown.constFirst());
    if (unknown.size() > 1 && error == QStringLiteral("Unknown options: %1.").arg(unknown.join(QStringLiteral(", "))))
        return translate("cli", "Unknown options: %1.").arg(unknown.join(QStringLiteral(", ")));
    static const QRegularExpression value(QStringLiteral("^(Missing|Unexpected) value after '(.*)'\\.$"));
    if (const QRegularExpressionMatch m = value.match(error); m.hasMatch())
        return (m.captured(1) == QLatin1String("Missing") ? translate("cli", "Missing value after '%1'.")
                                                          : translate("cli", "Unexpected value after '%1'."))
            .arg(m.captured(2));
    return error;
}

// --dial's kinds from the table of kinds, each with what it takes.
QString description(const OptionSpec &o)
{
    const QString text = translate("cli", o.description);
    if (qstrcmp(o.name, "dial") != 0)
        return text;
    QStringList kinds;
    for (const dial::DialKind &k : dial::dialKinds())
        kinds << QLatin1String(k.commandName) +
                     (k.otherName ? translate("cli", " or ") + QLatin1String(k.otherName) : QString()) +
                     settingsWanted(k);
    return text.arg(kinds.join(QStringLiteral(", ")));
}

} // namespace

CliParse parseCommandLine(const QStringList &args, const QLocale &locale)
{
    QCommandLineParser p;
    for (const OptionSpec &o : kOptions) {
        QStringList names{QLatin1String(o.name)};
        if (names[0] == QLatin1String("help"))
            names = QStringList{QStringLiteral("h"), QStringLiteral("?")} + names;
        p.addOption(QCommandLineOption(names, description(o), QLatin1String(o.valueName)));
    }
    // A negative value after an option ("--longitude -72.855") is that option's value.
    if (!p.parse(QStringList{QStringLiteral("orvane")} + args))
        return CliParse{std::nullopt, parseErrorText(p) + translate("cli", " orvane --help lists the options.")};
    if (!p.positionalArguments().isEmpty())
        return CliParse{std::nullopt,
                        translate("cli", "unexpected argument \"%1\"").arg(p.positionalArguments().constFirst())};

    CliRequest r;
    if (p.isSet(QStringLiteral("help"))) {
        r.action = CliRequest::Action::Help;
        return CliParse{r, {}};
    }
    if (p.isSet(QStringLiteral("version"))) {
        r.action = CliRequest::Action::Version;
        return CliParse{r, {}};
    }
    for (const OptionSpec &o : kOptions)
        if (p.values(QLatin1String(o.name)).size() > 1 && !repeatable(o.name))
            return CliParse{std::nullopt, translate("cli", "%1 is given more than once").arg(opt(o.name))};
    // Every answer's form, the dial's found from its lines too.
    if (p.isSet(QStringLiteral("format"))) {
        const QString f = p.value(QStringLiteral("format"));
        if (f == QLatin1String("json"))
            r.format = OutputFormat::Json;
        else if (f == QLatin1String("csv"))
            r.format = OutputFormat::Csv;
        else if (f != QLatin1String("text"))
            return CliParse{std::nullopt, translate("cli", "--format must be text, json or csv")};
    }
    if (asksToFindDial(p)) {
        if (const std::optional<QString> message = readFindDial(p, r))
            return CliParse{std::nullopt, *message};
        return CliParse{r, {}};
    }
    if (const std::optional<Failure> f = readOwnOptions(p, r, locale))
        return CliParse{std::nullopt, f->message, f->status};

    // The window reads a pair pasted into its latitude box; here each
    // coordinate has its own option.
    if (readCoordinatePair(p.value(QStringLiteral("latitude")), locale))
        return CliParse{std::nullopt, translate("cli", "--latitude \"%1\" holds a latitude and a longitude: give the "
                                                       "longitude with --longitude")
                                          .arg(p.value(QStringLiteral("latitude")))};
    // A coordinate given with --place wins over the place's.
    const auto coordinate = [&p](const char *name, double placed) {
        return p.isSet(QLatin1String(name)) ? p.value(QLatin1String(name)) : QString::number(placed, 'g', 10);
    };
    InputTexts in;
    in.date = p.value(QStringLiteral("date"));
    in.latitude = plainCoordinate(coordinate("latitude", r.place ? r.place->place.latitude : 0),
                                  CoordinateAxis::Latitude, locale);
    splitLongitude(plainCoordinate(coordinate("longitude", r.place ? r.place->place.longitude : 0),
                                   CoordinateAxis::Longitude, locale),
                   in);
    in.standardTime = p.isSet(QStringLiteral("standard"));
    in.daylightSaving = p.isSet(QStringLiteral("daylight-saving"));
    in.zoneIndex = zoneIndexForOffset(r.inputs.clock.utcOffsetMinutes).value_or(-1);
    in.zone = r.inputs.clock.zone;

    // A longitude far from the zone's meridian is the window's question, not
    // a refusal: the field data carries it as a warning.
    const InputCheck c = checkInputs(in, locale);
    // A zone's own refusals come after the date's and before the others.
    if (in.zone && c.values.date)
        if (const std::optional<Failure> f = zoneClockFailure(r.zoneName, *in.zone, *c.values.date, r.inputs.days))
            return CliParse{std::nullopt, f->message};
    if (c.verdict == CheckVerdict::Refused)
        return CliParse{std::nullopt, refusalText(c, p, locale)};
    static_cast<AcceptedSite &>(r.inputs) = *c.site;
    if (r.dial)
        if (const QString problem = dialLatitudeProblem(*r.dial, r.inputs.latitude); !problem.isEmpty())
            return CliParse{std::nullopt, translate("cli", "--dial %1 at latitude %2: %3")
                                              .arg(p.value(QStringLiteral("dial")))
                                              .arg(r.inputs.latitude)
                                              .arg(problem)};
    if (p.isSet(QStringLiteral("magnetic")))
        if (r.compass = compassReading(r.inputs.latitude, r.inputs.longitude, r.inputs.date); !r.compass)
            return CliParse{std::nullopt,
                            translate("cli", "--magnetic: the date %1 lies outside the years of the World "
                                             "Magnetic Model %2 (%3)")
                                .arg(r.inputs.date.toString(Qt::ISODate), magneticModelName(), magneticModelYears())};
    // An offset names no region: its clock holds on every day; --zone gives a
    // zone's own rules.
    if (r.inputs.clock.entryRegion) {
        r.inputs.clock.zone.reset();
        r.inputs.clock.entryRegion = false;
    }
    return CliParse{r, {}};
}

QString usageText()
{
    // The option lines stay as typed; only their words between are translated.
    QString text =
        translate("cli", "Usage: orvane [--date DATE --latitude DEG --longitude DEG\n"
                         "               (--utc-offset H[:MM] (--standard | --daylight-saving) | --zone NAME)\n"
                         "               or --date DATE --place NAME, the coordinates and clock optional)\n"
                         "               [--days N] [--mark HH:MM[:SS]] [--bearing DEG]... [--altitude DEG]...\n"
                         "               [--wall-reading HH:MM[:SS]@DEG]... [--format text|json|csv]]\n"
                         "       orvane --dial KIND [--facing DEG] [--tilt DEG] [--nodus-height MM]\n"
                         "               [--plate WxH] [--half-width M] [--hour-step 60|30|15]\n"
                         "               [--aperture-height M] [--aperture-diameter MM] [--mark-time HH:MM]\n"
                         "               [--x-wire MM] [--y-wire MM]\n"
                         "               [--dial-time sun|zone|clock] [--date-lines none|solstices|months]\n"
                         "               [--hours equal,italian,babylonian,unequal]\n"
                         "               [--date-line YYYY-MM-DD[=LABEL]]...\n"
                         "               [--card] [--svg FILE] [--dxf FILE] [--scale 1:N]\n"
                         "               [--card-svg FILE] [--pdf FILE], with the date, site and clock\n"
                         "       orvane --find-dial horizontal|vertical --line-angle HOUR=DEG...\n"
                         "               [--format text|json|csv]\n") +
        u'\n' +
        // Lines end before column 80.
        translate("cli", "Without options Orvane opens its window. With them it prints, for the date and\n"
                         "the site, the clock times at which the sun stands exactly east, on the meridian\n"
                         "and exactly west, the true sun's instants beside them, where the shadow points\n"
                         "and how fast it turns, and the same times for the coming days. With --dial it\n"
                         "lays out a sundial for the site instead; with --find-dial it finds an old\n"
                         "dial's latitude, and its wall's facing, from the angles of its hour lines.\n") +
        u'\n' + translate("cli", "Options:") + u'\n';
    for (const OptionSpec &o : kOptions) {
        QString left =
            QStringLiteral("  ") + (qstrcmp(o.name, "help") == 0 ? QStringLiteral("-h, ") : QString()) + opt(o.name);
        if (*o.valueName)
            left += u' ' + QLatin1String(o.valueName);
        // An option too long for its column stands on a line of its own.
        if (left.size() + 2 > kDescriptionColumn)
            left += u'\n' + QString(kDescriptionColumn, u' ');
        text += left.leftJustified(kDescriptionColumn) + wrapped(description(o)) + u'\n';
    }
    text += u'\n' + translate("cli", "Examples:") +
            QStringLiteral("\n"
                           "  orvane --date 6/21/2027 --latitude 40.655 --longitude 72.855W --utc-offset -5 \\\n"
                           "         --daylight-saving --format json\n"
                           "  orvane --date 2027-03-20 --latitude 28.61 --longitude 77.21E --zone Asia/Kolkata\n"
                           "  orvane --date 2027-06-21 --place \"Paris, Texas\"\n"
                           "  orvane --date 6/21/2027 --latitude 40.655 --longitude 72.855W \\\n"
                           "         --zone America/New_York --dial vertical --facing 200 --svg dial.svg\n");
    return text;
}

} // namespace orvane
