#include "find_dial_output.h"

#include "json_writer.h"
#include "text_table.h"

#include "sky/wall_facing.h"
#include "text/translation.h"
#include "text/wording.h"

#include <cmath>

namespace orvane {

namespace {

constexpr int kDecimals = 3;

QString latitudeText(double latitude)
{
    return fixed(std::fabs(latitude), kDecimals) + u' ' + compassLetter(latitudeSide(latitude));
}

// "20.000 west of south", or "0.000 (faces south)", as the wall readings say it.
QString declinationText(double facing, double latitude)
{
    // The side as the printed facing reads: 180.000 is south, not a hair west.
    const double scale = std::pow(10.0, kDecimals);
    const sky::WallDeclination d = sky::wallDeclination(std::round(facing * scale) / scale, latitude);
    const QString equator = compassWords(equatorSide(latitude));
    if (d.side == sky::DeclinationSide::None)
        return translate("cli", "%1 (faces %2)").arg(fixed(d.declinationDeg, kDecimals), equator);
    return translate("cli", "%1 %2 of %3")
        .arg(fixed(d.declinationDeg, kDecimals),
             compassWords(d.side == sky::DeclinationSide::East ? Compass::East : Compass::West), equator);
}

QString hourText(double hour) { return QString::number(hour, 'g', 10); }

// The kind's title inside a sentence: "No horizontal dial fits"; German
// keeps its nouns' capitals.
QString titleInSentence(const char *title)
{
    QString text = translate("dial", title);
    if (!text.isEmpty() && languageInUse() != QLatin1String("de"))
        text[0] = text[0].toLower();
    return text;
}

// The last sentence of the note, for the side the kind's angles grow towards.
QString checkSidesText(const char *positiveSide)
{
    const QLatin1String side(positiveSide);
    if (side == QLatin1String("east"))
        return translate("cli", ". Check that the hours are sun time and that angles towards the east are positive.");
    if (side == QLatin1String("right"))
        return translate("cli", ". Check that the hours are sun time and that angles towards the right are positive.");
    return QStringLiteral(". Check that the hours are sun time and that angles towards the %1 are positive.").arg(side);
}

// Why nothing is listed, and what to check.
QString noFitNote(const FindDialOptions &find, const dial::DialSearch &search)
{
    QString note = translate("cli", "No %1 fits these lines within %2 degrees rms")
                       .arg(titleInSentence(find.kind->title))
                       .arg(dial::kFoundDialMisfit);
    if (search.closest) {
        const dial::FoundDial &c = *search.closest;
        note += c.facing ? translate("cli", "; the closest, at latitude %1 facing %2, misses them by %3 degrees rms")
                               .arg(latitudeText(c.latitude), fixed(*c.facing, kDecimals), fixed(c.rmsDeg, kDecimals))
                         : translate("cli", "; the closest, at latitude %1, misses them by %2 degrees rms")
                               .arg(latitudeText(c.latitude), fixed(c.rmsDeg, kDecimals));
    }
    return note + checkSidesText(find.kind->positiveSide);
}

QString answerJson(const FindDialOptions &find, const dial::DialSearch &search)
{
    JsonWriter w;
    w.beginObject();
    w.value("type", QLatin1String(find.kind->commandName));
    w.beginArray("found");
    for (const dial::FoundDial &d : search.found) {
        w.beginObject();
        w.value("latitude_deg", d.latitude, kDecimals);
        if (d.facing)
            w.value("facing_deg", *d.facing, kDecimals);
        else
            w.null("facing_deg");
        w.value("rms_deg", d.rmsDeg, kDecimals);
        w.beginArray("lines");
        for (std::size_t i = 0; i < find.lines.size(); ++i) {
            w.beginObject(nullptr, true);
            w.value("hour", find.lines[i].hour, 4);
            w.value("measured_deg", find.lines[i].angleDeg, kDecimals);
            w.value("fitted_deg", d.fittedDeg[i], kDecimals);
            w.endObject();
        }
        w.endArray();
        w.endObject();
    }
    w.endArray();
    w.beginArray("notes");
    if (search.found.empty())
        w.value(nullptr, noFitNote(find, search));
    w.endArray();
    w.endObject();
    return w.text();
}

QString answerText(const FindDialOptions &find, const dial::DialSearch &search)
{
    const int count = int(search.found.size());
    QString text = translate("cli", "%1 from %2 hour lines: %3 within %4 degrees rms\n")
                       .arg(translate("dial", find.kind->title))
                       .arg(find.lines.size())
                       .arg(count == 0   ? translate("cli", "none fits")
                            : count == 1 ? translate("cli", "1 fits")
                                         : translate("cli", "%1 fit").arg(count))
                       .arg(dial::kFoundDialMisfit);
    int n = 0;
    for (const dial::FoundDial &d : search.found) {
        Rows figures{{translate("cli", "latitude"), latitudeText(d.latitude)}};
        if (d.facing)
            figures << QStringList{translate("cli", "facing"), fixed(*d.facing, kDecimals)}
                    << QStringList{translate("cli", "declination"), declinationText(*d.facing, d.latitude)};
        figures << QStringList{translate("cli", "rms"), fixed(d.rmsDeg, kDecimals)};
        Rows lines{{translate("cli", "hour"), translate("cli", "measured"), translate("cli", "fitted"),
                    translate("cli", "residual")}};
        for (std::size_t i = 0; i < find.lines.size(); ++i)
            lines << QStringList{hourText(find.lines[i].hour), signedFixed(find.lines[i].angleDeg, kDecimals),
                                 signedFixed(d.fittedDeg[i], kDecimals),
                                 signedFixed(d.fittedDeg[i] - find.lines[i].angleDeg, kDecimals)};
        text += u'\n' + translate("cli", "Dial %1").arg(++n) + u'\n' + labelled(figures) + columns(lines);
    }
    if (search.found.empty())
        text += u'\n' + noFitNote(find, search) + u'\n';
    return text;
}

QString answerCsv(const FindDialOptions &find, const dial::DialSearch &search)
{
    QString text = QStringLiteral("solution,latitude_deg,facing_deg,rms_deg,hour,measured_deg,fitted_deg\n");
    int n = 0;
    for (const dial::FoundDial &d : search.found) {
        ++n;
        for (std::size_t i = 0; i < find.lines.size(); ++i)
            text += QStringList{QString::number(n),
                                fixed(d.latitude, kDecimals),
                                d.facing ? fixed(*d.facing, kDecimals) : QString(),
                                fixed(d.rmsDeg, kDecimals),
                                hourText(find.lines[i].hour),
                                fixed(find.lines[i].angleDeg, kDecimals),
                                fixed(d.fittedDeg[i], kDecimals)}
                        .join(u',') +
                    u'\n';
    }
    return text;
}

} // namespace

QString findDialAnswer(const FindDialOptions &find, OutputFormat format)
{
    const dial::DialSearch search = dial::findDial(*find.kind, find.lines);
    switch (format) {
    case OutputFormat::Text:
        return answerText(find, search);
    case OutputFormat::Json:
        return answerJson(find, search);
    case OutputFormat::Csv:
        return answerCsv(find, search);
    }
    return {};
}

} // namespace orvane
