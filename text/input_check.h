#pragma once
// The input checks, in the window's order, without the window: what to
// store, what to say and where to put the focus.

#include "accepted_site.h"
#include "coordinate_text.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace orvane {

// The inputs as the window holds them.
struct InputTexts {
    QString date;
    QString latitude;
    QString longitude;
    bool standardTime = false;   // optStandardinput selected
    bool daylightSaving = false; // optDstinput selected
    bool east = false;           // OptEast selected
    bool west = false;           // OptWest selected
    int zoneIndex = -1;          // selected list position, -1 for none
    // Instead of the two clock buttons and the list: the clock that this
    // zone's rules show on the date.
    std::optional<QTimeZone> zone;
};

// Each value as it stands once its own test has passed; a refusal leaves
// the later ones empty and the caller keeps its previous values for them.
struct CheckedValues {
    std::optional<QDate> date;
    std::optional<double> latitude;  // degrees, north positive
    std::optional<double> longitude; // degrees, east positive (positive until the hemisphere is known)
    std::optional<SiteClock> clock;
};

enum class InputField { None, Date, Latitude, Longitude, TimeZone };

enum class CheckVerdict {
    Accepted,
    Refused,
    // Every value is known, but the longitude lies more than 15 degrees from
    // the zone's meridian: accepted only if the user confirms.
    AskFarFromZone,
};

struct InputCheck {
    CheckVerdict verdict = CheckVerdict::Refused;
    const char *message = nullptr; // the box's text (refusal or question)
    // Where the focus goes on a refusal (for the question: on No), and
    // whether the field's whole text is then selected.
    InputField focus = InputField::None;
    bool selectText = false;
    CheckedValues values;
    // Every value together, once all have passed (also with the question).
    std::optional<AcceptedSite> site;
    // East (true) or west (false) when a letter in the longitude chose the
    // side ("72.855W", "72 51 18 W"): the window sets its buttons so.
    std::optional<bool> eastFromLetter;
    // A latitude and longitude pasted together into the latitude box, read
    // as the two boxes and the side: the window fills them in so.
    std::optional<CoordinatePair> pastedPair;
};

InputCheck checkInputs(const InputTexts &in, const QLocale &locale);

// The check's message in the language in use (`message` stays the English
// text, which callers may compare).
QString checkMessage(const InputCheck &c);

} // namespace orvane
