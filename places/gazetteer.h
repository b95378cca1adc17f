#pragma once
// The places by name, looked up by folded name (see name_folding.h). The
// gazetteer comes in two forms: the text that the maker script writes, read
// whole, and the index made from it at build time, read in place a few
// blocks per look-up (see gazetteer_index.cpp).

#include "place.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace orvane {

class Gazetteer {
public:
    // Reads the file in either form, told apart by its first bytes; a
    // missing or damaged one leaves no place and error() set.
    static Gazetteer fromFile(const QString &path);
    // The text form from the file's bytes, read whole; `origin` names it in the error.
    static Gazetteer fromBytes(const QByteArray &compressed, const QString &origin);
    // No place, and `why` as the error.
    static Gazetteer unavailable(const QString &why);

    // The index of a gazetteer read whole, which fromFile() reads in place;
    // empty for one that was not.
    QByteArray indexed() const;

    // Empty when the places could be read; else one line that says why not.
    // An index's block found damaged on a look-up sets it too, and from then
    // on every look-up finds nothing.
    QString error() const;
    qsizetype size() const;
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
    // A place of the text form; rows are numbered most populous first.
    struct Row {
        qint32 name = 0, ascii = 0; // offsets into m_names
        quint16 nameLength = 0, asciiLength = 0;
        qint16 region = -1; // index into m_regions, -1 where unknown
        quint16 country = 0, zone = 0;
        double latitude = 0, longitude = 0;
        qint64 population = 0;
    };
    // A folded name, the row it names and what the qualifiers test. The text
    // lives in m_keys or in a block of the index, as long as the gazetteer.
    struct Key {
        const char16_t *text = nullptr;
        quint16 length = 0;
        quint16 country = 0;
        qint16 region = -1;
        qint32 row = 0;
        std::u16string_view view() const { return {text, length}; }
    };
    struct Country {
        QString code, name, foldedName;
    };
    struct Region {
        QString name, folded;
    };
    using Keys = std::span<const Key>;
    class Index;
    friend class Index;

    // The index's head, its blocks left in the file (see gazetteer_index.cpp).
    static Gazetteer fromIndex(const QString &path);
    // Empty when the text was a whole gazetteer; else what was wrong.
    QString read(QByteArrayView text);
    void buildKeys();
    // Every key whose folded name starts with `folded`, by name, then most populous first.
    std::vector<Key> keysStartingWith(QStringView folded) const;
    bool matches(const Key &key, const QStringList &qualifiers) const;
    // A region's name, or its folded form; empty for -1.
    QString region(int index, bool folded) const;
    std::optional<Place> place(qint32 row) const;
    // The rows of `keys` that pass `qualifiers`, most populous first, not in `skip`.
    std::vector<qint32> rowsIn(Keys keys, const QStringList &qualifiers, int limit,
                               const std::vector<qint32> &skip = {}) const;
    // The places of `rows`; none when a block of the index proves damaged.
    QList<Place> places(std::initializer_list<const std::vector<qint32> *> rows) const;

    QString m_error;
    std::vector<Country> m_countries;
    std::vector<Region> m_regions;
    QStringList m_zones;
    // Read whole:
    std::vector<Row> m_rows;  // most populous first
    QString m_names;          // every name and ASCII name, end to end
    QString m_keys;           // every folded name, end to end
    std::vector<Key> m_index; // by folded name, then most populous first
    // Read in place:
    std::shared_ptr<Index> m_file;
};

} // namespace orvane
