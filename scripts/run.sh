#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
exe="$root/build/app/orvane"
if [ ! -x "$exe" ]; then
  echo "Built the libraries; the window program is not part of this build yet."
  exit 0
fi
exec "$exe" "$@"
