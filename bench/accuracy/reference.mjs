// The reference instants from the ephemeris: when the sun's topocentric
// azimuth is 90, 180 or 0, and 270 degrees. Times are UT, as days from
// J2000; the ephemeris adds Delta T itself to get terrestrial time.
import * as Astronomy from 'astronomy-engine';

const DEG = Math.PI / 180;
// Days between the date type's origin (30 December 1899) and J2000 (UT).
export const J2000_SERIAL = 36526.5;

const SCAN_STEP = 1 / 96;     // 15 minutes
const TOLERANCE = 1e-4 / 86400; // 0.1 ms

export class NoRootError extends Error {}

// North and east components of the sun's direction on the horizon plane,
// with its azimuth and altitude. No refraction is applied.
export function horizontal(ut, observer) {
  const eq = Astronomy.Equator(Astronomy.Body.Sun, ut, observer, true, true);
  const hor = Astronomy.Horizon(ut, observer, eq.ra, eq.dec);
  const c = Math.cos(hor.altitude * DEG);
  return {
    north: c * Math.cos(hor.azimuth * DEG),
    east: c * Math.sin(hor.azimuth * DEG),
    azimuth: hor.azimuth,
    altitude: hor.altitude,
  };
}

// The one instant in [from, to] where component `zero` changes sign while
// `keep` (if given) has the sign `keepSign`; `rising` picks the direction of
// the sign change, or either when undefined.
function findRoot(observer, from, to, zero, { keep, keepSign, rising } = {}) {
  const f = (t) => horizontal(t, observer);
  const brackets = [];
  let a = from, fa = f(a);
  while (a < to) {
    const b = Math.min(a + SCAN_STEP, to);
    const fb = f(b);
    const changes = (fa[zero] <= 0) !== (fb[zero] <= 0);
    const sideOk = !keep || (Math.sign(fa[keep]) === keepSign && Math.sign(fb[keep]) === keepSign);
    const directionOk = rising === undefined || (fb[zero] > fa[zero]) === rising;
    if (changes && sideOk && directionOk) brackets.push([a, b, fa[zero]]);
    a = b; fa = fb;
  }
  if (brackets.length !== 1)
    throw new NoRootError(`${brackets.length} roots of the ${zero} component in the window`);
  let [lo, hi, flo] = brackets[0];
  while (hi - lo > TOLERANCE) {
    const mid = (lo + hi) / 2;
    const fm = f(mid)[zero];
    if ((fm <= 0) === (flo <= 0)) { lo = mid; flo = fm; } else { hi = mid; }
  }
  return (lo + hi) / 2;
}

// The three instants for a row, searched around local mean noon of the
// entered date; the windows reach past noon by the largest equation of time.
export function referenceEvents(row) {
  const observer = new Astronomy.Observer(row.latitude, row.longitude, 0);
  const serial = dateSerial(row.year, row.month, row.day);
  const noon = serial + 0.5 - row.longitude / 360 - J2000_SERIAL;
  const eastUt = findRoot(observer, noon - 0.5, noon + 0.1, 'north', { keep: 'east', keepSign: 1 });
  const transitUt = findRoot(observer, noon - 0.25, noon + 0.25, 'east', { rising: false });
  const westUt = findRoot(observer, noon - 0.1, noon + 0.5, 'north', { keep: 'east', keepSign: -1 });
  // Due east or west happens every day, but below the horizon it is no
  // crossing that the program could have seen.
  for (const [name, ut] of [['east', eastUt], ['west', westUt]]) {
    if (horizontal(ut, observer).altitude < 0)
      throw new NoRootError(`the sun is below the horizon when it stands due ${name}`);
  }
  return {
    serial,
    east: eastUt,
    meridian: transitUt,
    west: westUt,
    direction: horizontal(transitUt, observer).north > 0 ? 'N' : 'S',
  };
}

// Days from 30 December 1899 (proleptic Gregorian), the program's date type.
export function dateSerial(year, month, day) {
  // setUTCFullYear, since Date.UTC reads years 0..99 as 1900..1999.
  const d = new Date(0);
  d.setUTCFullYear(year, month - 1, day);
  return (d.getTime() - Date.UTC(1899, 11, 30)) / 86400000;
}

// Geocentric apparent declination (radians) and equation of time (minutes,
// apparent minus mean solar time) at a UT instant.
export function sunTerms(ut) {
  const time = Astronomy.MakeTime(ut);
  const eqj = Astronomy.GeoVector(Astronomy.Body.Sun, time, true);
  const eqd = Astronomy.RotateVector(Astronomy.Rotation_EQJ_EQD(time), eqj);
  const eq = Astronomy.EquatorFromVector(eqd);
  const utHours = (ut - Math.floor(ut)) * 24 + 12; // J2000 days start at noon
  let eot = Astronomy.SiderealTime(time) + 12 - eq.ra - utHours;
  eot = ((eot % 24) + 36) % 24 - 12;
  return { declination: eq.dec * DEG, equationOfTime: eot * 60 };
}
