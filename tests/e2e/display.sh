# Displays of a test's own, for the cases that depend on what the display is: an X server
# with given options (another depth, no GLX), a window manager on it, or a headless
# Wayland session with or without XWayland. Sourced by lib.sh; what is started here
# ends with the test.

SERVER_PIDS=()
SERVER_LOGS=$(mktemp -d)

stop_servers() {
  local pid
  for pid in "${SERVER_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${SERVER_PIDS[@]}"; do
    timeout 5 tail --pid="$pid" -f /dev/null 2>/dev/null || kill -9 "$pid" 2>/dev/null || true
  done
  rm -rf "$SERVER_LOGS"
}

display_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# start_xvfb OPTIONS...: an X server of its own with the given options after the display
# number (-screen 0 WxHxD, -extension GLX, ...), set as $DISPLAY.
start_xvfb() {
  local number_file="$SERVER_LOGS/display-number"
  command -v Xvfb >/dev/null || display_fail "expected Xvfb installed (package xvfb); it is not"
  # -noreset: the server would otherwise reset whenever its last client leaves, between
  # two steps of a test, and refuse the next one for a moment.
  Xvfb -displayfd 3 -nolisten tcp -noreset "$@" 3>"$number_file" >"$SERVER_LOGS/xvfb.log" 2>&1 &
  SERVER_PIDS+=($!)
  for _ in $(seq 100); do
    [ -s "$number_file" ] && break
    sleep 0.1
  done
  [ -s "$number_file" ] || display_fail "expected Xvfb $* to start; it did not: $(cat "$SERVER_LOGS/xvfb.log")"
  export DISPLAY=":$(head -n1 "$number_file")"
}

# start_wm: openbox on $DISPLAY, once it has taken the screen.
start_wm() {
  command -v openbox >/dev/null || display_fail "expected openbox installed; it is not"
  openbox --sm-disable >"$SERVER_LOGS/openbox.log" 2>&1 &
  SERVER_PIDS+=($!)
  for _ in $(seq 100); do
    wm_running && return 0
    sleep 0.1
  done
  display_fail "expected openbox to manage the display within 10 s; it did not: $(cat "$SERVER_LOGS/openbox.log")"
}

# A window manager names a window of its own on the root window; the name outlives it,
# so the window itself must still be there.
wm_running() {
  local check
  check=$(timeout 5 xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*window id # //p')
  [ -n "$check" ] && timeout 5 xwininfo -id "$check" >/dev/null 2>&1
}

# start_weston [--xwayland]: a headless Wayland session of its own, set as
# $WAYLAND_DISPLAY; with XWayland, its X display is set as $DISPLAY, else DISPLAY is unset.
start_weston() {
  command -v weston >/dev/null || display_fail "expected weston installed; it is not"
  export XDG_RUNTIME_DIR="$SERVER_LOGS/runtime"
  mkdir -m 700 -p "$XDG_RUNTIME_DIR"
  export WAYLAND_DISPLAY=wayland-dorvane-test
  unset DISPLAY
  weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 "$@" \
    >"$SERVER_LOGS/weston.log" 2>&1 &
  SERVER_PIDS+=($!)
  local number=""
  for _ in $(seq 100); do
    if [ "${1:-}" = --xwayland ]; then
      number=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$SERVER_LOGS/weston.log")
      [ -n "$number" ] && break
    elif [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; then
      return 0
    fi
    sleep 0.1
  done
  [ -n "$number" ] || display_fail "expected weston $* to start within 10 s; it did not: $(tail -n 5 "$SERVER_LOGS/weston.log")"
  export DISPLAY="$number"
}
