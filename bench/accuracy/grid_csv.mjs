// Reads the CSV that accuracy_grid prints. Any malformed line throws: a
// report over half-read input would look valid and be wrong.

const COLUMNS = [
  'year', 'month', 'day', 'latitude', 'longitude', 'zone_meridian', 'dst', 'direction',
  'east_s', 'meridian_s', 'west_s',
  'east_dec_rad', 'east_eot_min', 'meridian_dec_rad', 'meridian_eot_min',
  'west_dec_rad', 'west_eot_min',
  'sky_east_s', 'sky_meridian_s', 'sky_west_s', 'sky_direction',
  'sky_east_az', 'sky_east_alt', 'sky_meridian_az', 'sky_meridian_alt',
  'sky_west_az', 'sky_west_alt',
];

function number(text, where) {
  // Number('') is 0; an empty field is an error, not a zero.
  if (!/^[-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?$/.test(text))
    throw new Error(`${where}: not a number: "${text}"`);
  return Number(text);
}

// A crossing the precise sun does not see is "none".
function optionalNumber(text, where) {
  return text === 'none' ? null : number(text, where);
}

function checkRange(value, low, high, where) {
  if (!(value >= low && value <= high))
    throw new Error(`${where}: ${value} outside [${low}, ${high}]`);
  return value;
}

function parseRow(fields, line) {
  const where = `line ${line}`;
  const f = Object.fromEntries(COLUMNS.map((name, i) => [name, fields[i]]));
  const row = {
    line,
    year: checkRange(number(f.year, where), 100, 9999, `${where} year`),
    month: checkRange(number(f.month, where), 1, 12, `${where} month`),
    day: checkRange(number(f.day, where), 1, 31, `${where} day`),
    latitude: checkRange(number(f.latitude, where), -90, 90, `${where} latitude`),
    longitude: checkRange(number(f.longitude, where), -180, 180, `${where} longitude`),
    zoneMeridian: checkRange(number(f.zone_meridian, where), -180, 180, `${where} zone_meridian`),
    dst: number(f.dst, where),
    direction: f.direction,
  };
  if (!Number.isInteger(row.year) || !Number.isInteger(row.month) || !Number.isInteger(row.day))
    throw new Error(`${where}: the date must be whole numbers`);
  if (row.dst !== 0 && row.dst !== 1)
    throw new Error(`${where}: dst must be 0 or 1, not ${f.dst}`);
  if (row.direction !== 'N' && row.direction !== 'S')
    throw new Error(`${where}: direction must be N or S, not "${f.direction}"`);
  if (!['N', 'S', 'none'].includes(f.sky_direction))
    throw new Error(`${where}: sky_direction must be N, S or none, not "${f.sky_direction}"`);
  row.skyDirection = f.sky_direction;
  for (const event of ['east', 'meridian', 'west']) {
    const sky = optionalNumber(f[`sky_${event}_s`], where);
    row[event] = {
      clock: checkRange(number(f[`${event}_s`], where), 0, 86400, `${where} ${event}_s`),
      declination: checkRange(number(f[`${event}_dec_rad`], where), -0.5, 0.5, `${where} ${event}_dec_rad`),
      equationOfTime: checkRange(number(f[`${event}_eot_min`], where), -30, 30, `${where} ${event}_eot_min`),
      // The precise sun: its crossing (clock seconds, or null) and where it
      // stands at the program's time.
      skyClock: sky === null ? null : checkRange(sky, 0, 86400, `${where} sky_${event}_s`),
      skyAzimuth: checkRange(number(f[`sky_${event}_az`], where), 0, 360, `${where} sky_${event}_az`),
      skyAltitude: checkRange(number(f[`sky_${event}_alt`], where), -90, 90, `${where} sky_${event}_alt`),
    };
  }
  if ((row.meridian.skyClock === null) !== (row.skyDirection === 'none'))
    throw new Error(`${where}: sky_direction does not match sky_meridian_s`);
  return row;
}

export function parseGrid(text) {
  const lines = text.split(/\r?\n/);
  while (lines.length && lines[lines.length - 1] === '') lines.pop();
  if (!lines.length) throw new Error('empty input');
  if (lines[0] !== COLUMNS.join(','))
    throw new Error(`unexpected header: "${lines[0]}"`);
  const rows = [];
  for (let i = 1; i < lines.length; ++i) {
    const fields = lines[i].split(',');
    if (fields.length !== COLUMNS.length)
      throw new Error(`line ${i + 1}: ${fields.length} fields, expected ${COLUMNS.length}`);
    rows.push(parseRow(fields, i + 1));
  }
  if (!rows.length) throw new Error('no combinations in the input');
  return rows;
}
