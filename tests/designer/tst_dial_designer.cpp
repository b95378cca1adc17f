// The Dial Designer on its own: the hour-line table against the textbook
// formulas, the date lines and the correction card against independent
// ephemerides, the preview following the inputs, refusals shown beside
// their box, and Save as PDF and as SVG giving the full-size drawing.
#include "designer/dial_preview.h"
#include "designer/dial_words.h"
#include "designer/frm_dial_designer.h"
#include "dial/face_frame.h"
#include "support/modal_answerer.h"
#include "support/near.h"
#include "support/pdf_text.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <cmath>
#include <numbers>

using namespace orvane;

namespace {

constexpr double kDegree = std::numbers::pi / 180;

DesignerRequest site(double latitude)
{
    DesignerRequest r{QDate(2027, 6, 21), latitude, -72.855, true, SiteClock(-300, true)};
    r.clock.zoneIndex = 6; // "GMT-5hrs   US Eastern Time, Montreal, New York"
    return r;
}

void choose(FrmDialDesigner &w, const char *kind)
{
    auto *kinds = w.findChild<QComboBox *>("cboType");
    kinds->setCurrentIndex(kinds->findData(QLatin1String(kind)));
}

void type(FrmDialDesigner &w, const char *box, const QString &text)
{
    auto *edit = w.findChild<QLineEdit *>(box);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// Clicks `button` and answers its file dialog with `path`.
void saveThrough(FrmDialDesigner &w, const char *button, const QString &path)
{
    test::ModalAnswerer answerer;
    answerer.when<QFileDialog>([&](QFileDialog *d) {
        d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog *>(d)->accept();
    });
    QTest::mouseClick(w.findChild<QPushButton *>(button), Qt::LeftButton);
}

// The sun's apparent declination (degrees) at Julian day `jd`, by Meeus's
// low-accuracy series (Astronomical Algorithms, ch. 25): within 0.01 deg.
double meeusDeclination(double jd)
{
    const double t = (jd - 2451545) / 36525;
    const double m = (357.52911 + 35999.05029 * t) * kDegree;
    const double centre =
        (1.914602 - 0.004817 * t) * std::sin(m) + 0.019993 * std::sin(2 * m) + 0.000289 * std::sin(3 * m);
    const double omega = (125.04 - 1934.136 * t) * kDegree;
    const double lambda = (280.46646 + 36000.76983 * t + centre - 0.00569 - 0.00478 * std::sin(omega)) * kDegree;
    const double epsilon = (23.439291 - 0.0130042 * t + 0.00256 * std::cos(omega)) * kDegree;
    return std::asin(std::sin(epsilon) * std::sin(lambda)) / kDegree;
}

} // namespace

class TestDialDesigner : public QObject {
    Q_OBJECT
private slots:
    // Sun time, hour angle H = 15 deg (h - 12). Horizontal: tan a = sin(phi)
    // tan H from the meridian, + east (afternoon) in either hemisphere.
    // South wall: tan a = cos(phi) tan H from the vertical; seen from in
    // front east is on the right, where the afternoon shadow falls. Table cells carry two decimals: 0.006 deg.
    void hourAngles_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("facing");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("hour");
        QTest::addColumn<double>("want");
        const auto horizontal = [](double phi, double h) {
            return std::atan(std::sin(std::fabs(phi) * kDegree) * std::tan(15 * (h - 12) * kDegree)) / kDegree;
        };
        const auto southWall = [](double phi, double h) {
            return std::atan(std::cos(phi * kDegree) * std::tan(15 * (h - 12) * kDegree)) / kDegree;
        };
        QTest::newRow("horizontal, 40.655 N, 10") << 0 << "180" << 40.655 << 10.0 << horizontal(40.655, 10);
        QTest::newRow("horizontal, 40.655 N, 15") << 0 << "180" << 40.655 << 15.0 << horizontal(40.655, 15);
        QTest::newRow("horizontal, 33.9 S, 16") << 0 << "180" << -33.9 << 16.0 << horizontal(-33.9, 16);
        QTest::newRow("south wall, 40.655 N, 9") << 1 << "180" << 40.655 << 9.0 << southWall(40.655, 9);
        // East wall: parallel lines along the style, which rises northwards
        // (to the right, seen from in front) at the latitude.
        QTest::newRow("east wall, 40.655 N, 9") << 1 << "90" << 40.655 << 9.0 << -(90 - 40.655);
        QTest::newRow("south wall, 40.655 N, 14") << 1 << "180" << 40.655 << 14.0 << southWall(40.655, 14);
    }
    void hourAngles()
    {
        QFETCH(int, type);
        QFETCH(QString, facing);
        QFETCH(double, latitude);
        QFETCH(double, hour);
        QFETCH(double, want);
        FrmDialDesigner w;
        w.setRequest(site(latitude));
        w.findChild<QComboBox *>("cboType")->setCurrentIndex(type);
        w.findChild<QLineEdit *>("txtFacing")->setText(facing);
        auto *table = w.findChild<QTableWidget *>("tblHours");
        const QString label = QString::number(hour);
        for (int r = 0; r < table->rowCount(); ++r)
            if (table->item(r, 0)->text() == label) {
                CHECK_NEAR(QLocale().toDouble(table->item(r, 1)->text()), want, 0.006);
                return;
            }
        QFAIL("no such hour line");
    }

    // Where each line crosses the meridian of a horizontal dial: the
    // shadow of a nodus h high when the sun culminates at 90 - (phi - d)
    // lies h tan(phi - d) from the foot. The solstice at the mean obliquity
    // for 2027.5 (IAU 2006: 84381.406" - 46.836769" x 0.275 = 23.43570 deg);
    // the months at the noon declination by Meeus's series at the site's
    // mean noon. 0.05 mm: 0.02 deg of declination, plus the 2 mm chords.
    void dateLinesOnTheMeridian_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<double>("declination");
        const double noon = (12 + 72.855 / 15) / 24 - 0.5; // JD of 0h is the day number less a half
        QTest::newRow("summer solstice") << "21 Jun" << 23.43570;
        QTest::newRow("equinox") << "Equinox" << 0.0;
        QTest::newRow("first of June") << "1 Jun" << meeusDeclination(QDate(2027, 6, 1).toJulianDay() + noon);
        QTest::newRow("first of April") << "1 Apr" << meeusDeclination(QDate(2027, 4, 1).toJulianDay() + noon);
        QTest::newRow("first of September") << "1 Sep" << meeusDeclination(QDate(2027, 9, 1).toJulianDay() + noon);
    }
    void dateLinesOnTheMeridian()
    {
        QFETCH(QString, label);
        QFETCH(double, declination);
        FrmDialDesigner w;
        w.setRequest(site(40.655));
        w.findChild<QComboBox *>("cboDateLines")->setCurrentIndex(static_cast<int>(DateLineChoice::Months));
        QCOMPARE(w.design().faces.front().dateLines.size(), std::size_t(15));
        for (const dial::DateLine &line : w.design().faces.front().dateLines) {
            if (QString::fromStdString(line.label) != label)
                continue;
            for (const dial::Polyline &piece : line.pieces)
                for (std::size_t i = 1; i < piece.size(); ++i) {
                    const dial::PlatePoint a = piece[i - 1], b = piece[i];
                    if ((a.x < 0) == (b.x < 0))
                        continue;
                    const double y = a.y + (b.y - a.y) * (0 - a.x) / (b.x - a.x);
                    CHECK_NEAR(std::fabs(y), 100 * std::tan((40.655 - declination) * kDegree), 0.05);
                    return;
                }
        }
        QFAIL("no such line across the meridian");
    }

    // The hour systems' boxes and the special dates' list drive the design:
    // each box ticked gives its system's lines, in the order of the boxes; a
    // date added gives its line, removed takes it away; a kind that has no
    // place for old hours draws nothing and says why.
    void oldHoursAndSpecialDates_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QList<int>>("systems"); // none when refused
        QTest::newRow("horizontal, Italian and unequal")
            << "horizontal" << QStringList{"chkItalianHours", "chkUnequalHours"}
            << QList<int>{int(dial::HourSystem::Italian), int(dial::HourSystem::Unequal)};
        QTest::newRow("equatorial, Babylonian")
            << "equatorial" << QStringList{"chkBabylonianHours"} << QList<int>{int(dial::HourSystem::Babylonian)};
        QTest::newRow("analemmatic refuses Italian") << "analemmatic" << QStringList{"chkItalianHours"} << QList<int>{};
    }
    void oldHoursAndSpecialDates()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, ticked);
        QFETCH(QList<int>, systems);
        FrmDialDesigner w;
        w.setRequest(site(40.655));
        choose(w, qPrintable(kind));
        for (const QString &box : ticked)
            w.findChild<QCheckBox *>(box)->click();
        if (systems.isEmpty()) {
            QVERIFY(!w.findChild<QPushButton *>("cmdPrintDial")->isEnabled());
            return;
        }
        for (const dial::DialFace &face : w.design().faces) {
            QList<int> drawn;
            for (const dial::OldHours &hours : face.oldHours)
                drawn << int(hours.system);
            QCOMPARE(drawn, systems);
        }
        w.findChild<QDateEdit *>("dteDateLine")->setDate(QDate(2027, 5, 14));
        QTest::keyClicks(w.findChild<QLineEdit *>("txtDateLineLabel"), "Anna");
        w.findChild<QPushButton *>("btnAddDateLine")->click();
        const auto special = [&w] {
            int n = 0;
            for (const dial::DateLine &line : w.design().faces.front().dateLines)
                n += line.name == "special" && line.label == "Anna" && line.date == "2027-05-14";
            return n;
        };
        QCOMPARE(special(), 1);
        auto *list = w.findChild<QListWidget *>("lstDateLines");
        list->setCurrentRow(0);
        w.findChild<QPushButton *>("btnRemoveDateLine")->click();
        QCOMPARE(list->count(), 0);
        QCOMPARE(special(), 0);
    }

    // The true sun's meridian passage on the clock less noon at this site in
    // 2027, from astronomy-engine 2.1.19 (SearchHourAngle): 11 February
    // +337.1 s on standard time, 3 November +2098.7 s on summer time, 8
    // November -1490.6 s on standard time. The list entry's region (New York)
    // puts the summer hour on its own days, whichever clock the date has;
    // without a region the clock chosen holds all year. A zone-time dial drops
    // the site's 2.145 deg east of the zone's meridian: +514.8 s. Within 0.5 s,
    // the two ephemerides' agreement.
    void cardAgainstTheAlmanac_data()
    {
        QTest::addColumn<bool>("daylightSaving");
        QTest::addColumn<bool>("region");
        QTest::addColumn<int>("time");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<double>("add");
        QTest::addColumn<QString>("clock");
        const QString rules = "UTC-5, summer time by the rules of America/New_York: 14 March to 7 November 2027";
        QTest::newRow("11 Feb, sun time, standard") << false << true << 0 << QDate(2027, 2, 11) << 337.1 << rules;
        QTest::newRow("11 Feb, sun time, daylight saving in June")
            << true << true << 0 << QDate(2027, 2, 11) << 337.1 << rules;
        QTest::newRow("8 Nov, sun time, daylight saving, no region")
            << true << false << 0 << QDate(2027, 11, 8) << 2109.4
            << "UTC-5 with daylight saving all year (no region's summer-time rules for this time zone entry)";
        QTest::newRow("3 Nov, zone time, standard")
            << false << true << 1 << QDate(2027, 11, 3) << 2098.7 + 514.8 << rules;
    }
    void cardAgainstTheAlmanac()
    {
        QFETCH(bool, daylightSaving);
        QFETCH(bool, region);
        QFETCH(int, time);
        QFETCH(QDate, date);
        QFETCH(double, add);
        QFETCH(QString, clock);
        FrmDialDesigner w;
        DesignerRequest r = site(40.655);
        r.clock.daylightSaving = daylightSaving;
        if (region) // as the window's list entry gives it
            r.clock.zone = QTimeZone("America/New_York");
        w.setRequest(r);
        w.findChild<QComboBox *>("cboTime")->setCurrentIndex(time);
        const std::vector<CardDay> &days = w.card().days;
        QCOMPARE(days.size(), std::size_t(365));
        CHECK_NEAR(days[std::size_t(QDate(2027, 1, 1).daysTo(date))].addSeconds, add, 0.5);
        QVERIFY2(w.findChild<QLabel *>("lblClock")->text().startsWith("Clock: " + clock),
                 qPrintable(w.findChild<QLabel *>("lblClock")->text()));
        // Weekly from 1 January: 53 rows.
        QCOMPARE(w.findChild<QTableWidget *>("tblCard")->rowCount(), 53);
    }

    // The compass's line under the site, as the Field Sheet's: New York's
    // needle lies about 13 degrees west (NOAA's declination map).
    void compassLine()
    {
        FrmDialDesigner w;
        w.setRequest(site(40.655));
        const QString line = w.findChild<QLabel *>("lblCompass")->text();
        QVERIFY2(line.contains(QRegularExpression("^Compass: its needle points 1[23]\\.\\d° west ")), qPrintable(line));
    }

    // The shadow at 10:30 on 1 February 2027 in New York (EST, 15:30 UTC):
    // by the NOAA solar calculator's formulas, worked once in python, the
    // equation of time is -13.56 min and the sun time 10:25.0.
    void momentFromTheSliders()
    {
        FrmDialDesigner w;
        DesignerRequest r = site(40.655);
        r.clock.zone = QTimeZone("America/New_York");
        w.setRequest(r);
        auto *year = w.findChild<QSlider *>("sldMomentYear");
        auto *day = w.findChild<QSlider *>("sldMomentDay");
        auto *label = w.findChild<QLabel *>("lblMoment");
        auto *preview = w.findChild<DialPreview *>("dialPreview");
        year->setValue(31);
        day->setValue(10 * 12 + 6);
        QCOMPARE(w.findChild<QDateEdit *>("dteMoment")->date(), QDate(2027, 2, 1));
        const QRegularExpression reads("^At 10:30 on 1 Feb the dial reads (\\d\\d):(\\d\\d) \\(sun time\\)");
        QRegularExpressionMatch m = reads.match(label->text());
        QVERIFY2(m.hasMatch(), qPrintable(label->text()));
        CHECK_NEAR(m.captured(1).toInt() * 60 + m.captured(2).toInt(), 10 * 60 + 25.0, 1);
        QVERIFY(!preview->momentDrawing().groups.empty());
        // A clock-time dial reads the standard clock: EST in winter, an
        // hour behind the clock in summer time.
        auto *time = w.findChild<QComboBox *>("cboTime");
        time->setCurrentIndex(time->findText("Clock time"));
        QVERIFY2(label->text().contains("reads 10:30 (clock time); the clock says 10:30."), qPrintable(label->text()));
        w.findChild<QDateEdit *>("dteMoment")->setDate(QDate(2027, 7, 1));
        QVERIFY2(label->text().contains("reads 09:30 (clock time); the clock says 10:30 in summer"),
                 qPrintable(label->text()));
        time->setCurrentIndex(0);
        w.findChild<QDateEdit *>("dteMoment")->setDate(QDate(2027, 2, 1));
        const QString before = label->text();
        QTest::keyClick(day, Qt::Key_Right);
        QCOMPARE(w.findChild<QTimeEdit *>("tmeMoment")->time(), QTime(10, 35));
        QVERIFY2(label->text() != before && label->text().startsWith("At 10:35"), qPrintable(label->text()));
        // At 22:00 the sun is down, and no shadow is drawn.
        day->setValue(22 * 12);
        QVERIFY2(label->text().contains("below the horizon"), qPrintable(label->text()));
        QVERIFY(preview->momentDrawing().groups.empty());
    }

    // The bifilar dial's own boxes, the x-wire left empty for the even
    // spacing (the form's wall facing south, 40.655 N: 100 cos 40.655 =
    // 75.865 mm), and at noon at an equinox the two wires' shadows crossing
    // on the 12 line.
    void bifilarWires()
    {
        FrmDialDesigner w;
        w.setRequest(site(40.655));
        w.show();
        choose(w, "bifilar");
        auto *x = w.findChild<QLineEdit *>("txtXWire");
        QVERIFY(x->isEnabled() && w.findChild<QLineEdit *>("txtYWire")->isEnabled());
        QVERIFY(!w.findChild<QLineEdit *>("txtNodus")->isEnabled());
        QCOMPARE(w.findChild<QLabel *>("lblXWire")->buddy(), x);
        CHECK_NEAR(w.design().faces.front().input.xWire, 75.865, 0.001);
        type(w, "txtYWire", "4");
        QVERIFY(w.findChild<QLabel *>("lblYWireProblem")->isVisible());
        type(w, "txtYWire", "120");
        type(w, "txtXWire", "80");
        CHECK_NEAR(w.design().faces.front().input.xWire, 80.0, 1e-9);
        auto *preview = w.findChild<DialPreview *>("dialPreview");
        const dial::FaceFrame f = dial::faceFrame(w.design().faces.front().input);
        preview->setSun(dial::sunDirection(f, 0, 0));
        int shadows = 0;
        for (const dial::Group &g : preview->momentDrawing().groups)
            for (const dial::Path &path : g.paths) {
                ++shadows;
                // One runs along x, the other along y, both through the noon line (x = 0).
                QVERIFY(std::fabs(path.points.front().x) < 1e-9 ||
                        std::fabs(path.points.front().y - path.points.back().y) < 1e-9);
            }
        QCOMPARE(shadows, 2);
    }

    void previewFollowsTheInputs()
    {
        FrmDialDesigner w;
        w.setRequest(site(40.655));
        w.show();
        auto *preview = w.findChild<DialPreview *>("dialPreview");
        auto *facing = w.findChild<QLineEdit *>("txtFacing");
        QVERIFY(!facing->isEnabled());
        type(w, "txtWidth", "500");
        CHECK_NEAR(preview->design().faces.front().input.plate.width(), 500.0, 1e-9);
        w.findChild<QComboBox *>("cboType")->setCurrentIndex(1);
        QVERIFY(facing->isEnabled());
        type(w, "txtFacing", "90");
        QCOMPARE(preview->design().faces.front().input.type, dial::DialType::Vertical);
        // An east wall: the style parallel to the face, no root.
        QVERIFY(!preview->design().faces.front().layout.root);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_VERIFY(preview->scale() > 0);
    }

    // A refusal beside its box, no box, nothing stale on screen; then the
    // box takes a form the command line reads too (a unit after the number,
    // 360 for north).
    void refusedBesideTheBox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problemLabel");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("accepted");
        QTest::addColumn<double>("read");
        const QString nodus = "Type a height from 5 to 300 mm (the plate's smaller side).";
        QTest::newRow("plate too narrow") << "txtWidth"
                                          << "40"
                                          << "lblWidthProblem"
                                          << "Type a width from 50 to 5000 mm."
                                          << "100" << 100.0;
        QTest::newRow("plate too high") << "txtHeight"
                                        << "6000"
                                        << "lblHeightProblem"
                                        << "Type a height from 50 to 5000 mm."
                                        << "250 mm" << 250.0;
        QTest::newRow("nodus above the smaller side") << "txtNodus"
                                                      << "301"
                                                      << "lblNodusProblem" << nodus << "100 mm" << 100.0;
        QTest::newRow("nodus not a number") << "txtNodus"
                                            << "tall"
                                            << "lblNodusProblem" << nodus << "80" << 80.0;
        QTest::newRow("facing 400, then 135°") << "txtFacing"
                                               << "400"
                                               << "lblFacingProblem"
                                               << "Type a facing from 0 to 360 degrees."
                                               << "135°" << 135.0;
        QTest::newRow("facing -5, then 360") << "txtFacing"
                                             << "-5"
                                             << "lblFacingProblem"
                                             << "Type a facing from 0 to 360 degrees."
                                             << "360" << 0.0;
    }
    void refusedBesideTheBox()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, problemLabel);
        QFETCH(QString, problem);
        QFETCH(QString, accepted);
        QFETCH(double, read);
        FrmDialDesigner w;
        w.setRequest(site(40.655));
        w.findChild<QComboBox *>("cboType")->setCurrentIndex(1);
        w.show();
        test::ModalAnswerer boxes(QMessageBox::Ok);
        type(w, qPrintable(box), text);
        auto *label = w.findChild<QLabel *>(problemLabel);
        QCOMPARE(label->text(), problem);
        QVERIFY(label->isVisible());
        QVERIFY(boxes.seen.empty());
        QVERIFY(!w.settings());
        QVERIFY(!w.findChild<QPushButton *>("cmdPrintDial")->isEnabled());
        // Nothing of the last dial read stays on screen as if it were this one.
        QVERIFY(!w.findChild<DialPreview *>("dialPreview")->hasDesign());
        QVERIFY(w.findChild<QLabel *>("lblStyleHeight")->text().contains("refused"));
        QCOMPARE(w.findChild<QTableWidget *>("tblHours")->rowCount(), 0);
        type(w, qPrintable(box), accepted);
        QVERIFY(!label->isVisible());
        QVERIFY(w.findChild<DialPreview *>("dialPreview")->hasDesign());
        const DialSettings s = w.settings().value();
        const QMap<QString, double> got{{"txtFacing", s.facing},
                                        {"txtNodus", s.nodusHeight},
                                        {"txtWidth", s.plateWidth},
                                        {"txtHeight", s.plateHeight}};
        QCOMPARE(got[box], read);
    }

    void savedAsPdf()
    {
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("dial.pdf"));
        FrmDialDesigner w;
        w.setRequest(site(40.655));
        w.show();
        saveThrough(w, "cmdSavePdf", path);
        const int pages = test::pdfPageCount(path);
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
        const QStringList lines = test::pdfLines(path);
        const QString text = lines.join('\n');
        QVERIFY(text.contains(QStringLiteral("Horizontal dial, 40.655 N 72.855 W")));
        QVERIFY(text.contains(QStringLiteral("Gnomon, whole on this page")));
        QVERIFY(text.contains(QStringLiteral("Style height 40.66°")));
        // The card's page closes the job, with its first day as the card has it.
        QVERIFY(text.contains(QStringLiteral("Correction card")));
        const QString first = QString::fromStdString(dial::minutesSeconds(w.card().days.front().addSeconds));
        // pdftotext reads the table's columns apart: the date, then its figure.
        QVERIFY(lines.contains(QStringLiteral("1 Jan")));
        QVERIFY2(lines.contains(first), qPrintable(first));
        // And says where it went, as a notification.
        auto *status = w.findChild<QLabel *>("lblDesignerStatus");
        QCOMPARE(status->text(), "Saved the dial as " + QDir::toNativeSeparators(path) + ".");
        QCOMPARE(QAccessible::queryAccessibleInterface(status)->role(), QAccessible::Notification);
    }

    // A dial on the ground: its own box and staking table in place of the
    // plate's, refused where it cannot be laid out, printed as a staking sheet.
    void groundDial()
    {
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("ground.pdf"));
        FrmDialDesigner w;
        w.setRequest(site(40.655));
        auto *kinds = w.findChild<QComboBox *>("cboType");
        kinds->setCurrentIndex(kinds->findData(QStringLiteral("analemmatic")));
        w.show();
        QVERIFY(!w.findChild<QLineEdit *>("txtNodus")->isEnabled());
        auto *staking = w.findChild<QTableWidget *>("tblStaking");
        QVERIFY(staking->isVisible());
        QCOMPARE(staking->rowCount(), 15); // 5 to 19 h at 40.655 N
        for (int row = 0; row < staking->rowCount(); ++row) {
            // Before noon the sun is east, so the hour's mark west.
            const int hour = staking->item(row, 0)->text().toInt();
            QCOMPARE(staking->item(row, 3)->text(), QString(hour < 12 ? "west" : hour > 12 ? "east" : "on the line"));
        }
        type(w, "txtHalfWidth", QStringLiteral("60"));
        QCOMPARE(w.findChild<QLabel *>("lblHalfWidthProblem")->text(), "Type a half-width from 0.1 to 50 m.");
        QVERIFY(!w.findChild<DialPreview *>("dialPreview")->hasDesign());
        type(w, "txtHalfWidth", QStringLiteral("1.5"));
        QCOMPARE(w.settings().value().halfWidth, 1.5);
        saveThrough(w, "cmdSavePdf", path);
        QCOMPARE(test::pdfPageCount(path), 3); // the plan, the tables, the card
        const QString text = test::pdfLines(path).join('\n');
        for (const char *words : {"Staking it out", "Stand on today's date and your shadow points to the time",
                                  "Two tapes to each hour", "Scale 1:"})
            QVERIFY2(text.contains(QLatin1String(words)), words);

        w.setRequest(site(5));
        QVERIFY(!w.findChild<DialPreview *>("dialPreview")->hasDesign());
        QVERIFY(!w.findChild<QPushButton *>("cmdPrintDial")->isEnabled());
        QVERIFY(w.findChild<QLabel *>("lblRoot")->text().contains("its ellipse flattens to a line"));
    }

    // A plate of many pages: the count asked before anything is written; No
    // leaves no file and says nothing, Yes writes as many pages as asked,
    // unless stopped on the way, which leaves no file either.
    void manyPagesAskedFirst_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("stop");
        QTest::newRow("no") << QMessageBox::No << false;
        QTest::newRow("yes") << QMessageBox::Yes << false;
        QTest::newRow("yes, then stopped") << QMessageBox::Yes << true;
    }
    void manyPagesAskedFirst()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, stop);
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("dial.pdf"));
        // A file of the name already there: replaced only by a whole PDF.
        const QByteArray before("an earlier dial");
        {
            QFile earlier(path);
            QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write(before) == before.size());
        }
        FrmDialDesigner w;
        w.setRequest(site(40.655));
        w.show();
        type(w, "txtWidth", QStringLiteral("2000"));
        type(w, "txtHeight", QStringLiteral("1500"));
        test::ModalAnswerer boxes(answer);
        boxes.when<QFileDialog>([&](QFileDialog *d) {
            d->setOption(QFileDialog::DontConfirmOverwrite); // the user said yes to replacing it
            d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
            static_cast<QDialog *>(d)->accept();
        });
        if (stop)
            boxes.when<QProgressDialog>([](QProgressDialog *d) { d->cancel(); });
        QTest::mouseClick(w.findChild<QPushButton *>("cmdSavePdf"), Qt::LeftButton);
        QCOMPARE(boxes.seen.size(), std::size_t(1));
        const auto asked = QRegularExpression(QStringLiteral("^This dial takes (\\d+) pages of (A4|Letter) paper\\. "
                                                             "Save them as a PDF file\\?$"))
                               .match(boxes.seen.front().text);
        QVERIFY2(asked.hasMatch(), qPrintable(boxes.seen.front().text));
        const int pages = asked.captured(1).toInt();
        QVERIFY(pages > 20);
        const QString said = w.findChild<QLabel *>("lblDesignerStatus")->text();
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList{"dial.pdf"});
        if (answer == QMessageBox::No || stop) {
            QFile kept(path);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), before);
            QVERIFY2(said.isEmpty(), qPrintable(said));
        } else {
            QCOMPARE(test::pdfPageCount(path), pages);
        }
    }

    // What a screen reader takes from the window: pictures described in
    // words, a refusal as its box's description, the tables' cells with
    // their column or as the card's sentence, the card's key into its page.
    void heardAsSeen()
    {
        FrmDialDesigner w;
        w.setRequest(site(40.655));
        w.findChild<QComboBox *>("cboType")->setCurrentIndex(1);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        type(w, "txtFacing", "135");
        for (const char *name : {"dialPreview", "cardGraph", "planeSideView", "checkPlot"}) {
            QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(w.findChild<QWidget *>(name));
            QCOMPARE(picture->role(), QAccessible::Graphic);
            QVERIFY(picture->state().focusable);
        }
        QVERIFY(w.findChild<QWidget *>("dialPreview")->accessibleDescription().startsWith("Vertical dial facing 135°"));
        QVERIFY(w.findChild<QWidget *>("cardGraph")->accessibleDescription().startsWith("Correction card for 2027"));
        auto *hours = w.findChild<QTableWidget *>("tblHours");
        QCOMPARE(hours->item(0, 0)->text(), "5");
        // A cell is heard as its figure, its column named once by its
        // header, whole although it wraps on screen.
        QAccessibleTableCellInterface *cell =
            QAccessible::queryAccessibleInterface(hours)->tableInterface()->cellAt(0, 2)->tableCellInterface();
        QCOMPARE(dynamic_cast<QAccessibleInterface *>(cell)->text(QAccessible::Name), hours->item(0, 2)->text());
        const QList<QAccessibleInterface *> header = cell->columnHeaderCells();
        QCOMPARE(header.value(0)->text(QAccessible::Name), "Distance from the foot to the line (mm)");
        // Qt makes the header cell for the caller without keeping it: given
        // to its registry, it is deleted there.
        for (QAccessibleInterface *h : header)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(h));
        // 8 January 2027, on a clock a summer hour ahead all year: the tab's
        // own figure, +58:06, said in words.
        QCOMPARE(w.findChild<QTableWidget *>("tblCard")->item(1, 0)->data(Qt::AccessibleTextRole).toString(),
                 "8 January: add 58 minutes 6 seconds");

        auto *facing = w.findChild<QLineEdit *>("txtFacing");
        type(w, "txtFacing", "400");
        QCOMPARE(facing->accessibleDescription(), "Type a facing from 0 to 360 degrees.");
        type(w, "txtFacing", "135");
        QCOMPARE(facing->accessibleDescription(),
                 "The direction the face looks out to (a wall's outward direction), degrees from north through east");

        QTest::keyClick(&w, Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), w.findChild<QWidget *>("cardGraph"));
    }

    // The tab bar holds the kind's own table and the card, and the arrows
    // never reach a table of another kind, left over from a plane dial.
    void oneTabSetPerKind_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("ownTab");
        QTest::newRow("vertical") << "vertical"
                                  << "Hour lines";
        QTest::newRow("equatorial") << "equatorial"
                                    << "Hour lines";
        QTest::newRow("analemmatic, after a vertical dial") << "analemmatic"
                                                            << "Staking out";
    }
    void oneTabSetPerKind()
    {
        QFETCH(QString, kind);
        QFETCH(QString, ownTab);
        FrmDialDesigner w;
        w.setRequest(site(40.655));
        choose(w, "vertical");
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        choose(w, qPrintable(kind));
        QTabBar *bar = w.findChild<QTabWidget *>("tabTables")->tabBar();
        bar->setFocus();
        QSet<QString> reached;
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}) {
            QTest::keyClick(bar, key);
            reached << bar->tabText(bar->currentIndex()).remove(u'&');
        }
        QCOMPARE(reached, (QSet<QString>{ownTab, "Correction card", "Check readings"}));
        // Nor does a screen reader find a third.
        QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(bar);
        int tabs = 0;
        for (int i = 0; i < heard->childCount(); ++i)
            tabs += heard->child(i)->role() == QAccessible::PageTab ? 1 : 0;
        QCOMPARE(tabs, 3);
        // The other kind's table keeps no rows.
        const bool ground = ownTab == "Staking out";
        QCOMPARE(w.findChild<QTableWidget *>("tblHours")->rowCount() > 0, !ground);
        QCOMPARE(w.findChild<QTableWidget *>("tblStaking")->rowCount() > 0, ground);
        if (ground)
            return;
        // Every face's lines, each row named by its face where there are two.
        const DialDesign &design = w.findChild<DialPreview *>("dialPreview")->design();
        auto *hours = w.findChild<QTableWidget *>("tblHours");
        int row = 0;
        for (const dial::DialFace &face : design.faces)
            for (const dial::HourLineRow &h : face.hourLines) {
                const int c = design.faces.size() > 1 ? 1 : 0;
                QCOMPARE(hours->item(row, c)->text(), QString::fromStdString(h.label));
                if (c == 1)
                    QCOMPARE(hours->item(row, 0)->text(), QString::fromStdString(face.name));
                ++row;
            }
        QCOMPARE(hours->rowCount(), row);
    }

    // A greyed box shows the face the kind makes, not the last kind's: an
    // equatorial dial's upper face squares to the axis (facing the pole
    // above the horizon, tilt 90 - |latitude|), a polar face holds it, a
    // level face has no facing; plate and ground sizes a kind
    // has no use for are empty. What was typed comes back with a kind that
    // takes it. Empty expected text: the box shows nothing.
    void greyedBoxesShowTheFace_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<QString>("facing");
        QTest::addColumn<double>("tilt");
        QTest::addColumn<bool>("plate");
        QTest::newRow("horizontal") << "horizontal" << 40.655 << "" << 0.0 << true;
        QTest::newRow("vertical") << "vertical" << 40.655 << "135" << 90.0 << true;
        // The normal square to the axis: tan Z = -tan(phi) / cos F.
        const double polar = std::atan(-std::tan(40.655 * kDegree) / std::cos(135 * kDegree)) / kDegree;
        QTest::newRow("polar facing 135, north") << "polar" << 40.655 << "135" << polar << true;
        QTest::newRow("equatorial, north") << "equatorial" << 40.655 << "0" << 90 - 40.655 << true;
        QTest::newRow("equatorial, south") << "equatorial" << -33.9 << "180" << 90 - 33.9 << true;
        QTest::newRow("analemmatic") << "analemmatic" << 40.655 << "" << 0.0 << false;
    }
    void greyedBoxesShowTheFace()
    {
        QFETCH(QString, kind);
        QFETCH(double, latitude);
        QFETCH(QString, facing);
        QFETCH(double, tilt);
        QFETCH(bool, plate);
        FrmDialDesigner w;
        w.setRequest(site(latitude));
        choose(w, "plane");
        type(w, "txtFacing", "135");
        type(w, "txtTilt", "35");
        choose(w, qPrintable(kind));
        auto *facingBox = w.findChild<QLineEdit *>("txtFacing");
        auto *tiltBox = w.findChild<QLineEdit *>("txtTilt");
        QCOMPARE(facingBox->text(), facing);
        QVERIFY(!tiltBox->isEnabled());
        CHECK_NEAR(QLocale().toDouble(tiltBox->text()), tilt, 0.006);
        for (const char *box : {"txtNodus", "txtWidth", "txtHeight"})
            QCOMPARE(w.findChild<QLineEdit *>(box)->text().isEmpty(), !plate);
        QCOMPARE(w.findChild<QLineEdit *>("txtHalfWidth")->text().isEmpty(), plate);
        choose(w, "plane");
        QCOMPARE(facingBox->text(), "135");
        QCOMPARE(tiltBox->text(), "35");
        QCOMPARE(w.findChild<QLineEdit *>("txtNodus")->text(), "100");
    }

    // North and south in the words as in the figures: the style points at
    // the pole above the horizon; the noon point lies on that side of the
    // ellipse's centre (y = W sin(phi)), and each date W tan(d) cos(phi)
    // from it, north for a sun north of the equator in either hemisphere
    // (Meeus-free: the textbook ellipse, W the half-width, 2.5 m). Stated
    // to the centimetre: 0.006 m.
    void northAndSouthInWords_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::newRow("40.655 N") << 40.655;
        QTest::newRow("33.9 S") << -33.9;
    }
    void northAndSouthInWords()
    {
        QFETCH(double, latitude);
        const QString poleSide = latitude > 0 ? "north" : "south";
        FrmDialDesigner w;
        w.setRequest(site(latitude));
        QVERIFY2(
            w.findChild<QWidget *>("planeSideView")->accessibleDescription().endsWith("towards the " + poleSide + "."),
            qPrintable(w.findChild<QWidget *>("planeSideView")->accessibleDescription()));
        choose(w, "analemmatic");
        const double phi = latitude * kDegree;
        const QString noon = w.findChild<QLabel *>("lblRoot")->text();
        QVERIFY2(noon.startsWith(QStringLiteral("Noon point N %1 m %2 of the centre C")
                                     .arg(QLocale().toString(2.5 * std::fabs(std::sin(phi)), 'f', 2), poleSide)),
                 qPrintable(noon));
        const QString said = w.findChild<QWidget *>("dialPreview")->accessibleDescription();
        const QRegularExpression date(
            QStringLiteral("(21 Jun|Equinox|21 Dec): (at the centre|([0-9.]+) m (north|south))"));
        const QMap<QString, double> declinations{{"21 Jun", 23.4357}, {"Equinox", 0}, {"21 Dec", -23.4357}};
        int found = 0;
        for (auto it = date.globalMatch(said); it.hasNext(); ++found) {
            const QRegularExpressionMatch m = it.next();
            const double want = 2.5 * std::tan(declinations[m.captured(1)] * kDegree) * std::cos(phi);
            const double got = m.captured(2) == "at the centre"
                                   ? 0
                                   : QLocale().toDouble(m.captured(3)) * (m.captured(4) == "north" ? 1 : -1);
            CHECK_NEAR(got, want, 0.006);
        }
        QVERIFY2(found == 3, qPrintable(said));
    }

    void correctionInWords_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("words");
        QTest::newRow("minutes and seconds") << 272.4 << "add 4 minutes 32 seconds";
        QTest::newRow("an hour and seconds, singular") << 3661.0 << "add 1 hour 1 minute 1 second";
        QTest::newRow("to take off") << -114.0 << "take off 1 minute 54 seconds";
        QTest::newRow("under half a second") << 0.4 << "add nothing";
    }
    void correctionInWords()
    {
        QFETCH(double, seconds);
        QFETCH(QString, words);
        QCOMPARE(correctionWords(seconds), words);
    }

    // One millimetre a unit, and the groups a cutter's software looks for.
    void savedAsSvg()
    {
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("dial.svg"));
        FrmDialDesigner w;
        w.setRequest(site(40.655));
        w.show();
        saveThrough(w, "cmdSaveSvg", path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), QStringLiteral("svg"));
        for (const char *side : {"width", "height"})
            QVERIFY(xml.attributes().value(QLatin1String(side)).endsWith(QStringLiteral("mm")));
        QStringList groups;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("g"))
                groups << xml.attributes().value(QStringLiteral("id")).toString();
        QVERIFY(!xml.hasError());
        for (const char *id : {"plate", "hour-lines", "date-lines", "gnomon", "card"})
            QVERIFY2(groups.contains(QLatin1String(id)), id);
    }

    // Readings typed into the check's table by keyboard. The good ones are
    // of a vertical dial facing 200° (sun time) turned and leaned as named,
    // from an independent model of the shadow on the turned plate (NOAA sun),
    // rounded to the second. That rounding and the two suns' difference leave
    // about 0.01° of sd on the turn and lean (the fit's own), so 0.05° holds
    // them yet catches a swapped sign or word; the residuals stay under 0.1
    // minute. A refused reading is named under the table, by its row.
    void checkTab_data()
    {
        QTest::addColumn<QStringList>("readings"); // date, clock, dial
        QTest::addColumn<double>("turn");          // clockwise from above
        QTest::addColumn<double>("lean");          // top edge forward
        QTest::addColumn<QString>("problem");
        const QStringList turned{"2027-04-15 09:30 08:32:16", "2027-05-20 15:00 14:08:03", "2027-06-21 11:00 10:01:41",
                                 "2027-08-10 16:30 15:28:34", "2027-09-20 10:00 09:08:51"};
        QTest::newRow("turned 2° clockwise, leaned 1° forward") << turned << 2.0 << 1.0 << QString();
        QTest::newRow("turned 2° anticlockwise, leaned 1° back")
            << QStringList{"2027-04-15 09:30 08:44:37", "2027-05-20 15:00 14:15:53", "2027-06-21 11:00 10:11:46",
                           "2027-08-10 16:30 15:37:41", "2027-09-20 10:00 09:21:18"}
            << -2.0 << -1.0 << QString();
        QTest::newRow("a clock time not read") << turned + QStringList{"2027-06-21 25:00 10:00"} << 0.0 << 0.0
                                               << "Reading 6: the clock's time \"25:00\" cannot be read: type HH:MM "
                                                  "or HH:MM:SS.";
        QTest::newRow("the sun below the horizon") << turned + QStringList{"2027-06-21 23:30 22:40"} << 0.0 << 0.0
                                                   << "Reading 6: the sun is below the horizon then.";
    }
    void checkTab()
    {
        QFETCH(QStringList, readings);
        QFETCH(double, turn);
        QFETCH(double, lean);
        QFETCH(QString, problem);
        FrmDialDesigner w;
        w.setRequest(site(40.655));
        choose(w, "vertical");
        w.findChild<QLineEdit *>("txtFacing")->setText("200");
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto *table = w.findChild<QTableWidget *>("tblCheckReadings");
        QTest::keyClick(&w, Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), table);
        for (const QString &reading : readings) {
            const int row = table->rowCount();
            QTest::keyClick(&w, Qt::Key_G, Qt::AltModifier); // Add reading, its clock cell open
            QTRY_COMPARE(table->rowCount(), row + 1);
            const QStringList cells = reading.split(u' ');
            for (int c : {1, 2, 0}) {
                if (c != 1) { // the clock's cell is open already
                    table->setCurrentCell(row, c);
                    QTest::keyClick(table, Qt::Key_F2);
                }
                auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
                QVERIFY(editor);
                editor->selectAll();
                QTest::keyClicks(editor, cells[c]);
                QTest::keyClick(editor, Qt::Key_Return);
                QTRY_COMPARE(table->item(row, c)->text(), cells[c]); // kept once the editor closes
            }
        }
        // The readings stay through another kind and the main window's new calculation.
        choose(w, "horizontal");
        choose(w, "vertical");
        w.setRequest(site(40.655));
        QCOMPARE(table->rowCount(), readings.size());
        auto *shown = w.findChild<QLabel *>("lblCheckProblem");
        QCOMPARE(shown->isVisible() ? shown->text() : QString(), problem);
        if (!problem.isEmpty())
            return;
        const QString fit = w.findChild<QLabel *>("lblCheckFit")->text();
        const QRegularExpressionMatch t =
            QRegularExpression("Turn: ([\\d.]+)° ± [\\d.]+° (clockwise|anticlockwise)").match(fit);
        const QRegularExpressionMatch l =
            QRegularExpression("Lean: ([\\d.]+)° ± [\\d.]+°, the face leaning (forward|back)").match(fit);
        QVERIFY2(t.hasMatch() && l.hasMatch(), qPrintable(fit));
        CHECK_NEAR(t.captured(1).toDouble() * (t.captured(2) == "clockwise" ? 1 : -1), turn, 0.05);
        CHECK_NEAR(l.captured(1).toDouble() * (l.captured(2) == "forward" ? 1 : -1), lean, 0.05);
        const QRegularExpressionMatch after = QRegularExpression("after it within ([\\d.]+) minutes")
                                                  .match(w.findChild<QWidget *>("checkPlot")->accessibleDescription());
        QVERIFY(after.hasMatch());
        CHECK_NEAR(after.captured(1).toDouble(), 0, 0.1);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TestDialDesigner test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dial_designer.moc"
