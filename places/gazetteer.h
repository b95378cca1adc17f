#pragma once
// The places by name: a gazetteer read whole from its file, then looked up
// by folded name (see name_folding.h).

#include "place.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <string_view>
#include <vector>

namespace orvane {

class Gazetteer {
public:
    // Reads the file; a missing or damaged one leaves no place and error() set.
    static Gazetteer fromFile(const QString &path);
    // The same from the file's bytes; `origin` names it in the error.
    static Gazetteer fromBytes(const QByteArray &compressed, const QString &origin);
    // No place, and `why` as the error.
    static Gazetteer unavailable(const QString &why);

    // Empty when the places could be read; else one line that says why not.
    QString error() const { return m_error; }
    qsizetype size() const { return qsizetype(m_rows.size()); }
    // Every time zone the places name.
    QStringList zones() const { return m_zones; }

    // "Paris", "paris, texas", "Zurich, CH": the name, then after each comma
    // a country code, or the start of a country or region name, that the
    // place must have. Places of that very name first, then those whose
    // name starts with it; each group most populous first.
    QList<Place> find(const QString &query, int limit) const;
    // The most populous places whose name starts with `prefix`.
    QList<Place> startingWith(const QString &prefix, int limit) const;
    // Only the places of that very name, with the qualifiers as in find().
    QList<Place> named(const QString &query, int limit) const;
    // Up to three names a few letters from the query's name, nearest first.
    QStringList nearestNames(const QString &query) const;

private:
    struct Row {
        qint32 name = 0, ascii = 0; // offsets into m_names
        quint16 nameLength = 0, asciiLength = 0;
        qint16 region = -1; // index into m_regions, -1 where unknown
        quint16 country = 0, zone = 0;
        double latitude = 0, longitude = 0;
        qint64 population = 0;
    };
    // A folded name in m_keys and the row it names.
    struct Key {
        qint32 offset = 0;
        quint16 length = 0;
        qint32 row = 0;
    };
    struct Country {
        QString code, name, foldedName;
    };
    struct Region {
        QString name, folded;
    };
    // Keys in [first, last) whose folded name starts with `prefix`.
    struct Range {
        std::vector<Key>::const_iterator first, last;
    };

    // Empty when the text was a whole gazetteer; else what was wrong.
    QString read(QByteArrayView text);
    void buildKeys();
    // Compared by UTF-16 code unit, as the index is sorted.
    std::u16string_view keyText(const Key &k) const
    {
        return {reinterpret_cast<const char16_t *>(m_keys.utf16()) + k.offset, k.length};
    }
    Range keysStartingWith(QStringView folded) const;
    // The end of the keys in `range` (all starting with `folded`) that are `folded` itself.
    std::vector<Key>::const_iterator endOfExact(Range range, QStringView folded) const;
    bool matches(const Row &row, const QStringList &qualifiers) const;
    Place place(qint32 row) const;
    // The rows in `range` that pass `qualifiers`, most populous first, not in `skip`.
    std::vector<qint32> rowsIn(Range range, const QStringList &qualifiers, int limit,
                               const std::vector<qint32> &skip = {}) const;

    QString m_error;
    std::vector<Row> m_rows;  // most populous first
    QString m_names;          // every name and ASCII name, end to end
    QString m_keys;           // every folded name, end to end
    std::vector<Key> m_index; // by folded name, then most populous first
    std::vector<Country> m_countries;
    std::vector<Region> m_regions;
    QStringList m_zones;
};

} // namespace orvane
