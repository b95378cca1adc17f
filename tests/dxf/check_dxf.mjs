// Reads the dial's DXF back with an independent reader (dxf-parser) and
// checks it against the same run's JSON.
// Usage: node check_dxf.mjs ORVANE_EXE NPM_DIR (NPM_DIR holds package.json and the lock)
import { spawnSync, execFileSync } from 'node:child_process';
import { existsSync, readFileSync, mkdtempSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import path from 'node:path';

const [exe, npmDir] = process.argv.slice(2);
const lockVersion = JSON.parse(readFileSync(path.join(npmDir, 'package-lock.json'))).packages['node_modules/dxf-parser'].version;
const installed = path.join(npmDir, 'node_modules/dxf-parser/package.json');
if (!existsSync(installed) || JSON.parse(readFileSync(installed)).version !== lockVersion) {
    const npm = (...args) => spawnSync('npm', [...args, '--no-audit', '--no-fund'], { cwd: npmDir, stdio: 'inherit' }).status;
    if (npm('ci') !== 0) {
        if (!existsSync(installed) && npm('ping') !== 0) {
            console.log("SKIP: npm's registry cannot be reached and dxf-parser is not installed");
            process.exit(77);
        }
        throw new Error('npm ci failed');
    }
}
const DxfParser = createRequire(path.join(npmDir, 'package.json'))('dxf-parser');

const site = ['--date', '6/21/2027', '--latitude', '40.655', '--longitude', '72.855W', '--zone', 'America/New_York'];
const dials = {
    'new-york-vertical-200': ['--dial', 'vertical', '--facing', '200'],
    'horizontal-15-min-months-card': ['--dial', 'horizontal', '--hour-step', '15', '--date-lines', 'months', '--card'],
    'east-wall-parallel': ['--dial', 'vertical', '--facing', '90'],
};
const work = mkdtempSync(path.join(tmpdir(), 'orvane-dxf-'));
let failures = 0;
const check = (ok, what) => ok || (console.log(`FAIL ${what}`), failures++);
// JSON gives millimetres rounded to 0.01.
const near = (a, b, tol = 0.005 + 1e-9) => Math.abs(a - b) <= tol;

for (const [name, args] of Object.entries(dials)) {
    const dxfFile = path.join(work, `${name}.dxf`);
    const dial = JSON.parse(execFileSync(exe, [...site, ...args, '--dxf', dxfFile, '--format', 'json'])).dial;
    const bytes = readFileSync(dxfFile);
    check(bytes.every((b) => b < 0x80), `${name}: R12 text is ASCII (%%d, \\U+XXXX)`);
    const dxf = new DxfParser().parseSync(bytes.toString('latin1'));
    const on = (layer, ...types) => dxf.entities.filter((e) => e.layer === layer && types.includes(e.type));

    check(dxf.header.$INSUNITS === 4, `${name}: $INSUNITS ${dxf.header.$INSUNITS}, not 4 (mm)`);
    const layers = ['plate', 'hour-lines', 'substyle', 'root', 'nodus-foot', 'date-lines', 'gnomon'];
    for (const layer of args.includes('--card') ? [...layers, 'card'] : layers)
        check(layer in dxf.tables.layer.layers, `${name}: no layer ${layer}`);

    const lines = on('hour-lines', 'LINE');
    check(lines.length === dial.hour_lines.length, `${name}: ${lines.length} hour LINEs, JSON has ${dial.hour_lines.length}`);
    dial.hour_lines.forEach((h, i) => {
        const v = lines[i]?.vertices ?? [];
        const same = v.length === 2 && h.points_mm.every((p, k) => near(v[k].x, p[0]) && near(v[k].y, p[1]));
        check(same, `${name}: hour line ${h.label} ${JSON.stringify(v)} vs ${JSON.stringify(h.points_mm)}`);
    });

    const [xMin, yMin, xMax, yMax] = dial.plate_mm;
    const outline = on('plate', 'POLYLINE').flatMap((e) => e.vertices);
    const xs = outline.map((p) => p.x), ys = outline.map((p) => p.y);
    const extent = [Math.min(...xs), Math.min(...ys), Math.max(...xs), Math.max(...ys)];
    check(extent.every((v, k) => near(v, dial.plate_mm[k])), `${name}: plate ${extent} vs ${dial.plate_mm}`);

    const pieces = dial.date_lines.filter((d) => d.points_mm.length > 1).length;
    const dates = on('date-lines', 'POLYLINE', 'LINE');
    check(dates.length === pieces, `${name}: ${dates.length} date-line pieces, JSON has ${pieces}`);
    const off = dates.flatMap((e) => e.vertices).filter((p) => !(p.x >= xMin - 0.01 && p.x <= xMax + 0.01 && p.y >= yMin - 0.01 && p.y <= yMax + 0.01));
    check(off.length === 0, `${name}: date-line vertices off the plate ${JSON.stringify(off.slice(0, 3))}`);

    const labels = on('hour-lines', 'TEXT');
    const hourLabels = new Set(dial.hour_lines.map((h) => h.label));
    check(labels.length > 0 && labels.every((t) => hourLabels.has(t.text) && t.valign === 2 && near(t.endPoint.x, t.startPoint.x)),
          `${name}: hour labels ${JSON.stringify(labels.map((t) => t.text))}`);
    const degree = on('gnomon', 'TEXT').some((t) => t.text.endsWith('%%d'));
    check(degree === (dial.style_height_deg !== null && dial.root_mm !== null), `${name}: style height's degree sign as %%d`);
    console.log(`${name}: ${lines.length} hour lines, ${labels.length} labels, ${dates.length} date-line pieces, plate ${extent}`);
}
process.exit(failures ? 1 : 0);
