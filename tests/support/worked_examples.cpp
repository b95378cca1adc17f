#include "worked_examples.h"

#include "calc/date_value.h"
#include "calc/solar_state.h"

namespace orvane::test {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}

QString summerResult(const QString &dateLine, const QString &east, const QString &south, const QString &west,
                     const QString &declination)
{
    const QString sun = " (declination=" + declination + " degrees, EoT = MINUS 1 minutes, ";
    return dateLine + kCrLf + "The sun will be exactly east at " + east + sun + "47 seconds)" + kCrLf + kCrLf +
           "The sun will be exactly south at " + south + sun + "49 seconds)" + kCrLf + kCrLf +
           "The sun will be exactly west at " + west + sun + "51 seconds)" + kCrLf + kCrLf;
}

QString winterResult(const QString &dateLine, const QString &south, const QString &declination)
{
    return dateLine + kCrLf + "The sun is never seen east at this location and date" + kCrLf + kCrLf +
           "The sun will be exactly south at " + south + " (declination=" + declination +
           " degrees, EoT = 1 minutes, 57 seconds)" + kCrLf + kCrLf +
           "The sun is never seen west at this location and date";
}

QString juneResultUs()
{
    return summerResult("Monday, June 21, 2027", "8:54:27 AM", "12:53:14 PM", "4:52:00 PM", "23.44");
}

QString decemberResultUs() { return winterResult("Tuesday, December 21, 2027", "11:49:28 AM", "-23.43"); }

Crossings exampleCrossings(int year, int month, int day, bool daylightSaving)
{
    SolarState s;
    initConstants(s);
    s.inputDate = dateSerial(year, month, day);
    s.latitude = 40.655;
    s.longitude = -72.855;
    s.zoneMeridian = -75;
    return computeCrossings(s, daylightSaving);
}

} // namespace orvane::test
