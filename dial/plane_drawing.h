#pragma once
// A plane dial drawn: the plate with its hour lines, date lines and marks,
// the gnomon's shape to cut and, when given, the card.
//
// Groups by name: plate, hour-lines (hour-line-paths, hour-labels and, on a
// clock dial, hour-line-late-paths and hour-line-months),
// substyle, root, nodus-foot, date-lines (date-line-paths, date-labels),
// gnomon (gnomon-outline, gnomon-label, gnomon-nodus) and card. A further
// face's groups end in "-" and its name, its outline "back-of-plate-...":
// the other side of the same plate.
#include "dial/card_drawing.h"
#include "dial/date_lines.h"
#include "dial/dial_face.h"
#include "dial/dial_layout.h"
#include "dial/drawing.h"

#include <functional>
#include <string>
#include <vector>

namespace orvane::dial {

// A number as the reader writes it, to `decimals` places.
using NumberText = std::function<std::string(double value, int decimals)>;
// A month's short name (1 for January) as the reader writes it.
using MonthText = std::function<std::string(int month)>;

struct DrawingInput {
    // At least one; each further face drawn to the right of the one before,
    // the gnomon beside the last. A face's name is written under its plate,
    // and the groups of every face but the first end in "-" and its name.
    std::vector<DialFace> faces;
    const CardDrawing *card = nullptr; // none: no card
    NumberText number;                 // none: "12.5"
    MonthText month;                   // none: "Jan"
};

// Space between the plate, the gnomon and the card (mm).
inline constexpr double kPartGap = 20;

Drawing drawPlaneDial(const DrawingInput &in);

// The labels' size on a plate of this size (mm): a thirtieth of its smaller
// side, from 3 to 40 mm.
double plateFontSize(const PlateRect &plate);

} // namespace orvane::dial
