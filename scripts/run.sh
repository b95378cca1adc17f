#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if ! "$root/scripts/install-deps.sh"; then
  echo "run.sh: installing the packages failed; nothing to start." >&2
  exit 1
fi
if ! "$root/scripts/build.sh"; then
  echo "run.sh: the build failed (errors above); nothing to start." >&2
  exit 1
fi
exe="${ORVANE_BUILD_DIR:-$root/build}/app/orvane"
if [ ! -x "$exe" ]; then
  echo "run.sh: the build ended without $exe; nothing to start." >&2
  exit 1
fi
exec "$exe" "$@"
