#include "page_font.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

QFont pageFace(bool bold)
{
    QFont font(QStringLiteral("arial"));
    font.setFamilies({QStringLiteral("arial"), QStringLiteral("Liberation Sans")});
    font.setBold(bold);
    return font;
}

} // namespace

QFont pageFont(qreal points, bool bold)
{
    QFont font = pageFace(bold);
    font.setPointSizeF(points);
    return font;
}

QFont pagePixelFont(double pixels, bool bold)
{
    QFont font = pageFace(bold);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    return font;
}

} // namespace orvane
