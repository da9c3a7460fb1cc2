# Sourced by test.sh and run.sh: a private network namespace check, an Xvfb display of our
# own and a private Wine prefix that runs every program in a virtual desktop. Everything
# started here is recorded and stopped by harness_stop, by process id.

harness_pids=()
trap 'echo "harness: failed: $BASH_COMMAND (line $LINENO of ${BASH_SOURCE[0]})" >&2' ERR

# Re-executes the calling script inside a private network namespace with only loopback.
harness_enter_netns() {
  if [[ -z "${KORVALE_NETNS:-}" ]]; then
    exec unshare --net env KORVALE_NETNS=1 "$@"
  fi
  ip link set lo up
  local links
  links=$(ip -o link show | awk -F': ' '{print $2}')
  if [[ "$links" != "lo" ]]; then
    echo "harness: interfaces other than lo are present: $links" >&2
    exit 1
  fi
}

harness_start_display() {
  # Xvfb picks a free display itself and writes its number, so harnesses started at the
  # same moment never share one.
  local numberfile
  numberfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numberfile" >/dev/null 2>&1 &
  harness_pids+=($!)
  for _ in $(seq 100); do
    if [[ -s "$numberfile" ]]; then
      export DISPLAY=":$(tr -d '[:space:]' <"$numberfile")"
      rm -f "$numberfile"
      return 0
    fi
    sleep 0.1
  done
  rm -f "$numberfile"
  echo "harness: Xvfb did not start" >&2
  return 1
}

# What a prefix is made with: a prefix made with other fonts or another Wine (one made before
# Wine's fonts were installed lays the window out in a wider face) is made again.
harness_prefix_recipe() {
  echo "korvale prefix 3: 1280x1024 desktop with shell"
  wine --version
  ls /usr/share/wine/fonts 2>/dev/null || true
}

# Creates the prefix once; later runs reuse it while its recipe stays the same. The registry
# keys put every program of the prefix in a 1280x1024 virtual desktop with a taskbar and a
# notification area. Wine's own fonts (MS Sans Serif and Tahoma for the layout, Marlett for
# the caption buttons) are copied in, since this build does not find them where the
# distribution puts them.
harness_prepare_prefix() {
  export WINEPREFIX=$1
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  if [[ ! -f /usr/share/wine/fonts/marlett.ttf ]]; then
    echo "harness: Wine's fonts are missing (scripts/setup.sh installs fonts-wine): texts will not fit" >&2
  fi
  local recipe
  recipe=$(harness_prefix_recipe)
  if [[ "$(cat "$WINEPREFIX/.korvale-recipe" 2>/dev/null)" != "$recipe" ]]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops\Default' /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1
    cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    wineserver -w
    printf '%s\n' "$recipe" >"$WINEPREFIX/.korvale-recipe"
  fi
  # A persistent server keeps the start of every test process short; one that is running
  # for this prefix already serves as well.
  wineserver -p 2>/dev/null || true
  harness_wine_started=1
}

harness_stop() {
  if [[ -n "${harness_wine_started:-}" ]]; then
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
  fi
  local pid
  for pid in "${harness_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}
