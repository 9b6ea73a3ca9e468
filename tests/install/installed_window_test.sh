#!/usr/bin/env bash
# The installed window, started under a virtual X server by a user with a
# home folder of its own: it starts, fills the per-user data folder, writes
# its settings there when closed, starts again from them, and writes nothing
# into the install. The installed desktop entry and AppStream
# metadata are checked with their validators when those are present.
#   installed_window_test.sh CMAKE BUILD_DIR APP_ID
set -euo pipefail
cmake=$1 build=$2 id=$3
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "$tool missing: skipped"; exit 77; }
done

tmp=$(mktemp -d)
xvfb="" program=""
cleanup() { kill $program $xvfb 2>/dev/null || true; rm -rf "$tmp"; }
trap cleanup EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

DESTDIR=$tmp/dest "$cmake" --install "$build" --prefix /usr >/dev/null
prefix=$tmp/dest/usr
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
fi
QT_QPA_PLATFORM=offscreen "$prefix/bin/marivo" --help | grep -q -- '--version' ||
  fail "marivo --help does not show its options"
installed() { (cd "$prefix" && find . -type f -exec md5sum {} + | sort); }
before=$(installed)

number_file=$tmp/display
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
xvfb=$!
until [ -s "$number_file" ]; do
  kill -0 "$xvfb" 2>/dev/null || fail "Xvfb did not start"
  sleep 0.05
done
export DISPLAY=:$(tr -d '\n' <"$number_file")
export HOME=$tmp/home
unset XDG_DATA_HOME
data=$HOME/.local/share/marivo
mkdir -p "$HOME"

start_window() {
  "$prefix/bin/marivo" >"$tmp/window.log" 2>&1 &
  program=$!
  local tries=0 window=""
  until window=$(xdotool search --onlyvisible --name '澄岚八字合婚' 2>/dev/null | head -1) && [ -n "$window" ]; do
    kill -0 "$program" 2>/dev/null || fail "the window ended before it appeared: $(cat "$tmp/window.log")"
    tries=$((tries + 1)); [ $tries -lt 600 ] || fail "no window after 30 s"
    sleep 0.05
  done
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 20)) click 1
}

# 文件(F) → 退出, the last item of the menu, as a user closes the window.
close_window() {
  local tries=0
  while kill -0 "$program" 2>/dev/null; do
    if [ $((tries % 40)) -eq 0 ]; then xdotool key --delay 100 Escape Escape alt+f Up Return; fi
    tries=$((tries + 1)); [ $tries -lt 400 ] || fail "the window did not close"
    sleep 0.05
  done
  wait "$program" || fail "the window ended with status $?"
  program=""
}

start_window
[ -f "$data/dat/bazi0.dat" ] || fail "no case store in $data/dat"
[ -f "$data/dat/dili.ini" ] || fail "the places were not copied into $data/dat"
close_window
[ -f "$data/dat/bzinit.ini" ] || fail "no settings file in $data/dat"

# Started again, the window reads the settings it wrote (and keeps them).
start_window
close_window
[ -f "$data/dat/bzinit.ini" ] || fail "the settings file went at the second start"
[ "$(installed)" = "$before" ] || fail "something was written into the install"
echo "installed window: ok"
