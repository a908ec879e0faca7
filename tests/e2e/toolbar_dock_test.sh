#!/usr/bin/env bash
# The toolbar dragged by its gripper with a real pointer: into the view it floats in a
# window of its own while the view takes its strip; to a side of the frame it docks
# there, upright on the left and right; back at the top it docks there again. Its buttons
# work wherever it is, View, Toolbar hides and shows it where it was, and the menus and
# the view still answer afterwards.
source "$(dirname "$0")/lib.sh"

# drop_point WHERE: "X Y" in the main window where the pointer lets go of the bar.
drop_point() {
  local w h vx vy main_w main_h
  IFS='x+' read -r w h vx vy <<<"$(view_geometry)"
  main_w=$(x xwininfo -id "$MAIN" | sed -n 's/^ *Width: //p')
  main_h=$(x xwininfo -id "$MAIN" | sed -n 's/^ *Height: //p')
  case $1 in
    view) echo "$((vx + w / 2)) $((vy + h / 2))" ;;
    left) echo "2 $((vy + h / 2))" ;;
    right) echo "$((main_w - 3)) $((vy + h / 2))" ;;
    bottom) echo "$((vx + w / 2)) $((main_h - 3))" ;;
    top) echo "$((vx + w / 2)) $((CLIENT_TOP + 2))" ;;
  esac
}

# The question mark opens the About box, wherever the bar is.
expect_about_from_bar() { # expect_about_from_bar WHERE
  find_bar
  click_at "$BAR_WINDOW" "$QX" "$QY"
  pointer_away
  wait_dialog "About Dorvane" >/dev/null
  dismiss "About Dorvane" Escape
}

start_app
load "${LIGHT_VOLUME[@]}"
expect_bar top horizontal "at start"
IFS='x+' read -r _ first_height _ first_top <<<"$(view_geometry)"

# dragged to | lands as         | the view then
drags=(
  "view      | floating horizontal | above $first_top over $first_height"
  "left      | left vertical       | above $first_top over $first_height"
  "right     | right vertical      | above $first_top over $first_height"
  "bottom    | bottom horizontal   | above $first_top at $first_height"
  "top       | top horizontal      | at $first_top at $first_height"
)
for row in "${drags[@]}"; do
  fields "$row" target lands view_is
  read -r side orientation <<<"$lands"
  read -r top_rel top_bound height_rel height_bound <<<"$view_is"
  note "drag the gripper to the $target"
  [ "$target" = top ] || CLIENT_TOP=$(view_top)
  find_bar
  read -r to_x to_y <<<"$(drop_point "$target")"
  drag "$BAR_WINDOW" "$GX" "$GY" "$MAIN" "$to_x" "$to_y"
  pointer_away
  expect_bar "$side" "$orientation" "after dragging its gripper to the $target"
  wait_until 5 view_moved "$top_rel $top_bound" "$height_rel $height_bound" ||
    fail "expected the view's top $top_rel $top_bound and height $height_rel $height_bound with the toolbar $side; saw $(view_geometry)"
  expect_about_from_bar "$side"

  if [ "$side" = floating ]; then
    note "the floating bar's triangle plays and stops"
    click_at "$BAR_WINDOW" "$TX" "$TY"
    pointer_away
    expect_turning floating-play "after clicking the floating triangle"
    click_at "$BAR_WINDOW" "$TX" "$TY"
    pointer_away
    settle
    expect_still floating-stop "after clicking the floating triangle again"

    note "View, Toolbar hides the floating bar and shows it where it was"
    where=$(screen_point "$BAR_WINDOW" 0 0)
    shown_menu=$(menu_picture v view-menu-shown)
    close_menu
    menu v t
    wait_until 5 no_bar || fail "expected View, Toolbar to hide the floating toolbar; it stays"
    hidden_menu=$(menu_picture v view-menu-hidden)
    close_menu
    expect_different "$shown_menu" "$hidden_menu" "the View menu's check mark to follow the toolbar"
    menu v t
    expect_bar floating horizontal "after View, Toolbar showed it again"
    [ "$(screen_point "$BAR_WINDOW" 0 0)" = "$where" ] ||
      fail "expected the floating toolbar back at $where; it came back at $(screen_point "$BAR_WINDOW" 0 0)"
  fi
done

note "menus and the view still answer"
menu f p
expect_turning menu-play "after File, Play with the toolbar moved about"
menu f p
load sphere
exit_by_menu "after moving the toolbar about"
echo "PASS"
