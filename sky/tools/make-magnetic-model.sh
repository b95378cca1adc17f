#!/usr/bin/env bash
# Remakes sky/data/wmm2025.inc and sky/data/SOURCE.md from the npm package
# pinned in package-lock.json, in a temporary folder. Needs Node.js, npm and
# the registry; the build needs none of them.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
data="$here/../data"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cp "$here/package.json" "$here/package-lock.json" "$here/make-magnetic-model.mjs" "$work/"
(cd "$work" && npm ci --no-audit --no-fund --silent)
node "$work/make-magnetic-model.mjs" "$data/wmm2025.inc" "$data/SOURCE.md"
