#!/usr/bin/env bash
# Remakes places/data/gazetteer.tsv.qz and places/data/SOURCE.md from the
# npm packages pinned in package-lock.json, in a temporary folder. Needs
# Node.js, npm and the registry; the build needs none of them. The build
# then indexes the new file for look-ups by name (orvane_pack_gazetteer,
# from tools/pack_gazetteer.cpp), with the program's own name folding.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
data="$here/../data"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cp "$here/package.json" "$here/package-lock.json" "$here/make-gazetteer.mjs" "$work/"
(cd "$work" && npm ci --no-audit --no-fund --silent)
node "$work/make-gazetteer.mjs" "$data/gazetteer.tsv.qz" "$data/SOURCE.md"
