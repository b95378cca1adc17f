#include "dial_design.h"
#include "dial_choices.h"
#include "dial_dates.h"
#include "ground_staking.h"

#include "dial/lean.h"
#include "text/report_text.h"
#include "text/summer_time.h"
#include "text/time_zones.h"
#include "text/wording.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

// What the kind's report needs beyond the faces.
dial::ReportInput reportInput(const DialDesign &d)
{
    dial::ReportInput in;
    in.faces = &d.faces;
    in.kind = d.kind;
    for (const QString &note : d.faceNotes)
        in.faceNotes.push_back(note.toStdString());
    in.leanNote = d.leanNote.toStdString();
    for (const DialDesign::Lean &l : d.lean)
        in.lean.push_back({l.hour, l.june, l.december});
    in.day = d.site.date.toString(Qt::ISODate).toStdString();
    in.meridianClock = [site = d.site] { return methodCrossings(site).meridian.clock; };
    in.clockWords = siteClockWords(d.site).toStdString();
    in.card = d.card.has_value();
    in.dialTime = choiceOf(kDialTimes, d.faces.front().input.time).option;
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
    card.clockNote = QStringLiteral("Clock: ") + cardClockText(site.clock, year, clockOffsetName);
    if (!site.clock.zone)
        card.clockNote += choices.withoutZoneRules;
    return card;
}

QString timeNote(const dial::DialInput &in, const AcceptedSite &site, const QLocale &locale)
{
    if (in.time == dial::DialTime::Sun)
        return QStringLiteral("sun time");
    return QStringLiteral("zone time, meridian %1°%2")
               .arg(reportNumberText(std::fabs(in.zoneMeridian), locale),
                    u' ' + compassLetter(in.zoneMeridian < 0 ? Compass::West : Compass::East)) +
           (site.clock.daylightSaving ? QStringLiteral(", add an hour in daylight saving time") : QString());
}

// "16, 17 and 18": the hours as the dial labels them.
QString hoursText(const std::vector<double> &hours)
{
    QStringList names;
    for (double h : hours)
        names << QString::fromStdString(dial::hourLabel(h));
    if (names.size() < 2)
        return names.join(QString());
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

QString gnomonNote(const std::vector<dial::DialFace> &faces, const QLocale &locale)
{
    const dial::DialLayout &l = faces.front().layout;
    const QString height = reportNumberText(faces.front().input.nodusHeight, locale);
    if (l.gnomon && !l.substyle)
        return faces.size() > 1 ? QStringLiteral("A rod through the plate at the foot, square to it, standing %1 mm "
                                                 "out of each face; its ends are the nodus")
                                      .arg(height)
                                : QStringLiteral("A rod at the foot, square to the plate, standing %1 mm out of it; "
                                                 "its end is the nodus")
                                      .arg(height);
    if (l.gnomon)
        return QStringLiteral("Cut the shape; stand its lower edge on the substyle, the upright edge on the foot");
    return QStringLiteral("Cut the rectangle; stand it on the substyle, its top edge is the style, the nodus over the "
                          "foot where marked");
}

} // namespace

QString siteText(double latitude, double longitude, const QLocale &locale)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(reportNumberText(std::fabs(latitude), locale), compassLetter(latitudeSide(latitude)),
             reportNumberText(std::fabs(longitude), locale),
             compassLetter(longitude < 0 ? Compass::West : Compass::East));
}

QString dialKindTitle(const dial::DialKind &kind, double facing, double tilt, const QLocale &locale)
{
    QString title = QString::fromUtf8(kind.title);
    if (kind.takes(DialSetting::Facing) && !std::isnan(facing))
        title += QStringLiteral(" facing %1°").arg(reportNumberText(facing, locale));
    if (kind.takes(DialSetting::Tilt))
        title += QStringLiteral(", tilt %1°").arg(reportNumberText(tilt, locale));
    return title;
}

DialDesign designDial(const AcceptedSite &site, const DialSettings &settings, const DesignChoices &choices,
                      const QLocale &locale)
{
    DialDesign d;
    d.site = site;
    d.settings = settings;
    d.kind = &dial::dialKind(settings.type);
    const int year = site.date.isValid() ? site.date.year() : 2000;
    const std::vector<dial::DateLine> specs =
        dateLineSpecs(year, site.latitude, site.longitude, settings.dateLines, locale);
    for (dial::DialFace &face : dialFaces(site, settings)) {
        face.layout = d.kind->layout(face.input);
        face.hourLines = dial::hourLineRows(face.input, face.layout);
        for (dial::DateLine line : specs) {
            line.pieces = d.kind->dateLine(face.input, line.declinationDeg);
            face.dateLines.push_back(std::move(line));
        }
        d.faces.push_back(std::move(face));
    }
    if (choices.card)
        d.card = designCard(site, settings, year, choices);

    const QString kindTitle = dialKindTitle(*d.kind, d.faces.front().input.facing, d.faces.front().input.tilt, locale);
    d.title = kindTitle + QStringLiteral(", ") + siteText(site.latitude, site.longitude, locale);
    if (const std::optional<dial::GroundLayout> &g = d.faces.front().layout.ground) {
        d.notes << QStringLiteral("Ellipse ") + ellipseSize(*g, locale);
        d.meridianClock = methodCrossings(site).meridian.clock;
    } else {
        d.notes << QStringLiteral("Style height %1°").arg(locale.toString(d.faces.front().layout.styleHeight, 'f', 2));
    }
    d.notes << timeNote(d.faces.front().input, site, locale);
    for (const dial::DialFace &face : d.faces) {
        const QString which =
            QStringLiteral("the %1face").arg(face.name.empty() ? QString() : QString::fromStdString(face.name) + u' ');
        if (!face.lit.empty())
            d.faceNotes << firstUpper(which) + QStringLiteral(" is ") + QString::fromStdString(face.lit);
        const QString offPlate = hoursText(face.layout.offPlate);
        if (face.layout.ground)
            continue;
        if (!face.layout.hourLines.empty()) {
            if (!offPlate.isEmpty())
                d.faceNotes << QStringLiteral("The plate leaves out the lines of %1 h, when the sun also lights %2")
                                   .arg(offPlate, which);
        } else if (!offPlate.isEmpty()) {
            d.faceNotes << QStringLiteral("No hour line falls on %1's plate: the sun lights it only at %2 h, whose "
                                          "lines fall off it")
                               .arg(which, offPlate);
        } else {
            d.faceNotes << (dial::faceEverLit(face.input)
                                ? QStringLiteral("No hour line falls on %1: the sun lights it only between two hours' "
                                                 "lines")
                                      .arg(which)
                                : QStringLiteral("No hour line falls on %1: the sun never lights it above the "
                                                 "horizon here")
                                      .arg(which));
        }
    }
    if (d.faces.size() == 1 && !d.faces.front().layout.ground && dial::leanMatters(d.faces.front().input)) {
        const auto minutes = [&locale](const std::optional<double> &m) {
            return m ? signedNumberText(*m, 1, locale, NegativeZero::Dropped) : QStringLiteral("unlit");
        };
        QStringList at;
        for (int hour : {9, 12, 15}) {
            const double solstice = dial::kMaxDeclination;
            d.lean.push_back({hour, dial::leanMinutesPerDegree(d.faces.front().input, hour, solstice),
                              dial::leanMinutesPerDegree(d.faces.front().input, hour, -solstice)});
            at << QStringLiteral("%1 h %2 / %3")
                      .arg(hour)
                      .arg(minutes(d.lean.back().june), minutes(d.lean.back().december));
        }
        d.leanNote = QStringLiteral("Each degree the face leans beyond its tilt of %1° (its top towards where it "
                                    "looks) moves the readings by, in minutes at the June / December solstice: %2 "
                                    "(+ reads later; less towards the equinoxes)")
                         .arg(locale.toString(d.faces.front().input.tilt, 'f', 0), at.join(QStringLiteral(", ")));
    }
    d.gnomonNote = gnomonNote(d.faces, locale);
    d.siteLine =
        QStringLiteral("Site: %1, %2").arg(siteText(site.latitude, site.longitude, locale), zoneText(site, choices));
    QString kind = kindTitle;
    kind.replace(QStringLiteral(" dial"), QString());
    kind.replace(QStringLiteral(" facing"), QStringLiteral(", facing"));
    const QString size =
        d.kind->takes(DialSetting::NodusHeight)
            ? QStringLiteral("nodus %1 mm above the plate").arg(reportNumberText(settings.nodusHeight, locale))
            : QStringLiteral("half-width %1 m").arg(reportNumberText(settings.halfWidth, locale));
    d.dialLine = QStringLiteral("Dial: %1, %2, %3").arg(kind.left(1).toLower() + kind.mid(1), size, d.notes.last());
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
    d.drawing = d.kind->draw(in);
    d.report = d.kind->report(reportInput(d));
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
