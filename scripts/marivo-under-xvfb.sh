# Sourced by scripts/screenshot and scripts/time-startup: a virtual X display
# and a copy of the built program folder, so that the settings under
# build/bin/dat stay as they are.
#   start_display; copy_program BUILD; start_program; wait_for_window
# After these: $DISPLAY, $home (the copy), $program (its process), $window.

# Xvfb picks a free display itself and writes its number once it accepts
# clients, so a busy machine or a display left over by another run cannot
# make the program start without one. -noreset keeps the server as it is
# when its last client leaves (the readiness check, or one program run of
# several), instead of resetting it under the next client's start.
start_display() {
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$number_file" >/dev/null 2>&1 &
  xvfb=$!
  program=""
  home=""
  trap 'clean_up' EXIT
  until [ -s "$number_file" ]; do
    kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
    sleep 0.05
  done
  export DISPLAY=:$(tr -d '\n' <"$number_file")
  rm -f "$number_file"
  xdpyinfo >/dev/null 2>&1 || { echo "no display at $DISPLAY" >&2; exit 1; }
}

# Ends the program and the display and removes the program's copy.
clean_up() {
  kill $program "$xvfb" 2>/dev/null || true
  [ -n "$program" ] && wait "$program" 2>/dev/null || true
  [ -n "$home" ] && rm -rf "$home"
}

copy_program() {
  [ -x "$1/bin/marivo" ] || { echo "no $1/bin/marivo: run scripts/build first" >&2; exit 1; }
  home=$(mktemp -d)
  cp -r "$1/bin/." "$home/"
}

start_program() {
  "$home/marivo" 2>/dev/null &
  program=$!
}

wait_for_window() {
  window=""
  until window=$(xdotool search --onlyvisible --name '澄岚八字合婚' 2>/dev/null | head -1) && [ -n "$window" ]; do
    kill -0 "$program" 2>/dev/null || { echo "Marivo ended before its window appeared" >&2; exit 1; }
    sleep 0.005
  done
}

stop_program() {
  kill "$program"
  wait "$program" 2>/dev/null || true
  program=""
}
