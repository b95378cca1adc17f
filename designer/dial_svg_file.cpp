#include "dial_svg_file.h"

#include <QSaveFile>

namespace orvane {

namespace {

std::string dialSvgText(const DialDrawing &drawing, const dial::CardDrawing *card)
{
    std::vector<dial::DateLineDrawing> lines;
    for (const DialDateLine &line : drawing.dateLines)
        lines.push_back({line.label.toStdString(), line.pieces});
    return dial::dialSvg(drawing.input, drawing.layout, lines, card);
}

} // namespace

bool writeDialSvg(const QString &fileName, const DialDrawing &drawing, const dial::CardDrawing *card)
{
    const std::string text = dialSvgText(drawing, card);
    QSaveFile out(fileName);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(text.data(), qint64(text.size())) != qint64(text.size())) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

} // namespace orvane
