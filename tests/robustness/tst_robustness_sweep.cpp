// Sweeps every time zone, both clock modes, both hemispheres, latitudes
// from -90 to 90 in steps of 0.5 and every 10th day of 2027 through the
// calculation and the result text, with the values the window's checks
// would store: 1.28 million runs, far too many for the real window; the
// fuzzer covers the way through it. ORVANE_SWEEP_DAY_STRIDE takes a coarser
// stride where the code runs slowly (under the sanitizers).
//
// No run may raise a floating-point fault (the program would end on it),
// bring up an out-of-range message, give a non-finite number or write a
// result text that is not one date line and three sound event lines.

#include "calc/crossings.h"
#include "calc/date_value.h"
#include "calc/solar_state.h"
#include "calc/trig_functions.h"
#include "support/result_shape.h"
#include "text/result_text.h"
#include "text/time_zones.h"

#include <QTest>

#include <cfenv>
#include <cmath>

using namespace orvane;

namespace {

constexpr int kDayStride = 10;
constexpr int kDays = 365;
constexpr double kLatitudeStep = 0.5;
constexpr int kFaults = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

bool finite(const SolarEvent &e)
{
    return std::isfinite(e.clock) && std::isfinite(e.declination) && std::isfinite(e.equationOfTime) &&
           std::isfinite(e.ratio) && std::isfinite(e.hourAngle);
}

} // namespace

class TestRobustnessSweep : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        messages_.clear();
        setErrorReporter([this](const std::string &m) { messages_ << QString::fromStdString(m); });
    }
    void cleanup() { setErrorReporter(nullptr); }

    void everyInput_data()
    {
        QTest::addColumn<int>("zone");
        QTest::addColumn<bool>("daylightSaving");
        for (int zone = 0; zone < orvane::timeZoneCount(); ++zone) {
            if (zone == orvane::kTimeZoneSeparator)
                continue;
            for (const bool dst : {false, true}) {
                const QByteArray name =
                    QByteArray("zone ") + QByteArray::number(zone) + (dst ? " daylight saving" : " standard");
                QTest::newRow(name.constData()) << zone << dst;
            }
        }
    }

    // The site sits on its zone's meridian in the zone's own hemisphere and
    // at the same number of degrees in the other one (far from the zone:
    // accepted once the user answers Yes).
    void everyInput()
    {
        QFETCH(int, zone);
        QFETCH(bool, daylightSaving);
        const QLocale locale(QLocale::English, QLocale::UnitedStates);
        const double zoneMeridian = *orvane::zoneMeridian(zone);
        const double firstDay = dateSerial(2027, 1, 1);
        const int dayStride = qMax(kDayStride, qEnvironmentVariableIntValue("ORVANE_SWEEP_DAY_STRIDE"));

        int seen = 0, neverSeen = 0;
        for (const double hemisphere : {1.0, -1.0}) {
            for (double latitude = -90; latitude <= 90; latitude += kLatitudeStep) {
                for (int day = 0; day < kDays; day += dayStride) {
                    SolarState state;
                    initConstants(state);
                    state.inputDate = firstDay + day;
                    state.latitude = latitude;
                    state.longitude = hemisphere * std::fabs(zoneMeridian);
                    state.zoneMeridian = zoneMeridian;

                    std::feclearexcept(FE_ALL_EXCEPT);
                    const Crossings c = computeCrossings(state, daylightSaving);
                    const int faults = std::fetestexcept(kFaults);

                    const QString where =
                        QStringLiteral("latitude %1, longitude %2, day %3").arg(latitude).arg(state.longitude).arg(day);
                    if (faults != 0)
                        QFAIL(qPrintable(QStringLiteral("floating-point fault %1 at %2").arg(faults).arg(where)));
                    if (!messages_.isEmpty())
                        QFAIL(qPrintable(messages_.join(u' ') + QStringLiteral(" at ") + where));
                    if (!finite(c.east) || !finite(c.meridian) || !finite(c.west))
                        QFAIL(qPrintable(QStringLiteral("non-finite value at ") + where));

                    const QString text = resultText(QDate(2027, 1, 1).addDays(day), c, locale);
                    const QStringList problems = robustness::resultTextProblems(text, locale);
                    if (!problems.isEmpty())
                        QFAIL(qPrintable(problems.join(QStringLiteral("; ")) + QStringLiteral(" at ") + where +
                                         QStringLiteral("\n") + text));
                    (c.east.seen ? seen : neverSeen)++;
                }
            }
        }
        // Both ways through the crossing were taken, so the sweep reached
        // the time texts as well as the "never seen" sentences.
        QVERIFY(seen > 0);
        QVERIFY(neverSeen > 0);
    }

private:
    QStringList messages_;
};

QTEST_GUILESS_MAIN(TestRobustnessSweep)
#include "tst_robustness_sweep.moc"
