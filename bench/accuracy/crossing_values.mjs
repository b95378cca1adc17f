#!/usr/bin/env node
// The instants at which the sun's centre stands at a given azimuth (at or
// above the horizon) or at a given geometric altitude, from astronomy-engine:
// topocentric, no refraction, its horizontal components scanned every five
// minutes for sign changes and each bracket closed by Astronomy.Search to
// 1 ms.
//
// Usage (after npm ci here):
//   node crossing_values.mjs            rows for tests/sky/tst_sun_crossings.cpp
//   node crossing_values.mjs GRID.csv   errors of crossing_grid's output
import * as Astronomy from 'astronomy-engine';
import { readFileSync } from 'node:fs';

const DEG = Math.PI / 180;
const J2000_UNIX = 946728000; // 2000-01-01T12:00:00Z
const SCAN = 300; // seconds

const version = JSON.parse(readFileSync(new URL('./node_modules/astronomy-engine/package.json', import.meta.url))).version;

function horizontal(time, observer) {
  const eq = Astronomy.Equator(Astronomy.Body.Sun, time, observer, true, true);
  const hor = Astronomy.Horizon(time, observer, eq.ra, eq.dec);
  const c = Math.cos(hor.altitude * DEG);
  return { ...hor, north: c * Math.cos(hor.azimuth * DEG), east: c * Math.sin(hor.azimuth * DEG) };
}

const timeOf = (seconds) => Astronomy.MakeTime((seconds - J2000_UNIX) / 86400);
const secondsOf = (time) => time.ut * 86400 + J2000_UNIX;

// Every zero of f(h) in [start, start + length), with the horizontal
// coordinates there.
function zeros(observer, start, length, f) {
  const out = [];
  const g = (time) => f(horizontal(time, observer));
  let a = start, fa = g(timeOf(a));
  while (a < start + length) {
    const b = Math.min(a + SCAN, start + length), fb = g(timeOf(b));
    if ((fa > 0) !== (fb > 0)) {
      const sign = fb > fa ? 1 : -1;
      const t = Astronomy.Search((time) => sign * g(time), timeOf(a), timeOf(b),
        { dt_tolerance_seconds: 1e-3, iter_limit: 60 });
      const s = secondsOf(t);
      if (s < start + length) out.push({ t: s, ...horizontal(t, observer), rising: sign > 0 });
    }
    a = b; fa = fb;
  }
  return out;
}

export function bearingCrossings(lat, lon, start, bearing, length = 86400) {
  const sb = Math.sin(bearing * DEG), cb = Math.cos(bearing * DEG);
  return zeros(new Astronomy.Observer(lat, lon, 0), start, length, (h) => h.east * cb - h.north * sb)
    .filter((h) => h.east * sb + h.north * cb > 0 && h.altitude >= 0);
}

export function altitudeCrossings(lat, lon, start, altitude, length = 86400) {
  const level = Math.sin(altitude * DEG);
  return zeros(new Astronomy.Observer(lat, lon, 0), start, length, (h) => Math.sin(h.altitude * DEG) - level);
}

// name, latitude, longitude, local date, UTC offset in hours, 'bearing' or
// 'altitude', value
const ROWS = [
  ['long_island_bearing_190', 40.655, -72.855, '2027-06-21', -4, 'bearing', 190],
  ['long_island_bearing_225', 40.655, -72.855, '2027-06-21', -4, 'bearing', 225],
  ['long_island_altitude_30', 40.655, -72.855, '2027-06-21', -4, 'altitude', 30],
  ['tropic_bearing_twice_in_a_morning', 10, 0, '2027-06-21', 0, 'bearing', 67.5],
  ['long_island_bearing_45_below_horizon', 40.655, -72.855, '2027-06-21', -4, 'bearing', 45],
  ['sydney_bearing_359_9', -33.87, 151.21, '2027-06-21', 10, 'bearing', 359.9],
  ['tromso_bearing_0_midnight_sun', 69.65, 18.96, '2027-06-21', 2, 'bearing', 0],
  ['tromso_altitude_never_reached', 69.65, 18.96, '2027-06-21', 2, 'altitude', 50],
  ['quito_altitude_below_horizon', -0.18, -78.47, '2027-03-20', -5, 'altitude', -0.5],
  ['long_island_bearing_59_4_one_degree_up', 40.655, -72.855, '2027-06-21', -4, 'bearing', 59.4],
  ['long_island_bearing_58_just_below', 40.655, -72.855, '2027-06-21', -4, 'bearing', 58],
];

function printRows() {
  console.log(`// astronomy-engine ${version}: node bench/accuracy/crossing_values.mjs`);
  console.log('// latitude, longitude, day start (UTC s), bearing or altitude, then per instant');
  console.log('// UTC seconds, the other coordinate (altitude or azimuth), rising.');
  for (const [name, lat, lon, day, offset, kind, value] of ROWS) {
    const start = Date.parse(`${day}T00:00:00Z`) / 1000 - offset * 3600;
    const found = kind === 'bearing' ? bearingCrossings(lat, lon, start, value) : altitudeCrossings(lat, lon, start, value);
    const list = found.map((h) => `${h.t.toFixed(3)}, ${(kind === 'bearing' ? h.altitude : h.azimuth).toFixed(4)}, ` +
      `${kind === 'bearing' ? 0 : h.rising ? 1 : 0}`);
    console.log(`QTest::newRow("${name}") << ${kind === 'bearing' ? 'Bearing' : 'Altitude'} << ${lat} << ${lon} ` +
      `<< ${start.toFixed(1)} << ${value} // ${day} UTC${offset >= 0 ? '+' : ''}${offset}\n` +
      `    << QList<double>{${list.join(', ')}};`);
  }
}

// The rate at an instant, degrees a second, of the altitude or of the sun's
// angle from the bearing's vertical plane (not of the azimuth, which races
// near the zenith).
function rate(kind, value, lat, lon, t) {
  const observer = new Astronomy.Observer(lat, lon, 0);
  const [a, b] = [t - 1, t + 1].map((s) => horizontal(timeOf(s), observer));
  const across = (h) => Math.asin(h.east * Math.cos(value * DEG) - h.north * Math.sin(value * DEG)) / DEG;
  return Math.abs(kind === 'b' ? across(b) - across(a) : b.altitude - a.altitude) / 2;
}

// crossing_grid lines: kind (b or a), value, latitude, longitude, day start,
// then the instants found. Prints the errors in seconds and, times the
// rate, in degrees: slow crossings near the sun's turning points magnify
// the ephemerides' small differences in time.
function compareGrid(file) {
  const errors = { b: [], a: [] };
  let lines = 0, countMismatches = 0;
  for (const line of readFileSync(file, 'utf8').split('\n')) {
    if (!line || line.startsWith('#')) continue;
    const [kind, value, lat, lon, start, ...times] = line.split(',');
    const got = times.map(Number);
    const want = (kind === 'b' ? bearingCrossings : altitudeCrossings)(+lat, +lon, +start, +value);
    ++lines;
    if (want.length !== got.length) {
      ++countMismatches;
      console.log(`count differs: ${line} want ${want.map((h) => h.t.toFixed(3)).join(' ')}`);
      continue;
    }
    want.forEach((h, i) => {
      const seconds = Math.abs(got[i] - h.t);
      errors[kind].push({ seconds, degrees: seconds * rate(kind, +value, +lat, +lon, h.t), line, i });
    });
  }
  console.log(`${lines} days, ${countMismatches} with a different number of instants`);
  const at = (sorted, q) => sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))];
  for (const kind of ['b', 'a']) {
    const bySeconds = errors[kind].map((e) => e.seconds).sort((x, y) => x - y);
    const byDegrees = errors[kind].map((e) => e.degrees).sort((x, y) => x - y);
    const worst = errors[kind].reduce((w, e) => (e.seconds > w.seconds ? e : w));
    console.log(`${kind === 'b' ? 'bearing' : 'altitude'}: ${bySeconds.length} instants; seconds median ` +
      `${at(bySeconds, 0.5).toFixed(4)} p99 ${at(bySeconds, 0.99).toFixed(4)} max ${worst.seconds.toFixed(4)} ` +
      `(${worst.line} #${worst.i}); over 0.5 s: ${bySeconds.filter((s) => s > 0.5).length}; ` +
      `degrees max ${byDegrees[byDegrees.length - 1].toFixed(6)}`);
  }
}

if (process.argv[2]) compareGrid(process.argv[2]);
else printRows();
