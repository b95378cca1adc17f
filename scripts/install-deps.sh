#!/usr/bin/env bash
# Installs the Debian packages listed in debian-packages.txt that are missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
mapfile -t wanted < <(grep -v -E '^\s*(#|$)' "$here/debian-packages.txt")
# A name an installed package provides counts as present: a nodejs from
# another source brings its own npm and refuses Debian's.
provided=$(dpkg-query -W -f='${db:Status-Abbrev} ${Provides}\n' 2>/dev/null |
  awk '$1 == "ii" { $1 = ""; print }' | sed 's/([^)]*)//g' | tr ',' '\n' | tr -d ' ')
missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
    grep -qxF "$p" <<<"$provided" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q "${missing[@]}"
