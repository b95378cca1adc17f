#include "text_table.h"

#include "text/wording.h"

#include <algorithm>

namespace orvane {

QString fixed(double x, int decimals)
{
    const QString zero = QString::number(0.0, 'f', decimals);
    const QString s = QString::number(x, 'f', decimals);
    return s == u'-' + zero ? zero : s;
}

QString signedFixed(double x, int decimals)
{
    return signedNumberText(x, decimals, QLocale::c(), NegativeZero::Dropped);
}

QString columns(const Rows &rows)
{
    QList<qsizetype> width;
    for (const QStringList &row : rows)
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (width.size() <= i)
                width.append(0);
            width[i] = std::max(width[i], row[i].size());
        }
    QString text;
    for (const QStringList &row : rows) {
        QString line = QStringLiteral("  ");
        for (qsizetype i = 0; i < row.size(); ++i)
            line += i == 0 ? row[i].leftJustified(width[i]) : QStringLiteral("  ") + row[i].rightJustified(width[i]);
        text += line + u'\n';
    }
    return text;
}

QString labelled(const Rows &pairs)
{
    qsizetype width = 0;
    for (const QStringList &p : pairs)
        width = std::max(width, p[0].size());
    QString text;
    for (const QStringList &p : pairs)
        text += QStringLiteral("  ") + p[0].leftJustified(width) + QStringLiteral("  ") + p[1] + u'\n';
    return text;
}

} // namespace orvane
