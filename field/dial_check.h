#pragma once
// A standing dial checked from readings against the clock: each reading's
// instant on the site's clock of its day, the true sun then, the fit of the
// dial's turn, lean and offset, and the advice in words.
#include "dial_design.h"

#include "dial/dial_check.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace orvane {

// A reading: the clock's time on that day and what the dial showed then,
// each in seconds after midnight (the dial in its own time, sun or zone).
struct DialCheckEntry {
    QDate date;
    double clock = 0;
    double dial = 0;
    QString given; // as typed, for a message about it
};

inline constexpr int kMaxCheckReadings = 100;
// A dial further than this from the clock is a slip, not a misreading.
inline constexpr double kMaxCheckGapHours = 3;

struct DialCheck {
    std::vector<DialCheckEntry> entries;
    std::vector<double> expectedDial; // what the dial standing true shows, seconds after midnight
    dial::CheckFit fit;
    // Plain steps to mend the dial, or which readings to add.
    QStringList advice;
};

struct DialCheckResult {
    std::optional<DialCheck> check;
    // A refused reading (index into the entries, -1 for the whole check)
    // and why: "the clock skips that time on that day".
    int refusedIndex = -1;
    QString refusal;
};

// Which way a fitted lean tips the face, for "leans 1.0° ...": its top edge
// "forward" or "back", or a level face "down towards the south".
QString checkLeanWords(const dial::DialInput &face, double leanDeg);

DialCheckResult checkDialReadings(const DialDesign &design, const std::vector<DialCheckEntry> &entries,
                                  const QLocale &locale);

} // namespace orvane
