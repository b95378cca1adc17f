// Writes sky/data/wmm2025.inc, the World Magnetic Model WMM2025's
// coefficients as a C++ table, and sky/data/SOURCE.md, from the npm package
// pinned in package-lock.json (geomagnetism, whose data/wmm-2025.json holds
// NOAA NCEI's WMM.COF as arrays indexed n(n+1)/2 + m).
//
// Run through make-magnetic-model.sh, which installs the package with
// `npm ci` in a temporary folder; the build needs neither npm nor the network.

import { readFileSync, writeFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';

const here = (p) => fileURLToPath(new URL(p, import.meta.url));
const [, , outPath, recordPath] = process.argv;
if (!outPath || !recordPath) {
    console.error('usage: node make-magnetic-model.mjs OUT.inc SOURCE.md');
    process.exit(2);
}

const pkg = JSON.parse(readFileSync(here('node_modules/geomagnetism/package.json'), 'utf8'));
const model = JSON.parse(readFileSync(here('node_modules/geomagnetism/data/wmm-2025.json'), 'utf8'));
if (model.epoch !== 2025 || model.n_max !== 12 || model.n_max_sec_var !== 12) {
    throw new Error(`unexpected model: ${model.name}, epoch ${model.epoch}, degree ${model.n_max}`);
}

const rows = [];
for (let n = 1; n <= model.n_max; ++n) {
    for (let m = 0; m <= n; ++m) {
        const i = (n * (n + 1)) / 2 + m;
        const terms = [model.main_field_coeff_g[i], model.main_field_coeff_h[i],
                       model.secular_var_coeff_g[i], model.secular_var_coeff_h[i]];
        if (terms.some((t) => typeof t !== 'number' || !Number.isFinite(t))) {
            throw new Error(`missing coefficient n=${n} m=${m}`);
        }
        if (m === 0 && (terms[1] !== 0 || terms[3] !== 0)) {
            throw new Error(`h for m = 0 at n=${n}`);
        }
        rows.push(`    {${n}, ${m}, ${terms.map((t) => t.toFixed(1)).join(', ')}},`);
    }
}

const made = new Date().toISOString().slice(0, 10);
writeFileSync(outPath, `// The World Magnetic Model WMM2025 (NOAA NCEI and the British Geological
// Survey; public domain), made by sky/tools/make-magnetic-model.sh from npm's
// ${pkg.name} ${pkg.version}. Do not edit: run the script.
// Each row: n, m, g, h (nT at the epoch), g-dot, h-dot (nT a year).
inline constexpr double wmmEpochYear = ${model.epoch.toFixed(1)};
inline constexpr WmmCoefficient wmmCoefficients[] = {
${rows.join('\n')}
};
`);

writeFileSync(recordPath, `# The magnetic model's source

\`wmm2025.inc\` is made by \`sky/tools/make-magnetic-model.sh\` from this npm
package (pinned in \`sky/tools/package-lock.json\`):

| package | version | licence | what it gives |
|---|---|---|---|
| \`${pkg.name}\` | ${pkg.version} | ${pkg.license} (the coefficients: public domain) | \`data/wmm-2025.json\`: the World Magnetic Model WMM2025's Gauss coefficients g, h and their secular variation to degree and order 12, epoch ${model.epoch.toFixed(1)} |

The World Magnetic Model is made by NOAA's National Centers for Environmental
Information and the British Geological Survey for the US National
Geospatial-Intelligence Agency and the UK Defence Geographic Centre; as a
work of the US Government it is in the public domain.

- Made on ${made}.
- Model ${model.name}, epoch ${model.epoch.toFixed(1)}, ${rows.length} coefficient rows (degree ${model.n_max}).
- The package's validity dates: ${model.start_date.slice(0, 10)} to ${model.end_date.slice(0, 10)}; Orvane uses it from 2025.0 to 2030.0.
`);
