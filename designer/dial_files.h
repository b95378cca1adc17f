#pragma once
// Save as SVG and Save as DXF: the dial at full scale with its gnomon and
// card, as the command line's --svg and --dxf write it.

#include <QString>

#include <string>

namespace orvane {

// Replaces `fileName` whole with `text`, or leaves it as it was; false when it cannot.
bool writeWholeFile(const QString &fileName, const std::string &text);

} // namespace orvane
