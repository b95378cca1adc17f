#pragma once
// Every text the field sheet shows, on screen and on paper, made from the
// field data in the user's locale.

#include "field/field_data.h"
#include "sheet_request.h"
#include "text/wording.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace orvane {

// "East", "Meridian", "West".
QString eventTitle(FieldEvent e);
// "east", "meridian", "west", within a sentence.
QString eventName(FieldEvent e);
// "sun due east", "sun due south" (or north), "sun due west".
QString eventAim(const EventField &f);

struct EventTexts {
    QString clock;    // the method's clock time as the main window shows it, or "never seen"
    QString precise;  // the true instant and the difference
    QString altitude; // the sun's altitude
    QString shadow;   // the shadow's bearing and length for the plumb line's height
    QString turn;     // how fast and which way the shadow turns
    QString offLine;  // how far the shadow at the method's time is off the true line
    QStringList notes;
    bool unusable = false; // no shadow at that moment
};
EventTexts eventTexts(const EventField &f, double plumbHeightM, const QLocale &locale);

// "265.4°"
QString degreesText(double degrees, const QLocale &locale, int decimals = 1);
// A bearing or azimuth, "359.9°", never "360.0°": what rounds up to 360 reads 0.
QString bearingText(double degrees, const QLocale &locale, int decimals = 1);
// "1.00" for the plumb line's height box.
QString heightText(double metres, const QLocale &locale);
// The shadow's length for the plumb line's height: "4.62 m".
QString lengthText(double metres, const QLocale &locale);
// "Note: " and the note.
QString noteText(const QString &note);
// "Shadow 265.4°, 4.62 m long", or "Shadow 265.4°, none" without a length.
QString shadowText(double bearingDeg, std::optional<double> lengthPerM, double plumbHeightM, const QLocale &locale);
// "Turns 0.25° a minute, clockwise".
QString turnText(double degPerMin, const QLocale &locale);

// The around table's columns and one row's cells.
QStringList aroundHeaders();
QStringList aroundCells(const AroundRow &row, const QLocale &locale);
// The days table's columns (the meridian named by the first day's side)
// and one row's cells.
QStringList dayHeaders(const FieldData &d);
QStringList dayCells(const DayRow &row, const QLocale &locale);

// The header: the site, the date, the clock.
QString siteText(const SheetRequest &r, const QLocale &locale);
QString dateText(const QDate &date, const QLocale &locale);
QString clockDescription(const SheetRequest &r);
// With a zone, when its rules put the coming days' clocks on summer time:
// "Summer time by the rules of America/New_York: 14 March to 7 November
// 2027"; empty without one.
QString summerTimeLine(const SheetRequest &r);

// Which line a late mark belongs to and how to turn it.
QString markText(const MarkField &m, const QLocale &locale);

// The plan in sentences, for those who cannot see it: each shadow's event,
// clock time, bearing and length, and the reference circle's distance.
QString planDescription(const FieldData &d, double plumbHeightM, const QLocale &locale);
// The events the plan has no shadow for, one line each.
QStringList shadowlessLines(const FieldData &d);

} // namespace orvane
