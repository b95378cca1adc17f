// Makes the gazetteer's index from its text form, at build time:
//   orvane_pack_gazetteer TEXT.tsv.qz INDEX
// The text is read whole and checked as the program would read it.
#include "places/gazetteer.h"

#include <QSaveFile>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fputs("usage: orvane_pack_gazetteer TEXT.tsv.qz INDEX\n", stderr);
        return 2;
    }
    const orvane::Gazetteer g = orvane::Gazetteer::fromFile(QString::fromLocal8Bit(argv[1]));
    const QByteArray index = g.indexed();
    if (index.isEmpty()) {
        std::fprintf(stderr, "orvane_pack_gazetteer: %s\n",
                     g.error().isEmpty() ? "the text form is needed" : qPrintable(g.error()));
        return 1;
    }
    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(index) != index.size() || !out.commit()) {
        std::fprintf(stderr, "orvane_pack_gazetteer: %s: %s\n", argv[2], qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
