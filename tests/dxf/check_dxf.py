#!/usr/bin/env python3
"""Reads each kind's DXF back with ezdxf and checks it against the JSON and
SVG of the same run: audit clean, millimetres, texts on text layers only,
continuous lines only, hour lines on the JSON's points, labels on the SVG's.
Usage: check_dxf.py ORVANE_EXE"""
import json
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

import ezdxf

SITE = ['--date', '2027-06-21', '--latitude', '40.655', '--longitude', '72.855W', '--zone', 'America/New_York']
KINDS = {
    'horizontal, months, card': ['--dial', 'horizontal', '--date-lines', 'months', '--card'],
    'vertical facing 200': ['--dial', 'vertical', '--facing', '200'],
    'plane 200/35': ['--dial', 'plane', '--facing', '200', '--tilt', '35'],
    'polar': ['--dial', 'polar', '--facing', '180'],
    'equatorial': ['--dial', 'equatorial'],
    'analemmatic': ['--dial', 'analemmatic', '--half-width', '2.5'],
}
SVG = '{http://www.w3.org/2000/svg}'
TOLERANCE = 0.01  # mm; the JSON rounds to 0.01, the SVG to 0.001
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
    return ok


def near(p, q):
    return abs(p[0] - q[0]) <= TOLERANCE and abs(p[1] - q[1]) <= TOLERANCE


def svg_labels(path, extmin, extmax):
    """(layer, text, x, y) of the SVG's texts in plate millimetres, from the margin its size leaves."""
    root = ET.parse(path).getroot()
    margin = (float(root.get('width')[:-2]) - (extmax[0] - extmin[0])) / 2
    left, top = extmin[0] - margin, extmax[1] + margin
    return sorted((g.get('id') + '-text', t.text, float(t.get('x')) + left, top - float(t.get('y')))
                  for g in root.findall(SVG + 'g') for t in g.iter(SVG + 'text'))


def check_kind(name, args, work):
    dxf_file, svg_file = work / 'dial.dxf', work / 'dial.svg'
    run = subprocess.run([sys.argv[1], *SITE, *args, '--dxf', str(dxf_file), '--svg', str(svg_file),
                          '--format', 'json'], capture_output=True, text=True)
    if not check(run.returncode == 0, f'{name}: status {run.returncode}: {run.stderr}'):
        return
    dial = json.loads(run.stdout)['dial']
    doc = ezdxf.readfile(dxf_file)  # strict: raises on a damaged structure
    auditor = doc.audit()
    check(not auditor.has_errors and not auditor.has_fixes,
          f'{name}: audit {[e.message for e in auditor.errors + auditor.fixes]}')
    check(doc.dxfversion >= 'AC1015', f'{name}: version {doc.dxfversion}')
    check(doc.header.get('$INSUNITS') == 4, f'{name}: $INSUNITS {doc.header.get("$INSUNITS")}, not 4 (mm)')

    check({lt.dxf.name.lower() for lt in doc.linetypes} <= {'byblock', 'bylayer', 'continuous'},
          f'{name}: linetypes {[lt.dxf.name for lt in doc.linetypes]}')
    check(all(layer.dxf.linetype.lower() == 'continuous' for layer in doc.layers), f'{name}: a layer not continuous')
    msp = doc.modelspace()
    check(all(e.dxf.linetype.lower() in ('bylayer', 'continuous') for e in msp), f'{name}: an entity not continuous')
    for e in msp:
        is_text = e.dxftype() in ('TEXT', 'MTEXT')
        check(is_text == e.dxf.layer.endswith('-text'), f'{name}: {e.dxftype()} on layer {e.dxf.layer}')
        if is_text:
            style = doc.styles.get(e.dxf.style)
            check(style is not None and style.dxf.font.endswith('.ttf'), f'{name}: text style {e.dxf.style}')
    # Each of the SVG's groups a layer of its name, as users look for it.
    for group in ET.parse(svg_file).getroot().findall(SVG + 'g'):
        check(group.get('id') in doc.layers, f'{name}: no layer {group.get("id")}')

    # Hour lines: each face's, in the JSON's order; a later face lies
    # beside the first, as far as its outline, which is the back of the same
    # plate: the only outline to cut is the first face's.
    check(len(msp.query('LWPOLYLINE[layer=="plate"]')) == 1, f'{name}: not one plate to cut')
    for i, face in enumerate(dial.get('faces', [dial]) if 'hour_lines' in dial else []):
        suffix = '' if i == 0 else '-' + face['name']
        layer = 'plate' if i == 0 else 'back-of-plate' + suffix
        outline = [p for e in msp.query(f'LWPOLYLINE[layer=="{layer}"]') for p in e.get_points('xy')]
        dx = min(p[0] for p in outline) - face['plate_mm'][0]
        lines = msp.query(f'LINE[layer=="hour-lines{suffix}"]')
        check(len(lines) == len(face['hour_lines']), f'{name}: {len(lines)} hour LINEs, JSON {len(face["hour_lines"])}')
        for line, hour in zip(lines, face['hour_lines']):
            ends = [(line.dxf.start.x - dx, line.dxf.start.y), (line.dxf.end.x - dx, line.dxf.end.y)]
            check(all(near(p, q) for p, q in zip(ends, hour['points_mm'])),
                  f'{name}: hour line {hour["label"]} {ends} vs {hour["points_mm"]}')

    texts = sorted((t.dxf.layer, t.plain_text(), t.dxf.align_point.x, t.dxf.align_point.y) for t in msp.query('TEXT'))
    labels = svg_labels(svg_file, doc.header['$EXTMIN'], doc.header['$EXTMAX'])
    check(len(texts) == len(labels) and len(texts) > 0, f'{name}: {len(texts)} texts, SVG {len(labels)}')
    for t, s in zip(texts, labels):
        check(t[:2] == s[:2] and near(t[2:], s[2:]), f'{name}: text {t} vs SVG {s}')
    print(f'{name}: {len(msp)} entities, {len(texts)} texts, layers {", ".join(l.dxf.name for l in doc.layers)}')


with tempfile.TemporaryDirectory() as folder:
    for kind, kind_args in KINDS.items():
        check_kind(kind, kind_args, Path(folder))
for failure in failures:
    print('FAIL', failure)
sys.exit(1 if failures else 0)
