#!/usr/bin/env bash
# Runs one command inside the test harness (private network namespace, own Xvfb display, the
# tree's Wine prefix), for working on Windows tests by hand:
#   scripts/with-wine.sh ctest --test-dir build/win -R win.Harness --output-on-failure
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
source scripts/harness.sh
harness_enter_netns "$0" "$@"
trap harness_stop EXIT
harness_start_display
harness_prepare_prefix "$repo/build/wineprefix"
"$@"
