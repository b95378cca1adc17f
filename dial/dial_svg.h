#pragma once
// The dial as an SVG drawing at full scale, for a laser cutter or an
// engraver, and the correction card on its own.
//
// One SVG user unit is one millimetre: `width` and `height` are the whole
// drawing's in mm and the viewBox runs from 0 0 over the same millimetres.
// The plate sits at the top left, its outline from (margin, margin); the
// gnomon's shape stands to its right with its base on the line of the
// plate's top plus the gnomon's height; the card, when given, to the right
// of the gnomon. Groups by id: plate, hour-lines, substyle, root,
// nodus-foot, date-lines, gnomon, card.
#include "dial/date_lines.h"
#include "dial/dial_input.h"
#include "dial/dial_layout.h"

#include <string>
#include <vector>

namespace orvane::dial {

inline constexpr double kSvgMargin = 5; // mm around everything
inline constexpr double kSvgGap = 20;   // mm between the plate, the gnomon and the card

struct DateLineDrawing {
    std::string label; // "21 Jun", "Equinox", "1 Mar"
    std::vector<Polyline> pieces;
};

// What to add to the dial's reading to get the clock's time, over a year.
struct CardDrawing {
    std::string title;                    // a line above the graph
    std::string clock;                    // the clock it is for, under the title; none if empty
    std::vector<double> addSeconds;       // one a day from 1 January
    std::vector<int> monthStarts;         // index into addSeconds of each month's first day
    std::vector<std::string> monthLabels; // one per month start, in the reader's language
    struct Row {
        std::string date; // "1 Jan"
        double addSeconds = 0;
    };
    std::vector<Row> rows; // the table beside the graph
};

// The whole drawing: plate, hour lines with labels, substyle, root, the
// nodus's foot, date lines, the gnomon's shape and, unless null, the card.
std::string dialSvg(const DialInput &input, const DialLayout &layout, const std::vector<DateLineDrawing> &dateLines,
                    const CardDrawing *card);

// The card alone, for engraving.
std::string cardSvg(const CardDrawing &card);

// "+8:03", "-14:12", "0:00": minutes and seconds, signed, as the card shows them.
std::string minutesSeconds(double seconds);

} // namespace orvane::dial
