#!/usr/bin/env bash
# A display where OpenGL cannot be had: an X server without GLX ("no-glx") or an 8-bit
# one, for which there is no OpenGL visual ("depth8"). The viewer says "ChoosePixelFormat
# failed" once, then shows its window, which draws nothing but does everything else:
# menus, About, File, Open, Play and its check mark, drops, and File, Exit with status 0
# and the profile written, on every road out. The toolkit draws nothing a screenshot can
# read on an 8-bit display, so there only what is not a picture is checked.
OWN_DISPLAY=1
source "$(dirname "$0")/lib.sh"

case ${1:?no-glx or depth8} in
  no-glx) start_xvfb -screen 0 1280x1024x24 -extension GLX && pictures=1 ;;
  depth8) start_xvfb -screen 0 1280x1024x8 && pictures=0 ;;
esac
with_pictures() { [ "$pictures" = 1 ]; }

volume cell "$DATA/cell.vol"
volume sphere "$DATA/sphere.vol"

# start_without_opengl: the message at start, answered, then the main window.
start_without_opengl() {
  local box
  launch_app
  box=$(wait_dialog Dorvane)
  shot start-message "$box" >/dev/null
  focus "$box"
  keys Return
  wait_main_window
  expect_new_message 0 "ChoosePixelFormat failed"
}

view_picture() { # view_picture NAME: a screenshot of the view alone
  local file
  file=$(shot "$1")
  x convert "$file" -crop "$(view_region)" +repage "$file"
  echo "$file"
}

expect_clean_stderr() { # expect_clean_stderr WHEN
  local noise
  noise=$(grep -v -e '^Message box: ' -e '^$' "$ART/stderr.log" || true)
  [ -z "$noise" ] || fail "expected nothing on standard error $1 but the message boxes; saw: $noise"
}

expect_profile_lists() { # expect_profile_lists PATH
  grep -qxF "File1=$1" "$XDG_CONFIG_HOME/Dorvane/Dorvane.conf" 2>/dev/null ||
    fail "expected the profile to list $1 first after File, Exit; it holds: $(cat "$XDG_CONFIG_HOME/Dorvane/Dorvane.conf" 2>/dev/null)"
}

note "start: the message once, then the window"
start_without_opengl

note "About"
menu h a
wait_dialog "About Dorvane" >/dev/null
dismiss "About Dorvane" Escape

note "File, Open reads the volume without a second message"
open_file "$DATA/cell.vol"
expect_caption "Dorvane"
sleep 1
expect_no_message_box "after File, Open without OpenGL" 1

note "Play, with its check mark; its ticks draw nothing"
unplayed=$(menu_picture f file-menu-stopped)
close_menu
menu f p
played=$(menu_picture f file-menu-playing)
close_menu
if with_pictures; then
  expect_different "$unplayed" "$played" "the check mark on File, Play once playing"
  expect_still no-frames "while playing without OpenGL"
fi

note "a drop is taken: the caption names it, nothing is drawn"
before_drop=$(view_picture before-drop)
drop "$DATA/sphere.vol"
expect_caption "$DATA/sphere.vol"
sleep 1
with_pictures && expect_same "$before_drop" "$(view_picture after-drop)" "nothing drawn in the view after a drop without OpenGL"

exit_by_menu "while playing without OpenGL"
expect_profile_lists "$DATA/cell.vol"
expect_clean_stderr "in a whole session"

# Other roads out, each in a session of its own.
# road                 | steps before File, Exit
roads=("a drop just posted  | drop_and_exit")
with_pictures && roads+=("toolbar floating    | float_bar")
float_bar() {
  find_bar || fail "expected the toolbar on the window; none found"
  drag "$MAIN" "$GX" "$GY" "$MAIN" $(($(view_width) / 2)) $(($(view_top) + 100))
  pointer_away
  expect_bar floating horizontal "after dragging it into the view"
  exit_by_menu "with the toolbar floating"
}
drop_and_exit() {
  drop "$DATA/sphere.vol"
  exit_by_menu "right after a drop"
}
for row in "${roads[@]}"; do
  fields "$row" road steps
  note "File, Exit with $road"
  start_without_opengl
  open_file "$DATA/cell.vol"
  "$steps"
  expect_profile_lists "$DATA/cell.vol"
  expect_clean_stderr "on the way out with $road"
done
echo "PASS"
