#pragma once
// Names compared as a reader compares them: case, accents and the marks
// between words ignored.

#include <QString>

namespace orvane {

// "Zürich" -> "zurich", "São Paulo" -> "sao paulo", "Winston-Salem" ->
// "winston salem", "Łódź" -> "lodz"; blanks trimmed and run together.
QString foldName(QStringView name);

} // namespace orvane
