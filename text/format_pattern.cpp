#include "format_pattern.h"

namespace orvane {

QString rewriteFormatFields(const QString &format, const std::function<QString(QChar letter, int count)> &field)
{
    QString out;
    const qsizetype n = format.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            // A quoted literal runs to the next lone quote; '' inside is a quote.
            qsizetype j = i + 1;
            while (j < n) {
                if (format.at(j) == u'\'') {
                    if (j + 1 < n && format.at(j + 1) == u'\'') {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            const qsizetype end = j < n ? j + 1 : n;
            out += format.mid(i, end - i);
            i = end;
        } else if (c.isLetter() && c.unicode() < 128) {
            qsizetype j = i;
            while (j < n && format.at(j) == c)
                ++j;
            out += field(c, static_cast<int>(j - i));
            i = j;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

} // namespace orvane
