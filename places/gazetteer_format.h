#pragma once
// What the gazetteer's two forms share: tab-separated lines, and a place's
// line (see places/tools/make-gazetteer.mjs).

#include <QByteArrayView>
#include <QString>

#include <algorithm>
#include <array>

namespace orvane::gazetteer_format {

// The index's first bytes. The text form starts with its length, big-endian
// and far below this.
inline constexpr char kIndexMagic[8] = {'O', 'r', 'v', 'G', 'a', 'z', 'I', '1'};

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
    // What follows the lines read so far.
    QByteArrayView rest() const { return m_text.sliced(std::min(m_pos, m_text.size())); }

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
inline bool readIndex(QByteArrayView field, qsizetype size, int &into)
{
    bool ok = false;
    into = field.toInt(&ok);
    return ok && into >= 0 && into < size;
}

inline constexpr int kPlaceFields = 8;

// A place's line, its indices checked against the tables' sizes.
struct PlaceLine {
    QByteArrayView name, ascii; // ascii as written: empty when the same as name
    int country = 0, region = -1, zone = 0;
    double latitude = 0, longitude = 0;
    qint64 population = 0;
};

// Empty when `line` is a whole place; else what is wrong with it.
QString readPlaceLine(QByteArrayView line, qsizetype countries, qsizetype regions, qsizetype zones, PlaceLine &into);

} // namespace orvane::gazetteer_format
