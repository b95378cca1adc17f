#pragma once
// Editing Qt date/time format patterns field by field, leaving quoted
// literal text alone.

#include <QString>

#include <functional>

namespace orvane {

// Calls `field` for every run of one repeated letter outside quotes (e.g.
// 'y' and 4 for "yyyy") and puts its answer in place of the run. Quoted
// text and all other characters are copied unchanged.
QString rewriteFormatFields(const QString &format, const std::function<QString(QChar letter, int count)> &field);

} // namespace orvane
