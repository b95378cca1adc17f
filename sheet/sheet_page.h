#pragma once
// The field sheet on one printed page: a header naming the site, date and
// clock, the plan, the three events and the sun at a chosen bearing, the
// 30-second tables of what is seen, the coming days and a wall's facing.

#include "field/field_data.h"
#include "sheet_request.h"

#include <QRectF>

class QPrinter;

namespace orvane {

struct PrintedSheet {
    bool painted = false;
    QRectF planMm;    // the plan's square on the page, from the printable area's corner
    double scale = 1; // below 1 where the page was too small for the sheet at full size
    double usedHeightMm = 0;
};

// Paints the sheet on a printer that is set up already; `painted` is false
// when the job could not start.
PrintedSheet paintSheetPage(QPrinter &printer, const SheetRequest &request, const FieldData &d, double plumbHeightM);

} // namespace orvane
