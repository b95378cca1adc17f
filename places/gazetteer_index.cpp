// Reading the gazetteer's index in place. The file, each packed part as
// qCompress() writes it:
//   8 bytes kIndexMagic, 4 bytes the packed head's size (big-endian), the
//   packed head, then the packed blocks.
// The head, UTF-8 lines of tab-separated fields:
//   countries N, then N lines: code, English name, its folded form
//   regions N, then N lines: name, folded form
//   zones N, then N lines: an IANA name
//   places N ROWS: N places in blocks of ROWS, most populous first
//   key blocks K, then K lines: the block's first key
//   bytes B: the blocks' total size
//   tables
// and right after that line, for each block of places, then each of keys,
// its offset from the blocks' start and its size (32 bits each, little-
// endian). A block of places holds their lines as in the text form. A block
// of keys, sorted by folded name, then row: a 32-bit count, then for each
// key (little-endian) its row (32 bits), country (16), region (16, -1 when
// unknown) and the name's length in UTF-16 units (16); then the names end
// to end, UTF-8. Folding happens when the index is made, by the same code
// that folds a query, so that both always agree.
#include "gazetteer_index.h"
#include "gazetteer_format.h"
#include "text/translation.h"

#include <QtEndian>

#include <algorithm>

namespace orvane {

using namespace gazetteer_format;

namespace {

constexpr qint64 kHeadStart = sizeof kIndexMagic + 4;
constexpr int kKeyRecord = 10;

std::u16string_view units(QStringView s) { return {s.utf16(), std::size_t(s.size())}; }

// Reads "NAME <TAB> fields..." into `fields`.
template <std::size_t N>
bool heading(Lines &lines, const char *name, std::array<QByteArrayView, N> &fields)
{
    QByteArrayView line;
    return lines.next(line) && splitFields(line, fields) && fields[0] == name;
}

bool readCount(QByteArrayView field, qint64 most, qint64 &into)
{
    bool ok = false;
    into = field.toLongLong(&ok);
    return ok && into >= 0 && into <= most;
}

} // namespace

Gazetteer Gazetteer::fromIndex(const QString &path)
{
    Gazetteer g;
    auto index = std::make_shared<Index>();
    if (const QString why = index->open(path, g); !why.isEmpty())
        return unavailable(translate("text", "the place names file %1 is damaged: %2").arg(path, why));
    g.m_file = std::move(index);
    return g;
}

QString Gazetteer::Index::open(const QString &path, Gazetteer &g)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly))
        return m_file.errorString();
    const qint64 fileSize = m_file.size();
    const uchar *data = fileSize < kHeadStart ? nullptr : m_file.map(0, fileSize);
    if (!data || QByteArrayView(data, sizeof kIndexMagic) != QByteArrayView(kIndexMagic, sizeof kIndexMagic))
        return translate("text", "not a gazetteer");
    const qint64 headSize = qFromBigEndian<quint32>(data + sizeof kIndexMagic);
    if (headSize > fileSize - kHeadStart)
        return translate("text", "it is cut short");
    m_head = qUncompress(data + kHeadStart, headSize);
    if (m_head.isEmpty())
        return translate("text", "its head is corrupt");
    m_blocks = data + kHeadStart + headSize;
    m_blocksSize = fileSize - kHeadStart - headSize;
    return readHead(g);
}

QString Gazetteer::Index::readHead(Gazetteer &g)
{
    Lines lines(m_head);
    QByteArrayView line;
    const auto at = [&lines](const QString &what) {
        return translate("text", "head line %1: %2").arg(lines.number()).arg(what);
    };
    qint64 count = 0;
    std::array<QByteArrayView, 2> counted;
    if (!heading(lines, "countries", counted) || !readCount(counted[1], 1000, count))
        return at(translate("text", "the countries' heading is missing or wrong"));
    for (qint64 i = 0; i < count; ++i) {
        std::array<QByteArrayView, 3> f;
        if (!lines.next(line) || !splitFields(line, f) || f[0].size() != 2)
            return at(translate("text", "a country must be a code, a name and its folded form"));
        g.m_countries.push_back(Country{QString::fromLatin1(f[0]), QString::fromUtf8(f[1]), QString::fromUtf8(f[2])});
    }
    m_countries = qsizetype(g.m_countries.size());
    if (!heading(lines, "regions", counted) || !readCount(counted[1], 30000, count))
        return at(translate("text", "the regions' heading is missing or wrong"));
    m_regions.resize(std::size_t(count));
    for (auto &r : m_regions)
        if (!lines.next(line) || !splitFields(line, r))
            return at(translate("text", "a region must be a name and its folded form"));
    if (!heading(lines, "zones", counted) || !readCount(counted[1], 1000, count))
        return at(translate("text", "the zones' heading is missing or wrong"));
    for (qint64 i = 0; i < count; ++i) {
        if (!lines.next(line) || line.isEmpty())
            return at(translate("text", "a time zone must be one name"));
        g.m_zones << QString::fromUtf8(line);
    }

    std::array<QByteArrayView, 3> places;
    qint64 perBlock = 0;
    if (!heading(lines, "places", places) || !readCount(places[1], 10'000'000, count) ||
        !readCount(places[2], 1'000'000, perBlock) || perBlock == 0)
        return at(translate("text", "the places' heading is missing or wrong"));
    m_places = count;
    m_rowsPerBlock = int(perBlock);
    m_rowBlocks.resize(std::size_t((m_places + perBlock - 1) / perBlock));
    if (!heading(lines, "key blocks", counted) || !readCount(counted[1], 10'000'000, count))
        return at(translate("text", "the key blocks' heading is missing or wrong"));
    m_keyBlocks.resize(std::size_t(count));
    for (KeyBlock &b : m_keyBlocks) {
        if (!lines.next(line) || line.isEmpty())
            return at(translate("text", "a block's first key is missing"));
        b.first = QString::fromUtf8(line);
    }
    if (!heading(lines, "bytes", counted) || !readCount(counted[1], m_blocksSize, count))
        return at(translate("text", "the blocks' size is missing or wrong"));
    if (count != m_blocksSize)
        return translate("text", "it is cut short or has bytes past its end");
    if (!lines.next(line) || line != "tables")
        return at(translate("text", "the blocks' table is missing"));

    const QByteArrayView table = lines.rest();
    if (table.size() != 8 * qsizetype(m_rowBlocks.size() + m_keyBlocks.size()))
        return translate("text", "the blocks' table is cut short or too long");
    const char *entry = table.data();
    const auto span = [this, &entry](Span &into) {
        into.offset = qFromLittleEndian<quint32>(entry);
        into.size = qFromLittleEndian<quint32>(entry + 4);
        entry += 8;
        return into.offset + into.size <= m_blocksSize;
    };
    for (RowBlock &b : m_rowBlocks)
        if (!span(b.at))
            return translate("text", "a block lies outside the file");
    for (KeyBlock &b : m_keyBlocks)
        if (!span(b.at))
            return translate("text", "a block lies outside the file");
    return {};
}

QString Gazetteer::Index::region(int index, bool folded) const
{
    // The head does not change once read: no lock needed.
    return QString::fromUtf8(m_regions[std::size_t(index)][folded ? 1 : 0]);
}

QString Gazetteer::Index::damage() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_damage;
}

bool Gazetteer::Index::damaged(const QString &why)
{
    if (m_damage.isEmpty())
        m_damage = translate("text", "the place names file %1 is damaged: %2").arg(m_file.fileName(), why);
    return false;
}

bool Gazetteer::Index::readKeys(KeyBlock &block)
{
    if (block.read)
        return true;
    const QByteArray raw = qUncompress(m_blocks + block.at.offset, block.at.size);
    const qsizetype count = raw.size() < 4 ? -1 : qsizetype(qFromLittleEndian<quint32>(raw.constData()));
    if (count <= 0 || count > (raw.size() - 4) / kKeyRecord)
        return damaged(translate("text", "a block of names is corrupt"));
    const qsizetype textStart = 4 + count * kKeyRecord;
    block.text = QString::fromUtf8(QByteArrayView(raw).sliced(textStart));
    const auto *text = reinterpret_cast<const char16_t *>(block.text.utf16());
    block.keys.reserve(std::size_t(count));
    qsizetype offset = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const char *r = raw.constData() + 4 + i * kKeyRecord;
        const Key k{text + offset, qFromLittleEndian<quint16>(r + 8), qFromLittleEndian<quint16>(r + 4),
                    qFromLittleEndian<qint16>(r + 6), qint32(qFromLittleEndian<quint32>(r))};
        offset += k.length;
        if (k.row < 0 || k.row >= m_places || k.country >= m_countries || k.region < -1 ||
            k.region >= qsizetype(m_regions.size()) || offset > block.text.size())
            return damaged(translate("text", "a block of names is corrupt"));
        block.keys.push_back(k);
    }
    if (offset != block.text.size() || block.keys.front().view() != units(block.first))
        return damaged(translate("text", "a block of names is corrupt"));
    block.read = true;
    return true;
}

std::vector<Gazetteer::Key> Gazetteer::Index::keysStartingWith(QStringView folded)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_damage.isEmpty() || m_keyBlocks.empty())
        return {};
    const std::u16string_view text = units(folded);
    // Keys equal to `folded` may end the block before the first that starts with it.
    const auto start = std::lower_bound(m_keyBlocks.begin(), m_keyBlocks.end(), text,
                                        [](const KeyBlock &b, std::u16string_view s) { return units(b.first) < s; });
    std::vector<Key> found;
    for (auto b = start == m_keyBlocks.begin() ? start : start - 1; b != m_keyBlocks.end(); ++b) {
        if (b >= start && !units(b->first).starts_with(text))
            break;
        if (!readKeys(*b))
            return {};
        const auto first = std::lower_bound(b->keys.begin(), b->keys.end(), text,
                                            [](const Key &k, std::u16string_view s) { return k.view() < s; });
        const auto last =
            std::partition_point(first, b->keys.end(), [text](const Key &k) { return k.view().starts_with(text); });
        found.insert(found.end(), first, last);
    }
    return found;
}

bool Gazetteer::Index::readRows(RowBlock &block, qsizetype count)
{
    if (block.read)
        return true;
    block.text = qUncompress(m_blocks + block.at.offset, block.at.size);
    Lines lines(block.text);
    QByteArrayView line;
    block.lines.reserve(std::size_t(count));
    while (lines.next(line))
        block.lines.push_back(line);
    if (qsizetype(block.lines.size()) != count)
        return damaged(translate("text", "a block of places is corrupt"));
    block.read = true;
    return true;
}

std::optional<Place> Gazetteer::Index::place(const Gazetteer &g, qint32 row)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    const std::size_t index = std::size_t(row / m_rowsPerBlock);
    const qsizetype count = std::min<qsizetype>(m_rowsPerBlock, m_places - qsizetype(index) * m_rowsPerBlock);
    PlaceLine p;
    if (!m_damage.isEmpty() || row < 0 || index >= m_rowBlocks.size() || !readRows(m_rowBlocks[index], count))
        return std::nullopt;
    // Only the line asked for is read: one place of the block's 128.
    const QByteArrayView line = m_rowBlocks[index].lines[std::size_t(row % m_rowsPerBlock)];
    if (!readPlaceLine(line, m_countries, qsizetype(m_regions.size()), g.m_zones.size(), p).isEmpty()) {
        damaged(QStringLiteral("a block of places is corrupt"));
        return std::nullopt;
    }
    const Country &c = g.m_countries[std::size_t(p.country)];
    const QString name = QString::fromUtf8(p.name);
    return Place{name,
                 p.ascii.isEmpty() ? name : QString::fromUtf8(p.ascii),
                 p.region < 0 ? QString() : region(p.region, false),
                 c.code,
                 c.name,
                 p.latitude,
                 p.longitude,
                 p.population,
                 g.m_zones[p.zone]};
}

} // namespace orvane
