// The dial on the command line: its refusals, the JSON's keys and what every
// answer must keep (lines on the plate, date-line spacing, a card entry a
// day), the SVG's size and groups, files written whole or not at all, and
// measures read alike in every option.
#include "cli/command_line.h"
#include "cli/dial_files.h"

#include "cli_run.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineF>
#include <QRectF>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <cmath>
#include <numbers>

using namespace orvane;

namespace {

using Run = CliRun;

Run run(const QStringList &args) { return runCli(args); }

// 40.655 N, 72.855 W on New York's clock, 21 June 2027.
QStringList site(const QStringList &extra)
{
    return QStringList{"--date",      "6/21/2027", "--latitude", "40.655",
                       "--longitude", "-72.855",   "--zone",     "America/New_York"} +
           extra;
}

QJsonObject dialJson(const QStringList &args)
{
    const Run r = run(args + QStringList{"--format", "json"});
    if (r.status != 0)
        qWarning("status %d: %s", r.status, qPrintable(r.err));
    return QJsonDocument::fromJson(r.out.toUtf8()).object()["dial"].toObject();
}

QString readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// JSON positions carry 0.01 mm.
constexpr double kRounding = 0.01;

bool onPlate(const QJsonValue &point, const QJsonArray &plate)
{
    const double x = point[0].toDouble(), y = point[1].toDouble();
    return x >= plate[0].toDouble() && y >= plate[1].toDouble() && x <= plate[2].toDouble() && y <= plate[3].toDouble();
}

} // namespace

class TestDialCli : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }

    void refused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message"); // how the one line on stderr starts
        QTest::newRow("vertical without a facing") << site({"--dial", "vertical"}) << "--dial vertical needs --facing";
        QTest::newRow("facing over 360") << site({"--dial", "vertical", "--facing", "360.5"})
                                         << "--facing \"360.5\": give";
        QTest::newRow("polar facing over 360, not its own facing")
            << site({"--dial", "polar", "--facing", "361"}) << "--facing \"361\": give degrees from 0 to 360";
        QTest::newRow("polar facing unread, not its own facing")
            << site({"--dial", "polar", "--facing", "south"}) << "--facing \"south\": not a number";
        QTest::newRow("plane without a tilt")
            << site({"--dial", "plane", "--facing", "200"}) << "--dial plane needs --tilt";
        QTest::newRow("tilt on a polar dial")
            << site({"--dial", "polar", "--tilt", "30"}) << "--tilt is for --dial plane, noon-mark or bifilar;";
        QTest::newRow("facing on a horizontal dial")
            << site({"--dial", "horizontal", "--facing", "180"}) << "--facing is for --dial vertical";
        QTest::newRow("plate under 50 mm")
            << site({"--dial", "horizontal", "--plate", "49x300"}) << "--plate \"49x300\"";
        QTest::newRow("plate over 5 m") << site({"--dial", "horizontal", "--plate", "300x5001"})
                                        << "--plate \"300x5001\"";
        QTest::newRow("nodus under 5 mm")
            << site({"--dial", "horizontal", "--nodus-height", "4.9"}) << "--nodus-height \"4.9\"";
        QTest::newRow("nodus over the smaller side")
            << site({"--dial", "horizontal", "--plate", "400x200", "--nodus-height", "201"})
            << "--nodus-height \"201\"";
        QTest::newRow("default nodus on a small plate")
            << site({"--dial", "horizontal", "--plate", "80x80"}) << "--plate \"80x80\": the nodus height";
        QTest::newRow("hour step 20") << site({"--dial", "horizontal", "--hour-step", "20"}) << "--hour-step \"20\"";
        QTest::newRow("date lines weekly")
            << site({"--dial", "horizontal", "--date-lines", "weeks"}) << "--date-lines \"weeks\"";
        QTest::newRow("svg without a dial") << site({"--svg", "a.svg"}) << "--svg goes with --dial";
        QTest::newRow("analemmatic near the equator")
            << QStringList{"--date", "2027-06-21", "--latitude", "5",      "--longitude",
                           "0",      "--zone",     "UTC",        "--dial", "analemmatic"}
            << "--dial analemmatic at latitude 5: An analemmatic dial needs a latitude from 10° to 80°";
        QTest::newRow("analemmatic near the south pole")
            << QStringList{"--date", "2027-06-21", "--latitude", "-85",    "--longitude",
                           "0",      "--zone",     "UTC",        "--dial", "analemmatic"}
            << "--dial analemmatic at latitude -85: An analemmatic dial needs";
        QTest::newRow("half-width over 50 m")
            << site({"--dial", "analemmatic", "--half-width", "50.5"}) << "--half-width \"50.5\": give metres from 0.1";
        QTest::newRow("noon mark without its height")
            << site({"--dial", "noon-mark"}) << "--dial noon-mark needs --aperture-height";
        QTest::newRow("aperture over 50 m up") << site({"--dial", "noon-mark", "--aperture-height", "50.5"})
                                               << "--aperture-height \"50.5\": give metres from 0.1 to 50";
        QTest::newRow("aperture under 1 mm across")
            << site({"--dial", "noon-mark", "--aperture-height", "3", "--aperture-diameter", "0.5"})
            << "--aperture-diameter \"0.5\": give mm from 1 to 200";
        QTest::newRow("mark time a word")
            << site({"--dial", "noon-mark", "--aperture-height", "3", "--mark-time", "noon"})
            << "--mark-time \"noon\": not a time;";
        QTest::newRow("mark time 24:00") << site({"--dial", "noon-mark", "--aperture-height", "3", "--mark-time",
                                                  "24:00"})
                                         << "--mark-time \"24:00\": not a time;";
        QTest::newRow("aperture on a horizontal dial") << site({"--dial", "horizontal", "--aperture-diameter", "10"})
                                                       << "--aperture-diameter is for --dial noon-mark";
        QTest::newRow("mark time without a dial") << site({"--mark-time", "13:00"}) << "--mark-time goes with --dial";
        QTest::newRow("x-wire under 5 mm")
            << site({"--dial", "bifilar", "--x-wire", "4.9"}) << "--x-wire \"4.9\": give mm from 5";
        QTest::newRow("y-wire over the smaller side")
            << site({"--dial", "bifilar", "--plate", "400x200", "--y-wire", "201"})
            << "--y-wire \"201\": give mm from 5 to the plate's smaller side";
        QTest::newRow("x-wire on a horizontal dial")
            << site({"--dial", "horizontal", "--x-wire", "80"}) << "--x-wire is for --dial bifilar;";
        QTest::newRow("nodus height on a bifilar dial")
            << site({"--dial", "bifilar", "--nodus-height", "80"}) << "--nodus-height is for --dial horizontal";
        QTest::newRow("bifilar to the clock")
            << site({"--dial", "bifilar", "--dial-time", "clock"}) << "--dial-time \"clock\": A bifilar dial";
        QTest::newRow("plate on an analemmatic dial")
            << site({"--dial", "analemmatic", "--plate", "300x300"}) << "--plate is for --dial horizontal";
        QTest::newRow("scale without a drawing")
            << site({"--dial", "analemmatic", "--scale", "1:50"}) << "--scale goes with --svg or --dxf";
        QTest::newRow("reading without the dial's time")
            << site({"--dial", "horizontal", "--check-reading", "2027-03-15 10:00"})
            << "--check-reading \"2027-03-15 10:00\": give";
        QTest::newRow("reading in the spring's lost hour")
            << site({"--dial", "horizontal", "--check-reading", "2027-03-14 02:30=01:30"})
            << "--check-reading \"2027-03-14 02:30=01:30\" (reading 1): the clock skips";
        QTest::newRow("reading over 3 hours from the clock")
            << site({"--dial", "horizontal", "--check-reading", "2027-03-15 10:00=13:01"})
            << "--check-reading \"2027-03-15 10:00=13:01\" (reading 1): the dial's reading is more than 3 hours";
        QTest::newRow("analemmatic to the clock")
            << site({"--dial", "analemmatic", "--dial-time", "clock"}) << "--dial-time \"clock\": An analemmatic dial";
        QTest::newRow("reading of a clock dial")
            << site({"--dial", "horizontal", "--dial-time", "clock", "--check-reading", "2027-03-15 10:00=10:00"})
            << "--check-reading: a dial drawn to the clock";
        QTest::newRow("reading without a dial")
            << site({"--check-reading", "2027-03-15 10:00=09:00"}) << "--check-reading goes with --dial";
        QTest::newRow("101 readings") << site(QStringList{"--dial", "horizontal"} +
                                              QStringList(101, "--check-reading=2027-03-15 10:00=09:00"))
                                      << "--check-reading may be given at most 100 times";
        QTest::newRow("hour system unknown") << site({"--dial", "horizontal", "--hours", "equal,french"})
                                             << "--hours \"equal,french\": give a comma list";
        QTest::newRow("hour system twice") << site({"--dial", "horizontal", "--hours", "italian,equal,italian"})
                                           << "--hours \"italian,equal,italian\": italian is given twice";
        QTest::newRow("old hours on an analemmatic dial")
            << site({"--dial", "analemmatic", "--hours", "babylonian"})
            << "--hours \"babylonian\": An analemmatic dial's hour points";
        QTest::newRow("old hours without a dial") << site({"--hours", "italian"}) << "--hours goes with --dial";
        QTest::newRow("date line on 30 February") << site({"--dial", "horizontal", "--date-line", "2027-02-30"})
                                                  << "--date-line \"2027-02-30\": give a date that exists";
        QTest::newRow("date line label of 41 characters")
            << site({"--dial", "horizontal", "--date-line", "2027-05-14=" + QString(41, u'a')})
            << "--date-line \"2027-05-14=" + QString(41, u'a') + "\": give a label of at most 40";
        QTest::newRow("date line label with a tab") << site({"--dial", "horizontal", "--date-line", "2027-05-14=a\tb"})
                                                    << "--date-line \"2027-05-14=a\tb\": give a label without control";
        QTest::newRow("13 date lines") << site(QStringList{"--dial", "horizontal"} +
                                               QStringList(13, "--date-line=2027-05-14"))
                                       << "--date-line may be given at most 12 times";
        QTest::newRow("field option with a dial")
            << site({"--dial", "horizontal", "--mark", "09:00"}) << "--mark is for the field data";
        const auto find = [](const char *kind, const QStringList &lines) {
            QStringList args{"--find-dial", kind};
            for (const QString &l : lines)
                args << "--line-angle" << l;
            return args;
        };
        QTest::newRow("find-dial with a date")
            << site(find("horizontal", {"9=-33"})) << "--date is not taken by --find-dial";
        QTest::newRow("find-dial with a facing")
            << find("vertical", {"9=-46", "15=33"}) + QStringList{"--facing", "200"}
            << "--facing is not taken by --find-dial";
        QTest::newRow("find-dial plane") << find("plane", {"9=-46"})
                                         << "--find-dial \"plane\": give horizontal or vertical";
        QTest::newRow("one line besides noon for a wall")
            << find("vertical", {"9=-46", "12=0"}) << "--find-dial vertical needs 2 lines besides noon's";
        QTest::newRow("no line for a level dial") << find("horizontal", {}) << "--find-dial horizontal needs a line";
        QTest::newRow("angle of 90") << find("horizontal", {"9=-33", "18=90"}) << "--line-angle \"18=90\": the angle";
        QTest::newRow("angle of -95") << find("horizontal", {"6=-95"}) << "--line-angle \"6=-95\": the angle";
        QTest::newRow("hour twice") << find("horizontal", {"9=-33", "9.0=-34"})
                                    << "--line-angle \"9.0=-34\": hour 9 is given twice";
        QTest::newRow("no equals sign") << find("horizontal", {"9:-33"}) << "--line-angle \"9:-33\": give the hour";
        QTest::newRow("angle not a number") << find("horizontal", {"9=west"}) << "--line-angle \"9=west\": give";
        QTest::newRow("hour 24") << find("horizontal", {"24=10"}) << "--line-angle \"24=10\": the hour must";
        QTest::newRow("line angle without find-dial")
            << site({"--line-angle", "9=-33"}) << "--line-angle goes with --find-dial horizontal or vertical";
    }
    void refused()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const Run r = run(args);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.startsWith(message) && r.err.count(u'\n') == 1, qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    }

    // Readings of turned and leaned dials made by an independent model: the
    // NOAA solar position formulas, and the shadow of the turned style on the
    // turned plate matched to the line of the dial standing true. To the
    // second the fit returns turn and lean within 0.05° and the offset within
    // 0.1 min; read to the minute, each within 3 of its own standard deviation.
    void checkRecovers_data()
    {
        QTest::addColumn<QStringList>("dial");
        QTest::addColumn<QString>("readings");
        QTest::addColumn<QList<double>>("truth"); // turn, lean, offset; none when not told
        QTest::addColumn<bool>("rounded");
        const QString wall = "2027-03-15 10:00=08:53:19;2027-03-15 16:30=15:23:11;2027-04-15 09:30=08:32:16;2027-04-15 "
                             "13:00=12:03:11;2027-04-15 17:00=16:03:15;2027-05-15 10:00=09:06:22;2027-05-15 "
                             "13:30=12:37:55;2027-05-15 16:00=15:08:02";
        QTest::newRow("wall facing 200 turned 2, leaned 1")
            << site({"--dial", "vertical", "--facing", "200"}) << wall << QList<double>{2, 1, 0} << false;
        QTest::newRow("the same read to the minute")
            << site({"--dial", "vertical", "--facing", "200"})
            << "2027-03-15 10:00=08:53;2027-03-15 16:30=15:23;2027-04-15 09:30=08:32;2027-04-15 13:00=12:03;2027-04-15 "
               "17:00=16:03;2027-05-15 10:00=09:06;2027-05-15 13:30=12:38;2027-05-15 16:00=15:08"
            << QList<double>{2, 1, 0} << true;
        QTest::newRow("level dial turned -1.5, leaned 0.8, 2 min early")
            << site({"--dial", "horizontal"})
            << "2027-03-15 10:00=09:01:47;2027-03-15 16:30=15:31:39;2027-04-15 09:30=08:39:32;2027-04-15 "
               "13:00=12:09:41;2027-04-15 17:00=16:10:40;2027-05-15 10:00=09:12:17;2027-05-15 "
               "13:30=12:42:48;2027-05-15 "
               "16:00=15:13:56"
            << QList<double>{-1.5, 0.8, -2} << false;
        QTest::newRow("plane 150/50 turned 1, leaned -1.5, 3 min late")
            << site({"--dial", "plane", "--facing", "150", "--tilt", "50"})
            << "2027-03-15 10:00=08:57:36;2027-03-15 16:30=15:28:01;2027-04-15 09:30=08:37:27;2027-04-15 "
               "13:00=12:06:51;2027-04-15 17:00=16:06:03;2027-05-15 10:00=09:11:49;2027-05-15 "
               "13:30=12:40:26;2027-05-15 "
               "16:00=15:09:20"
            << QList<double>{1, -1.5, 3} << false;
        QTest::newRow("level dial at Sydney turned 1, leaned 1 towards the equator")
            << QStringList{"--date", "2027-09-15", "--latitude",       "-33.87", "--longitude",
                           "151.21", "--zone",     "Australia/Sydney", "--dial", "horizontal"}
            << "2027-09-15 10:00=10:11:52;2027-09-15 15:00=15:11:40;2027-10-15 09:30=08:50:23;2027-10-15 "
               "12:00=11:20:33;2027-10-15 16:00=15:21:21;2027-11-15 10:00=09:20:56;2027-11-15 "
               "13:30=12:51:49;2027-11-15 "
               "16:00=15:22:56"
            << QList<double>{1, 1, 0} << false;
        QTest::newRow("one day only") << site({"--dial", "vertical", "--facing", "200"})
                                      << "2027-05-15 09:00=08:05:46;2027-05-15 11:00=10:06:55;2027-05-15 "
                                         "13:00=12:07:46;2027-05-15 15:00=14:08:06;2027-05-15 17:00=16:07:49"
                                      << QList<double>{} << false;
    }
    void checkRecovers()
    {
        QFETCH(QStringList, dial);
        QFETCH(QString, readings);
        QFETCH(QList<double>, truth);
        QFETCH(bool, rounded);
        for (const QString &reading : readings.split(u';'))
            dial << "--check-reading" << reading;
        const Run r = run(dial + QStringList{"--format", "json"});
        QCOMPARE(r.status, 0);
        const QJsonObject check = QJsonDocument::fromJson(r.out.toUtf8()).object()["check"].toObject();
        QCOMPARE(check["readings"].toArray().size(), readings.count(u';') + 1);
        const QString advice = check["advice"].toArray().first().toString();
        if (truth.isEmpty()) {
            QVERIFY(check["turn_deg"].isNull() && check["lean_deg"].isNull());
            QVERIFY2(advice.contains("cannot tell") && advice.contains("other days"), qPrintable(advice));
            return;
        }
        const char *keys[][2] = {
            {"turn_deg", "turn_sd_deg"}, {"lean_deg", "lean_sd_deg"}, {"offset_min", "offset_sd_min"}};
        for (int i = 0; i < 3; ++i) {
            const double tolerance = rounded ? 3 * check[keys[i][1]].toDouble() : i < 2 ? 0.05 : 0.1;
            QVERIFY2(std::fabs(check[keys[i][0]].toDouble() - truth[i]) <= tolerance, keys[i][0]);
        }
        // The advice turns the dial back: anticlockwise for a clockwise turn.
        QVERIFY2(advice.contains(truth[0] > 0 ? "anticlockwise" : " clockwise"), qPrintable(advice));
    }

    // The angles --dial prints, fed to --find-dial, give the site's latitude
    // and the wall's facing back to 0.01 degrees (the angles carry 0.001);
    // the text names the hemisphere and the side the wall turns to as the
    // wall readings do: a wall facing 200 in the north turns west of south,
    // one facing 20 in the south east of north. A level dial's lines fit
    // both hemispheres alike. Lines no dial makes leave the list empty and
    // say why.
    void foundFromPrintedLines_data()
    {
        QTest::addColumn<QStringList>("args");  // the site and the dial, or the lines themselves
        QTest::addColumn<QStringList>("words"); // each in the text answer
        QTest::addColumn<double>("latitude");   // the first found; NaN: none found
        QTest::addColumn<double>("facing");     // NaN on a level dial
        const QStringList sydney{"--date",      "2027-06-21", "--latitude", "-33.87",
                                 "--longitude", "151.21",     "--zone",     "Australia/Sydney"};
        QTest::newRow("wall facing 200, New York")
            << site({"--dial", "vertical", "--facing", "200"}) << QStringList{"40.655 N", "20.000 west of south"}
            << 40.655 << 200.0;
        QTest::newRow("wall facing 20, Sydney") << sydney + QStringList{"--dial", "vertical", "--facing", "20"}
                                                << QStringList{"33.870 S", "20.000 east of north"} << -33.87 << 20.0;
        QTest::newRow("level, Sydney, both hemispheres")
            << sydney + QStringList{"--dial", "horizontal"} << QStringList{"2 fit", "33.870 N", "33.870 S"} << 33.87
            << qQNaN();
        QTest::newRow("lines no level dial makes")
            << QStringList{"--line-angle", "9=-80", "--line-angle", "15=10"}
            << QStringList{"none fits", "No horizontal dial fits these lines"} << qQNaN() << qQNaN();
    }
    void foundFromPrintedLines()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, words);
        QFETCH(double, latitude);
        QFETCH(double, facing);
        QStringList find{"--find-dial", "horizontal"};
        if (args.contains("--dial")) {
            const QJsonObject dial = dialJson(args);
            find[1] = dial["type"].toString();
            for (const QJsonValue &line : dial["hour_lines"].toArray())
                if (std::fabs(line["angle_deg"].toDouble()) < 90)
                    find << "--line-angle"
                         << QStringLiteral("%1=%2").arg(line["hour"].toDouble()).arg(line["angle_deg"].toDouble());
        } else {
            find += args;
        }
        const Run text = run(find);
        QCOMPARE(text.status, 0);
        for (const QString &w : words)
            QVERIFY2(text.out.contains(w), qPrintable(w + " in:\n" + text.out));
        const Run json = run(find + QStringList{"--format", "json"});
        const QJsonArray found = QJsonDocument::fromJson(json.out.toUtf8())["found"].toArray();
        QCOMPARE(found.isEmpty(), std::isnan(latitude));
        if (found.isEmpty())
            return;
        QVERIFY(std::fabs(found[0]["latitude_deg"].toDouble() - latitude) <= 0.01);
        QCOMPARE(found[0]["facing_deg"].isNull(), std::isnan(facing));
        if (!std::isnan(facing))
            QVERIFY(std::fabs(found[0]["facing_deg"].toDouble() - facing) <= 0.01);
        // CSV: a row per dial and line.
        const int lines = int(found[0]["lines"].toArray().size());
        QCOMPARE(run(find + QStringList{"--format", "csv"}).out.count(u'\n'), 1 + int(found.size()) * lines);
    }

    // What holds for any dial: the keys, hour lines ending on the plate,
    // each step's lines with labels of their own, a root exactly when there
    // is a gnomon, date lines in steps of at most 2 mm on the plate, and
    // with the card one entry a day of 2027. The settings are read in the
    // forms the Dial Designer reads.
    void jsonInvariants_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("parallel"); // the style parallel to the face
        QTest::addColumn<int>("perHour");   // lines from 9 h to before 10 h
        QTest::addColumn<QVariantMap>("read");
        QTest::newRow("horizontal, with the card")
            << site({"--dial", "horizontal", "--card"}) << false << 1 << QVariantMap();
        QTest::newRow("horizontal, half hours")
            << site({"--dial", "horizontal", "--hour-step", "30", "--card"}) << false << 2 << QVariantMap();
        QTest::newRow("wall facing 200, quarter hours, zone time")
            << site({"--dial", "vertical", "--facing", "200", "--hour-step", "15", "--dial-time", "zone", "--card"})
            << false << 4 << QVariantMap();
        QTest::newRow("wall typed 135°, nodus 100 mm")
            << site({"--dial", "vertical", "--facing", "135°", "--nodus-height", "100 mm", "--card"}) << false << 1
            << QVariantMap{{"facing_deg", 135}, {"nodus_height_mm", 100}};
        QTest::newRow("east wall") << site({"--dial", "vertical", "--facing", "90", "--card"}) << true << 1
                                   << QVariantMap();
        QTest::newRow("Sydney, horizontal, month lines, wide plate")
            << QStringList{"--date",  "2027-01-10", "--latitude",       "-33.87", "--longitude",
                           "151.21",  "--zone",     "Australia/Sydney", "--dial", "horizontal",
                           "--plate", "600x250",    "--date-lines",     "months", "--card"}
            << false << 1 << QVariantMap();
    }
    void jsonInvariants()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, parallel);
        QFETCH(int, perHour);
        QFETCH(QVariantMap, read);
        const QJsonObject d = dialJson(args);
        for (auto it = read.cbegin(); it != read.cend(); ++it)
            QCOMPARE(d[it.key()].toDouble(), it.value().toDouble());
        for (const char *key : {"type", "facing_deg", "nodus_height_mm", "dial_time", "plate_mm", "style_height_deg",
                                "root_mm", "substyle_mm", "hour_lines", "gnomon", "date_lines", "correction"})
            QVERIFY2(d.contains(QLatin1String(key)), key);
        QCOMPARE(d["root_mm"].isNull(), parallel);
        QCOMPARE(d["gnomon"].isNull(), parallel);

        const QJsonArray plate = d["plate_mm"].toArray();
        QVERIFY(!d["hour_lines"].toArray().isEmpty());
        QSet<QString> labels;
        int inHour = 0;
        for (const QJsonValue &h : d["hour_lines"].toArray()) {
            for (const QJsonValue &p : h["points_mm"].toArray())
                QVERIFY2(onPlate(p, plate), qPrintable(h["label"].toString()));
            inHour += h["hour"].toDouble() >= 9 && h["hour"].toDouble() < 10;
            labels.insert(h["label"].toString());
        }
        QCOMPARE(inHour, perHour);
        QCOMPARE(labels.size(), d["hour_lines"].toArray().size());

        int pieces = 0;
        for (const QJsonValue &line : d["date_lines"].toArray()) {
            const QJsonArray points = line["points_mm"].toArray();
            pieces += !points.isEmpty();
            for (qsizetype i = 0; i < points.size(); ++i) {
                QVERIFY(onPlate(points[i], plate));
                if (i > 0) {
                    const double step = std::hypot(points[i][0].toDouble() - points[i - 1][0].toDouble(),
                                                   points[i][1].toDouble() - points[i - 1][1].toDouble());
                    QVERIFY2(step <= 2 + 2 * kRounding, qPrintable(line["label"].toString()));
                }
            }
        }
        QVERIFY(pieces >= 2);

        // 2027 has 365 days, each once and in order.
        const QJsonArray card = d["correction"].toArray();
        QCOMPARE(card.size(), 365);
        QCOMPARE(card.first()["date"].toString(), QStringLiteral("2027-01-01"));
        QCOMPARE(card.last()["date"].toString(), QStringLiteral("2027-12-31"));
    }

    // A special date's line and the day the sun comes back to its noon
    // declination: the twins from Meeus's low-precision sun (Astronomical
    // Algorithms, ch. 25) at the site's noon, worked apart, within a day.
    // The old hours' keys are there for the systems asked and no others.
    void specialDatesAndOldHours_data()
    {
        QTest::addColumn<QStringList>("dial");
        QTest::addColumn<QString>("given"); // --date-line
        QTest::addColumn<QString>("twin");
        QTest::addColumn<QString>("label");     // %1 for the twin's day and month
        QTest::addColumn<QStringList>("hours"); // --hours, as the keys to find
        QTest::newRow("14 May labelled, Italian and unequal on a level face")
            << QStringList{"horizontal"} << "1990-05-14=Anna"
            << "2027-07-29"
            << "Anna" << QStringList{"italian", "unequal"};
        QTest::newRow("1 February unlabelled, Babylonian on a wall facing 200")
            << QStringList{"vertical", "--facing", "200"} << "2027-02-01"
            << "2027-11-09"
            << "1 Feb, %1" << QStringList{"equal", "babylonian"};
        QTest::newRow("20 October, equal hours alone") << QStringList{"horizontal"} << "2020-10-20=Ship"
                                                       << "2027-02-21"
                                                       << "Ship" << QStringList{};
    }
    void specialDatesAndOldHours()
    {
        QFETCH(QStringList, dial);
        QFETCH(QString, given);
        QFETCH(QString, twin);
        QFETCH(QString, label);
        QFETCH(QStringList, hours);
        QStringList args = site(QStringList{"--dial"} + dial + QStringList{"--date-line", given});
        if (!hours.isEmpty())
            args << "--hours" << hours.join(u',');
        const QJsonObject d = dialJson(args);
        int special = 0;
        for (const QJsonValue &line : d["date_lines"].toArray()) {
            if (line["name"] != "special")
                continue;
            ++special;
            QCOMPARE(line["date"].toString(), "2027" + given.mid(4, 6));
            const QDate found = QDate::fromString(line["twin_date"].toString(), Qt::ISODate);
            QVERIFY2(std::abs(found.daysTo(QDate::fromString(twin, Qt::ISODate))) <= 1, qPrintable(found.toString()));
            const QString twinWords =
                QString::number(found.day()) + u' ' + QLocale().monthName(found.month(), QLocale::ShortFormat);
            QCOMPARE(line["label"].toString(), QString(label).replace("%1", twinWords));
            QVERIFY(!line["points_mm"].toArray().isEmpty());
        }
        QCOMPARE(special, 1);
        for (const char *system : {"italian", "babylonian", "unequal"}) {
            const QString key = QLatin1String(system) + QStringLiteral("_lines");
            QCOMPARE(d.contains(key), hours.contains(QLatin1String(system)));
            if (d.contains(key))
                QVERIFY2(!d[key].toArray().isEmpty(), qPrintable(key));
        }
    }

    // A dial on the ground as the command line gives it: the keys, each
    // mark where its two tapes meet, and a drawing to 1:50 that is the 1:1
    // one shrunk.
    void analemmatic()
    {
        QTemporaryDir dir;
        const QString full = dir.filePath("full.svg"), plan = dir.filePath("plan.svg");
        const QJsonObject d = dialJson(site({"--dial", "analemmatic", "--half-width", "2", "--card", "--svg", full}));
        run(site({"--dial", "analemmatic", "--half-width", "2", "--card", "--svg", plan, "--scale", "1:50"}));
        for (const char *key : {"half_width_m", "minor_half_width_m", "hour_points", "date_scale", "foci_m",
                                "string_loop_m", "noon_point_m", "gnomon_min_height_m", "correction"})
            QVERIFY2(d.contains(QLatin1String(key)), key);
        const double noon = d["noon_point_m"][1].toDouble();
        QVERIFY(std::fabs(noon - 2 * std::sin(40.655 * std::numbers::pi / 180)) < 0.001); // M sin(latitude)
        for (const QJsonValue &p : d["hour_points"].toArray()) {
            const double x = p["x_m"].toDouble(), y = p["y_m"].toDouble();
            const double side = p["side"] == "east" ? 1 : p["side"] == "west" ? -1 : 0;
            QCOMPARE(side * x >= 0, true);
            // JSON metres carry 0.001 m.
            QVERIFY(std::fabs(std::hypot(x, y) - p["from_centre_m"].toDouble()) < 0.002);
            QVERIFY(std::fabs(std::hypot(x, y - noon) - p["from_noon_m"].toDouble()) < 0.002);
        }
        // The ellipse's width: 2 M at 1:1, a fiftieth of that on the plan.
        const auto ellipseWidth = [](const QString &svg) {
            const QRegularExpressionMatch m =
                QRegularExpression(QStringLiteral("<g id=\"ellipse\"[^>]*>\\s*<polygon points=\"([^\"]+)\""))
                    .match(svg);
            double low = 1e9, high = -1e9;
            for (const QString &pair : m.captured(1).split(u' ', Qt::SkipEmptyParts)) {
                low = std::min(low, pair.section(u',', 0, 0).toDouble());
                high = std::max(high, pair.section(u',', 0, 0).toDouble());
            }
            return high - low;
        };
        QVERIFY(std::fabs(ellipseWidth(readAll(full)) - 4000) < 0.01);
        QVERIFY(std::fabs(ellipseWidth(readAll(plan)) - 80) < 0.01);
    }

    // The summer hour is in the card on the days New York's clock keeps it:
    // the add jumps by 3600 s less the day's change in the equation of time
    // (under 30 s a day) across each change, and by no more on other days.
    void cardFollowsTheZone()
    {
        const QJsonArray card = dialJson(site({"--dial", "horizontal", "--card"}))["correction"].toArray();
        QStringList jumps;
        for (qsizetype i = 1; i < card.size(); ++i) {
            const double change = card[i]["add_s"].toDouble() - card[i - 1]["add_s"].toDouble();
            if (std::fabs(change) > 60)
                jumps << card[i]["date"].toString() + (change > 0 ? u'+' : u'-');
        }
        // 2027: clocks forward on 14 March, back on 7 November.
        QCOMPARE(jumps, QStringList({"2027-03-14+", "2027-11-07-"}));
    }

    void svgDrawing_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<double>("plateWidth");
        QTest::addColumn<double>("plateHeight");
        QTest::addColumn<bool>("card");
        for (const char *step : {"15", "30"}) {
            const QStringList months{"--hour-step", step, "--date-lines", "months"};
            const bool card = step[0] == '1';
            QTest::addRow("horizontal, step %s, months", step)
                << site(QStringList{"--dial", "horizontal"} + months) << 300.0 << 300.0 << false;
            QTest::addRow("wall facing 200, step %s, months%s", step, card ? ", the card" : "")
                << site(QStringList{"--dial", "vertical", "--facing", "200"} + months +
                        (card ? QStringList{"--card"} : QStringList{}))
                << 300.0 << 300.0 << card;
        }
        QTest::newRow("wall 400 x 200 with the card")
            << site({"--dial", "vertical", "--facing", "200", "--plate", "400x200", "--nodus-height", "60", "--card"})
            << 400.0 << 200.0 << true;
    }

    void svgDrawing()
    {
        QFETCH(QStringList, args);
        QFETCH(double, plateWidth);
        QFETCH(double, plateHeight);
        QFETCH(bool, card);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("dial.svg"));
        QCOMPARE(run(args + QStringList{"--svg", file}).status, 0);

        QXmlStreamReader xml(readAll(file));
        QStringList groups;
        double width = 0, height = 0;
        QStringList viewBox;
        QList<QPointF> footMarks, hourEnds;
        QList<QPointF> gnomon;
        QRectF plateRect;
        double fontSize = 0;
        QList<QRectF> boxes;
        QStringList texts;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QXmlStreamAttributes a = xml.attributes();
            if (xml.name() == QLatin1String("svg")) {
                // Millimetres, and one user unit a millimetre.
                QVERIFY(a.value("width").endsWith(QLatin1String("mm")));
                QVERIFY(a.value("height").endsWith(QLatin1String("mm")));
                width = a.value("width").chopped(2).toDouble();
                height = a.value("height").chopped(2).toDouble();
                viewBox = a.value("viewBox").toString().split(u' ');
            } else if (xml.name() == QLatin1String("g")) {
                groups << a.value("id").toString();
                fontSize = a.value("font-size").toDouble();
            } else if (xml.name() == QLatin1String("rect") && groups.last() == QLatin1String("plate")) {
                QCOMPARE(a.value("width").toDouble(), plateWidth);
                QCOMPARE(a.value("height").toDouble(), plateHeight);
                plateRect = QRectF(a.value("x").toDouble(), a.value("y").toDouble(), plateWidth, plateHeight);
            } else if (xml.name() == QLatin1String("text") && groups.last().endsWith(QLatin1String("-labels"))) {
                // Boxes of 0.6 em a character by one em (a sans-serif's digits
                // run 0.55 to 0.64 em) around each label's middle.
                const QPointF at(a.value("x").toDouble(), a.value("y").toDouble());
                texts << xml.readElementText();
                const QSizeF size(0.6 * fontSize * texts.last().size(), fontSize);
                boxes << QRectF(at - QPointF(size.width() / 2, size.height() / 2), size);
            } else if (xml.name() == QLatin1String("circle") && groups.last() == QLatin1String("nodus-foot")) {
                footMarks << QPointF(a.value("cx").toDouble(), a.value("cy").toDouble());
            } else if (xml.name() == QLatin1String("line") && groups.last() == QLatin1String("hour-line-paths")) {
                hourEnds << QPointF(a.value("x2").toDouble(), a.value("y2").toDouble());
            } else if (xml.name() == QLatin1String("polygon") && groups.last() == QLatin1String("gnomon-outline")) {
                for (const QString &p : a.value("points").toString().split(u' '))
                    gnomon << QPointF(p.section(u',', 0, 0).toDouble(), p.section(u',', 1, 1).toDouble());
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(viewBox, QStringList({"0", "0", QString::number(width), QString::number(height)}));
        QVERIFY(width > plateWidth && height >= plateHeight);
        for (const char *id : {"plate", "hour-lines", "substyle", "root", "nodus-foot", "date-lines", "gnomon"})
            QVERIFY2(groups.contains(QLatin1String(id)), id);
        QCOMPARE(groups.contains(QStringLiteral("card")), card);

        // Where a cutter puts the nodus's foot and the hour lines' ends: the
        // JSON's plate millimetres (y up) from the plate's top left at 5 mm.
        const QJsonObject d = dialJson(args);
        const QJsonArray plate = d["plate_mm"].toArray();
        const auto svgPoint = [&plate](const QJsonValue &p) {
            return QPointF(5 + p[0].toDouble() - plate[0].toDouble(), 5 + plate[3].toDouble() - p[1].toDouble());
        };
        QCOMPARE(footMarks.size(), 1);
        QVERIFY(QLineF(footMarks[0], svgPoint(QJsonArray{0, 0})).length() < 2 * kRounding);
        const QJsonArray hours = d["hour_lines"].toArray();
        QCOMPARE(hourEnds.size(), hours.size());
        for (qsizetype i = 0; i < hours.size(); ++i)
            QVERIFY2(QLineF(hourEnds[i], svgPoint(hours[i]["points_mm"][1])).length() < 2 * kRounding,
                     qPrintable(hours[i]["label"].toString()));
        // The style edge, the gnomon's top edge from its lowest end to the
        // nodus, rises at the style height; a triangle where the root lies on
        // the plate, else cut square at the plate's edge.
        const QJsonArray root = d["root_mm"].toArray();
        const bool rootOnPlate = root[0].toDouble() >= plate[0].toDouble() &&
                                 root[0].toDouble() <= plate[2].toDouble() &&
                                 root[1].toDouble() >= plate[1].toDouble() && root[1].toDouble() <= plate[3].toDouble();
        QCOMPARE(gnomon.size(), rootOnPlate ? 3 : 4);
        const auto [lo, hi] =
            std::minmax_element(gnomon.begin(), gnomon.end(), [](QPointF a, QPointF b) { return a.x() < b.x(); });
        double left = 1e9, right = 1e9;
        for (const QPointF &p : gnomon) {
            if (p.x() == lo->x())
                left = std::min(left, p.y());
            if (p.x() == hi->x())
                right = std::min(right, p.y());
        }
        const QJsonObject g = d["gnomon"].toObject();
        QVERIFY(std::fabs((left - right) / (hi->x() - lo->x()) - g["height_mm"].toDouble() / g["base_mm"].toDouble()) <
                1e-3);
        // Labels a reader can tell apart: none touching another, all on the
        // plate, the solstices' and the equinox's among them.
        for (const QString want : {"12", "21 Jun", "21 Dec", "Equinox"})
            QVERIFY2(texts.filter(QRegularExpression("^(.*, )?" + want + "(,.*)?$")).size() == 1, qPrintable(want));
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            QVERIFY2(plateRect.contains(boxes[i]), qPrintable(texts[i]));
            for (qsizetype j = 0; j < i; ++j)
                QVERIFY2(!boxes[i].intersects(boxes[j]), qPrintable(texts[i] + " on " + texts[j]));
        }
    }

    // A place that cannot be written: a message naming it, status 1, no
    // answer. A file that exists is replaced whole, or kept when the pages
    // cannot be painted. A PDF of many pages says its count.
    void files()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("no/such/folder/dial.svg"));
        Run r = run(site({"--dial", "horizontal", "--svg", missing}));
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(missing), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());

        const QString svg = dir.filePath(QStringLiteral("dial.svg"));
        QFile old(svg);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(200000, 'x'));
        old.close();
        QCOMPARE(run(site({"--dial", "horizontal", "--svg", svg})).status, 0);
        const QString text = readAll(svg);
        QVERIFY(text.startsWith(QLatin1String("<?xml")) && text.endsWith(QLatin1String("</svg>\n")));
        QVERIFY(!text.contains(u'x' + QString(20, u'x')));

        const QString pdf = dir.filePath(QStringLiteral("dial.pdf"));
        r = run(site({"--dial", "horizontal", "--pdf", pdf}));
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.startsWith(QStringLiteral("--pdf \"%1\": PDF output needs").arg(pdf)), qPrintable(r.err));
        setDialPdfWriter([](QIODevice &device, const DialDesign &d) {
            return device.write(QByteArray::number(d.faces.front().layout.hourLines.size())) > 0;
        });
        const QString lines = QString::number(dialJson(site({"--dial", "horizontal"}))["hour_lines"].toArray().size());
        r = run(site({"--dial", "horizontal", "--pdf", pdf}));
        QCOMPARE(r.status, 0);
        QCOMPARE(readAll(pdf), lines);
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err)); // a few pages go without a word
        setDialPdfWriter([](QIODevice &device, const DialDesign &) {
            device.write("half");
            return false;
        });
        QCOMPARE(run(site({"--dial", "horizontal", "--pdf", pdf})).status, 1);
        QCOMPARE(readAll(pdf), lines);
        // Many pages are counted on stderr, the answer unchanged.
        setDialPdfWriter([](QIODevice &device, const DialDesign &) { return int(device.write("x")) * 47; });
        const Run many = run(site({"--dial", "horizontal", "--pdf", pdf}));
        QCOMPARE(many.status, 0);
        QCOMPARE(many.err, QStringLiteral("--pdf \"%1\": 47 pages\n").arg(pdf));
        QCOMPARE(many.out, run(site({"--dial", "horizontal"})).out);
        setDialPdfWriter({});
    }

    // A run that fails writes nothing: the files that could be written are
    // not put in place, an earlier file of their name stays as it was, and
    // no half-made file is left beside it. The message says what failed.
    void nothingWrittenOnFailure_data()
    {
        QTest::addColumn<QStringList>("files"); // "%1" the test's folder
        QTest::addColumn<bool>("pagesPainted");
        QTest::addColumn<QString>("message");
        QTest::newRow("svg whole, dxf in /proc") << QStringList{"--svg", "%1/ok.svg", "--dxf", "/proc/x.dxf"} << true
                                                 << "cannot write \"/proc/x.dxf\": no file can be made in \"/proc\"";
        QTest::newRow("svg whole, dxf in a missing folder")
            << QStringList{"--svg", "%1/ok.svg", "--dxf", "%1/no/x.dxf"} << true
            << "cannot write \"%1/no/x.dxf\": there is no folder \"%1/no\"";
        QTest::newRow("svg whole, dxf onto a folder") << QStringList{"--svg", "%1/ok.svg", "--dxf", "%1/sub"} << true
                                                      << "cannot write \"%1/sub\": it is a folder";
        QTest::newRow("dxf whole, pdf in /proc") << QStringList{"--dxf", "%1/ok.dxf", "--pdf", "/proc/x.pdf"} << true
                                                 << "cannot write \"/proc/x.pdf\": no file can be made";
        QTest::newRow("svg and dxf whole, pdf not painted")
            << QStringList{"--svg", "%1/ok.svg", "--dxf", "%1/ok.dxf", "--pdf", "%1/ok.pdf"} << false
            << "cannot write \"%1/ok.pdf\": the pages could not be painted";
    }
    void nothingWrittenOnFailure()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, pagesPainted);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        QFile old(dir.filePath("ok.svg"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        setDialPdfWriter([pagesPainted](QIODevice &device, const DialDesign &) {
            return device.write("%PDF") == 4 && pagesPainted ? 1 : 0;
        });
        const Run r = run(site(QStringList{"--dial", "horizontal"} + files.replaceInStrings("%1", dir.path())));
        setDialPdfWriter({});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.startsWith(message.replace("%1", dir.path())), qPrintable(r.err));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"ok.svg", "sub"}));
        QCOMPARE(readAll(dir.filePath("ok.svg")), QStringLiteral("old"));
    }

    // A measure is read alike in every option: its unit after the number,
    // with or without a space, a decimal comma where the locale writes one;
    // another unit, or no number, refused saying so and what it takes.
    void unitsReadAlike_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("key"); // the JSON's value when read
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("refusal"); // how the message starts otherwise
        const auto ground = [](const char *m) { return QStringList{"--dial", "analemmatic", "--half-width", m}; };
        const auto plane = [](const char *tilt) {
            return QStringList{"--dial", "plane", "--facing", "200 deg", "--tilt", tilt};
        };
        const auto nodus = [](const char *mm) { return QStringList{"--dial", "horizontal", "--nodus-height", mm}; };
        QTest::newRow("half-width 2.5 m") << "en_US" << ground("2.5 m") << "half_width_m" << 2.5 << "";
        QTest::newRow("half-width 2.5m") << "en_US" << ground("2.5m") << "half_width_m" << 2.5 << "";
        QTest::newRow("half-width 2,5 m, German") << "de_DE" << ground("2,5 m") << "half_width_m" << 2.5 << "";
        QTest::newRow("half-width 2,5, US") << "en_US" << ground("2,5") << "" << 0.0
                                            << "--half-width \"2,5\": not a number with a decimal point; give metres";
        QTest::newRow("half-width in mm") << "en_US" << ground("2.5 mm") << "" << 0.0
                                          << "--half-width \"2.5 mm\": not in metres; give metres from 0.1 to 50";
        QTest::newRow("half-width 60 m") << "en_US" << ground("60 m") << "" << 0.0
                                         << "--half-width \"60 m\": give metres from 0.1 to 50";
        QTest::newRow("tilt 35°") << "en_US" << plane("35°") << "tilt_deg" << 35.0 << "";
        QTest::newRow("tilt 35,5 degrees, German") << "de_DE" << plane("35,5 degrees") << "tilt_deg" << 35.5 << "";
        QTest::newRow("tilt in metres") << "en_US" << plane("35 m") << "" << 0.0
                                        << "--tilt \"35 m\": not in degrees; give degrees from 0";
        QTest::newRow("nodus 100 mm") << "en_US" << nodus("100 mm") << "nodus_height_mm" << 100.0 << "";
        QTest::newRow("nodus 80,5mm, German") << "de_DE" << nodus("80,5mm") << "nodus_height_mm" << 80.5 << "";
        QTest::newRow("nodus in metres") << "en_US" << nodus("0.1 m") << "" << 0.0
                                         << "--nodus-height \"0.1 m\": not in mm; give mm";
        QTest::newRow("plate in metres") << "en_US" << QStringList{"--dial", "horizontal", "--plate", "0.3 m x 0.3 m"}
                                         << "" << 0.0 << "--plate \"0.3 m x 0.3 m\": not in mm; give the width";
    }
    void unitsReadAlike()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, args);
        QFETCH(QString, key);
        QFETCH(double, value);
        QFETCH(QString, refusal);
        QLocale::setDefault(QLocale(locale));
        const Run r = run(site(args + QStringList{"--format", "json"}));
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        if (!refusal.isEmpty()) {
            QCOMPARE(r.status, 2);
            QVERIFY2(r.err.startsWith(refusal), qPrintable(r.err));
            return;
        }
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(QJsonDocument::fromJson(r.out.toUtf8()).object()["dial"][key].toDouble(), value);
    }

    // The CSV: the hour lines, or with --card the card by day.
    void csv_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("header");
        QTest::addColumn<int>("rows");
        QTest::newRow("hour lines, half hours")
            << site({"--dial", "horizontal", "--hour-step", "30"}) << "hour,label,x1,y1,x2,y2" << -1;
        QTest::newRow("card") << site({"--dial", "horizontal", "--card"}) << "date,add_s" << 365;
    }
    void csv()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, header);
        QFETCH(int, rows);
        QStringList lines = run(args + QStringList{"--format", "csv"}).out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.takeFirst(), header);
        if (rows < 0)
            rows = int(dialJson(args)["hour_lines"].toArray().size());
        QCOMPARE(lines.size(), rows);
        for (const QString &line : lines)
            QCOMPARE(line.count(u','), header.count(u','));
    }

    // Every face's hour lines in every answer, as the JSON gives them: the
    // CSV's rows (named by face where there are two) and the text's table
    // under each face's heading, angle for angle.
    void everyFaceEverywhere_data()
    {
        QTest::addColumn<QStringList>("dial");
        QTest::newRow("horizontal") << QStringList{"--dial", "horizontal"};
        QTest::newRow("roof") << QStringList{"--dial", "plane", "--facing", "200", "--tilt", "35"};
        QTest::newRow("polar") << QStringList{"--dial", "polar", "--facing", "180"};
        QTest::newRow("equatorial, two faces") << QStringList{"--dial", "equatorial", "--hour-step", "30"};
    }
    void everyFaceEverywhere()
    {
        QFETCH(QStringList, dial);
        const QJsonObject d = dialJson(site(dial));
        const QJsonArray faces = d.contains("faces") ? d["faces"].toArray() : QJsonArray{d};
        QStringList csv = run(site(dial) + QStringList{"--format", "csv"}).out.split(u'\n', Qt::SkipEmptyParts);
        const QString text = run(site(dial)).out;
        const bool named = faces.size() > 1;
        QCOMPARE(csv.takeFirst().startsWith("face,"), named);
        qsizetype from = 0;
        for (const QJsonValue &face : faces) {
            if (named) {
                from = text.indexOf("The " + face["name"].toString() + " face", from);
                QVERIFY(from >= 0);
            }
            for (const QJsonValue &h : face["hour_lines"].toArray()) {
                const QJsonArray ends = h["points_mm"].toArray();
                QStringList row{QString::number(h["hour"].toDouble()), h["label"].toString()};
                for (const QJsonValue &p : ends)
                    row << QString::number(p[0].toDouble(), 'f', 2) << QString::number(p[1].toDouble(), 'f', 2);
                if (named)
                    row.prepend(face["name"].toString());
                QCOMPARE(csv.takeFirst(), row.join(u','));
                // The text's row: the label, then the signed angle.
                const double angle = h["angle_deg"].toDouble();
                const QRegularExpression line(
                    "\\n  " + QRegularExpression::escape(h["label"].toString()) + " +" +
                    QRegularExpression::escape((angle > 0 ? "+" : "") + QString::number(angle, 'f', 3)) + " ");
                const qsizetype at = text.indexOf(line, from);
                QVERIFY2(at >= 0, qPrintable(h["label"].toString()));
                from = at;
            }
        }
        QVERIFY(csv.isEmpty());
    }

    // The ground dial's CSV and JSON: the columns, x east and y north of C
    // (before noon the mark lies west, the noon mark on the noon side of C),
    // the side word matching x's sign, and the meridian time the main
    // answer's for the same site and date.
    void groundColumns_data()
    {
        QTest::addColumn<QStringList>("where");
        QTest::addColumn<double>("noonSign"); // the 12's y: + north of C
        QTest::newRow("London") << QStringList{"--date",      "2027-06-21", "--latitude", "51.5",
                                               "--longitude", "0.12W",      "--zone",     "Europe/London"}
                                << 1.0;
        QTest::newRow("Sydney") << QStringList{"--date",      "2027-06-21", "--latitude", "33.87S",
                                               "--longitude", "151.2E",     "--zone",     "Australia/Sydney"}
                                << -1.0;
    }
    void groundColumns()
    {
        QFETCH(QStringList, where);
        QFETCH(double, noonSign);
        const QStringList args = where + QStringList{"--dial", "analemmatic"};
        QStringList csv = run(args + QStringList{"--format", "csv"}).out.split(u'\n', Qt::SkipEmptyParts);
        const QStringList header = csv.takeFirst().split(u',');
        for (const char *column : {"hour", "label", "x_m", "y_m", "from_centre_m", "from_noon_m", "side"})
            QVERIFY2(header.contains(QLatin1String(column)), column);
        const QJsonArray points = dialJson(args)["hour_points"].toArray();
        QCOMPARE(csv.size(), points.size());
        for (int i = 0; i < csv.size(); ++i) {
            const QStringList cells = csv[i].split(u',');
            const auto cell = [&](const char *column) { return cells.value(header.indexOf(QLatin1String(column))); };
            const double hour = cell("hour").toDouble(), x = cell("x_m").toDouble(), y = cell("y_m").toDouble();
            const QString side = hour < 12 ? "west" : hour > 12 ? "east" : "meridian";
            QCOMPARE(cell("side"), side);
            QCOMPARE(points[i]["side"].toString(), side);
            QCOMPARE(QString(x < 0 ? "west" : x > 0 ? "east" : "meridian"), side);
            QVERIFY(std::fabs(points[i]["x_m"].toDouble() - x) < 0.001);
            QVERIFY(std::fabs(points[i]["y_m"].toDouble() - y) < 0.001);
            if (hour == 12)
                QVERIFY2(y * noonSign > 1, qPrintable(csv[i]));
        }
        QString meridian;
        const QJsonObject answer =
            QJsonDocument::fromJson(run(where + QStringList{"--format", "json"}).out.toUtf8()).object();
        for (const QJsonValue &e : answer["events"].toArray())
            if (e["event"] == "meridian")
                meridian = e["clock"].toString();
        QVERIFY(!meridian.isEmpty());
        QCOMPARE(dialJson(args)["meridian_time"].toString(), meridian);

        // The text says the same, and each date lies north of C while the sun
        // is north of the equator (y = M tan(dec) cos(lat)), in the JSON too.
        const QStringList months = args + QStringList{"--date-lines", "months"};
        const QJsonArray dates = dialJson(months)["date_scale"].toArray();
        QCOMPARE(dates.size(), 15);
        for (const QJsonValue &date : dates)
            QVERIFY2(date["y_m"].toDouble() * date["declination_deg"].toDouble() >= 0,
                     qPrintable(date["label"].toString()));
        const QString text = run(months).out;
        const auto lines = [](const char *pattern) {
            return QRegularExpression(QLatin1String(pattern), QRegularExpression::MultilineOption);
        };
        QCOMPARE(lines("noon point N +[0-9.]+ m (north|south) of").match(text).captured(1),
                 QString(noonSign > 0 ? "north" : "south"));
        QCOMPARE(lines("true noon on \\S+ +(\\S+)").match(text).captured(1), meridian);
        int hours = 0, days = 0;
        for (auto it = lines("^ +(\\d+) +[0-9.]+ +[0-9.]+ +(west|east|on the line) ").globalMatch(text); it.hasNext();
             ++hours) {
            const QRegularExpressionMatch m = it.next();
            const int hour = m.captured(1).toInt();
            QCOMPARE(m.captured(2), QString(hour < 12 ? "west" : hour > 12 ? "east" : "on the line"));
        }
        for (auto it = lines("^ +(\\d+ [A-Z][a-z]{2}|Equinox) +([-+]?)[0-9.]+ +([-+]?)[0-9.]+$").globalMatch(text);
             it.hasNext(); ++days) {
            const QRegularExpressionMatch m = it.next();
            QVERIFY2(m.captured(2) == m.captured(3), qPrintable(m.captured(0)));
        }
        QCOMPARE(hours, csv.size());
        QCOMPARE(days, dates.size());
    }

    // The lean figures under their solstices: a face leaning out reads
    // 4 sin 45° tan 23.44° = 1.23 minutes a degree later at 15 h in June and
    // earlier at 9 h, the other way in December (worked by hand, as in
    // tst_dial_planes; the JSON keeps 0.01).
    void leanBySolstice_data()
    {
        QTest::addColumn<QStringList>("dial");
        QTest::newRow("wall facing south") << QStringList{"--dial", "vertical", "--facing", "180"};
        QTest::newRow("level face") << QStringList{"--dial", "horizontal"};
    }
    void leanBySolstice()
    {
        QFETCH(QStringList, dial);
        const QJsonObject lean = dialJson(site(dial))["lean_min_per_deg"].toObject();
        const double later = 4 * std::sin(std::numbers::pi / 4) * std::tan(23.44 * std::numbers::pi / 180);
        for (const auto &[hour, sign] : {std::pair{"9", -1.0}, std::pair{"15", 1.0}}) {
            const QJsonArray juneDecember = lean[QLatin1String(hour)].toArray();
            QVERIFY2(std::fabs(juneDecember[0].toDouble() - sign * later) < 0.01, hour);
            QVERIFY2(std::fabs(juneDecember[1].toDouble() + sign * later) < 0.01, hour);
        }
    }
};

QTEST_GUILESS_MAIN(TestDialCli)
#include "tst_dial_cli.moc"
