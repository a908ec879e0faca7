# Shared helpers for the end-to-end scripts: start the real viewer on an X server of the
# case's own with a private profile, drive it by keyboard, pointer and drops, and judge it
# from screenshots.
# Expects DORVANE, MAKE_VOLUME, DRAG_FILES and E2E_ARTEFACTS in the environment.

set -euo pipefail
export LC_ALL=C.UTF-8

source "$(dirname "${BASH_SOURCE[0]}")/display.sh"
source "$(dirname "${BASH_SOURCE[0]}")/pointer.sh"
source "$(dirname "${BASH_SOURCE[0]}")/picture.sh"
# Each case shows the viewer on an X server of its own, so that cases can run side by side
# without taking each other's keyboard focus; one that needs a display of another kind
# makes it itself and says so with OWN_DISPLAY=1.
[ -n "${OWN_DISPLAY:-}" ] || start_xvfb -screen 0 1280x1024x24
: "${DORVANE:?path of the dorvane binary}"
: "${MAKE_VOLUME:?path of make_volume}"
: "${DRAG_FILES:?path of drag_files}"
: "${E2E_ARTEFACTS:?folder for screenshots and logs}"

# Kept after the run: screenshots and the viewer's output explain a failure.
ART="$E2E_ARTEFACTS"
rm -rf "$ART"
mkdir -p "$ART"
WORK=$(mktemp -d)
DATA="$WORK/data"
mkdir -p "$DATA"
APP_PID=""
MAIN=""

# ---- Reporting and clean-up --------------------------------------------------------------
fail() {
  echo "FAIL: $*" >&2
  # The viewer's own last words are shown too, since the artefacts may not outlive the run.
  if [ -s "$ART/stderr.log" ]; then
    echo "the viewer's standard error ended with:" >&2
    tail -n 40 "$ART/stderr.log" >&2
  fi
  echo "(screenshots and logs in $ART)" >&2
  exit 1
}

note() { echo "-- $*"; }

for program in "$DORVANE" "$MAKE_VOLUME" "$DRAG_FILES"; do
  [ -x "$program" ] || fail "expected the program $program built; it is not there"
done
for tool in xdotool xprop xwininfo import compare convert identify timeout od; do
  command -v "$tool" >/dev/null || fail "expected $tool installed (xdotool, x11-utils, imagemagick); it is not"
done

stop_app() {
  if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then
    kill "$APP_PID" 2>/dev/null || true
    for _ in $(seq 30); do
      kill -0 "$APP_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill -9 "$APP_PID" 2>/dev/null || true
  fi
  APP_PID=""
}

cleanup() {
  stop_app
  rm -rf "$WORK"
  stop_servers
}
trap cleanup EXIT

# ---- Waiting -----------------------------------------------------------------------------
# Every X client call is bounded, so a wedged server or viewer cannot hang a test.
x() { timeout 10 "$@"; }

# wait_until SECONDS COMMAND...: polls COMMAND every 0.1 s; false when time runs out.
wait_until() {
  local deadline=$(($(date +%s%N) + $1 * 1000000000))
  shift
  until "$@"; do
    [ "$(date +%s%N)" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# fields ROW NAME...: splits a table row at "|" into the named variables, each trimmed.
fields() {
  local row=$1 name value
  shift
  for name in "$@"; do
    value=${row%%|*}
    if [ "$value" = "$row" ]; then row=""; else row=${row#*|}; fi
    value=${value#"${value%%[![:space:]]*}"}
    value=${value%"${value##*[![:space:]]}"}
    printf -v "$name" '%s' "$value"
  done
}

# ---- Volume files ------------------------------------------------------------------------
volume() { # volume SHAPE PATH [OPTIONS...]: writes a volume of that shape
  "$MAKE_VOLUME" "$@" >/dev/null
}

short_file() { # short_file BYTES PATH
  "$MAKE_VOLUME" --bytes "$1" --fill 1 "$2" >/dev/null
}

# ---- Windows and captions ----------------------------------------------------------------
# Windows of the viewer, mapped, whose title is exactly $1 (xdotool matches
# regexes without regard to case, so the title is compared again here).
windows_titled() {
  local w
  for w in $(x xdotool search --all --onlyvisible --pid "$APP_PID" --name "^$1\$" 2>/dev/null); do
    [ "$(title_of "$w")" = "$1" ] && echo "$w"
  done
  return 0
}

title_of() {
  x xprop -id "$1" -notype _NET_WM_NAME 2>/dev/null |
    sed -n 's/^_NET_WM_NAME = "\(.*\)"$/\1/p' | sed 's/\\\(.\)/\1/g'
}

caption() { title_of "$MAIN"; }

# ---- Starting the viewer -----------------------------------------------------------------
# start_app [ARGS...]: starts the viewer with an empty profile and waits for its window;
# with E2E_WM=openbox, under that window manager.
start_app() {
  launch_app "$@"
  wait_main_window
}

launch_app() {
  [ "${E2E_WM:-}" = openbox ] && ! wm_running && start_wm
  export XDG_CONFIG_HOME="$WORK/config" HOME="$WORK/home"
  # GTK's settings would otherwise go to a dconf daemon that is not there.
  export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1
  rm -rf "$XDG_CONFIG_HOME" "$HOME"
  mkdir -p "$XDG_CONFIG_HOME" "$HOME"
  "$DORVANE" "$@" >"$ART/stdout.log" 2>"$ART/stderr.log" &
  APP_PID=$!
}

wait_main_window() {
  wait_until 15 main_window_found ||
    fail "expected a window titled exactly \"Dorvane\" within 15 s; saw none (viewer $(app_state))"
  # The first frame is drawn after mapping; give it time to reach the screen.
  wait_until 5 view_settled || true
}

main_window_found() {
  MAIN=$(windows_titled Dorvane | while read -r w; do is_dialog "$w" || echo "$w"; done | head -n1)
  [ -n "$MAIN" ]
}

app_state() {
  if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then echo "running"; else echo "not running"; fi
}

# ---- Keyboard, menus and dialogs ---------------------------------------------------------
focus() { x xdotool windowfocus --sync "$1"; }

# keys KEY...: typed as a person would, into the window that has the keyboard.
keys() { x xdotool key --delay 60 "$@"; }

# menu ALT_LETTER ITEM_LETTER: opens a menu by its mnemonic and picks an item.
menu() {
  focus "$MAIN"
  keys "alt+$1"
  wait_until 5 popup_shown || fail "expected the menu of Alt+$1 to open; no menu appeared"
  keys "$2"
  wait_until 5 no_popup || fail "expected the menu to close after picking '$2'; it stays open"
}

# A menu shows as a mapped popup-menu window of the viewer's.
popup_windows() {
  local w
  for w in $(x xdotool search --all --onlyvisible --pid "$APP_PID" --name '' 2>/dev/null); do
    x xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_POPUP_MENU && echo "$w"
  done
  return 0
}
popup_shown() { [ -n "$(popup_windows)" ]; }
no_popup() { [ -z "$(popup_windows)" ]; }

is_dialog() { x xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_DIALOG; }

# A dialog is any other mapped window of the viewer's titled $1.
dialogs_titled() {
  local w
  for w in $(windows_titled "$1"); do
    [ "$w" != "$MAIN" ] && echo "$w"
  done
  return 0
}
dialog_shown() { [ -n "$(dialogs_titled "$1")" ]; }
no_dialog() { [ -z "$(dialogs_titled "$1")" ]; }

# expect_no_message_box WHEN [COUNT]: none is up, and (in a debug build) standard error
# holds COUNT message texts, none more.
expect_no_message_box() {
  no_dialog Dorvane || fail "expected no message box $1; one is up"
  [ "${E2E_DEBUG_BUILD:-0}" = 1 ] || return 0
  [ "$(message_count)" = "${2:-0}" ] || fail "expected no message box $1; saw: $(messages | tail -n +$((${2:-0} + 1)))"
}

# wait_dialog TITLE: prints the id of the dialog once it is up.
wait_dialog() {
  wait_until 10 dialog_shown "$1" ||
    fail "expected a dialog titled \"$1\"; none appeared (viewer $(app_state))"
  dialogs_titled "$1" | head -n1
}

# dismiss TITLE KEY: closes the dialog with KEY and waits for it to go.
dismiss() {
  local d
  d=$(dialogs_titled "$1" | head -n1)
  [ -n "$d" ] || fail "expected a dialog titled \"$1\" to dismiss; there is none"
  focus "$d"
  keys "$2"
  wait_until 5 no_dialog "$1" || fail "expected \"$2\" to close the dialog \"$1\"; it is still open"
}

# ---- Opening and dropping files ----------------------------------------------------------
# open_file PATH: File, Open, then the path typed into the file chooser.
open_file() {
  local chooser
  menu f o
  chooser=$(wait_dialog Open)
  focus "$chooser"
  keys ctrl+l
  sleep 0.3
  x xdotool type --delay 15 "$1"
  sleep 0.2
  keys Return
  wait_until 10 no_dialog Open || fail "expected the file chooser to close after Enter on $1; it stays"
}

drop() { # drop PATH...: drops the paths on the main window
  printf '%s\n' "$@" | x "$DRAG_FILES" "$MAIN" - >>"$ART/drag_files.log" 2>&1 ||
    fail "expected drag_files to deliver $* to the viewer; it failed (see $ART/drag_files.log)"
}

expect_caption() {
  local seen
  wait_until 5 caption_is "$1" || {
    seen=$(caption)
    fail "expected the caption \"$1\"; saw \"$seen\""
  }
}
caption_is() { [ "$(caption)" = "$1" ]; }

# ---- Messages and menus on screen --------------------------------------------------------
# A debug build writes each message box's text to standard error; E2E_DEBUG_BUILD says
# whether the viewer is one.
messages() { grep -F "Message box:" "$ART/stderr.log" || true; }
message_count() { messages | wc -l; }

expect_new_message() { # expect_new_message COUNT_BEFORE TEXT: a message since then says TEXT
  local new
  [ "${E2E_DEBUG_BUILD:-0}" = 1 ] || return 0
  new=$(messages | tail -n +$(($1 + 1)))
  grep -qF "$2" <<<"$new" ||
    fail "expected a new line \"Message box: ...$2...\" on standard error; saw: ${new:-nothing}"
}

# menu_picture ALT_LETTER NAME: opens the menu, keeps a screenshot of it, and leaves it open.
menu_picture() {
  focus "$MAIN"
  keys "alt+$1"
  wait_until 5 popup_shown || fail "expected the menu of Alt+$1 to open; no menu appeared"
  sleep 0.3
  shot "$2" "$(popup_windows | head -n1)"
}

close_menu() {
  keys Escape
  wait_until 5 no_popup || fail "expected Escape to close the menu; it stays open"
}

# A few thousand cubes: frames quick enough to see turning even on a busy machine.
# shellcheck disable=SC2034 # for the scripts that source this
LIGHT_VOLUME=(noise --density 0.005)

# ---- Loading and leaving -----------------------------------------------------------------
# load SHAPE [OPTIONS...]: drops a volume of that shape and waits until it is drawn and still.
load() {
  volume "$1" "$DATA/$1.vol" "${@:2}"
  drop "$DATA/$1.vol"
  expect_caption "$DATA/$1.vol"
  wait_volume_drawn "after dropping a $1"
}

# Ended, or ended and not yet waited for.
app_gone() { ! kill -0 "$APP_PID" 2>/dev/null || [[ "$(ps -o stat= -p "$APP_PID")" == Z* ]]; }

# exit_by_menu WHEN: File, Exit must end the viewer within 5 s with status 0, asking nothing.
exit_by_menu() {
  local status=0 w shown=""
  menu f x
  if ! wait_until 5 app_gone; then
    for w in $(x xdotool search --all --onlyvisible --pid "$APP_PID" --name '' 2>/dev/null); do
      shown+=" \"$(title_of "$w")\""
    done
    fail "expected the viewer to end within 5 s of File, Exit $1; it still runs, showing${shown:- nothing}"
  fi
  wait "$APP_PID" || status=$?
  APP_PID=""
  [ "$status" = 0 ] || fail "expected exit status 0 from File, Exit $1; saw $status"
}

