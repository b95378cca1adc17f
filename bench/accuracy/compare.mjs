#!/usr/bin/env node
// Compares accuracy_grid's east, meridian and west clock times with the
// instants at which a high-precision ephemeris puts the sun at azimuth 90,
// 180 (or 0) and 270 degrees, and prints the error statistics; then the same
// for the precise sun (sky/), and how far sky/ and the ephemeris agree.
//
// Usage: node compare.mjs [grid.csv]   (standard input when no file)
// Exits 1 on malformed input or when a search finds no single root.
import { readFileSync } from 'node:fs';
import { parseGrid } from './grid_csv.mjs';
import { Observer } from 'astronomy-engine';
import { referenceEvents, sunTerms, horizontal, J2000_SERIAL } from './reference.mjs';

const EVENTS = ['east', 'meridian', 'west'];
const WORST_SHOWN = 5;

// Zone clock seconds of the entered day for a UT instant, as the program
// counts them: zone offset plus the daylight-saving hour.
function clockSeconds(ut, row, serial) {
  const days = ut + J2000_SERIAL - serial + row.zoneMeridian / 360 + row.dst / 24;
  return (days - Math.floor(days)) * 86400;
}

// The UT instant (days from J2000) of zone clock seconds on the entered day.
function utFromClock(clock, row, serial) {
  return serial + clock / 86400 - row.zoneMeridian / 360 - row.dst / 24 - J2000_SERIAL;
}

// Angle difference in degrees, brought into (-180, 180].
function angleDifference(a, b) {
  const d = (a - b) % 360;
  return d > 180 ? d - 360 : d <= -180 ? d + 360 : d;
}

// The azimuth each crossing aims at; the meridian's by the side it is on.
function targetAzimuth(event, direction) {
  return event === 'east' ? 90 : event === 'west' ? 270 : direction === 'N' ? 0 : 180;
}

// Difference of two clock times, brought into (-12 h, 12 h].
function clockDifference(a, b) {
  let d = (a - b) % 86400;
  if (d > 43200) d -= 86400;
  if (d <= -43200) d += 86400;
  return d;
}

function quantile(sorted, q) {
  const i = (sorted.length - 1) * q;
  const lo = Math.floor(i), hi = Math.ceil(i);
  return sorted[lo] + (sorted[hi] - sorted[lo]) * (i - lo);
}

function summary(values) {
  const abs = values.map(Math.abs).sort((a, b) => a - b);
  return {
    median: quantile(abs, 0.5),
    p95: quantile(abs, 0.95),
    max: abs[abs.length - 1],
    bias: values.reduce((s, v) => s + v, 0) / values.length,
  };
}

function hms(seconds) {
  const s = Math.round(seconds * 10) / 10;
  const h = Math.floor(s / 3600), m = Math.floor((s - h * 3600) / 60);
  return `${String(h).padStart(2, '0')}:${String(m).padStart(2, '0')}:${(s - h * 3600 - m * 60).toFixed(1).padStart(4, '0')}`;
}

function site(row) {
  const date = `${row.year}-${String(row.month).padStart(2, '0')}-${String(row.day).padStart(2, '0')}`;
  return `${date} lat ${row.latitude} lon ${row.longitude} zone ${row.zoneMeridian}${row.dst ? ' DST' : ''}`;
}

function compare(rows) {
  const results = rows.map((row) => {
    let ref;
    try {
      ref = referenceEvents(row);
    } catch (err) {
      throw new Error(`line ${row.line} (${site(row)}): ${err.message}`);
    }
    const out = { row, directionMatches: ref.direction === row.direction, refDirection: ref.direction };
    const observer = new Observer(row.latitude, row.longitude, 0);
    for (const event of EVENTS) {
      const refClock = clockSeconds(ref[event], row, ref.serial);
      const e = row[event];
      // The precise sun: its crossing against the program's and the
      // ephemeris', where the ephemeris puts the sun at sky/'s instant, and
      // both positions at the program's instant.
      const sky = { seen: e.skyClock !== null };
      if (sky.seen) {
        sky.methodError = clockDifference(e.clock, e.skyClock);
        sky.refError = clockDifference(e.skyClock, refClock);
        const atSky = horizontal(utFromClock(e.skyClock, row, ref.serial), observer);
        // As an arc on the sky: near the zenith the azimuth itself races.
        sky.refAzimuthMiss = angleDifference(atSky.azimuth, targetAzimuth(event, row.skyDirection))
          * Math.cos(atSky.altitude * Math.PI / 180);
      }
      const atMethod = horizontal(utFromClock(e.clock, row, ref.serial), observer);
      const target = targetAzimuth(event, row.direction);
      sky.methodAzimuthMiss = angleDifference(e.skyAzimuth, target);
      sky.refMethodAzimuthMiss = angleDifference(atMethod.azimuth, target);
      sky.azimuthError = angleDifference(e.skyAzimuth, atMethod.azimuth);
      sky.azimuthArcError = sky.azimuthError * Math.cos(atMethod.altitude * Math.PI / 180);
      sky.altitude = atMethod.altitude;
      sky.altitudeError = e.skyAltitude - atMethod.altitude;
      const error = clockDifference(row[event].clock, refClock);
      const truth = sunTerms(ref[event]);
      // The clock time carries -E/1440 of a day, so an equation-of-time
      // error of x minutes moves it by -60x seconds; the rest is the hour
      // angle, which the declination decides.
      const eotPart = -(row[event].equationOfTime - truth.equationOfTime) * 60;
      out[event] = {
        refClock, error, eotPart, hourAnglePart: error - eotPart,
        declinationError: (row[event].declination - truth.declination) * 180 / Math.PI * 3600,
        sky,
      };
    }
    return out;
  });
  return results;
}

function report(results) {
  const lines = [];
  const rows = results.map((r) => r.row);
  const lats = rows.map((r) => r.latitude), years = [...new Set(rows.map((r) => r.year))];
  lines.push('Accuracy of the crossing times against astronomy-engine');
  lines.push(`Grid: ${results.length} site/date combinations with both crossings seen; ` +
    `latitudes ${Math.min(...lats)} to ${Math.max(...lats)}, ` +
    `${new Set(rows.map((r) => r.longitude)).size} longitudes, years ${years.join(', ')}, ` +
    `${rows.filter((r) => r.dst).length} with daylight saving.`);
  lines.push('Reference: instant of topocentric azimuth 90 / 180 or 0 / 270 degrees (no refraction, ' +
    'height 0), found by bisection to 0.1 ms; times in UT (the ephemeris applies Delta T ' +
    'internally), turned into zone clock time like the program: UT + zone meridian / 15 h + 1 h with DST.');
  lines.push('Error = program clock time - reference clock time, seconds.');
  lines.push('');
  lines.push('event     median |err|   95% |err|   max |err|   mean err   | max |EoT part|  max |hour-angle part|  max |decl err| (arcsec)');
  for (const event of EVENTS) {
    const s = summary(results.map((r) => r[event].error));
    const eot = summary(results.map((r) => r[event].eotPart));
    const ha = summary(results.map((r) => r[event].hourAnglePart));
    const dec = summary(results.map((r) => r[event].declinationError));
    lines.push(`${event.padEnd(9)} ${s.median.toFixed(2).padStart(12)} ${s.p95.toFixed(2).padStart(11)} ` +
      `${s.max.toFixed(2).padStart(11)} ${s.bias.toFixed(2).padStart(10)}   | ` +
      `${eot.max.toFixed(2).padStart(14)}  ${ha.max.toFixed(2).padStart(22)}  ${dec.max.toFixed(1).padStart(24)}`);
  }
  lines.push('');
  lines.push('By clock mode (median / max |err|, seconds):');
  for (const [label, dst] of [['standard', 0], ['daylight saving', 1]]) {
    const part = results.filter((r) => r.row.dst === dst);
    if (!part.length) continue;
    const cells = EVENTS.map((event) => {
      const s = summary(part.map((r) => r[event].error));
      return `${event} ${s.median.toFixed(2)} / ${s.max.toFixed(2)}`;
    });
    lines.push(`  ${label.padEnd(16)} (${part.length}): ${cells.join(';  ')}`);
  }
  // Near |latitude| = |declination| the crossing nears the zenith and its
  // time grows ever more sensitive to the declination.
  lines.push('');
  lines.push('By |latitude| - |declination| (median / max |err|, seconds):');
  for (const [low, high] of [[0, 5], [5, 10], [10, 90]]) {
    const part = results.filter((r) => {
      const margin = Math.abs(r.row.latitude) - Math.abs(r.row.meridian.declination * 180 / Math.PI);
      return margin >= low && margin < high;
    });
    if (!part.length) continue;
    const cells = EVENTS.map((event) => {
      const s = summary(part.map((r) => r[event].error));
      return `${event} ${s.median.toFixed(2)} / ${s.max.toFixed(2)}`;
    });
    lines.push(`  ${`${low} to ${high} deg`.padEnd(16)} (${part.length}): ${cells.join(';  ')}`);
  }
  const mismatches = results.filter((r) => !r.directionMatches);
  lines.push('');
  lines.push(`Meridian direction (south/north) agrees in ${results.length - mismatches.length} of ${results.length} combinations.`);
  for (const r of mismatches.slice(0, WORST_SHOWN))
    lines.push(`  differs: ${site(r.row)}: program ${r.row.direction}, reference ${r.refDirection}`);
  for (const event of EVENTS) {
    lines.push('');
    lines.push(`Worst ${event} cases:`);
    const worst = [...results].sort((a, b) => Math.abs(b[event].error) - Math.abs(a[event].error));
    for (const r of worst.slice(0, WORST_SHOWN)) {
      const e = r[event];
      lines.push(`  ${e.error >= 0 ? '+' : ''}${e.error.toFixed(2)} s  ${site(r.row)}: ` +
        `program ${hms(r.row[event].clock)}, reference ${hms(e.refClock)} ` +
        `(EoT part ${e.eotPart.toFixed(2)} s, hour-angle part ${e.hourAnglePart.toFixed(2)} s)`);
    }
  }
  lines.push(...skyReport(results));
  return lines.join('\n') + '\n';
}

function cells(values, digits) {
  const s = summary(values);
  return `${s.median.toFixed(digits).padStart(12)} ${s.p95.toFixed(digits).padStart(11)} ` +
    `${s.max.toFixed(digits).padStart(11)} ${s.bias.toFixed(digits).padStart(10)}`;
}

// The precise sun (sky/): the program against it, and it against the
// ephemeris.
function skyReport(results) {
  const lines = ['', 'The precise sun (sky/) on the same grid'];
  for (const event of EVENTS) {
    const missed = results.filter((r) => !r[event].sky.seen);
    lines.push(`  ${event}: sky/ sees the crossing in ${results.length - missed.length} of ${results.length} combinations` +
      (missed.length ? '; not seen, with the sun below the horizon or not reaching the azimuth:' : '.'));
    for (const r of missed.slice(0, WORST_SHOWN))
      lines.push(`    ${site(r.row)}: program ${hms(r.row[event].clock)}`);
  }
  const directionDiffers = results.filter((r) => r.row.meridian.skyClock !== null && r.row.skyDirection !== r.row.direction);
  lines.push(`  Meridian direction: sky/ agrees with the program in ${results.length - directionDiffers.length} of ${results.length}.`);
  lines.push('');
  lines.push('Program - sky/, seconds:');
  lines.push('event     median |err|   95% |err|   max |err|   mean err');
  for (const event of EVENTS) {
    const seen = results.filter((r) => r[event].sky.seen);
    lines.push(`${event.padEnd(9)} ${cells(seen.map((r) => r[event].sky.methodError), 2)}`);
  }
  lines.push('');
  lines.push("The program's azimuth miss: sky/'s azimuth at the program's time minus 90 / 180 or 0 / 270, degrees");
  lines.push('(astronomy-engine\'s miss in brackets):');
  lines.push('event     median |miss|  95% |miss|  max |miss|  mean miss');
  for (const event of EVENTS) {
    const miss = (key) => results.map((r) => r[event].sky[key]);
    const ref = summary(miss('refMethodAzimuthMiss'));
    lines.push(`${event.padEnd(9)} ${cells(miss('methodAzimuthMiss'), 4)}   ` +
      `(${ref.median.toFixed(4)} / ${ref.p95.toFixed(4)} / ${ref.max.toFixed(4)} / ${ref.bias.toFixed(4)})`);
  }
  lines.push('');
  lines.push('sky/ against astronomy-engine');
  lines.push('Crossing instants, sky/ - reference, seconds; and the time error as an angle: the reference\'s');
  lines.push('azimuth at sky/\'s instant minus the target, times cos(altitude), degrees:');
  lines.push('event     median |err|   95% |err|   max |err|   mean err   |  arc: median |miss|   max |miss|');
  for (const event of EVENTS) {
    const seen = results.filter((r) => r[event].sky.seen);
    const az = summary(seen.map((r) => r[event].sky.refAzimuthMiss));
    lines.push(`${event.padEnd(9)} ${cells(seen.map((r) => r[event].sky.refError), 3)}   | ` +
      `${az.median.toFixed(5).padStart(21)} ${az.max.toFixed(5).padStart(12)}`);
  }
  const positions = results.flatMap((r) => EVENTS.map((event) => r[event].sky));
  const arc = summary(positions.map((p) => p.azimuthArcError));
  const az = summary(positions.filter((p) => p.altitude < 60).map((p) => p.azimuthError));
  const alt = summary(positions.map((p) => p.altitudeError));
  lines.push('');
  lines.push(`Positions at the program's ${positions.length} instants, sky/ - reference, degrees (median / 95% / max |err|):`);
  lines.push(`  azimuth x cos(altitude)   ${arc.median.toFixed(5)} / ${arc.p95.toFixed(5)} / ${arc.max.toFixed(5)}`);
  lines.push(`  azimuth, altitude < 60    ${az.median.toFixed(5)} / ${az.p95.toFixed(5)} / ${az.max.toFixed(5)}`);
  lines.push(`  altitude                  ${alt.median.toFixed(5)} / ${alt.p95.toFixed(5)} / ${alt.max.toFixed(5)}`);
  const worst = results.flatMap((r) => EVENTS.filter((event) => r[event].sky.seen).map((event) => ({ r, event })))
    .sort((a, b) => Math.abs(b.r[b.event].sky.refError) - Math.abs(a.r[a.event].sky.refError));
  lines.push('');
  lines.push('Largest sky/ - reference instants (near the zenith or the equator the crossing is shallow, so');
  lines.push('a tiny difference in position moves it by seconds):');
  for (const { r, event } of worst.slice(0, WORST_SHOWN)) {
    const k = r[event].sky;
    lines.push(`  ${k.refError >= 0 ? '+' : ''}${k.refError.toFixed(3)} s  ${event} ${site(r.row)}: ` +
      `reference there ${k.refAzimuthMiss >= 0 ? '+' : ''}${k.refAzimuthMiss.toFixed(5)} deg (arc) off, ` +
      `altitude ${r.row[event].skyAltitude.toFixed(1)}`);
  }
  return lines;
}

try {
  const input = readFileSync(process.argv[2] ?? 0, 'utf8');
  process.stdout.write(report(compare(parseGrid(input))));
} catch (err) {
  console.error(`compare.mjs: ${err.message}`);
  process.exit(1);
}
