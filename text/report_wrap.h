#pragma once
// Breaking a report line so that it fits the printable width.

#include <QString>
#include <QStringList>

#include <functional>

namespace orvane {

// Splits one line (no line breaks inside) into pieces no wider than
// `width` as `measure` sees it: at blanks where possible, inside a word only
// when the word alone is too wide. The blank at a break is dropped. An empty
// line stays one empty piece.
QStringList wrapReportLine(const QString &line, qreal width, const std::function<qreal(const QString &)> &measure);

} // namespace orvane
