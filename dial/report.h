#pragma once
// What a dial reports: its figures, tables and steps as values that keep
// their numbers, made once by the kind's entry, so that each answer (the
// JSON, the text, the CSV, the designer, the printed pages) only writes
// them, in its own locale, without knowing what kind of dial it has.
#include "dial/dial_face.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orvane::dial {

struct DialKind;
struct Member;

struct Value {
    enum class Type { Null, Number, Text, Words, Date, Clock, List, Record, Truth };
    // How a number is written: to its decimals ("-0" never; Grouped with
    // the locale's thousands separators), with a plus
    // sign above zero, in its shortest form (up to 6 digits), or in metres
    // to the centimetre, rounded (with a plus sign above zero) or rounded up.
    enum class Form { Fixed, Grouped, Signed, Shortest, Metres, MetresSigned, MetresUp };
    Type type = Type::Null;
    double number = 0; // Number; Clock: a fraction of a day; Truth: 1 for true
    int decimals = 0;
    Form form = Form::Fixed;
    std::string text;          // Text; Words: "x %1 to %2", each %n one of `items`; Date: "2027-06-21"
    bool oneLine = false;      // List, Record: on one line in JSON
    std::vector<Member> items; // Record: keyed; List, Words: keys empty

    static Value num(double x, int decimals, Form form = Form::Fixed);
    static Value word(std::string text);
    static Value words(std::string pattern, std::vector<Value> args);
    static Value date(std::string iso);
    static Value clock(double fractionOfDay);
    static Value truth(bool yes);
    static Value list(bool oneLine = false);
    static Value record(bool oneLine = false);
    // A chain on a new value moves it along rather than copy it.
    Value &add(Value v) &;
    Value &add(std::string key, Value v) &;
    Value &&add(Value v) &&;
    Value &&add(std::string key, Value v) &&;
};

struct Member {
    std::string key;
    Value value;
};

// A table as the text and the pages show it: headings over rows.
struct Table {
    Value title; // the line above it
    std::vector<std::string> headings;
    std::vector<std::vector<Value>> rows;
};

// The text answer as blocks in order: a line written as it is, figures as
// labelled pairs, a table, or numbered steps.
struct TextBlock {
    enum class Form { Line, Figures, Table, Steps };
    Form form = Form::Line;
    Value line;
    std::vector<std::pair<std::string, Value>> figures;
    Table table;
    std::vector<Value> steps;
};

// What the design knows beyond the faces, in words already.
struct ReportInput {
    const std::vector<DialFace> *faces = nullptr;
    std::string day; // the site's date, "2027-06-21"
    // The clock time of the true noon that day, a fraction of a day: asked
    // only by a kind that needs it.
    std::function<double()> meridianClock;
    std::string clockWords; // "summer time (UTC-4; the zone's standard time is UTC-5)"
    bool card = false;      // a correction card comes with the dial
    std::string dialTime;   // "sun", "zone"
    std::string title;      // "Vertical dial facing 200°, 40.655 N 72.855 W"
    std::string kindTitle;  // "Vertical dial facing 200°"
    const DialKind *kind = nullptr;
};

struct Report {
    // The members of the answer's "dial" object after its "type", up to the
    // correction card, which the answer adds: "correction" or, where the
    // kind's answer always has the key, null.
    Value json = Value::record();
    bool correctionKey = false;
    std::vector<TextBlock> text; // after the heading line, before the card
    Table csv;                   // the headings are the CSV's header
    // Under the title on every page: "Style height 45.47°"; its size in the
    // dial's line: "nodus 100 mm above the plate"; how to cut and stand the
    // gnomon, on the gnomon's page.
    Value headline, size, gnomonNote;
    // Beside the designer's preview: its main figure ("Style height:
    // 45.47°"), the others in a sentence or two, a summary, its count ("15
    // hour lines") and the preview's description.
    Value caption, figures, summary, count, description;
    // Which half of the year each face is lit, and a face no hour line
    // falls on: "The upper face is lit from the March to the September
    // equinox"; sentences without a full stop.
    std::vector<Value> notes;
    // How far the readings move for each degree the face leans beyond its
    // tilt; null where that does not matter.
    Value leanNote;
    // The steps to lay it out, where it is laid out on the ground, and the
    // tables they use, the first the main one, each with its page heading.
    std::vector<Value> steps;
    std::vector<Table> tables;
    // What the plan's letters stand for, beside its scale: "C is the
    // centre, N the noon point."
    Value planKey;
};

// "true noon on 2027-06-21": a figure's label, found by the translators by
// its shape ("true noon on %1").
std::string trueNoonOn(const std::string &day);
// "the upper face", "the face".
Value faceWords(const DialFace &face);
// "The upper face is lit from ...", for a face lit on part of the year only.
void addLitNote(std::vector<Value> &notes, const DialFace &face);

} // namespace orvane::dial
