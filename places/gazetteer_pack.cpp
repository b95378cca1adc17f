// Writing the index from a gazetteer read whole: see gazetteer_index.cpp
// for its layout.
#include "gazetteer.h"
#include "gazetteer_format.h"

#include <QLocale>
#include <QtEndian>

namespace orvane {

namespace {

// A look-up inflates one block of about 6 KB for each place it shows, and
// one or two of about 30 KB of names; smaller blocks pack the file worse.
constexpr std::size_t kRowsPerBlock = 128;
constexpr std::size_t kKeysPerBlock = 1024;

QByteArray number(double value) { return QString::number(value, 'g', QLocale::FloatingPointShortest).toLatin1(); }

} // namespace

QByteArray Gazetteer::indexed() const
{
    if (m_file || !m_error.isEmpty())
        return {};
    QByteArray blocks, table, firstKeys;
    const auto put = [&blocks, &table](const QByteArray &raw) {
        const QByteArray packed = qCompress(raw, 9);
        char entry[8];
        qToLittleEndian<quint32>(quint32(blocks.size()), entry);
        qToLittleEndian<quint32>(quint32(packed.size()), entry + 4);
        table.append(entry, sizeof entry);
        blocks += packed;
    };

    for (std::size_t first = 0; first < m_rows.size(); first += kRowsPerBlock) {
        QByteArray raw;
        for (std::size_t i = first; i < std::min(first + kRowsPerBlock, m_rows.size()); ++i) {
            const Row &r = m_rows[i];
            raw += QStringView(m_names).mid(r.name, r.nameLength).toUtf8() + '\t';
            if (r.ascii != r.name)
                raw += QStringView(m_names).mid(r.ascii, r.asciiLength).toUtf8();
            raw += '\t' + QByteArray::number(r.country) + '\t' +
                   (r.region < 0 ? QByteArray() : QByteArray::number(r.region)) + '\t' + number(r.latitude) + '\t' +
                   number(r.longitude) + '\t' + QByteArray::number(r.population) + '\t' + QByteArray::number(r.zone) +
                   '\n';
        }
        put(raw);
    }

    qsizetype keyBlocks = 0;
    for (std::size_t first = 0; first < m_index.size(); first += kKeysPerBlock, ++keyBlocks) {
        const std::size_t last = std::min(first + kKeysPerBlock, m_index.size());
        QByteArray raw(qsizetype(4 + 10 * (last - first)), '\0');
        qToLittleEndian<quint32>(quint32(last - first), raw.data());
        QString names;
        for (std::size_t i = first; i < last; ++i) {
            const Key &k = m_index[i];
            char *record = raw.data() + 4 + 10 * (i - first);
            qToLittleEndian<quint32>(quint32(k.row), record);
            qToLittleEndian<quint16>(k.country, record + 4);
            qToLittleEndian<qint16>(k.region, record + 6);
            qToLittleEndian<quint16>(k.length, record + 8);
            names += QStringView(k.text, k.length);
        }
        raw += names.toUtf8();
        put(raw);
        firstKeys += QStringView(m_index[first].text, m_index[first].length).toUtf8() + '\n';
    }

    QByteArray head = "countries\t" + QByteArray::number(qsizetype(m_countries.size())) + '\n';
    for (const Country &c : m_countries)
        head += c.code.toLatin1() + '\t' + c.name.toUtf8() + '\t' + c.foldedName.toUtf8() + '\n';
    head += "regions\t" + QByteArray::number(qsizetype(m_regions.size())) + '\n';
    for (const Region &r : m_regions)
        head += r.name.toUtf8() + '\t' + r.folded.toUtf8() + '\n';
    head += "zones\t" + QByteArray::number(m_zones.size()) + '\n';
    for (const QString &z : m_zones)
        head += z.toUtf8() + '\n';
    head += "places\t" + QByteArray::number(qsizetype(m_rows.size())) + '\t' +
            QByteArray::number(qsizetype(kRowsPerBlock)) + '\n';
    head += "key blocks\t" + QByteArray::number(keyBlocks) + '\n' + firstKeys;
    head += "bytes\t" + QByteArray::number(blocks.size()) + "\ntables\n" + table;

    const QByteArray packedHead = qCompress(head, 9);
    QByteArray out(gazetteer_format::kIndexMagic, sizeof gazetteer_format::kIndexMagic);
    out.resize(out.size() + 4);
    qToBigEndian<quint32>(quint32(packedHead.size()), out.data() + out.size() - 4);
    return out + packedHead + blocks;
}

} // namespace orvane
