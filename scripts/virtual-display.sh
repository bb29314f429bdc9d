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
