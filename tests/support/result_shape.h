#pragma once
// What every accepted calculation's result text must look like, whatever
// the inputs: one date line, then east, meridian and west, each either a
// plain clock time with finite sun data or "never seen".

#include <QLocale>
#include <QString>
#include <QStringList>

namespace orvane::robustness {

// Empty when the text is sound; otherwise one line per problem found.
QStringList resultTextProblems(const QString &text, const QLocale &locale);

} // namespace orvane::robustness
