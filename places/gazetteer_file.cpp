// Reading the gazetteer's file, all of it or nothing: see
// places/tools/make-gazetteer.mjs for its format.
#include "gazetteer.h"
#include "name_folding.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <array>

namespace orvane {

namespace {

// Far above the real file (about 7 MB unpacked): a length beyond it is not ours.
constexpr quint32 kMostBytes = 64u << 20;
constexpr int kPlaceFields = 8;

class Lines {
public:
    explicit Lines(QByteArrayView text) : m_text(text) {}
    bool next(QByteArrayView &line)
    {
        if (m_pos >= m_text.size())
            return false;
        const qsizetype end = m_text.indexOf('\n', m_pos);
        const qsizetype stop = end < 0 ? m_text.size() : end;
        line = m_text.sliced(m_pos, stop - m_pos);
        m_pos = stop + 1;
        ++m_number;
        return true;
    }
    int number() const { return m_number; }
    bool atEnd() const { return m_pos >= m_text.size(); }

private:
    QByteArrayView m_text;
    qsizetype m_pos = 0;
    int m_number = 0;
};

// Splits `line` at tabs into exactly `fields.size()` fields.
template <std::size_t N>
bool splitFields(QByteArrayView line, std::array<QByteArrayView, N> &fields)
{
    std::size_t i = 0;
    qsizetype from = 0;
    for (;;) {
        const qsizetype tab = line.indexOf('\t', from);
        if (i == N)
            return false;
        fields[i++] = line.sliced(from, (tab < 0 ? line.size() : tab) - from);
        if (tab < 0)
            return i == N;
        from = tab + 1;
    }
}

// An index into a table of `size` entries.
bool readIndex(QByteArrayView field, qsizetype size, int &into)
{
    bool ok = false;
    into = field.toInt(&ok);
    return ok && into >= 0 && into < size;
}

} // namespace

Gazetteer Gazetteer::fromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unavailable(QStringLiteral("the place names cannot be read from %1: %2").arg(path, file.errorString()));
    return fromBytes(file.readAll(), path);
}

Gazetteer Gazetteer::unavailable(const QString &why)
{
    Gazetteer g;
    g.m_error = why;
    return g;
}

Gazetteer Gazetteer::fromBytes(const QByteArray &compressed, const QString &origin)
{
    Gazetteer g;
    QString why;
    const quint32 length = compressed.size() < 4 ? 0 : qFromBigEndian<quint32>(compressed.constData());
    if (length == 0 || length > kMostBytes) {
        why = QStringLiteral("not a gazetteer");
    } else {
        const QByteArray text = qUncompress(compressed);
        why = text.size() != qsizetype(length) ? QStringLiteral("its compressed data is cut short or corrupt")
                                               : g.read(text);
    }
    if (!why.isEmpty())
        return unavailable(QStringLiteral("the place names file %1 is damaged: %2").arg(origin, why));
    g.buildKeys();
    return g;
}

QString Gazetteer::read(QByteArrayView text)
{
    Lines lines(text);
    QByteArrayView line;
    const auto at = [&lines](const QString &what) {
        return QStringLiteral("line %1: %2").arg(lines.number()).arg(what);
    };
    if (!lines.next(line) || line != "orvane-gazetteer\t1")
        return QStringLiteral("not a gazetteer of this program's version");

    // "NAME <TAB> COUNT", then the count's lines.
    const auto section = [&](const char *name, int most, int &count) {
        std::array<QByteArrayView, 2> f;
        bool ok = false;
        if (!lines.next(line) || !splitFields(line, f) || f[0] != name || (count = f[1].toInt(&ok), !ok) || count < 0 ||
            count > most)
            return at(QStringLiteral("the %1 table's heading is missing or wrong").arg(QLatin1String(name)));
        return QString();
    };

    int count = 0;
    if (QString e = section("countries", 1000, count); !e.isEmpty())
        return e;
    for (int i = 0; i < count; ++i) {
        std::array<QByteArrayView, 2> f;
        if (!lines.next(line) || !splitFields(line, f) || f[0].size() != 2 ||
            !std::all_of(f[0].begin(), f[0].end(), [](char c) { return c >= 'A' && c <= 'Z'; }) || f[1].isEmpty())
            return at(QStringLiteral("a country must be a two-letter code and a name"));
        const QString name = QString::fromUtf8(f[1]);
        m_countries.push_back(Country{QString::fromLatin1(f[0]), name, foldName(name)});
    }
    if (QString e = section("regions", 30000, count); !e.isEmpty())
        return e;
    for (int i = 0; i < count; ++i) {
        if (!lines.next(line) || line.isEmpty() || line.contains('\t'))
            return at(QStringLiteral("a region must be one name"));
        const QString name = QString::fromUtf8(line);
        m_regions.push_back(Region{name, foldName(name)});
    }
    if (QString e = section("zones", 1000, count); !e.isEmpty())
        return e;
    for (int i = 0; i < count; ++i) {
        if (!lines.next(line) || line.isEmpty() || line.contains('\t'))
            return at(QStringLiteral("a time zone must be one name"));
        m_zones << QString::fromUtf8(line);
    }

    if (QString e = section("places", 10'000'000, count); !e.isEmpty())
        return e;
    m_rows.reserve(std::size_t(count));
    m_names.reserve(qsizetype(count) * 12);
    for (int i = 0; i < count; ++i) {
        std::array<QByteArrayView, kPlaceFields> f;
        if (!lines.next(line) || !splitFields(line, f))
            return at(QStringLiteral("a place must have %1 fields").arg(kPlaceFields));
        Row row;
        int country = 0, region = -1, zone = 0;
        bool latOk = false, lonOk = false, popOk = false;
        row.latitude = f[4].toDouble(&latOk);
        row.longitude = f[5].toDouble(&lonOk);
        row.population = f[6].toLongLong(&popOk);
        if (f[0].isEmpty() || !readIndex(f[2], qsizetype(m_countries.size()), country) ||
            (!f[3].isEmpty() && !readIndex(f[3], qsizetype(m_regions.size()), region)) ||
            !readIndex(f[7], m_zones.size(), zone))
            return at(QStringLiteral("a place's name, country, region or time zone is missing or unknown"));
        if (!latOk || !lonOk || !popOk || std::abs(row.latitude) > 90 || std::abs(row.longitude) > 180 ||
            row.population < 0)
            return at(QStringLiteral("a place's latitude, longitude or population is out of range"));
        const QString name = QString::fromUtf8(f[0]);
        const QString ascii = f[1].isEmpty() ? name : QString::fromUtf8(f[1]);
        if (name.size() > 0xffff || ascii.size() > 0xffff)
            return at(QStringLiteral("a place's name is too long"));
        row.name = qint32(m_names.size());
        row.nameLength = quint16(name.size());
        m_names += name;
        row.ascii = f[1].isEmpty() ? row.name : qint32(m_names.size());
        row.asciiLength = quint16(ascii.size());
        if (!f[1].isEmpty())
            m_names += ascii;
        row.country = quint16(country);
        row.region = qint16(region);
        row.zone = quint16(zone);
        m_rows.push_back(row);
    }
    if (!lines.atEnd())
        return QStringLiteral("more lines than the places table counts");
    return {};
}

void Gazetteer::buildKeys()
{
    m_index.reserve(m_rows.size() * 5 / 4);
    const auto add = [this](const QString &folded, std::size_t row) {
        if (folded.isEmpty())
            return;
        m_index.push_back(Key{qint32(m_keys.size()), quint16(folded.size()), qint32(row)});
        m_keys += folded;
    };
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const Row &r = m_rows[i];
        const QString name = foldName(QStringView(m_names).mid(r.name, r.nameLength));
        add(name, i);
        if (r.ascii != r.name) {
            const QString ascii = foldName(QStringView(m_names).mid(r.ascii, r.asciiLength));
            if (ascii != name)
                add(ascii, i);
        }
    }
    m_keys.squeeze();
    // Equal names keep the rows' order: most populous first.
    std::sort(m_index.begin(), m_index.end(), [this](const Key &a, const Key &b) {
        const int c = keyText(a).compare(keyText(b));
        return c < 0 || (c == 0 && a.row < b.row);
    });
}

} // namespace orvane
