#pragma once
// A report's values in a locale's words: each answer writes the dial's
// report through these, the command line in the C locale.
#include "dial/report.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace orvane {

QString valueText(const dial::Value &value, const QLocale &locale);

// A table's headings and rows in words.
QList<QStringList> tableText(const dial::Table &table, const QLocale &locale);

} // namespace orvane
