# Shared helpers for the end-to-end scripts: start the real viewer on an X server of the
# case's own with a private profile, drive it by keyboard, pointer and drops, and judge it
# from screenshots.
# Expects DORVANE, MAKE_VOLUME, XDND_DROP and E2E_ARTEFACTS in the environment.

set -euo pipefail
export LC_ALL=C.UTF-8

source "$(dirname "${BASH_SOURCE[0]}")/display.sh"
source "$(dirname "${BASH_SOURCE[0]}")/pointer.sh"
# Each case shows the viewer on an X server of its own, so that cases can run side by side
# without taking each other's keyboard focus; one that needs a display of another kind
# makes it itself and says so with OWN_DISPLAY=1.
[ -n "${OWN_DISPLAY:-}" ] || start_xvfb -screen 0 1280x1024x24
: "${DORVANE:?path of the dorvane binary}"
: "${MAKE_VOLUME:?path of make_volume}"
: "${XDND_DROP:?path of xdnd_drop}"
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

fail() {
  echo "FAIL: $*" >&2
  echo "(screenshots and logs in $ART)" >&2
  exit 1
}

note() { echo "-- $*"; }

for program in "$DORVANE" "$MAKE_VOLUME" "$XDND_DROP"; do
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

volume() { # volume SHAPE PATH [OPTIONS...]: writes a volume of that shape
  "$MAKE_VOLUME" "$@" >/dev/null
}

short_file() { # short_file BYTES PATH
  "$MAKE_VOLUME" --bytes "$1" --fill 1 "$2" >/dev/null
}

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
  x "$XDND_DROP" "$MAIN" "$@" >>"$ART/xdnd_drop.log" 2>&1 ||
    fail "expected xdnd_drop to deliver $* to the viewer; it failed (see $ART/xdnd_drop.log)"
}

expect_caption() {
  local seen
  wait_until 5 caption_is "$1" || {
    seen=$(caption)
    fail "expected the caption \"$1\"; saw \"$seen\""
  }
}
caption_is() { [ "$(caption)" = "$1" ]; }

# shot NAME [WINDOW]: screenshot of the window (the main one by default), kept as NAME.png.
shot() {
  local file
  # ImageMagick reads %, [ and such in a file name as formats, so names keep to plain characters.
  file="$ART/$(printf '%s' "$1" | tr -c 'A-Za-z0-9._+-' '_').png"
  x import -window "${2:-$MAIN}" "$file"
  echo "$file"
}

differing_pixels() { # differing_pixels A B
  x compare -metric AE "$1" "$2" null: 2>&1 || true
}

same_picture() { [ "$(differing_pixels "$1" "$2")" = 0 ]; }

expect_same() { # expect_same A B WHAT
  local n
  n=$(differing_pixels "$1" "$2")
  [ "$n" = 0 ] || fail "expected $3: $(basename "$1") and $(basename "$2") equal; they differ in $n pixels"
}

expect_different() { # expect_different A B WHAT
  local n
  n=$(differing_pixels "$1" "$2")
  [ "$n" != 0 ] || fail "expected $3: $(basename "$1") and $(basename "$2") to differ; they are equal"
}

# View geometry WxH+X+Y inside the main window: the OpenGL child window, the largest one.
view_geometry() {
  x xwininfo -tree -id "$MAIN" |
    sed -nE 's/^ +0x[0-9a-f]+ .*: \(.*\) +([0-9]+)x([0-9]+)\+(-?[0-9]+)\+(-?[0-9]+) .*/\1 \2 \3 \4/p' |
    awk '{ if ($1 * $2 > best) { best = $1 * $2; g = $1 "x" $2 "+" $3 "+" $4 } } END { print g }'
}

# lit_pixels IMAGE GEOMETRY: how many pixels in the region are not black.
lit_pixels() {
  x convert "$1" -crop "$2" +repage -colorspace gray -threshold 3% -format '%[fx:round(mean*w*h)]' info:
}

view_region() { # the view less a margin, so that borders never count
  local w h px py
  IFS='x+' read -r w h px py <<<"$(view_geometry)"
  echo "$((w - 8))x$((h - 8))+$((px + 4))+$((py + 4))"
}

expect_black_view() { # expect_black_view IMAGE WHY
  local n
  n=$(lit_pixels "$1" "$(view_region)")
  [ "$n" = 0 ] || fail "expected the view black $2; $n pixels of $(basename "$1") are lit"
}

expect_lit_view() { # expect_lit_view IMAGE WHY
  local n
  n=$(lit_pixels "$1" "$(view_region)")
  [ "$n" -gt 500 ] || fail "expected the volume drawn in the view $2; only $n pixels of $(basename "$1") are lit"
}

# A frame of many cubes can take seconds to draw and shows only when done, so the picture
# is at rest once the viewer has stopped working and the screen stays the same.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$APP_PID/stat"; }
app_idle() {
  local before
  before=$(cpu_ticks)
  sleep 0.3
  [ $(($(cpu_ticks) - before)) -le 1 ]
}
view_settled() { app_idle && still settle; }
settle() { wait_until 15 view_settled || fail "expected the picture to come to rest; it keeps changing"; }

# What a dialog left over the view stays on the screen until the view draws again,
# so a volume has arrived when its cubes light part, not most, of the view.
volume_drawn() {
  local lit w h
  lit=$(lit_pixels "$(shot drawn)" "$(view_region)")
  IFS='x+' read -r w h _ <<<"$(view_region)"
  [ "$lit" -gt 0 ] && [ "$lit" -lt $((w * h / 2)) ]
}

wait_volume_drawn() { # wait_volume_drawn WHY
  wait_until 15 volume_drawn ||
    fail "expected the volume drawn in the view $1 (some, not most, pixels lit); $(lit_pixels "$(shot not-drawn)" "$(view_region)") of $(view_region) are lit"
  settle
}

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

view_top() { local g; g=$(view_geometry); echo "${g##*+}"; }

# Every frame the view draws turns the volume 3 degrees, repaints included, so a still
# picture is judged by its outline, which a sphere keeps as it turns: the box around
# its lit pixels and how many there are.
outline() { # outline IMAGE: prints "W H X Y LIT" of the lit part of the view
  x convert "$1" -crop "$(view_region)" +repage -colorspace gray -threshold 3% \
    -format '%@ %[fx:round(mean*w*h)]' info: | tr 'x+' '  '
}

expect_same_outline() { # expect_same_outline A B WHAT
  local a b
  read -r -a a <<<"$(outline "$1")"
  read -r -a b <<<"$(outline "$2")"
  local i off=0
  for i in 0 1 2 3; do
    [ $((a[i] - b[i])) -le 3 ] && [ $((b[i] - a[i])) -le 3 ] || off=1
  done
  [ $((a[4] - b[4])) -le $((a[4] / 25)) ] && [ $((b[4] - a[4])) -le $((a[4] / 25)) ] || off=1
  [ "${a[4]}" -gt 0 ] || off=1
  [ "$off" = 0 ] ||
    fail "expected $3: the lit part of $(basename "$2") like that of $(basename "$1"), ${a[0]}x${a[1]}+${a[2]}+${a[3]} with ${a[4]} pixels (3 pixels, 4% off at most); saw ${b[0]}x${b[1]}+${b[2]}+${b[3]} with ${b[4]} pixels"
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

# turning NAME: three screenshots half a second apart, each unlike the one before (one
# change alone may be a repaint where a menu or dialog was).
turning() {
  local a b c
  a=$(shot "$1-a")
  sleep 0.5
  b=$(shot "$1-b")
  sleep 0.5
  c=$(shot "$1-c")
  ! same_picture "$a" "$b" && ! same_picture "$b" "$c"
}

expect_turning() { # expect_turning NAME WHY
  turning "$1" ||
    fail "expected the volume to turn $2: of $1-a.png, $1-b.png and $1-c.png, 0.5 s apart, two in a row are equal"
}

still() { # still NAME: two screenshots half a second apart are equal
  local a b
  a=$(shot "$1-a")
  sleep 0.5
  b=$(shot "$1-b")
  same_picture "$a" "$b"
}

expect_still() { # expect_still NAME WHY
  still "$1" ||
    fail "expected the volume still $2: $1-a.png and $1-b.png, 0.5 s apart, differ in $(differing_pixels "$ART/$1-a.png" "$ART/$1-b.png") pixels"
}

# A few thousand cubes: frames quick enough to see turning even on a busy machine.
# shellcheck disable=SC2034 # for the scripts that source this
LIGHT_VOLUME=(noise --density 0.005)

# load SHAPE [OPTIONS...]: drops a volume of that shape and waits until it is drawn and still.
load() {
  volume "$1" "$DATA/$1.vol" "${@:2}"
  drop "$DATA/$1.vol"
  expect_caption "$DATA/$1.vol"
  wait_volume_drawn "after dropping a $1"
}

# view_moved "above|at TOP" "over|at HEIGHT": the view's top and height compared so.
view_moved() {
  local w h px py
  IFS='x+' read -r w h px py <<<"$(view_geometry)"
  # shellcheck disable=SC2086 # each is a relation and a bound: "above 53"
  compared "$py" $1 && compared "$h" $2
}
compared() { # compared VALUE above|over|at BOUND
  case $2 in
    above) [ "$1" -lt "$3" ] ;;
    over) [ "$1" -gt "$3" ] ;;
    at) [ "$1" -eq "$3" ] ;;
  esac
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

