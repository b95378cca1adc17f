#pragma once
// The gazetteer's index, read in place: its file mapped, the head's tables
// read at once, and each block of places or of sorted keys inflated on the
// first look-up that needs it, then kept. Safe from any thread.

#include "gazetteer.h"

#include <QFile>

#include <array>
#include <mutex>

namespace orvane {

class Gazetteer::Index {
public:
    // Empty when `path` holds a whole head; else what is wrong. Fills the
    // tables of `g`, which every later call takes back.
    QString open(const QString &path, Gazetteer &g);
    qsizetype size() const { return m_places; }
    // Empty until a block proves damaged; then the error, for good.
    QString damage() const;
    std::vector<Key> keysStartingWith(QStringView folded);
    std::optional<Place> place(const Gazetteer &g, qint32 row);
    QString region(int index, bool folded) const;

private:
    // Where a block lies, from the start of the blocks.
    struct Span {
        qint64 offset = 0, size = 0;
    };
    struct KeyBlock {
        Span at;
        QString first; // the block's first key
        bool read = false;
        QString text; // the keys' names, end to end
        std::vector<Key> keys;
    };
    struct RowBlock {
        Span at;
        bool read = false;
        QByteArray text;
        std::vector<QByteArrayView> lines; // into text
    };

    QString readHead(Gazetteer &g);
    // Each false when the block is damaged, which damage() then says.
    bool readKeys(KeyBlock &block);
    bool readRows(RowBlock &block, qsizetype count);
    bool damaged(const QString &why);

    QFile m_file;
    const uchar *m_blocks = nullptr;
    qint64 m_blocksSize = 0;
    qsizetype m_places = 0;
    int m_rowsPerBlock = 1;
    qsizetype m_countries = 0; // the table's size
    // The regions stay UTF-8 in the head until a place or a qualifier asks:
    // most are never needed.
    QByteArray m_head;
    std::vector<std::array<QByteArrayView, 2>> m_regions; // name, folded
    std::vector<KeyBlock> m_keyBlocks;
    std::vector<RowBlock> m_rowBlocks;
    mutable std::mutex m_mutex;
    QString m_damage;
};

} // namespace orvane
