#include "dial_output.h"

#include "field/dial_choices.h"
#include "field/report_words.h"

#include "check_output.h"
#include "dial/card_drawing.h"
#include "json_writer.h"
#include "site_json.h"
#include "text_table.h"

#include "text/translation.h"
#include "text/wording.h"

namespace orvane {

namespace {

// A report's value under `key` (none inside an array), as it is.
void valueJson(JsonWriter &w, const char *key, const dial::Value &v)
{
    using Type = dial::Value::Type;
    switch (v.type) {
    case Type::Null:
        w.null(key);
        return;
    case Type::Number:
        w.value(key, v.number, v.decimals);
        return;
    case Type::Truth:
        w.value(key, v.number != 0);
        return;
    case Type::List:
    case Type::Record:
        v.type == Type::List ? w.beginArray(key, v.oneLine) : w.beginObject(key, v.oneLine);
        for (const auto &[member, item] : v.items)
            valueJson(w, v.type == Type::List ? nullptr : member.c_str(), item);
        v.type == Type::List ? w.endArray() : w.endObject();
        return;
    case Type::Text:
        // A word in the JSON is a value a program reads: it stays English,
        // while sentences (Words) follow the language.
        w.value(key, QString::fromStdString(v.text));
        return;
    case Type::Words:
    case Type::Date:
    case Type::Clock:
        w.value(key, valueText(v, QLocale::c()));
        return;
    }
}

QString blockText(const dial::TextBlock &block)
{
    const QLocale c = QLocale::c();
    switch (block.form) {
    case dial::TextBlock::Form::Line:
        return valueText(block.line, c);
    case dial::TextBlock::Form::Figures: {
        Rows figures;
        for (const auto &[label, value] : block.figures)
            figures << QStringList{translate("dial", label), valueText(value, c)};
        return labelled(figures);
    }
    case dial::TextBlock::Form::Table:
        return u'\n' + valueText(block.table.title, c) + u'\n' + columns(tableText(block.table, c));
    case dial::TextBlock::Form::Steps: {
        QString text;
        int step = 0;
        for (const dial::Value &s : block.steps)
            text += QStringLiteral("%1. %2\n").arg(++step).arg(valueText(s, c));
        return text;
    }
    }
    return {};
}

// What the dial shows, after "showing".
QString timeWords(const DialDesign &design, int utcOffsetMinutes)
{
    switch (design.faces.front().input.time) {
    case dial::DialTime::Zone:
        return translate("cli", "zone time (the 12 line at UTC%1's mean noon)").arg(utcOffsetText(utcOffsetMinutes));
    case dial::DialTime::Clock:
        break;
    case dial::DialTime::Sun:
        return translate("cli", "sun time");
    }
    return design.timeNote;
}

// With --card, the card by week, or why the dial needs none.
QString cardText(const DialData &d)
{
    if (d.options.card && !d.design.noCard.isEmpty())
        return u'\n' + d.design.noCard + u'\n';
    if (!d.options.card || !d.design.card)
        return {};
    QString text = u'\n' +
                   translate("cli", "Correction card %1: add to the dial's reading to get the clock's time")
                       .arg(d.site.date.year()) +
                   u'\n';
    Rows card{{translate("cli", "week from"), translate("cli", "add"), translate("cli", "seconds")}};
    for (const CardDay &day : weeklyRows(*d.design.card))
        card << QStringList{day.date.toString(Qt::ISODate),
                            QString::fromStdString(dial::minutesSeconds(day.addSeconds)),
                            signedFixed(day.addSeconds, 1)};
    return text + columns(card);
}

} // namespace

QString dialJson(const DialData &d)
{
    const DialDesign &design = d.design;
    JsonWriter w;
    w.beginObject();
    writeSiteJson(w, d.site, d.zoneName, d.place, d.compass);
    w.beginObject("dial");
    w.value("type", QLatin1String(design.kind->commandName));
    for (const auto &[key, value] : design.report.json.items)
        valueJson(w, key.c_str(), value);
    if (d.options.card && design.card) {
        w.beginArray("correction");
        for (const CardDay &day : design.card->days) {
            w.beginObject(nullptr, true);
            w.value("date", day.date.toString(Qt::ISODate));
            w.value("add_s", day.addSeconds, 1);
            w.endObject();
        }
        w.endArray();
    } else if (design.report.correctionKey) {
        w.null("correction");
    }
    w.endObject();
    if (d.check.check)
        writeCheckJson(w, *d.check.check);
    w.endObject();
    return w.text();
}

QString dialText(const DialData &d)
{
    const DialDesign &design = d.design;
    const FieldInputs &s = d.site;
    QString text = d.place ? sitePlaceText(*d.place) : QString();
    text += translate("cli", "%1 for latitude %2, longitude %3, showing %4\n")
                .arg(translate("dial", design.kind->title), QString::number(s.latitude, 'g', 10),
                     QString::number(s.longitude, 'g', 10), timeWords(design, s.clock.utcOffsetMinutes));
    for (const dial::TextBlock &block : design.report.text)
        text += blockText(block);
    // Last, beside the setting-up: the compass is the rough way to north.
    if (d.compass)
        text += u'\n' + compassLine(d.compass, QLocale::c()) + u'\n';
    return text + cardText(d) + (d.check.check ? checkText(*d.check.check) : QString());
}

QString dialCsv(const DialData &d)
{
    QString text;
    if (d.check.check)
        return checkCsv(*d.check.check);
    if (d.options.card && d.design.card) {
        text = QStringLiteral("date,add_s\n");
        for (const CardDay &day : d.design.card->days)
            text += day.date.toString(Qt::ISODate) + u',' + fixed(day.addSeconds, 1) + u'\n';
        return text;
    }
    // The header stays English, as do the words in the cells, for a program to read.
    QStringList header;
    for (const std::string &h : d.design.report.csv.headings)
        header << QString::fromStdString(h);
    text += header.join(u',') + u'\n';
    for (const std::vector<dial::Value> &row : d.design.report.csv.rows) {
        QStringList cells;
        for (const dial::Value &v : row)
            cells << (v.type == dial::Value::Type::Text ? QString::fromStdString(v.text) : valueText(v, QLocale::c()));
        text += cells.join(u',') + u'\n';
    }
    return text;
}

} // namespace orvane
