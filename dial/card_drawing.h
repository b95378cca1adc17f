#pragma once
// The correction card drawn: its title, the clock it is for, a graph of the
// year and a table, for the SVG, the DXF and the printed page alike.
#include "dial/drawing.h"

#include <string>
#include <vector>

namespace orvane::dial {

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
    std::vector<Row> rows; // the table under the graph
};

// The card's group ("card": card-title, card-clock, card-grid, card-axes,
// card-graph, card-table), its top left corner at `topLeft`.
Group drawCard(const CardDrawing &card, PlatePoint topLeft);

// The card's size (mm).
double cardWidth();
double cardHeight(const CardDrawing &card);

// "+8:03", "-14:12", "0:00": minutes and seconds, signed, as the card shows them.
std::string minutesSeconds(double seconds);

} // namespace orvane::dial
