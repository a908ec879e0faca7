#!/usr/bin/env bash
# The toolbar's buttons under a real pointer: each shows the hover look and its tooltip;
# the triangle starts and stops the turning and shows pressed while it turns; the question
# mark opens the About box, which its OK button, Escape and the close box each end.
source "$(dirname "$0")/lib.sh"

start_app
load "${LIGHT_VOLUME[@]}"
expect_bar top horizontal "at start"

# button   | at      | tooltip
hovers=(
  "triangle | TX TY  | Play"
  "question | QX QY  | About"
)
for row in "${hovers[@]}"; do
  fields "$row" button at tip
  read -r at_x at_y <<<"$at"
  note "hover over the $button"
  find_bar
  point "$MAIN" "${!at_x}" "${!at_y}"
  wait_until 3 hovered "${!at_x}" "${!at_y}" ||
    fail "expected the hover look on the $button under the pointer; hovered.png shows $(highlight_around "$ART/hovered.png" "${!at_x}" "${!at_y}") blue pixels around it"
  wait_until 5 tooltip_shown || fail "expected the tooltip \"$tip\" over the $button within 5 s; none appeared"
  seen=$(text_width "$(shot "tooltip-$button" "$(tooltip_window)")")
  want=$(rendered_width "$tip")
  [ $((seen - want)) -le 2 ] && [ $((want - seen)) -le 2 ] ||
    fail "expected the tooltip to read \"$tip\" ($want pixels wide in the interface font); its text is $seen pixels wide"
  pointer_away
  wait_until 5 no_tooltip || fail "expected the tooltip over the $button to go with the pointer; it stays"
  wait_until 3 not_hovered "${!at_x}" "${!at_y}" || fail "expected the hover look on the $button to go with the pointer; it stays"
done

note "click the triangle: turning, shown pressed"
find_bar
start_picture=$(shot before-play)
click_at "$MAIN" "$TX" "$TY"
pointer_away
expect_turning after-play-click "after clicking the triangle"
wait_until 3 hovered "$TX" "$TY" || fail "expected the triangle to show pressed while the volume turns; it does not"

note "click it again: still, the angle kept, not pressed"
click_at "$MAIN" "$TX" "$TY"
pointer_away
settle
expect_still after-stop-click "after clicking the triangle again"
expect_different "$start_picture" "$(shot stopped)" "the angle kept where the turning stopped"
wait_until 3 not_hovered "$TX" "$TY" || fail "expected the triangle to show released once stopped; it shows pressed"

# ended by
endings=(ok-button Escape)
wm_running && endings+=(close-box)
for ending in "${endings[@]}"; do
  note "click the question mark, end the About box by $ending"
  click_at "$MAIN" "$QX" "$QY"
  pointer_away
  about=$(wait_dialog "About Dorvane")
  case $ending in
    ok-button)
      read -r ok_x ok_y <<<"$(rightmost_mark "$(shot about "$about")")"
      click_at "$about" "$ok_x" "$ok_y"
      ;;
    Escape)
      focus "$about"
      keys Escape
      ;;
    close-box) click_close_box "$about" ;;
  esac
  wait_until 5 no_dialog "About Dorvane" || fail "expected $ending to end the About box; it is still open"
done
exit_by_menu "after using the toolbar"
echo "PASS"
