#!/usr/bin/env node
// Prints the reference values that tests/sky/tst_sun_*.cpp hold, as QtTest
// rows: the sun's topocentric azimuth and altitude (no refraction) from
// astronomy-engine, and the instants at which it stands at azimuth 90, 180 or
// 0 (upper transit) and 270 degrees, found by scanning its horizontal
// components each minute and bisecting to 10 us.
//
// Usage: node bench/accuracy/sky_test_values.mjs   (after npm ci there)
import * as Astronomy from 'astronomy-engine';
import { readFileSync } from 'node:fs';

const DEG = Math.PI / 180;
const version = JSON.parse(readFileSync(new URL('./node_modules/astronomy-engine/package.json', import.meta.url))).version;

// name, latitude, longitude, UTC instant
const POSITIONS = [
  ['london_midsummer_afternoon', 51.5, -0.13, '2024-06-21T15:00:00Z'],
  ['sydney_summer_morning', -33.87, 151.21, '2024-12-20T22:30:00Z'],
  ['singapore_noon_sun_north', 1.35, 103.82, '2024-06-21T05:10:00Z'],
  ['tromso_midnight_sun', 69.65, 18.96, '2024-06-21T23:00:00Z'],
  ['quito_low_evening_sun', -0.18, -78.47, '2025-03-20T23:05:00Z'],
  ['tokyo_second_before_leap', 35.68, 139.69, '2016-12-31T23:59:59.500Z'],
  ['tokyo_second_after_leap', 35.68, 139.69, '2017-01-01T00:00:00.500Z'],
  ['mcmurdo_spring', -77.85, 166.67, '2025-10-15T01:00:00Z'],
  ['cairo_before_utc_1930', 30.04, 31.24, '1930-03-01T09:00:00Z'],
  ['rome_year_1300', 41.9, 12.5, '1300-07-01T08:00:00Z'],
];

// name, latitude, longitude, local date, UTC offset in hours
const DAYS = [
  ['london_midsummer', 51.5, -0.13, '2024-06-21', 1],
  ['london_midwinter_no_east_west', 51.5, -0.13, '2024-12-21', 0],
  ['sydney_summer_transit_north', -33.87, 151.21, '2024-12-21', 11],
  ['singapore_sun_north_of_zenith', 1.35, 103.82, '2024-06-21', 8],
  ['honolulu_near_zenith', 21.25, -157.86, '2024-05-25', -10],
  ['tromso_midnight_sun', 69.65, 18.96, '2024-06-21', 2],
  ['tromso_polar_night', 69.65, 18.96, '2024-12-21', 1],
  ['tokyo_day_with_leap_second', 35.68, 139.69, '2017-01-01', 9],
  ['buenos_aires_autumn', -34.6, -58.38, '2025-04-10', -3],
];

function horizontal(date, observer) {
  const eq = Astronomy.Equator(Astronomy.Body.Sun, date, observer, true, true);
  const hor = Astronomy.Horizon(date, observer, eq.ra, eq.dec);
  const c = Math.cos(hor.altitude * DEG);
  return { ...hor, north: c * Math.cos(hor.azimuth * DEG), east: c * Math.sin(hor.azimuth * DEG) };
}

const at = (seconds, observer) => horizontal(new Date(seconds * 1000), observer);

// First instant in [start, end) where `zero` crosses zero in the given
// direction (+1 rising, -1 falling, 0 either) while `keep` has sign keepSign,
// with the sun at or above the horizon; null if none.
function firstCrossing(observer, start, end, zero, direction, keep, keepSign) {
  const step = 60;
  let a = start, fa = at(a, observer);
  while (a < end) {
    const b = Math.min(a + step, end), fb = at(b, observer);
    const changes = (fa[zero] <= 0) !== (fb[zero] <= 0);
    const dirOk = direction === 0 || Math.sign(fb[zero] - fa[zero]) === direction;
    const sideOk = !keep || (Math.sign(fa[keep]) === keepSign && Math.sign(fb[keep]) === keepSign);
    if (changes && dirOk && sideOk) {
      let lo = a, hi = b, flo = fa[zero];
      while (hi - lo > 1e-5) {
        const mid = (lo + hi) / 2, fm = at(mid, observer)[zero];
        if ((fm <= 0) === (flo <= 0)) { lo = mid; flo = fm; } else hi = mid;
      }
      const t = (lo + hi) / 2, h = at(t, observer);
      if (h.altitude >= 0) return { t, azimuth: h.azimuth, altitude: h.altitude };
    }
    a = b; fa = fb;
  }
  return null;
}

const fmt = (v, digits) => v.toFixed(digits);
const event = (e) => (e ? `${fmt(e.t, 3)} << ${fmt(e.altitude, 4)}` : 'kNone << kNone');

console.log(`// astronomy-engine ${version}: node bench/accuracy/sky_test_values.mjs`);
console.log('// Positions: latitude, longitude, UTC seconds, azimuth, altitude (degrees).');
for (const [name, lat, lon, iso] of POSITIONS) {
  const seconds = Date.parse(iso) / 1000;
  const h = at(seconds, new Astronomy.Observer(lat, lon, 0));
  console.log(`QTest::newRow("${name}") << ${lat} << ${lon} << ${fmt(seconds, 1)} // ${iso}\n` +
    `    << ${fmt(h.azimuth, 6)} << ${fmt(h.altitude, 6)};`);
}
console.log('// Days: latitude, longitude, day start (UTC seconds), then UTC seconds and');
console.log('// altitude of east, meridian and west; the meridian\'s azimuth (0 or 180).');
for (const [name, lat, lon, day, offset] of DAYS) {
  const observer = new Astronomy.Observer(lat, lon, 0);
  const start = Date.parse(`${day}T00:00:00Z`) / 1000 - offset * 3600;
  const end = start + 86400;
  const east = firstCrossing(observer, start, end, 'north', 0, 'east', 1);
  const meridian = firstCrossing(observer, start, end, 'east', -1);
  const west = firstCrossing(observer, start, end, 'north', 0, 'east', -1);
  const meridianAzimuth = meridian ? (meridian.azimuth > 90 && meridian.azimuth < 270 ? '180.0' : '0.0') : 'kNone';
  console.log(`QTest::newRow("${name}") << ${lat} << ${lon} << ${fmt(start, 1)} // ${day} UTC${offset >= 0 ? '+' : ''}${offset}\n` +
    `    << ${event(east)} << ${event(meridian)} << ${meridianAzimuth} << ${event(west)};`);
}
