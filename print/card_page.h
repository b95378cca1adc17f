#pragma once
// The correction card painted: its graph over the year, for the designer's
// tab and the printed page, and the page itself.

#include "dial/dial_svg.h"

#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

namespace orvane {

// The add in minutes against the day of the year, a tick at each month's
// first day, the month names under it and a zero line; `fontPixels` sets
// the labels' size. Broken where the clock jumps by its summer hour.
void paintCardGraph(QPainter &painter, const QRectF &rect, const dial::CardDrawing &card, double fontPixels);

struct CardPage {
    QString title;          // the dial and its site
    QStringList about;      // the site, the dial, the clock: one line each
    dial::CardDrawing card; // its rows are the table
};

// One page: title, what it belongs to, how to use it, the graph and the
// table in columns. `page` is the printable area in device units.
void paintCardPage(QPainter &painter, const QRectF &page, const CardPage &card);

} // namespace orvane
