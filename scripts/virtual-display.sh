# Sourced by the scripts that run Windows programs without a display of their own:
#   start_virtual_display   starts Xvfb on a free display and openbox on it; exports DISPLAY
#   stop_virtual_display    stops both (only the processes started here)
# openbox gives the windows captions and focus; without a window manager Wine stalls on every
# DestroyWindow.

virtual_display_pids=()

start_virtual_display() {
  local fdfile
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  virtual_display_pids+=($!)
  local tries=0
  while [ ! -s "$fdfile" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 200 ] || ! kill -0 "${virtual_display_pids[0]}" 2>/dev/null; then
      echo "virtual display: Xvfb did not start" >&2; rm -f "$fdfile"; return 1
    fi
    sleep 0.05
  done
  export DISPLAY=":$(tr -dc 0-9 <"$fdfile")"
  rm -f "$fdfile"
  openbox --sm-disable >/dev/null 2>&1 &
  virtual_display_pids+=($!)
  # openbox is ready when it has claimed the root window as the window manager.
  tries=0
  until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    tries=$((tries + 1))
    if [ "$tries" -gt 200 ]; then echo "virtual display: openbox did not start" >&2; return 1; fi
    sleep 0.05
  done
}

stop_virtual_display() {
  local pid
  for pid in "${virtual_display_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${virtual_display_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  virtual_display_pids=()
}

# wait_for_window PID SECONDS XDOTOOL-SEARCH-ARGS...: prints the id of the first visible window
# that "xdotool search" finds (e.g. --name '^Calvo$') once it shows. Polled rather than with
# --sync, which gives up on an X error (BadWindow) when a window closes while it looks, as Wine's
# own do while it starts. Fails, saying why, when the process PID ends first or time runs out.
wait_for_window() {
  local pid=$1 deadline=$((SECONDS + $2)) window status
  shift 2
  until window=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1) && [ -n "$window" ]; do
    if ! kill -0 "$pid" 2>/dev/null; then
      status=0; wait "$pid" || status=$?
      echo "the program ended with status $status before its window ($*) appeared" >&2; return 1
    fi
    [ "$SECONDS" -lt "$deadline" ] || { echo "no window ($*) appeared within $2 s" >&2; return 1; }
    sleep 0.2
  done
  echo "$window"
}

# wait_until_drawn: returns once the screen stops changing (two grabs alike, 0.2 s apart; 10 s
# at most), so that a screenshot shows what a window has finished drawing.
wait_until_drawn() {
  local previous="" current
  for _ in $(seq 50); do
    current=$(import -display "$DISPLAY" -window root rgb:- | md5sum)
    [ "$current" = "$previous" ] && return
    previous=$current
    sleep 0.2
  done
}
