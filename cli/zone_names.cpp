#include "zone_names.h"

#include <QTimeZone>

#include <algorithm>
#include <vector>

namespace orvane {

namespace {

// Letters inserted, removed or changed to turn one name into the other.
qsizetype editDistance(const QString &a, const QString &b)
{
    std::vector<qsizetype> row(static_cast<std::size_t>(b.size()) + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        row[std::size_t(j)] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype above = row[std::size_t(j)];
            row[std::size_t(j)] = std::min({above + 1, row[std::size_t(j - 1)] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row.back();
}

// Blanks as the database writes them, case ignored.
QString folded(const QString &name) { return name.trimmed().replace(u' ', u'_').toLower(); }

} // namespace

bool isKnownZoneName(const QString &name)
{
    return name == QLatin1String("UTC") || QTimeZone::isTimeZoneIdAvailable(name.toUtf8());
}

QStringList nearestZoneNames(const QString &name)
{
    const QString wanted = folded(name);
    // Close enough to be a slip of the keyboard, not another name.
    qsizetype best = std::max<qsizetype>(1, wanted.size() / 4) + 1;
    QStringList nearest;
    for (const QByteArray &id : QTimeZone::availableTimeZoneIds()) {
        const QString known = QString::fromUtf8(id);
        const QString f = folded(known);
        const qsizetype d = std::min(editDistance(wanted, f), editDistance(wanted, f.section(u'/', -1)));
        if (d < best) {
            best = d;
            nearest.clear();
        }
        if (d == best && nearest.size() < 3)
            nearest << known;
    }
    return nearest;
}

} // namespace orvane
