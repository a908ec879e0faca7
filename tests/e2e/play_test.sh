#!/usr/bin/env bash
# File, Play turns the volume and checks the menu item; Play again stops both.
source "$(dirname "$0")/lib.sh"

start_app
load "${LIGHT_VOLUME[@]}"
settle
menu_picture f menu-at-rest >/dev/null
close_menu

# File, Play | the volume | the File menu against menu-at-rest.png
steps=(
  "first       | turning    | differs"
  "second      | still      | same"
)
for row in "${steps[@]}"; do
  fields "$row" pick motion menu_shows
  note "File, Play, $pick time"
  menu f p
  if [ "$motion" = turning ]; then
    expect_turning "play-$pick" "after File, Play ($pick time)"
  else
    settle
    expect_still "play-$pick" "after File, Play ($pick time)"
  fi
  shown=$(menu_picture f "menu-$pick")
  close_menu
  if [ "$menu_shows" = differs ]; then
    expect_different "$ART/menu-at-rest.png" "$shown" "a check at Play while the volume turns"
  else
    expect_same "$ART/menu-at-rest.png" "$shown" "no check at Play once stopped"
  fi
done

note "File, Exit while it turns"
menu f p
expect_turning exit-while-turning "before File, Exit"
exit_by_menu "while the volume turns"
echo "PASS"
