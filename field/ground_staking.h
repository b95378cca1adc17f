#pragma once
// A dial on the ground put in words for whoever stakes it out and reads it:
// the steps with two tapes from the north-south line, and how to stand.

#include "dial_design.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace orvane {

// Metres to the centimetre, in the reader's numbers: "1.96".
QString metresText(double metres, const QLocale &locale);

// A height the person needs at least, rounded up to the centimetre so that
// whoever is that tall is tall enough: "2.41" for 2.403 m.
QString heightNeededText(double metres, const QLocale &locale);

// The clock that shows the site's times on its date: "summer time (UTC+1;
// the zone's standard time is UTC+0)", "standard time (UTC-5)".
QString siteClockWords(const AcceptedSite &site);

// Each hour mark's two tapes: its label, its distance from C and from N
// (metres) and its side of the line, under the headings every table of
// them carries.
struct StakingTable {
    QStringList headings; // "Hour", "From C (m)", "From N (m)", "Side"
    QList<QStringList> rows;
};
StakingTable stakingTable(const DialDesign &design, const QLocale &locale);

// The staking steps, then how to read the dial and how to stand; empty for
// a dial that is not laid out on the ground. The reading step names the card
// only when the design carries one.
QStringList stakingSteps(const DialDesign &design, const QLocale &locale);

} // namespace orvane
