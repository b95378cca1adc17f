#!/usr/bin/env node
// Compares accuracy_grid's east, meridian and west clock times with the
// instants at which a high-precision ephemeris puts the sun at azimuth 90,
// 180 (or 0) and 270 degrees, and prints the error statistics.
//
// Usage: node compare.mjs [grid.csv]   (standard input when no file)
// Exits 1 on malformed input or when a search finds no single root.
import { readFileSync } from 'node:fs';
import { parseGrid } from './grid_csv.mjs';
import { referenceEvents, sunTerms, J2000_SERIAL } from './reference.mjs';

const EVENTS = ['east', 'meridian', 'west'];
const WORST_SHOWN = 5;

// Zone clock seconds of the entered day for a UT instant, as the program
// counts them: zone offset plus the daylight-saving hour.
function clockSeconds(ut, row, serial) {
  const days = ut + J2000_SERIAL - serial + row.zoneMeridian / 360 + row.dst / 24;
  return (days - Math.floor(days)) * 86400;
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
    for (const event of EVENTS) {
      const refClock = clockSeconds(ref[event], row, ref.serial);
      const error = clockDifference(row[event].clock, refClock);
      const truth = sunTerms(ref[event]);
      // The clock time carries -E/1440 of a day, so an equation-of-time
      // error of x minutes moves it by -60x seconds; the rest is the hour
      // angle, which the declination decides.
      const eotPart = -(row[event].equationOfTime - truth.equationOfTime) * 60;
      out[event] = {
        refClock, error, eotPart, hourAnglePart: error - eotPart,
        declinationError: (row[event].declination - truth.declination) * 180 / Math.PI * 3600,
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
  return lines.join('\n') + '\n';
}

try {
  const input = readFileSync(process.argv[2] ?? 0, 'utf8');
  process.stdout.write(report(compare(parseGrid(input))));
} catch (err) {
  console.error(`compare.mjs: ${err.message}`);
  process.exit(1);
}
