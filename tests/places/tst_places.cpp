// Places by name from the program's gazetteer: folding, qualifiers, order,
// prefixes and the nearest names; the index against the text read whole;
// and a damaged file refused whole.
// Expected places, regions and populations are GeoNames' records as the
// data file holds them (places/data/SOURCE.md).
#include "places/places.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace orvane;

namespace {

QStringList shown(const QList<Place> &places)
{
    QStringList texts;
    for (const Place &p : places)
        texts << placeDisplayText(p);
    return texts;
}

// The text form, read whole; the program reads the index made from it.
const Gazetteer &wholeText()
{
    static const Gazetteer g = Gazetteer::fromFile(QStringLiteral(ORVANE_GAZETTEER_TEXT));
    return g;
}

// A whole gazetteer of one place, for the damaged copies below.
QByteArray smallText()
{
    return "orvane-gazetteer\t1\ncountries\t1\nCH\tSwitzerland\nregions\t1\nZurich\nzones\t1\nEurope/Zurich\n"
           "places\t1\nZürich\tZurich\t0\t0\t47.36667\t8.55\t341730\t0\n";
}

} // namespace

class TestPlaces : public QObject {
    Q_OBJECT
private slots:
    void lookup_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<bool>("prefix");       // placesStartingWith instead of findPlaces
        QTest::addColumn<QStringList>("first"); // the leading answers, in order
        QTest::addColumn<QStringList>("nearest");
        const QString zurich = "Zürich, Zurich, Switzerland";
        QTest::newRow("accented as written") << "Zürich" << false << QStringList{zurich} << QStringList{};
        QTest::newRow("accent left out") << "zurich" << false << QStringList{zurich} << QStringList{};
        QTest::newRow("capitals") << "ZURICH" << false << QStringList{zurich} << QStringList{};
        QTest::newRow("tilde and accent left out")
            << "sao paulo" << false << QStringList{"São Paulo, São Paulo, Brazil"} << QStringList{};
        QTest::newRow("tilde as written")
            << "São Paulo" << false << QStringList{"São Paulo, São Paulo, Brazil"} << QStringList{};
        const QString besancon = "Besançon, Bourgogne-Franche-Comté, France";
        QTest::newRow("cedilla as written") << "Besançon" << false << QStringList{besancon} << QStringList{};
        QTest::newRow("cedilla left out") << "besancon" << false << QStringList{besancon} << QStringList{};
        QTest::newRow("stroke letter as written")
            << "Łódź" << false << QStringList{"Łódź, Łódź Voivodeship, Poland"} << QStringList{};
        QTest::newRow("blank for a hyphen")
            << "winston salem" << false << QStringList{"Winston-Salem, North Carolina, United States"} << QStringList{};
        QTest::newRow("country code: the most populous Paris in the US")
            << "Paris, US" << false << QStringList{"Paris, Texas, United States", "Paris, Tennessee, United States"}
            << QStringList{};
        QTest::newRow("region") << "Paris, Texas" << false << QStringList{"Paris, Texas, United States"}
                                << QStringList{};
        QTest::newRow("start of a region, any case")
            << "paris, TEX" << false << QStringList{"Paris, Texas, United States"} << QStringList{};
        QTest::newRow("country name") << "Paris, France" << false << QStringList{"Paris, Île-de-France, France"}
                                      << QStringList{};
        QTest::newRow("country alias") << "London, UK" << false << QStringList{"London, England, United Kingdom"}
                                       << QStringList{};
        // Populations 166,810, 154,341 and 116,565.
        QTest::newRow("one name, most populous first")
            << "Springfield" << false
            << QStringList{"Springfield, Missouri, United States", "Springfield, Massachusetts, United States",
                           "Springfield, Illinois, United States"}
            << QStringList{};
        // Mexico City (12 million) only after every place named Mexico itself.
        QTest::newRow("the very name before longer ones")
            << "Mexico" << false
            << QStringList{"Mexico, Central Luzon, Philippines", "Mexico, Missouri, United States",
                           "Mexico, Maine, United States", "Mexico, New York, United States",
                           "Mexico City, Mexico City, Mexico"}
            << QStringList{};
        QTest::newRow("prefix while typing") << "zür" << true << QStringList{zurich} << QStringList{};
        // Shanghai, 22,315,474, is the most populous place of all.
        QTest::newRow("one-letter prefix, the largest place")
            << "s" << true << QStringList{"Shanghai, Shanghai, China"} << QStringList{};
        QTest::newRow("no match, a letter doubled")
            << "Zurrich" << false << QStringList{} << QStringList{"Zürich", "Zülpich", "Żurrieq"};
        QTest::newRow("no match, a letter left out and two swapped")
            << "Sprngfeild" << false << QStringList{} << QStringList{"Springfield"};
        QTest::newRow("no match, nothing near") << "Qqqqqqqq" << false << QStringList{} << QStringList{};
        QTest::newRow("qualifier no place has") << "Paris, Narnia" << false << QStringList{} << QStringList{"Paris"};
    }
    void lookup()
    {
        QFETCH(QString, query);
        QFETCH(bool, prefix);
        QFETCH(QStringList, first);
        QFETCH(QStringList, nearest);
        const QList<Place> found = prefix ? placesStartingWith(query, 10) : findPlaces(query, 10);
        QVERIFY2(placesError().isEmpty(), qPrintable(placesError()));
        QVERIFY(found.size() <= 10);
        QCOMPARE(shown(found).mid(0, first.size()), first);
        if (first.isEmpty()) {
            QVERIFY(found.isEmpty());
            QCOMPARE(nearestPlaceNames(query).mid(0, nearest.size()), nearest);
        }
    }

    // What the clock is set from: Zürich's record, and a zone Qt knows for every place.
    void placeFields()
    {
        const Place z = findPlaces(QStringLiteral("Zurich"), 1).value(0);
        QCOMPARE(z.countryCode, QStringLiteral("CH"));
        QCOMPARE(z.latitude, 47.36667); // GeoNames 2657896, as stored: exact
        QCOMPARE(z.longitude, 8.55);
        QCOMPARE(z.population, 341730);
        QCOMPARE(z.zone, QStringLiteral("Europe/Zurich"));
        QVERIFY(gazetteer().size() > 100000);
        for (const QString &zone : gazetteer().zones())
            QVERIFY2(QTimeZone::isTimeZoneIdAvailable(zone.toUtf8()), qPrintable(zone));
    }

    // The index answers as the text read whole, for a sample across the
    // places: the ten most populous of each initial, and awkward queries.
    void indexAgreesWithWholeRead()
    {
        const Gazetteer &whole = wholeText();
        QVERIFY2(whole.error().isEmpty(), qPrintable(whole.error()));
        QCOMPARE(gazetteer().size(), whole.size());
        QStringList queries{"Paris, US", "london, uk", "Saint", "St", "Mexico", "Łódź", "Zurrich", "Sprngfeild"};
        for (char16_t c = u'a'; c <= u'z'; ++c) {
            const QString initial(QChar{c});
            QCOMPARE(shown(placesStartingWith(initial, 10)), shown(whole.startingWith(initial, 10)));
            for (const Place &p : whole.startingWith(initial, 10))
                queries << p.name << p.name + ", " + p.countryCode;
        }
        for (const QString &q : queries) {
            const QList<Place> fromIndex = findPlaces(q, 10), read = whole.find(q, 10);
            QCOMPARE(shown(fromIndex), shown(read));
            for (qsizetype i = 0; i < read.size(); ++i) {
                QCOMPARE(fromIndex[i].asciiName, read[i].asciiName);
                QCOMPARE(fromIndex[i].latitude, read[i].latitude); // both parsed from the same digits
                QCOMPARE(fromIndex[i].longitude, read[i].longitude);
                QCOMPARE(fromIndex[i].population, read[i].population);
                QCOMPARE(fromIndex[i].zone, read[i].zone);
            }
            QCOMPARE(shown(placesNamed(q, 4)), shown(whole.named(q, 4)));
            QCOMPARE(nearestPlaceNames(q), whole.nearestNames(q));
        }
        QVERIFY(placesError().isEmpty());
    }

    void damaged_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
        QTest::addColumn<bool>("whole");
        const QByteArray good = qCompress(smallText());
        const auto changed = [](const char *from, const char *to) { return qCompress(smallText().replace(from, to)); };
        QTest::newRow("a whole small file") << good << true;
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("garbage") << QByteArray(5000, '\x5a') << false;
        QTest::newRow("cut short") << good.left(good.size() / 2) << false;
        QTest::newRow("another heading") << changed("orvane-gazetteer\t1", "orvane-gazetteer\t2") << false;
        QTest::newRow("latitude 91") << changed("47.36667", "91") << false;
        QTest::newRow("a field missing") << changed("\t341730", "") << false;
        QTest::newRow("a zone not in its table") << changed("341730\t0", "341730\t1") << false;
        QTest::newRow("fewer places than counted") << changed("places\t1", "places\t2") << false;
        QTest::newRow("a line past the count") << qCompress(smallText() + "extra\n") << false;
        const QByteArray index = Gazetteer::fromBytes(good, QString()).indexed();
        QTest::newRow("index: whole") << index << true;
        QTest::newRow("index: cut short") << index.left(index.size() - 1) << false;
        QTest::newRow("index: a byte past its end") << index + '\0' << false;
        QByteArray flipped = index;
        flipped[flipped.size() - 2] = char(flipped[flipped.size() - 2] ^ 0x40); // in the last block's checksum
        QTest::newRow("index: a block changed, found on the look-up") << flipped << false;
    }
    void damaged()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, whole);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gazetteer.tsv.qz"));
        if (!bytes.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        }
        const Gazetteer g = Gazetteer::fromFile(path);
        QCOMPARE(g.find(QStringLiteral("Zurich"), 5).size(), whole ? 1 : 0);
        QCOMPARE(g.error().isEmpty(), whole);
        QVERIFY(whole || g.error().contains(path));
        QVERIFY(!whole || g.size() == 1);
    }
};

QTEST_GUILESS_MAIN(TestPlaces)
#include "tst_places.moc"
