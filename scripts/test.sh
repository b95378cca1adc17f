#!/usr/bin/env bash
# Installs what is missing, builds and runs every test, quickest verdict
# first: the suite itself (build/), the suite again under AddressSanitizer
# and UndefinedBehaviorSanitizer (build-asan/), then a short bounded run of
# each fuzz target (build-fuzz/). A stage that fails does not stop the
# others; the summary at the end gives each stage's verdict and duration,
# and the exit status is non-zero when any stage failed.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${ORVANE_JOBS:-2}
if ! "$root/scripts/install-deps.sh"; then
  echo "test.sh: installing the packages failed; nothing was built or run."
  exit 1
fi
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

# Exit status 2 from a stage means its build failed, anything else non-zero
# that a test or fuzz run did.
suite() {
  ORVANE_JOBS=$jobs "$root/scripts/build.sh" || return 2
  (cd "$root/build" && ctest --output-on-failure -j"$jobs" --timeout 900)
}

summary=()
failed=0
stage() {
  local name=$1 start=$SECONDS verdict code
  shift
  echo "== $name"
  "$@"
  code=$?
  case $code in
    0) verdict=passed ;;
    2) verdict="failed to build"; failed=1 ;;
    *) verdict=failed; failed=1 ;;
  esac
  summary+=("$name: $verdict ($((SECONDS - start)) s)")
  echo "== $name: $verdict"
}

stage suite suite
stage sanitizers "$root/scripts/sanitize.sh" "$root/build-asan"
stage fuzzing "$root/scripts/fuzz.sh" "$root/build-fuzz" "${ORVANE_FUZZ_SECONDS:-30}"

echo "== Summary"
printf '%s\n' "${summary[@]}"
exit $failed
