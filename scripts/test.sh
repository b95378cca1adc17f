#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the suite itself,
# the suite again under AddressSanitizer and UndefinedBehaviorSanitizer, and
# a short bounded run of each fuzz target.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" || exit 1
"$root/scripts/build.sh" || exit 1
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

failed=()
echo "== Sanitizers (build-asan)"
"$root/scripts/sanitize.sh" "$root/build-asan" || failed+=(sanitizers)
echo "== Fuzzing (build-fuzz)"
"$root/scripts/fuzz.sh" "$root/build-fuzz" "${ORVANE_FUZZ_SECONDS:-30}" || failed+=(fuzzing)

echo "== Test suite (build)"
cd "$root/build" || exit 1
ctest --output-on-failure -j2 --timeout 900 || failed+=(suite)
if [ ${#failed[@]} -gt 0 ]; then
  echo "Failed: ${failed[*]}"
  exit 1
fi
