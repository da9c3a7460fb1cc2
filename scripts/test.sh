#!/usr/bin/env bash
# Installs what is missing, builds both trees and runs every test: host tests, Windows tests
# and end-to-end tests under Wine, and a short run of every fuzz target. Everything runs in a
# private network namespace where only loopback exists.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"

if [[ -z "${KORVALE_NETNS:-}" ]]; then
  scripts/setup.sh
fi
source scripts/harness.sh
harness_enter_netns "$0" "$@"
trap harness_stop EXIT

scripts/build.sh --fuzz

status=0
echo "== host tests"
ctest --test-dir build/host --output-on-failure -j2 || status=1

harness_start_display
harness_prepare_prefix "$repo/build/wineprefix"
echo "== Windows and end-to-end tests (Wine, DISPLAY=$DISPLAY)"
ctest --test-dir build/win --output-on-failure || status=1

echo "== fuzz smoke runs"
scripts/fuzz.sh 20 || status=1

exit $status
