#pragma once
// The staking sheet of a dial laid out on the ground: its plan to a round
// scale with the steps to stake it, then the two tapes' table, the date
// scale and the person as gnomon.

#include "field/dial_design.h"

#include <QRectF>

class QPainter;

namespace orvane {

// The scale's N in 1:N that fits `content` (mm) into `width` x `height`
// (mm of paper): 1, 2 or 5 times a power of ten, or 25 times one.
int planScale(const dial::PlateRect &content, double width, double height);

// The plan and the steps, within `area` (device units, `mm` units a millimetre).
void paintStakingPlan(QPainter &painter, const QRectF &area, double mm, const DialDesign &design);

// The tables: each hour's two tapes, the date scale, the gnomon by hour.
void paintStakingTables(QPainter &painter, const QRectF &area, double mm, const DialDesign &design);

} // namespace orvane
