#include "gazetteer.h"
#include "gazetteer_index.h"
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

std::vector<Gazetteer::Key> Gazetteer::keysStartingWith(QStringView folded) const
{
    if (m_file)
        return m_file->keysStartingWith(folded);
    const std::u16string_view text = units(folded);
    const auto first = std::lower_bound(m_index.begin(), m_index.end(), text,
                                        [](const Key &k, std::u16string_view s) { return k.view() < s; });
    const auto last =
        std::partition_point(first, m_index.end(), [text](const Key &k) { return k.view().starts_with(text); });
    return {first, last};
}

namespace {

// How many of `keys` (all starting with `folded`) are `folded` itself: the
// name sorts before every longer one that starts with it.
template <typename Key>
std::size_t exactCount(std::span<const Key> keys, QStringView folded)
{
    const auto end = std::partition_point(keys.begin(), keys.end(),
                                          [text = units(folded)](const Key &k) { return k.view() == text; });
    return std::size_t(end - keys.begin());
}

} // namespace

QString Gazetteer::error() const
{
    if (!m_error.isEmpty() || !m_file)
        return m_error;
    return m_file->damage();
}

qsizetype Gazetteer::size() const { return m_file ? m_file->size() : qsizetype(m_rows.size()); }

QString Gazetteer::region(int index, bool folded) const
{
    if (index < 0)
        return {};
    if (m_file)
        return m_file->region(index, folded);
    const Region &r = m_regions[std::size_t(index)];
    return folded ? r.folded : r.name;
}

bool Gazetteer::matches(const Key &key, const QStringList &qualifiers) const
{
    const Country &country = m_countries[key.country];
    const QString region = qualifiers.isEmpty() ? QString() : this->region(key.region, true);
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

std::vector<qint32> Gazetteer::rowsIn(Keys keys, const QStringList &qualifiers, int limit,
                                      const std::vector<qint32> &skip) const
{
    std::vector<qint32> rows;
    for (const Key &k : keys)
        if (matches(k, qualifiers) && std::find(skip.begin(), skip.end(), k.row) == skip.end())
            rows.push_back(k.row);
    // Rows are numbered most populous first.
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.size() > std::size_t(std::max(limit, 0)))
        rows.resize(std::size_t(std::max(limit, 0)));
    return rows;
}

std::optional<Place> Gazetteer::place(qint32 index) const
{
    if (m_file)
        return m_file->place(*this, index);
    const Row &r = m_rows[std::size_t(index)];
    const Country &c = m_countries[r.country];
    return Place{m_names.mid(r.name, r.nameLength),
                 m_names.mid(r.ascii, r.asciiLength),
                 region(r.region, false),
                 c.code,
                 c.name,
                 r.latitude,
                 r.longitude,
                 r.population,
                 m_zones[r.zone]};
}

QList<Place> Gazetteer::places(std::initializer_list<const std::vector<qint32> *> rows) const
{
    QList<Place> found;
    for (const std::vector<qint32> *some : rows)
        for (qint32 row : *some) {
            std::optional<Place> p = place(row);
            if (!p)
                return {};
            found << *p;
        }
    return found;
}

QList<Place> Gazetteer::find(const QString &query, int limit) const
{
    const auto [name, qualifiers] = splitQuery(query);
    if (name.isEmpty())
        return {};
    const std::vector<Key> all = keysStartingWith(name);
    const Keys keys(all);
    const std::size_t exactEnd = exactCount(keys, name);
    const std::vector<qint32> exact = rowsIn(keys.first(exactEnd), qualifiers, limit);
    const std::vector<qint32> longer = rowsIn(keys.subspan(exactEnd), qualifiers, limit - int(exact.size()), exact);
    return places({&exact, &longer});
}

QList<Place> Gazetteer::named(const QString &query, int limit) const
{
    const auto [name, qualifiers] = splitQuery(query);
    if (name.isEmpty())
        return {};
    const std::vector<Key> all = keysStartingWith(name);
    const Keys keys(all);
    const std::vector<qint32> rows = rowsIn(keys.first(exactCount(keys, name)), qualifiers, limit);
    return places({&rows});
}

QList<Place> Gazetteer::startingWith(const QString &prefix, int limit) const
{
    const QString folded = foldName(prefix);
    if (folded.isEmpty())
        return {};
    const std::vector<qint32> rows = rowsIn(keysStartingWith(folded), {}, limit);
    return places({&rows});
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
    for (const Key &k : keysStartingWith(name.left(1)))
        if (const qsizetype d = boundedDistance(name, QStringView(k.view()), most); d <= most)
            near.push_back(Near{d, k.row});
    std::sort(near.begin(), near.end(), [](const Near &a, const Near &b) {
        return a.distance != b.distance ? a.distance < b.distance : a.row < b.row;
    });
    QStringList names;
    for (const Near &n : near) {
        const std::optional<Place> p = place(n.row);
        if (!p)
            return {};
        if (!names.contains(p->name))
            names << p->name;
        if (names.size() == 3)
            break;
    }
    return names;
}

} // namespace orvane
