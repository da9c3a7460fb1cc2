#!/usr/bin/env bash
# Builds the demo program folder build/demo (the manager, three stand-in servers, the lamp
# pictures and a settings file that points every server at 127.0.0.1) and starts the manager
# there under Wine, inside a private network namespace where only loopback exists.
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

demo="$repo/build/demo"
mkdir -p "$demo"
cp build/win/bin/korvale.exe "$demo/"
for server in auth-node realm-node world-node; do
  cp build/win/bin/test-server.exe "$demo/$server.exe"
done
for lamp in red yellow green; do
  [[ -f build/host/pictures/$lamp.bmp ]] && cp "build/host/pictures/$lamp.bmp" "$demo/"
done

free_port() {
  local port=$1
  while ss -ltnH "sport = :$port" | grep -q .; do port=$((port + 1)); done
  echo "$port"
}

# The server sections are written anew on every run, so no address but 127.0.0.1 is ever
# probed; the [General] section of an earlier run is kept.
ini="$demo/korvale.ini"
general="[General]"
if [[ -f "$ini" ]]; then
  general=$(awk '/^\[General\]/{keep=1} /^\[/{if($0!="[General]")keep=0} keep' "$ini" | tr -d '\r')
  [[ -n "$general" ]] || general="[General]"
fi
# A quicker refresh than the default, so the demo's map server is seen starting within
# seconds; a rate saved by the manager is kept.
grep -q '^Rate=' <<<"$general" || general=$(printf '%s\nRate=2000' "$general")
login=$(free_port 6900)
char=$(free_port 6121)
map=$(free_port $((char + 1)))
{
  printf '[LoginServer]\r\nAddress=127.0.0.1\r\nPort=%s\r\nChecked=1\r\n' "$login"
  printf '[CharServer]\r\nAddress=127.0.0.1\r\nPort=%s\r\nChecked=1\r\n' "$char"
  printf '[MapServer]\r\nAddress=127.0.0.1\r\nPort=%s\r\nChecked=1\r\n' "$map"
  printf '%s\r\n' "$general" | sed 's/\r*$/\r/'
} >"$ini"

own_display=""
if [[ -z "${DISPLAY:-}" ]] || ! xdpyinfo >/dev/null 2>&1; then
  harness_start_display
  own_display=1
fi
harness_prepare_prefix "$repo/build/wineprefix"

echo "run: demo folder $demo (login $login, char $char, map $map on 127.0.0.1)"
cd "$demo"
wine "$demo/korvale.exe" "$@" </dev/null >"$repo/build/demo-wine.log" 2>&1 &
manager=$!
if [[ -n "$own_display" ]]; then
  sleep 10
  import -window root "$repo/build/demo/screenshot.png" 2>/dev/null || true
  echo "run: no DISPLAY was given, so the manager runs on its own Xvfb display $DISPLAY."
  echo "run: a screenshot is in build/demo/screenshot.png; take another with"
  echo "       DISPLAY=$DISPLAY import -window root shot.png"
  echo "run: the stand-in servers can be started by hand with"
  echo "       DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX wine $demo/auth-node.exe"
  echo "run: press Ctrl+C to end."
fi
wait "$manager"
