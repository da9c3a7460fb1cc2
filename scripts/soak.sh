#!/usr/bin/env bash
# The soak run (not part of make test): builds, then runs tests/soak's driver inside the
# harness (private network namespace, own Xvfb display, the tree's Wine prefix): first the
# skin soak on the main window in a program of its own, then the manager's run, whose
# length MINUTES sets (10 by default). The reports go to standard output and build/soak.log.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"

if [[ -z "${KORVALE_NETNS:-}" ]]; then
  scripts/setup.sh
  scripts/build.sh
fi
source scripts/harness.sh
harness_enter_netns "$0" "$@"
trap harness_stop EXIT
harness_start_display
harness_prepare_prefix "$repo/build/wineprefix"
# Into a file rather than a pipe: the stand-ins inherit the output, and one still running
# at the end would hold a pipe open.
status=0
wine build/win/bin/korvale_skin_soak.exe >build/soak.log 2>&1 || status=$?
wine build/win/bin/korvale_soak.exe "${MINUTES:-10}" >>build/soak.log 2>&1 || status=$?
cat build/soak.log
exit "$status"
