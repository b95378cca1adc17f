#include "report_wrap.h"

namespace orvane {

namespace {

// The longest prefix of `word` (at least one character) that fits.
qsizetype fittingPrefix(const QString &word, qreal width, const std::function<qreal(const QString &)> &measure)
{
    qsizetype n = 1;
    while (n < word.size() && measure(word.left(n + 1)) <= width)
        ++n;
    return n;
}

} // namespace

QStringList wrapReportLine(const QString &line, qreal width, const std::function<qreal(const QString &)> &measure)
{
    QStringList out;
    QString rest = line;
    while (measure(rest) > width) {
        // Break at the last blank whose text before it still fits.
        qsizetype cut = -1;
        for (qsizetype i = rest.lastIndexOf(u' '); i > 0; i = rest.lastIndexOf(u' ', i - 1)) {
            if (measure(rest.left(i)) <= width) {
                cut = i;
                break;
            }
        }
        if (cut > 0) {
            out << rest.left(cut);
            rest = rest.mid(cut + 1);
        } else {
            // The first word alone is too wide: cut it where it must be.
            const qsizetype blank = rest.indexOf(u' ');
            const QString word = blank < 0 ? rest : rest.left(blank);
            const qsizetype n = fittingPrefix(word, width, measure);
            out << rest.left(n);
            rest = rest.mid(n);
        }
    }
    out << rest;
    return out;
}

} // namespace orvane
