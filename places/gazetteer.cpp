#include "gazetteer.h"
#include "name_folding.h"

#include <algorithm>

namespace orvane {

namespace {

// What people write for a country other than its code or the start of its name.
constexpr std::pair<const char16_t *, const char16_t *> kCountryAliases[] = {
    {u"usa", u"US"},
    {u"united states of america", u"US"},
    {u"uk", u"GB"},
};

std::u16string_view units(QStringView s) { return {s.utf16(), std::size_t(s.size())}; }

// The name, then the folded qualifiers after each comma.
std::pair<QString, QStringList> splitQuery(const QString &query)
{
    const QStringList parts = query.split(u',');
    QStringList qualifiers;
    for (qsizetype i = 1; i < parts.size(); ++i)
        if (const QString q = foldName(parts[i]); !q.isEmpty())
            qualifiers << q;
    return {foldName(parts.constFirst()), qualifiers};
}

// Letters inserted, removed, changed or two side by side swapped between a
// and b, or more than `most`.
qsizetype boundedDistance(QStringView a, QStringView b, qsizetype most)
{
    if (std::abs(a.size() - b.size()) > most)
        return most + 1;
    const std::size_t width = std::size_t(b.size()) + 1;
    std::vector<qsizetype> before(width), previous(width), row(width);
    for (std::size_t j = 0; j < width; ++j)
        row[j] = qsizetype(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        before.swap(previous);
        previous.swap(row);
        row[0] = i;
        qsizetype smallest = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const std::size_t u = std::size_t(j);
            row[u] = std::min({previous[u] + 1, row[u - 1] + 1, previous[u - 1] + (a[i - 1] != b[j - 1])});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                row[u] = std::min(row[u], before[u - 2] + 1);
            smallest = std::min(smallest, row[u]);
        }
        if (smallest > most)
            return most + 1;
    }
    return row.back();
}

} // namespace

Gazetteer::Range Gazetteer::keysStartingWith(QStringView folded) const
{
    const std::u16string_view text = units(folded);
    const auto first = std::lower_bound(m_index.begin(), m_index.end(), text,
                                        [this](const Key &k, std::u16string_view s) { return keyText(k) < s; });
    const auto last =
        std::partition_point(first, m_index.end(), [this, text](const Key &k) { return keyText(k).starts_with(text); });
    return {first, last};
}

std::vector<Gazetteer::Key>::const_iterator Gazetteer::endOfExact(Range range, QStringView folded) const
{
    // The name itself sorts before every longer one that starts with it.
    return std::partition_point(range.first, range.last,
                                [this, text = units(folded)](const Key &k) { return keyText(k) == text; });
}

bool Gazetteer::matches(const Row &row, const QStringList &qualifiers) const
{
    const Country &country = m_countries[row.country];
    const QString region = row.region < 0 ? QString() : m_regions[std::size_t(row.region)].folded;
    for (const QString &q : qualifiers) {
        bool alias = false;
        for (const auto &[written, code] : kCountryAliases)
            alias = alias || (q == QStringView(written) && country.code == QStringView(code));
        if (!alias && country.code.compare(q, Qt::CaseInsensitive) != 0 && !country.foldedName.startsWith(q) &&
            !region.startsWith(q))
            return false;
    }
    return true;
}

std::vector<qint32> Gazetteer::rowsIn(Range range, const QStringList &qualifiers, int limit,
                                      const std::vector<qint32> &skip) const
{
    std::vector<qint32> rows;
    for (auto k = range.first; k != range.last; ++k)
        if (matches(m_rows[std::size_t(k->row)], qualifiers) &&
            std::find(skip.begin(), skip.end(), k->row) == skip.end())
            rows.push_back(k->row);
    // Rows are stored most populous first.
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.size() > std::size_t(std::max(limit, 0)))
        rows.resize(std::size_t(std::max(limit, 0)));
    return rows;
}

Place Gazetteer::place(qint32 index) const
{
    const Row &r = m_rows[std::size_t(index)];
    const Country &c = m_countries[r.country];
    return Place{m_names.mid(r.name, r.nameLength),
                 m_names.mid(r.ascii, r.asciiLength),
                 r.region < 0 ? QString() : m_regions[std::size_t(r.region)].name,
                 c.code,
                 c.name,
                 r.latitude,
                 r.longitude,
                 r.population,
                 m_zones[r.zone]};
}

QList<Place> Gazetteer::find(const QString &query, int limit) const
{
    const auto [name, qualifiers] = splitQuery(query);
    if (name.isEmpty())
        return {};
    const Range all = keysStartingWith(name);
    const auto exactEnd = endOfExact(all, name);
    const std::vector<qint32> exact = rowsIn({all.first, exactEnd}, qualifiers, limit);
    const std::vector<qint32> longer = rowsIn({exactEnd, all.last}, qualifiers, limit - int(exact.size()), exact);
    QList<Place> places;
    for (const std::vector<qint32> *rows : {&exact, &longer})
        for (qint32 row : *rows)
            places << place(row);
    return places;
}

QList<Place> Gazetteer::named(const QString &query, int limit) const
{
    const auto [name, qualifiers] = splitQuery(query);
    if (name.isEmpty())
        return {};
    const Range all = keysStartingWith(name);
    QList<Place> places;
    for (qint32 row : rowsIn({all.first, endOfExact(all, name)}, qualifiers, limit))
        places << place(row);
    return places;
}

QList<Place> Gazetteer::startingWith(const QString &prefix, int limit) const
{
    const QString folded = foldName(prefix);
    QList<Place> places;
    if (folded.isEmpty())
        return places;
    for (qint32 row : rowsIn(keysStartingWith(folded), {}, limit))
        places << place(row);
    return places;
}

QStringList Gazetteer::nearestNames(const QString &query) const
{
    const QString name = splitQuery(query).first;
    if (name.isEmpty())
        return {};
    // A slip of the keyboard, not another name; the first letter is taken as typed.
    const qsizetype most = name.size() <= 4 ? 1 : 2;
    struct Near {
        qsizetype distance;
        qint32 row;
    };
    std::vector<Near> near;
    const Range range = keysStartingWith(name.left(1));
    for (auto k = range.first; k != range.last; ++k)
        if (const qsizetype d = boundedDistance(name, QStringView(keyText(*k)), most); d <= most)
            near.push_back(Near{d, k->row});
    std::sort(near.begin(), near.end(), [](const Near &a, const Near &b) {
        return a.distance != b.distance ? a.distance < b.distance : a.row < b.row;
    });
    QStringList names;
    for (const Near &n : near) {
        const Row &r = m_rows[std::size_t(n.row)];
        const QString shown = m_names.mid(r.name, r.nameLength);
        if (!names.contains(shown))
            names << shown;
        if (names.size() == 3)
            break;
    }
    return names;
}

} // namespace orvane
