// The command line without a process: refusals and their exit status, the
// JSON answer's shape, clocks from real time zones, and the mark's turn.
#include "cli/command_line.h"
#include "field/field_data.h"
#include "support/near.h"
#include "text/window_texts.h"

#include "cli_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

#include <cmath>

using namespace orvane;

namespace {

using Run = CliRun;

Run run(const QStringList &args) { return runCli(args); }

// The 21 June 2027 example of the issue: 40.655 N, 72.855 W, GMT-5 with daylight saving.
QStringList june(const QStringList &extra = {})
{
    return QStringList{"--date",  "6/21/2027",    "--latitude", "40.655",           "--longitude",
                       "-72.855", "--utc-offset", "-5",         "--daylight-saving"} +
           extra;
}

QJsonObject json(const QStringList &args)
{
    const Run r = run(args + QStringList{"--format", "json"});
    QJsonParseError e;
    const QJsonDocument doc = QJsonDocument::fromJson(r.out.toUtf8(), &e);
    if (r.status != 0 || e.error != QJsonParseError::NoError)
        qWarning("status %d, %s: %s", r.status, qPrintable(e.errorString()), qPrintable(r.err));
    return doc.object();
}

bool isClock(const QJsonValue &v, bool tenths)
{
    static const QRegularExpression whole(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"));
    static const QRegularExpression tenth(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d$"));
    return v.isString() && (tenths ? tenth : whole).match(v.toString()).hasMatch();
}

// The value after `label` in the text answer's block titled `title`.
QString textFigure(const QString &text, const QString &title, const QString &label)
{
    const qsizetype start = text.indexOf(u'\n' + title + u'\n');
    const QString block = text.mid(start, text.indexOf(QStringLiteral("\n\n"), start + 1) - start);
    for (const QString &line : block.split(u'\n'))
        if (line.startsWith(QStringLiteral("  ") + label + u' '))
            return line.mid(label.size() + 2).trimmed().section(u' ', 0, 0);
    return {};
}

double seconds(const QJsonValue &clock)
{
    return QTime(0, 0).msecsTo(QTime::fromString(clock.toString(), Qt::ISODateWithMs)) / 1000.0;
}

QStringList keys(const QJsonObject &o)
{
    QStringList k = o.keys();
    k.sort();
    return k;
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }

    void status_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        // Refused: how the one line on stderr starts. Answered: a part of stdout.
        QTest::addColumn<QString>("text");

        const auto without = [](const char *option) {
            QStringList a = june();
            a.remove(a.indexOf(QString::fromLatin1(option)), 2);
            return a;
        };
        const auto with = [](const char *option, const char *value) {
            QStringList a = june();
            a[a.indexOf(QString::fromLatin1(option)) + 1] = QString::fromLatin1(value);
            return a;
        };
        QTest::newRow("30 February") << with("--date", "2/30/2027") << 2 << kMsgDate;
        QTest::newRow("latitude 91") << with("--latitude", "91") << 2 << kMsgLatitude;
        QTest::newRow("longitude 181") << with("--longitude", "181") << 2 << kMsgLongitude;
        QTest::newRow("longitude with sign and suffix") << with("--longitude", "-72.855W") << 2 << kMsgLongitude;
        QTest::newRow("no clock mode") << june().mid(0, 8) << 2 << kMsgClockMode;
        QTest::newRow("both clock modes") << june({"--standard"}) << 2 << kMsgClockMode;
        QTest::newRow("unknown zone") << june().mid(0, 6) + QStringList{"--zone", "Mars/Olympus_Mons"} << 2
                                      << "unknown time zone \"Mars/Olympus_Mons\"";
        const auto zone = [](const char *name) { return june().mid(0, 6) + QStringList{"--zone", name}; };
        QTest::newRow("zone London") << zone("London") << 2
                                     << "unknown time zone \"London\": did you mean Europe/London?";
        QTest::newRow("zone in the wrong case")
            << zone("america/new_york") << 2
            << "unknown time zone \"america/new_york\": did you mean America/New_York?";
        QTest::newRow("zone Foo") << zone("Foo") << 2 << "unknown time zone \"Foo\"; give a name such as";
        QTest::newRow("zone UTC") << zone("UTC") << 0 << "on the clock UTC+00:00, standard time (UTC)";
        QTest::newRow("latitude with a comma in en_US")
            << with("--latitude", "40,655") << 2
            << QString(kMsgLatitude) +
                   " (--latitude \"40,655\"): degrees from -90 to 90, north positive, with a decimal point";
        QTest::newRow("date in another order")
            << with("--date", "21/6/2027") << 2
            << QString(kMsgDate) + " (--date \"21/6/2027\"): write m/d/yyyy (6/21/2027), yyyy-mm-dd (2027-06-21)";
        QTest::newRow("no clock mode, with how to give it")
            << june().mid(0, 8) << 2 << QString(kMsgClockMode) + " Add --standard or --daylight-saving";
        QTest::newRow("-h") << QStringList{"-h"} << 0 << "Usage: orvane";
        QTest::newRow("summer clock stated with its standard offset")
            << june() << 0 << "on the clock UTC-04:00: UTC-05:00 standard + 1 h daylight saving\n";
        QTest::newRow("bearing 360") << june({"--bearing", "360"}) << 2 << "--bearing \"360\": give degrees from 0";
        QTest::newRow("altitude 90") << june({"--altitude", "90"}) << 2 << "--altitude \"90\": give degrees from -1";
        QTest::newRow("wall reading at night")
            << june({"--wall-reading", "03:00@10"}) << 2 << "--wall-reading 03:00:00 (reading 1): the sun is below";
        QTest::newRow("wall reading along the wall")
            << june({"--wall-reading", "10:00@90"}) << 2 << "--wall-reading \"10:00@90\": the angle must lie";
        QTest::newRow("offset no zone has")
            << with("--utc-offset", "+5:15") << 2 << "no time zone has the offset +05:15";
        QTest::newRow("days 0") << june({"--days", "0"}) << 2 << "--days must be";
        QTest::newRow("days 366, as the help allows") << june({"--days", "366"}) << 0 << "2028-06-20";
        QTest::newRow("days 367") << june({"--days", "367"}) << 2 << "--days must be";
        QTest::newRow("mark 24:00") << june({"--mark", "24:00"}) << 2 << "--mark must be";
        QTest::newRow("format xml") << june({"--format", "xml"}) << 2 << "--format must be";
        QTest::newRow("unknown option") << june({"--colour"}) << 2 << "Unknown option 'colour'.";
        QTest::newRow("latitude missing") << without("--latitude") << 2 << "--latitude is missing";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: orvane";
        QTest::newRow("dial facing 360, north as the window reads it")
            << june({"--dial", "vertical", "--facing", "360"}) << 0 << "the wall faces  0.000\n";
        QTest::newRow("help: a long option on its own line")
            << QStringList{"--help"} << 0
            << "  --wall-reading HH:MM[:SS]@DEG\n" + QString(26, u' ') + "a wall's facing from a plumb line's shadow";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "orvane " ORVANE_VERSION "\n";
        QTest::newRow("version credits the magnetic model")
            << QStringList{"--version"} << 0 << "\nMagnetic declination from the World Magnetic Model WMM2025 (";
        QTest::newRow("magnetic after the model's years")
            << with("--date", "2031-03-01") + QStringList{"--magnetic"} << 2
            << "--magnetic: the date 2031-03-01 lies outside the years of the World Magnetic Model WMM2025 (2025.0 "
               "to 2030.0)";
        const auto place = [](const char *name, QStringList extra = {}) {
            return QStringList{"--date", "6/21/2027", "--place", name} + extra;
        };
        QTest::newRow("place named") << place("Zurich") << 0
                                     << "Place: Zürich, Zurich, Switzerland (population 341,730)\n"
                                        "Field data for latitude 47.36667, longitude 8.55";
        QTest::newRow("place shares its name")
            << place("Springfield") << 0
            << "Other places named Springfield: Springfield, Massachusetts, US; Springfield, Illinois, US;";
        QTest::newRow("place with its latitude given")
            << place("Zurich", {"--latitude", "47"}) << 0 << "Field data for latitude 47, longitude 8.55";
        QTest::newRow("place misspelt") << place("Zurrich") << 2
                                        << "no place named \"Zurrich\"; nearest: Zürich, Zülpich, Żurrieq\n";
        QTest::newRow("place empty") << place("  ") << 2 << "--place must name a town or city";
        QTest::newRow("place of 201 characters")
            << place(QByteArray(201, 'a').constData()) << 2 << "--place is longer than 200 characters";
        QTest::newRow("place with a control character")
            << place("Zu\x01rich") << 2 << "--place holds a control character";
        QTest::newRow("place with --standard but no offset")
            << place("Zurich", {"--standard"}) << 2 << "--place takes the daylight saving from the place's";
        QTest::newRow("far from zone only warns")
            << with("--longitude", "-100") << 0 << "Warning: the longitude is more than 15 degrees";
    }
    void status()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, text);
        const Run r = run(args);
        QCOMPARE(r.status, status);
        if (status == 2) {
            // One line, and nothing on stdout.
            QVERIFY2(r.err.startsWith(text) && r.err.count(u'\n') == 1, qPrintable(r.err));
            QVERIFY(r.out.isEmpty());
        } else {
            QVERIFY2(r.out.contains(text), qPrintable(r.out.left(200)));
            QVERIFY(r.err.isEmpty());
        }
    }

    // Keys and types; an event never seen has no clock or sun field, and
    // its day cells are null.
    void jsonShape_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("clock");
        QTest::addColumn<bool>("crossingsSeen");
        QTest::newRow("21 June 2027, daylight saving") << "6/21/2027"
                                                       << "--daylight-saving" << true;
        QTest::newRow("21 December 2027, never east or west") << "12/21/2027"
                                                              << "--standard" << false;
    }
    void jsonShape()
    {
        QFETCH(QString, date);
        QFETCH(QString, clock);
        QFETCH(bool, crossingsSeen);
        QStringList args = june({"--days", "3"});
        args[1] = date;
        args[8] = clock;
        const QJsonObject o = json(args);
        QCOMPARE(keys(o), QStringList({"altitudes", "around", "bearings", "days", "events", "mark", "result_text",
                                       "site", "wall", "warnings"}));

        const QJsonObject site = o["site"].toObject();
        QCOMPARE(keys(site), QStringList({"clock_offset_minutes", "date", "daylight_saving", "latitude", "longitude",
                                          "utc_offset_minutes"}));
        QCOMPARE(site["latitude"].toDouble(), 40.655);
        QCOMPARE(site["longitude"].toDouble(), -72.855);
        QCOMPARE(site["utc_offset_minutes"].toInt(), -300);
        QCOMPARE(site["daylight_saving"].toBool(), crossingsSeen);
        QVERIFY(o["result_text"].toString().contains(QStringLiteral("\r\n")));
        QVERIFY(o["mark"].isNull());
        QVERIFY(o["warnings"].isArray());

        const QJsonArray events = o["events"].toArray();
        QCOMPARE(events.size(), 3);
        const QStringList sunKeys{"altitude_deg",
                                  "azimuth_deg",
                                  "clock",
                                  "difference_s",
                                  "event",
                                  "notes",
                                  "off_line_deg",
                                  "off_line_mm_per_m",
                                  "precise_clock",
                                  "seen",
                                  "shadow_bearing_deg",
                                  "shadow_length_per_m",
                                  "turn_deg_per_min"};
        int seenCount = 0;
        for (int i = 0; i < 3; ++i) {
            const QJsonObject e = events[i].toObject();
            QCOMPARE(e["event"].toString(), QStringList({"east", "meridian", "west"})[i]);
            const bool seen = i == 1 || crossingsSeen;
            QCOMPARE(e["seen"].toBool(), seen);
            QStringList want = seen ? sunKeys : QStringList{"event", "seen"};
            if (i == 1) {
                want << "direction";
                want.sort();
                QCOMPARE(e["direction"].toString(), QStringLiteral("south"));
            }
            QCOMPARE(keys(e), want);
            if (!seen)
                continue;
            ++seenCount;
            QVERIFY(isClock(e["clock"], false));
            QVERIFY(isClock(e["precise_clock"], true));
            // The method's times are within 25 s of the true sun's with
            // daylight saving, 5 s on standard time (README, Accuracy).
            QVERIFY2(std::fabs(e["difference_s"].toDouble()) <= (crossingsSeen ? 25 : 5),
                     qPrintable(QString::number(e["difference_s"].toDouble())));
            for (const char *k : {"azimuth_deg", "altitude_deg", "shadow_bearing_deg", "shadow_length_per_m",
                                  "off_line_deg", "off_line_mm_per_m", "turn_deg_per_min"})
                QVERIFY2(e[QLatin1String(k)].isDouble(), k);
            QVERIFY(e["notes"].isArray());
        }

        // 21 rows, every 30 s from 5 minutes before to 5 minutes after.
        const QJsonArray around = o["around"].toArray();
        QCOMPARE(around.size(), 21 * seenCount);
        QCOMPARE(keys(around[0].toObject()),
                 QStringList({"altitude_deg", "azimuth_deg", "clock", "event", "shadow_bearing_deg"}));

        const QJsonArray days = o["days"].toArray();
        QCOMPARE(days.size(), 3);
        for (const QJsonValue &v : days) {
            const QJsonObject d = v.toObject();
            QVERIFY(isClock(d["meridian"], false));
            QVERIFY(isClock(d["precise_meridian"], true));
            for (const char *k : {"east", "west"}) {
                QCOMPARE(isClock(d[QLatin1String(k)], false), crossingsSeen);
                QCOMPARE(d[QLatin1String(k)].isNull(), !crossingsSeen);
                // At 40.655 N in December the true sun is below the horizon at due east and west.
                QCOMPARE(d["precise_" + QLatin1String(k)].isNull(), !crossingsSeen);
            }
        }
    }

    // The offset and the clock come from the zone's rules on the date.
    void zoneClock_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("daylightSaving");
        QTest::newRow("Asia/Kolkata") << "Asia/Kolkata"
                                      << "6/21/2027" << 330 << false;
        QTest::newRow("America/New_York in June") << "America/New_York"
                                                  << "6/21/2027" << -300 << true;
        QTest::newRow("America/New_York in January") << "America/New_York"
                                                     << "1/21/2027" << -300 << false;
        // Shifts the calculation does not know read as standard time on the zone's own clock.
        QTest::newRow("Europe/Dublin in January, an hour behind its legal time") << "Europe/Dublin"
                                                                                 << "1/21/2027" << 0 << false;
        QTest::newRow("Australia/Lord_Howe in January, half an hour ahead") << "Australia/Lord_Howe"
                                                                            << "1/21/2027" << 660 << false;
    }
    void zoneClock()
    {
        QFETCH(QString, zone);
        QFETCH(QString, date);
        QFETCH(int, offset);
        QFETCH(bool, daylightSaving);
        const QJsonObject site =
            json({"--date", date, "--latitude", "28.6", "--longitude", "77.2E", "--zone", zone})["site"].toObject();
        QCOMPARE(site["utc_offset_minutes"].toInt(), offset);
        QCOMPARE(site["daylight_saving"].toBool(), daylightSaving);
        QCOMPARE(site["zone"].toString(), zone);
    }

    // --place sets the coordinates and the zone as --latitude, --longitude
    // and --zone would; each of those given with it wins, and so does an
    // offset with --standard or --daylight-saving.
    void placeSite_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("zone"); // empty: no "zone" key
        QTest::addColumn<int>("offset");
        // Zürich as GeoNames records it (places/data/SOURCE.md), exact.
        QTest::newRow("the place's own") << QStringList{} << 47.36667 << 8.55 << "Europe/Zurich" << 60;
        QTest::newRow("longitude given") << QStringList{"--longitude", "8.5E"} << 47.36667 << 8.5 << "Europe/Zurich"
                                         << 60;
        QTest::newRow("zone given") << QStringList{"--zone", "UTC"} << 47.36667 << 8.55 << "UTC" << 0;
        QTest::newRow("offset given") << QStringList{"--utc-offset", "+2", "--standard"} << 47.36667 << 8.55 << ""
                                      << 120;
    }
    void placeSite()
    {
        QFETCH(QStringList, extra);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QString, zone);
        QFETCH(int, offset);
        const QJsonObject site =
            json(QStringList{"--date", "2027-06-21", "--place", "Zurich"} + extra)["site"].toObject();
        QCOMPARE(site["latitude"].toDouble(), latitude);
        QCOMPARE(site["longitude"].toDouble(), longitude);
        QCOMPARE(site["zone"].toString(), zone);
        QCOMPARE(site.contains("zone"), !zone.isEmpty());
        QCOMPARE(site["utc_offset_minutes"].toInt(), offset);
        const QJsonObject place = site["place"].toObject();
        QCOMPARE(keys(place), QStringList({"country", "name", "others", "population", "region"}));
        QCOMPARE(place["name"].toString(), QStringLiteral("Zürich"));
        QCOMPARE(place["country"].toString(), QStringLiteral("Switzerland"));
    }

    // One site in the three formats: the side of Greenwich read, the text's
    // and the CSV's figures against the JSON's, and what the figures must
    // say of each other.
    void formatsAgree_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<double>("longitude");
        const auto site = [](const char *date, const char *lat, const char *lon, QStringList clock) {
            return QStringList{"--date", date, "--latitude", lat, "--longitude", lon, "--days", "4"} + clock;
        };
        const QStringList dst{"--utc-offset", "-5", "--daylight-saving"};
        QTest::newRow("72.855W is west") << site("6/21/2027", "40.655", "72.855W", dst) << -72.855;
        QTest::newRow("-72.855 is west") << site("6/21/2027", "40.655", "-72.855", dst) << -72.855;
        QTest::newRow("72 51 18 W in degrees, minutes and seconds")
            << site("6/21/2027", "40°39'18\"N", "72 51 18 W", dst) << -72.855;
        QTest::newRow("72.855E is east, far from the zone") << site("6/21/2027", "40.655", "72.855E", dst) << 72.855;
        QTest::newRow("New York's zone across the 7 November change")
            << site("11/5/2027", "40.655", "72.855W", {"--zone", "America/New_York"}) << -72.855;
        QTest::newRow("60 N in early April: east and west between 5 and 10 degrees up")
            << site("4/5/2027", "60", "10E", {"--utc-offset", "+1", "--standard"}) << 10.0;
        QTest::newRow("60 N in late March: under 5 degrees")
            << site("3/27/2027", "60", "10E", {"--utc-offset", "+1", "--standard"}) << 10.0;
    }
    void formatsAgree()
    {
        QFETCH(QStringList, args);
        QFETCH(double, longitude);
        const QJsonObject o = json(args);
        QCOMPARE(o["site"].toObject()["longitude"].toDouble(), longitude);

        const QString text = run(args).out;
        for (const QJsonValue &v : o["events"].toArray()) {
            const QJsonObject e = v.toObject();
            if (!e["seen"].toBool())
                continue;
            QString title = e["event"].toString();
            title[0] = title[0].toUpper();
            for (const auto &[label, key] : {std::pair{"sun azimuth", "azimuth_deg"},
                                             {"sun altitude", "altitude_deg"},
                                             {"shadow bearing", "shadow_bearing_deg"},
                                             {"off the true line", "off_line_deg"}})
                QVERIFY2(textFigure(text, title, label).toDouble() == e[key].toDouble(), qPrintable(title + label));
            // Late on the clock (difference > 0), the sun has not reached the line yet.
            const double offLine = -e["difference_s"].toDouble() * e["turn_deg_per_min"].toDouble() / 60;
            CHECK_NEAR(e["off_line_deg"].toDouble(), offLine, 0.002 + 0.05 * std::fabs(offLine));
            const double altitude = e["altitude_deg"].toDouble();
            QCOMPARE(e["notes"].toArray().contains(fieldNoteText(FieldNote::LowSun)), altitude >= 0 && altitude < 5);
        }

        // Each day's true instants on that day's own clock: within 25 s of the method's.
        const QJsonArray days = o["days"].toArray();
        for (const QJsonValue &v : days)
            for (const QString event : {"east", "meridian", "west"})
                if (!v[event].isNull() && !v["precise_" + event].isNull())
                    CHECK_NEAR(seconds(v["precise_" + event]), seconds(v[event]), 25.0);

        // The CSV's cells under their headers are the JSON days' values.
        const QStringList csv = run(args + QStringList{"--format", "csv"}).out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(csv.size(), days.size() + 1);
        const QStringList header = csv[0].split(u',');
        for (qsizetype r = 1; r < csv.size(); ++r) {
            const QStringList cells = csv[r].split(u',');
            QCOMPARE(cells.size(), header.size());
            for (qsizetype c = 0; c < header.size(); ++c) {
                const QJsonValue want = days[r - 1][header[c]];
                QCOMPARE(cells[c], want.isDouble() ? QString::number(want.toInt()) : want.toString());
            }
        }
    }

    // Ten minutes after the true sun stands due east at 40.655 N in June.
    // The sun moves on towards the south, so its azimuth has grown past 90
    // (clockwise seen from above) and the shadow's bearing past 270; the
    // mark lies clockwise of the east-west line and is turned back
    // counterclockwise: a negative turn. By hand: on the prime vertical the
    // azimuth turns at w sin(latitude), w = 0.25 deg/min of hour angle, so
    // 0.25 * sin(40.655) * 10 = 1.629 deg; the rate grows by about 1 % over
    // those ten minutes (the term -cos(lat) tan(alt) cos(az)), hence 1.65.
    // The sun at a bearing, at an altitude, and a wall read at the bearing's
    // instant: facing = azimuth - angle, so 190 - 30 = 160, 20 degrees east of south.
    void sunAtJson()
    {
        const QJsonObject o =
            json(june({"--bearing", "190", "--bearing", "45", "--altitude", "30", "--wall-reading", "13:06:14@30"}));
        const QJsonObject at190 = o["bearings"][0]["times"][0].toObject();
        CHECK_NEAR(at190["azimuth_deg"].toDouble(), 190.0, 0.0005);
        CHECK_NEAR(seconds(at190["precise_clock"]), seconds(at190["clock"]), 0.5);
        QCOMPARE(o["bearings"][0]["around"].toArray().size(), 21);
        QCOMPARE(o["days"][0]["bearings"][0]["clocks"][0], at190["clock"]);
        // At 40.655 N in June the sun rises north of east, but south of 45 degrees.
        QVERIFY(o["bearings"][1]["times"].toArray().isEmpty());
        const QJsonArray at30 = o["altitudes"][0]["times"].toArray();
        QCOMPARE(at30.size(), 2);
        QVERIFY(at30[0]["rising"].toBool() && !at30[1]["rising"].toBool());
        // The shadow of a pole at 30 degrees: 1 / tan 30 = 1.732.
        CHECK_NEAR(at30[0]["shadow_length_per_m"].toDouble(), 1.732, 0.0005);
        const QJsonObject wall = o["wall"].toObject();
        CHECK_NEAR(wall["facing_deg"].toDouble(), 160.0, 0.01);
        CHECK_NEAR(wall["declination_deg"].toDouble(), 20.0, 0.01);
        QCOMPARE(wall["declination_side"].toString(), QStringLiteral("east"));
    }

    // --magnetic: the site's "magnetic" member against the WMM2025 test point
    // (2027.5, height 0, 13 S 59 W: declination -17.49, inclination -15.26,
    // from npm geomagnetism 0.2.0's test/values.csv, to 0.01 degree); 2 July
    // 2027 at noon UTC is 2027.5. The text's line says the JSON's figures,
    // east or west by their signs.
    void magnetic_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::newRow("field data") << QStringList{};
        QTest::newRow("horizontal dial") << QStringList{"--dial", "horizontal"};
    }
    void magnetic()
    {
        QFETCH(QStringList, extra);
        const QStringList args = QStringList{"--date", "2027-07-02",   "--latitude", "-13",        "--longitude",
                                             "-59",    "--utc-offset", "-4",         "--standard", "--magnetic"} +
                                 extra;
        const QJsonObject m = json(args)["site"].toObject()["magnetic"].toObject();
        QCOMPARE(keys(m), QStringList({"annual_change_deg", "declination_deg", "inclination_deg", "model"}));
        QCOMPARE(m["model"].toString(), QStringLiteral("WMM2025"));
        CHECK_NEAR(m["declination_deg"].toDouble(), -17.49, 0.01);
        CHECK_NEAR(m["inclination_deg"].toDouble(), -15.26, 0.01);
        const double change = m["annual_change_deg"].toDouble();
        const QString line = QStringLiteral("Compass: its needle points %1° west of true north here (WMM2025 for "
                                            "this date, moving %2° a year %3ward)")
                                 .arg(std::abs(m["declination_deg"].toDouble()), 0, 'f', 1)
                                 .arg(std::abs(change), 0, 'f', 1)
                                 .arg(QLatin1String(change > 0 ? "east" : "west"));
        const QString text = run(args).out;
        QVERIFY2(text.contains(line), qPrintable(text.left(600)));
        QVERIFY(!run(args.mid(0, 9) + extra).out.contains(QStringLiteral("Compass")));
    }

    // New York's clock goes forward on 14 March 2027: each day says its own offset.
    void clockOffsetAcrossChange()
    {
        const QStringList args{"--date",  "3/13/2027", "--latitude",       "40.655", "--longitude",
                               "72.855W", "--zone",    "America/New_York", "--days", "2"};
        const QJsonObject o = json(args);
        QCOMPARE(o["site"]["clock_offset_minutes"].toInt(), -300);
        QCOMPARE(o["days"][0]["clock_offset_minutes"].toInt(), -300);
        QCOMPARE(o["days"][1]["clock_offset_minutes"].toInt(), -240);
        QCOMPARE(o["days"][1]["utc_offset_minutes"].toInt(), -300);
        const QString text = run(args).out;
        QVERIFY(text.contains(QRegularExpression("2027-03-13  UTC-05:00 std ")));
        QVERIFY(text.contains(QRegularExpression("2027-03-14  UTC-04:00 DST ")));
    }

    // South of the equator the sun moves on towards the north: the other way.
    void markTurnSign_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<double>("turn");
        QTest::addColumn<QString>("words");
        QTest::newRow("New York, June: turned back anticlockwise")
            << june() << -1.65 << "(counterclockwise seen from above)";
        // By hand as above: 0.25 * sin(33.87) * 10 = 1.393 deg, and the rate grows by about 1 %.
        QTest::newRow("Sydney, December: turned back clockwise")
            << QStringList{"--date", "12/21/2027",   "--latitude", "-33.87",           "--longitude",
                           "151.21", "--utc-offset", "+10",        "--daylight-saving"}
            << 1.41 << "(clockwise seen from above)";
    }
    void markTurnSign()
    {
        QFETCH(QStringList, args);
        QFETCH(double, turn);
        QFETCH(QString, words);
        const QJsonObject east = json(args)["events"].toArray()[0].toObject();
        // The shadow turns the way the sun does: clockwise in the north, anticlockwise in the south.
        QCOMPARE(east["turn_deg_per_min"].toDouble() > 0, turn < 0);
        // To the whole second: 0.003 degree at most.
        const QTime precise = QTime::fromString(east["precise_clock"].toString().left(8), QStringLiteral("HH:mm:ss"));
        QVERIFY(precise.isValid());
        const QStringList marked =
            args + QStringList{"--mark", precise.addSecs(600).toString(QStringLiteral("HH:mm:ss"))};
        const QJsonObject m = json(marked)["mark"].toObject();
        QCOMPARE(m["line"].toString(), QStringLiteral("east-west"));
        CHECK_NEAR(m["turn_deg"].toDouble(), turn, 0.05);
        QVERIFY2(run(marked).out.contains(words), qPrintable(run(marked).out.right(200)));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
