#!/usr/bin/env bash
# Brings the .ts files in translations/ up to date with the sources: new
# texts come in unfinished, texts gone from the code go. With --check it
# changes nothing and fails while any text lacks a translation.
# Usage: scripts/update-translations.sh [--check] [PART...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=$(command -v lupdate)
check=0
if [ "${1:-}" = --check ]; then check=1; shift; fi
languages=(de es fr it nl)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
while read -r part folders; do
  case "$part" in '#'* | '') continue ;; esac
  if [ $# -gt 0 ] && [[ " $* " != *" $part "* ]]; then continue; fi
  ts=()
  for lang in "${languages[@]}"; do
    file="$root/translations/${part}_${lang}.ts"
    if [ "$check" = 1 ]; then
      if [ -f "$file" ]; then cp "$file" "$work/"; fi
      file="$work/${part}_${lang}.ts"
    fi
    ts+=("$file")
  done
  dirs=()
  for f in $folders; do dirs+=("$root/$f"); done
  (cd "$root" && "$lupdate" -silent -locations none -no-obsolete -no-ui-lines \
    -tr-function-alias QT_TRANSLATE_NOOP+=ORVANE_NOOP -extensions cpp,h \
    "${dirs[@]}" -ts "${ts[@]}")
  if [ "$check" = 1 ]; then
    for f in "${ts[@]}"; do
      missing=$(grep -c 'type="unfinished"' "$f" || true)
      if [ "$missing" != 0 ]; then
        echo "$(basename "$f"): $missing texts without a translation" >&2
        status=1
      fi
      if ! diff -q "$f" "$root/translations/$(basename "$f")" >/dev/null 2>&1; then
        echo "$(basename "$f"): not up to date with the sources; run scripts/update-translations.sh" >&2
        status=1
      fi
    done
  fi
done <"$root/translations/groups.txt"
exit $status
