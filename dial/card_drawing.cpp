#include "dial/card_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orvane::dial {

namespace {

constexpr double kLine = 0.5; // mm
constexpr double kFine = 0.25;
constexpr double kGraphWidth = 150;
constexpr double kGraphHeight = 70;
constexpr double kAxisWidth = 18;
constexpr double kTitleHeight = 10;
constexpr double kRowHeight = 6;
constexpr double kFont = 4;
// A day-to-day change this large is the clock's summer hour, not the sun.
constexpr double kClockJumpSeconds = 1800;

// The title, and the clock's line under it when there is one, clear of the
// top axis label, which stands half a font above the graph.
double headHeight(const CardDrawing &card) { return kTitleHeight + (card.clock.empty() ? 0 : kRowHeight + kFont / 2); }

Group group(const char *name, double pen = kFine)
{
    Group g;
    g.name = name;
    g.part = Part::Card;
    g.pen.width = pen;
    return g;
}

} // namespace

double cardWidth() { return kAxisWidth + kGraphWidth + 2; }

double cardHeight(const CardDrawing &card)
{
    const std::size_t rows = (card.rows.size() + 1) / 2;
    return headHeight(card) + kGraphHeight + 2 * kRowHeight + double(rows) * kRowHeight;
}

std::string minutesSeconds(double seconds)
{
    const long s = std::lround(seconds);
    const long a = std::labs(s);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%ld:%02ld", s > 0 ? "+" : s < 0 ? "-" : "", a / 60, a % 60);
    return buf;
}

Group drawCard(const CardDrawing &card, PlatePoint topLeft)
{
    // Laid out downwards from the top left, as it is read.
    const auto at = [topLeft](double x, double down) { return PlatePoint{topLeft.x + x, topLeft.y - down}; };
    Group out = group("card");

    Group title = group("card-title");
    title.labels.push_back({at(cardWidth() / 2, kTitleHeight / 2), card.title, 1.25 * kFont});
    out.groups.push_back(title);
    if (!card.clock.empty()) {
        // Smaller, to keep the longest clock line within the card's width.
        Group clock = group("card-clock");
        clock.labels.push_back({at(cardWidth() / 2, kTitleHeight + kRowHeight / 2), card.clock, 0.75 * kFont});
        out.groups.push_back(clock);
    }

    // A grid line every `step` seconds: the first of 5, 10, 15, 30 and 60
    // minutes that needs no more than ten.
    double low = 0, high = 0;
    for (double s : card.addSeconds) {
        low = std::min(low, s);
        high = std::max(high, s);
    }
    double step = 300;
    for (double s : {300.0, 600.0, 900.0, 1800.0, 3600.0}) {
        step = s;
        if ((std::ceil(high / s) - std::floor(low / s)) <= 10)
            break;
    }
    low = std::floor(low / step) * step;
    high = std::max(std::ceil(high / step) * step, low + step);
    const double left = kAxisWidth, top = headHeight(card);
    const double days = double(std::max<std::size_t>(card.addSeconds.size(), 2) - 1);
    const auto x = [&](double day) { return left + day / days * kGraphWidth; };
    const auto y = [&](double s) { return top + (high - s) / (high - low) * kGraphHeight; };

    Group grid = group("card-grid");
    grid.pen.colour = 0x909090; // under the curve, not competing with it
    grid.paths.push_back({{at(left, top), at(left + kGraphWidth, top), at(left + kGraphWidth, top + kGraphHeight),
                           at(left, top + kGraphHeight)},
                          true});
    for (double s = low + step; s < high; s += step)
        grid.paths.push_back({{at(left, y(s)), at(left + kGraphWidth, y(s))}});
    for (int start : card.monthStarts)
        grid.paths.push_back({{at(x(start), top), at(x(start), top + kGraphHeight)}});
    out.groups.push_back(grid);

    Group axes = group("card-axes");
    for (double s = low; s <= high + 1e-9; s += step)
        axes.labels.push_back({at(left - 2, y(s)), minutesSeconds(s), kFont, Anchor::End});
    for (std::size_t m = 0; m < card.monthStarts.size() && m < card.monthLabels.size(); ++m) {
        const double next = m + 1 < card.monthStarts.size() ? card.monthStarts[m + 1] : days + 1;
        axes.labels.push_back(
            {at(x((card.monthStarts[m] + next) / 2), top + kGraphHeight + kRowHeight / 2), card.monthLabels[m], kFont});
    }
    out.groups.push_back(axes);

    // Broken where the clock jumps by its summer hour.
    Group graph = group("card-graph", kLine);
    Path piece;
    for (std::size_t i = 0; i < card.addSeconds.size(); ++i) {
        if (i > 0 && std::fabs(card.addSeconds[i] - card.addSeconds[i - 1]) > kClockJumpSeconds) {
            if (piece.points.size() > 1)
                graph.paths.push_back(piece);
            piece.points.clear();
        }
        piece.points.push_back(at(x(double(i)), y(card.addSeconds[i])));
    }
    if (piece.points.size() > 1)
        graph.paths.push_back(piece);
    out.groups.push_back(graph);

    // The table in two columns, down the first and then the second.
    Group table = group("card-table");
    const std::size_t perColumn = std::max<std::size_t>((card.rows.size() + 1) / 2, 1);
    const double tableTop = top + kGraphHeight + 2 * kRowHeight;
    for (std::size_t i = 0; i < card.rows.size(); ++i) {
        const double column = i < perColumn ? 0 : cardWidth() / 2;
        const double rowY = tableTop + double(i % perColumn) * kRowHeight;
        table.labels.push_back({at(column + 4, rowY), card.rows[i].date, kFont, Anchor::Start});
        table.labels.push_back(
            {at(column + cardWidth() / 2 - 8, rowY), minutesSeconds(card.rows[i].addSeconds), kFont, Anchor::End});
    }
    out.groups.push_back(table);
    return out;
}

} // namespace orvane::dial
