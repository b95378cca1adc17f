#pragma once
// The program run from a shell: compute and print, no window, no display.

#include <QStringList>
#include <QTextStream>

namespace orvane {

// `args` without the program's name. Prints the answer on `out` and returns
// 0, or one line on `err` and 2 for input it refuses, 1 for a file it cannot
// read or write (then nothing on `out`).
int runCommandLine(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace orvane
