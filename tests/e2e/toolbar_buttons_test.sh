#!/usr/bin/env bash
# The toolbar's buttons, clicked with the mouse: Play turns the volume and stops it, as
# File, Play does, and the question mark shows the About box.
source "$(dirname "$0")/lib.sh"

# button clicked | what follows
clicks=(
  "1             | turning"
  "1             | still"
  "2             | About Dorvane"
)

start_app
load "${LIGHT_VOLUME[@]}"
step=0
for row in "${clicks[@]}"; do
  fields "$row" button follows
  step=$((step + 1))
  note "click toolbar button $button"
  click_toolbar_button "$button"
  case $follows in
    turning) expect_turning "click-$step" "after clicking toolbar button $button" ;;
    still)
      settle
      expect_still "click-$step" "after clicking toolbar button $button"
      ;;
    *)
      wait_dialog "$follows" >/dev/null
      dismiss "$follows" Escape
      ;;
  esac
done
echo "PASS"
