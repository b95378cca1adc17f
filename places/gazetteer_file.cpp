// Reading the gazetteer's file, all of it or nothing: see
// places/tools/make-gazetteer.mjs for its format.
#include "gazetteer.h"
#include "gazetteer_format.h"
#include "name_folding.h"
#include "text/translation.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <array>

namespace orvane {

using namespace gazetteer_format;

namespace {

// Far above the real file (about 7 MB unpacked): a length beyond it is not ours.
constexpr quint32 kMostBytes = 64u << 20;

} // namespace

QString gazetteer_format::readPlaceLine(QByteArrayView line, qsizetype countries, qsizetype regions, qsizetype zones,
                                        PlaceLine &into)
{
    std::array<QByteArrayView, kPlaceFields> f;
    if (!splitFields(line, f))
        return translate("text", "a place must have %1 fields").arg(kPlaceFields);
    bool latOk = false, lonOk = false, popOk = false;
    into.latitude = f[4].toDouble(&latOk);
    into.longitude = f[5].toDouble(&lonOk);
    into.population = f[6].toLongLong(&popOk);
    into.region = -1;
    if (f[0].isEmpty() || !readIndex(f[2], countries, into.country) ||
        (!f[3].isEmpty() && !readIndex(f[3], regions, into.region)) || !readIndex(f[7], zones, into.zone))
        return translate("text", "a place's name, country, region or time zone is missing or unknown");
    if (!latOk || !lonOk || !popOk || std::abs(into.latitude) > 90 || std::abs(into.longitude) > 180 ||
        into.population < 0)
        return translate("text", "a place's latitude, longitude or population is out of range");
    into.name = f[0];
    into.ascii = f[1];
    return {};
}

Gazetteer Gazetteer::fromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unavailable(
            translate("text", "the place names cannot be read from %1: %2").arg(path, file.errorString()));
    if (file.peek(sizeof kIndexMagic) == QByteArrayView(kIndexMagic, sizeof kIndexMagic))
        return fromIndex(path);
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
        why = translate("text", "not a gazetteer");
    } else {
        const QByteArray text = qUncompress(compressed);
        why = text.size() != qsizetype(length) ? translate("text", "its compressed data is cut short or corrupt")
                                               : g.read(text);
    }
    if (!why.isEmpty())
        return unavailable(translate("text", "the place names file %1 is damaged: %2").arg(origin, why));
    g.buildKeys();
    return g;
}

QString Gazetteer::read(QByteArrayView text)
{
    Lines lines(text);
    QByteArrayView line;
    const auto at = [&lines](const QString &what) {
        return translate("text", "line %1: %2").arg(lines.number()).arg(what);
    };
    if (!lines.next(line) || line != "orvane-gazetteer\t1")
        return translate("text", "not a gazetteer of this program's version");

    // "NAME <TAB> COUNT", then the count's lines.
    const auto section = [&](const char *name, int most, int &count) {
        std::array<QByteArrayView, 2> f;
        bool ok = false;
        if (!lines.next(line) || !splitFields(line, f) || f[0] != name || (count = f[1].toInt(&ok), !ok) || count < 0 ||
            count > most)
            return at(translate("text", "the %1 table's heading is missing or wrong").arg(QLatin1String(name)));
        return QString();
    };

    int count = 0;
    if (QString e = section("countries", 1000, count); !e.isEmpty())
        return e;
    for (int i = 0; i < count; ++i) {
        std::array<QByteArrayView, 2> f;
        if (!lines.next(line) || !splitFields(line, f) || f[0].size() != 2 ||
            !std::all_of(f[0].begin(), f[0].end(), [](char c) { return c >= 'A' && c <= 'Z'; }) || f[1].isEmpty())
            return at(translate("text", "a country must be a two-letter code and a name"));
        const QString name = QString::fromUtf8(f[1]);
        m_countries.push_back(Country{QString::fromLatin1(f[0]), name, foldName(name)});
    }
    if (QString e = section("regions", 30000, count); !e.isEmpty())
        return e;
    for (int i = 0; i < count; ++i) {
        if (!lines.next(line) || line.isEmpty() || line.contains('\t'))
            return at(translate("text", "a region must be one name"));
        const QString name = QString::fromUtf8(line);
        m_regions.push_back(Region{name, foldName(name)});
    }
    if (QString e = section("zones", 1000, count); !e.isEmpty())
        return e;
    for (int i = 0; i < count; ++i) {
        if (!lines.next(line) || line.isEmpty() || line.contains('\t'))
            return at(translate("text", "a time zone must be one name"));
        m_zones << QString::fromUtf8(line);
    }

    if (QString e = section("places", 10'000'000, count); !e.isEmpty())
        return e;
    m_rows.reserve(std::size_t(count));
    m_names.reserve(qsizetype(count) * 12);
    for (int i = 0; i < count; ++i) {
        PlaceLine p;
        if (!lines.next(line))
            return at(translate("text", "a place must have %1 fields").arg(kPlaceFields));
        if (const QString e =
                readPlaceLine(line, qsizetype(m_countries.size()), qsizetype(m_regions.size()), m_zones.size(), p);
            !e.isEmpty())
            return at(e);
        const QString name = QString::fromUtf8(p.name);
        const QString ascii = p.ascii.isEmpty() ? name : QString::fromUtf8(p.ascii);
        if (name.size() > 0xffff || ascii.size() > 0xffff)
            return at(translate("text", "a place's name is too long"));
        Row row;
        row.name = qint32(m_names.size());
        row.nameLength = quint16(name.size());
        m_names += name;
        row.ascii = p.ascii.isEmpty() ? row.name : qint32(m_names.size());
        row.asciiLength = quint16(ascii.size());
        if (!p.ascii.isEmpty())
            m_names += ascii;
        row.country = quint16(p.country);
        row.region = qint16(p.region);
        row.zone = quint16(p.zone);
        row.latitude = p.latitude;
        row.longitude = p.longitude;
        row.population = p.population;
        m_rows.push_back(row);
    }
    if (!lines.atEnd())
        return translate("text", "more lines than the places table counts");
    return {};
}

void Gazetteer::buildKeys()
{
    struct At {
        qint32 offset;
        quint16 length;
        std::size_t row;
    };
    std::vector<At> at;
    at.reserve(m_rows.size() * 5 / 4);
    const auto add = [this, &at](const QString &folded, std::size_t row) {
        if (folded.isEmpty() || folded.size() > 0xffff)
            return;
        at.push_back(At{qint32(m_keys.size()), quint16(folded.size()), row});
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
    // m_keys no longer changes: the keys can point into it.
    const auto *text = reinterpret_cast<const char16_t *>(m_keys.utf16());
    m_index.reserve(at.size());
    for (const At &a : at) {
        const Row &r = m_rows[a.row];
        m_index.push_back(Key{text + a.offset, a.length, r.country, r.region, qint32(a.row)});
    }
    // Equal names keep the rows' order: most populous first.
    std::sort(m_index.begin(), m_index.end(), [](const Key &a, const Key &b) {
        const int c = a.view().compare(b.view());
        return c < 0 || (c == 0 && a.row < b.row);
    });
}

} // namespace orvane
