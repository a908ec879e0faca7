#!/usr/bin/env bash
# File, Play (or the toolbar's Play) turns the volume and checks the menu item; Play again
# stops both.
source "$(dirname "$0")/lib.sh"

start_app
load "${LIGHT_VOLUME[@]}"
settle
menu_picture f menu-at-rest >/dev/null
close_menu

# Play by | the volume | the File menu against menu-at-rest.png
steps=(
  "menu     | turning    | differs"
  "menu     | still      | same"
  "toolbar  | turning    | differs"
  "toolbar  | still      | same"
)
step=0
for row in "${steps[@]}"; do
  IFS='|' read -r opener motion menu_shows <<<"$row"
  opener=$(echo $opener)
  motion=$(echo $motion)
  menu_shows=$(echo $menu_shows)
  step=$((step + 1))
  pick="$step, by the $opener"
  note "Play $pick"
  play_by "$opener"
  if [ "$motion" = turning ]; then
    expect_turning "play-$step" "after Play $pick"
  else
    settle
    expect_still "play-$step" "after Play $pick"
  fi
  shown=$(menu_picture f "menu-$step")
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
