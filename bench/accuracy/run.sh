#!/usr/bin/env bash
# Accuracy report: builds accuracy_grid, computes the reference times with
# astronomy-engine under Node.js and prints the error statistics of the
# program and of the precise sun (sky/).
#
# Usage: bench/accuracy/run.sh [BUILD_DIR] [--out FILE] [--year YEAR]...
#   BUILD_DIR  the project's CMake build directory (default ./build)
#   --out      also write the report to FILE
#   --year     grid year(s), default 2025
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build_dir=""
out=""
years=()
while (($#)); do
    case "$1" in
        --out) out="${2:?--out needs a file}"; shift 2 ;;
        --year) years+=("${2:?--year needs a year}"); shift 2 ;;
        -h|--help) sed -n '2,9p' "$0"; exit 0 ;;
        -*) echo "run.sh: unknown option $1" >&2; exit 2 ;;
        *) [[ -z "$build_dir" ]] || { echo "run.sh: one build directory only" >&2; exit 2; }
           build_dir="$1"; shift ;;
    esac
done
build_dir="${build_dir:-$root/build}"

as_root() { if ((EUID == 0)); then "$@"; else sudo "$@"; fi; }

if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    echo "run.sh: installing Debian's nodejs and npm" >&2
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q nodejs npm
fi

# Install from the lock file unless that exact version is already there.
wanted="$(node -p "require('$here/package-lock.json').packages['node_modules/astronomy-engine'].version")"
have="$(node -p "try { require('$here/node_modules/astronomy-engine/package.json').version } catch { '' }")"
if [[ "$have" != "$wanted" ]]; then
    (cd "$here" && npm ci --no-audit --no-fund --loglevel=error)
fi

if [[ ! -f "$build_dir/CMakeCache.txt" ]]; then
    cmake -S "$root" -B "$build_dir"
fi
cmake --build "$build_dir" --target accuracy_grid -j2

grid="$(mktemp)"
trap 'rm -f "$grid"' EXIT
"$build_dir/bench/accuracy/accuracy_grid" "${years[@]}" > "$grid"

if [[ -n "$out" ]]; then
    node "$here/compare.mjs" "$grid" | tee "$out"
else
    node "$here/compare.mjs" "$grid"
fi
