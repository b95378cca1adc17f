#include "dial_design.h"
#include "dial_choices.h"
#include "dial_dates.h"
#include "ground_staking.h"
#include "report_words.h"

#include "text/report_text.h"
#include "text/summer_time.h"
#include "text/time_zones.h"
#include "text/translation.h"
#include "text/wording.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

// What the kind's report needs beyond the faces.
dial::ReportInput reportInput(const DialDesign &d, const QLocale &locale)
{
    dial::ReportInput in;
    in.faces = &d.faces;
    in.kind = d.kind;
    in.day = d.site.date.toString(Qt::ISODate).toStdString();
    in.meridianClock = [site = d.site] { return methodCrossings(site).meridian.clock; };
    in.clockWords = siteClockWords(d.site).toStdString();
    in.card = d.card.has_value();
    in.dialTime = choiceOf(kDialTimes, d.faces.front().input.time).option;
    in.title = d.title.toStdString();
    in.kindTitle =
        dialKindTitle(*d.kind, d.faces.front().input.facing, d.faces.front().input.tilt, locale).toStdString();
    return in;
}

// The card writes a zero offset as plain "UTC".
QString clockOffsetName(int minutes) { return minutes == 0 ? QStringLiteral("UTC") : utcOffsetName(minutes); }

QString zoneText(const AcceptedSite &site, const DesignChoices &choices)
{
    if (site.clock.zoneIndex >= 0)
        return timeZoneName(site.clock.zoneIndex);
    if (!choices.zoneName.isEmpty())
        return choices.zoneName;
    return utcOffsetName(site.clock.utcOffsetMinutes);
}

DesignCard designCard(const AcceptedSite &site, const DialSettings &settings, int year, const DesignChoices &choices)
{
    DesignCard card;
    card.year = year;
    CardInputs in;
    in.latitude = site.latitude;
    in.longitude = site.longitude;
    in.year = year;
    in.zoneTimeDial = settings.time == dial::DialTime::Zone;
    in.clock = site.clock;
    card.days = correctionCard(in);
    card.clockNote = translate("field", "Clock: %1").arg(cardClockText(site.clock, year, clockOffsetName));
    if (!site.clock.zone)
        card.clockNote += choices.withoutZoneRules;
    return card;
}

// Whether the site's clock runs on summer time on some day of the year: by
// its zone's rules, or without a zone as chosen for the date.
bool hasSummerTime(const SiteClock &clock, int year)
{
    if (!clock.zone)
        return clock.daylightSaving;
    for (int month = 1; month <= 12; ++month)
        if (clock.zone->isDaylightTime(QDateTime(QDate(year, month, 15), QTime(12, 0), *clock.zone)))
            return true;
    return false;
}

QString timeNote(const dial::DialInput &in, const AcceptedSite &site, const QLocale &locale)
{
    if (in.time == dial::DialTime::Sun)
        return translate("field", "sun time");
    if (in.time == dial::DialTime::Clock) {
        const int year = in.clockSun.year;
        return (hasSummerTime(site.clock, year)
                    ? translate("field", "the zone's standard clock (%1), add an hour in summer time")
                    : translate("field", "the zone's standard clock (%1)"))
            .arg(cardClockText(site.clock, year, clockOffsetName));
    }
    return (site.clock.daylightSaving
                ? translate("field", "zone time, meridian %1° %2, add an hour in daylight saving time")
                : translate("field", "zone time, meridian %1° %2"))
        .arg(reportNumberText(std::fabs(in.zoneMeridian), locale),
             compassLetter(in.zoneMeridian < 0 ? Compass::West : Compass::East));
}

} // namespace

QString siteText(double latitude, double longitude, const QLocale &locale)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(reportNumberText(std::fabs(latitude), locale), compassLetter(latitudeSide(latitude)),
             reportNumberText(std::fabs(longitude), locale),
             compassLetter(longitude < 0 ? Compass::West : Compass::East));
}

namespace {

// The kind's name with its angles; `line` for the dial line's short name,
// which sets the facing off with a comma.
QString kindWithAngles(const QString &name, bool line, const dial::DialKind &kind, double facing, double tilt,
                       const QLocale &locale)
{
    // A face that may be left level says so rather than give its angles.
    if (kind.mayOmit(DialSetting::Tilt) && tilt == 0)
        return translate("field", "%1 on a level floor").arg(name);
    const bool faces = kind.takes(DialSetting::Facing) && !std::isnan(facing);
    const bool tilts = kind.takes(DialSetting::Tilt);
    const QString f = reportNumberText(facing, locale), t = reportNumberText(tilt, locale);
    if (faces && tilts)
        return (line ? translate("field", "%1, facing %2°, tilt %3°") : translate("field", "%1 facing %2°, tilt %3°"))
            .arg(name, f, t);
    if (faces)
        return (line ? translate("field", "%1, facing %2°") : translate("field", "%1 facing %2°")).arg(name, f);
    if (tilts)
        return translate("field", "%1, tilt %2°").arg(name, t);
    return name;
}

// The kind as the dial line names it: "vertical", "noon mark".
QString kindShortName(const dial::DialKind &kind)
{
    static const struct {
        const char *title;
        const char *shortName;
    } names[] = {
        {"Horizontal dial", QT_TRANSLATE_NOOP("field", "horizontal")},
        {"Vertical dial", QT_TRANSLATE_NOOP("field", "vertical")},
        {"Plane dial", QT_TRANSLATE_NOOP("field", "plane")},
        {"Polar dial", QT_TRANSLATE_NOOP("field", "polar")},
        {"Equatorial dial", QT_TRANSLATE_NOOP("field", "equatorial")},
        {"Analemmatic dial", QT_TRANSLATE_NOOP("field", "analemmatic")},
        {"Noon mark", QT_TRANSLATE_NOOP("field", "noon mark")},
        {"Bifilar dial", QT_TRANSLATE_NOOP("field", "bifilar")},
    };
    for (const auto &n : names)
        if (qstrcmp(kind.title, n.title) == 0)
            return translate("field", n.shortName);
    QString name = QString::fromUtf8(kind.title);
    name.replace(QStringLiteral(" dial"), QString());
    return name.left(1).toLower() + name.mid(1);
}

} // namespace

QString dialKindTitle(const dial::DialKind &kind, double facing, double tilt, const QLocale &locale)
{
    return kindWithAngles(translate("dial", kind.title), false, kind, facing, tilt, locale);
}

DialDesign designDial(const AcceptedSite &site, const DialSettings &settings, const DesignChoices &choices,
                      const QLocale &locale)
{
    DialDesign d;
    d.site = site;
    d.settings = settings;
    d.kind = &dial::dialKind(settings.type);
    const int year = site.date.isValid() ? site.date.year() : 2000;
    std::vector<dial::DateLine> specs = dateLineSpecs(year, site.latitude, site.longitude, settings.dateLines, locale);
    std::vector<dial::DialFace> faces = dialFaces(site, settings);
    if (!settings.specialDates.empty() && !faces.empty() && faces.front().input.sunYear)
        for (dial::DateLine &line :
             specialDateSpecs(year, *faces.front().input.sunYear(), settings.specialDates, locale))
            specs.push_back(std::move(line));
    // The old hours between the same solstices as the date lines.
    const double obliquity = dial::meanObliquity(year + 0.5);
    for (dial::DialFace &face : faces) {
        face.layout = d.kind->layout(face.input);
        face.hourLines = dial::hourLineRows(face.input, face.layout);
        for (dial::DateLine line : specs) {
            line.pieces = d.kind->dateLine(face.input, line.declinationDeg);
            face.dateLines.push_back(std::move(line));
        }
        if (!d.kind->oldHoursRefusal) {
            face.equalHours = settings.equalHours;
            for (dial::HourSystem system : settings.hourSystems)
                face.oldHours.push_back(dial::oldHourLines(face.input, system, obliquity));
        }
        d.faces.push_back(std::move(face));
    }
    if (settings.time == dial::DialTime::Clock)
        d.noCard = translate("field", "This dial reads the clock: no correction card is needed.");
    else if (choices.card)
        d.card = designCard(site, settings, year, choices);

    const QString kindTitle = dialKindTitle(*d.kind, d.faces.front().input.facing, d.faces.front().input.tilt, locale);
    d.title = kindTitle + QStringLiteral(", ") + siteText(site.latitude, site.longitude, locale);
    // The kind's report says what lies under the title and what to note.
    d.report = d.kind->report(reportInput(d, locale));
    d.notes << valueText(d.report.headline, locale);
    d.timeNote = timeNote(d.faces.front().input, site, locale);
    d.notes << d.timeNote;
    for (const dial::Value &note : d.report.notes)
        d.faceNotes << valueText(note, locale);
    d.leanNote = valueText(d.report.leanNote, locale);
    d.gnomonNote = valueText(d.report.gnomonNote, locale);
    d.siteLine = translate("field", "Site: %1, %2")
                     .arg(siteText(site.latitude, site.longitude, locale), zoneText(site, choices));
    const QString kind = kindWithAngles(kindShortName(*d.kind), true, *d.kind, d.faces.front().input.facing,
                                        d.faces.front().input.tilt, locale);
    const QString size = valueText(d.report.size, locale);
    d.dialLine = translate("field", "Dial: %1, %2, %3").arg(kind, size, d.notes.last());
    d.notes << d.faceNotes;

    dial::DrawingInput in;
    in.faces = d.faces;
    dial::CardDrawing card;
    if (d.card) {
        QLocale months = locale;
        months.setNumberOptions(QLocale::OmitGroupSeparator);
        card = cardDrawing(d.card->days, year, CardRows::HalfMonthly, months);
        card.clock = d.card->clockNote.toStdString();
        in.card = &card;
    }
    in.number = [plain = plainLocale(locale)](double value, int decimals) {
        return plain.toString(value, 'f', decimals).toStdString();
    };
    in.month = [locale](int month) { return locale.monthName(month, QLocale::ShortFormat).toStdString(); };
    d.drawing = d.kind->draw(in);
    // The drawing's words in the language in use, the same for every writer.
    for (dial::Group &g : d.drawing.groups)
        for (dial::Label &l : g.labels)
            l.text = translate("dial", l.text).toStdString();
    return d;
}

std::vector<CardDay> weeklyRows(const DesignCard &card)
{
    std::vector<CardDay> rows;
    const QDate first(card.year, 1, 1);
    for (const CardDay &day : card.days)
        if (first.daysTo(day.date) % 7 == 0)
            rows.push_back(day);
    return rows;
}

dial::Drawing drawingParts(const dial::Drawing &drawing, std::initializer_list<dial::Part> parts)
{
    dial::Drawing out;
    for (const dial::Group &g : drawing.groups)
        if (std::find(parts.begin(), parts.end(), g.part) != parts.end())
            out.groups.push_back(g);
    return out;
}

} // namespace orvane
