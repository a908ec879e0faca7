#!/usr/bin/env bash
# View, Toolbar hides the toolbar, the view growing into its place, and shows it again.
source "$(dirname "$0")/lib.sh"

start_app
settle
expect_bar top horizontal "at start"
IFS='x+' read -r width height left top <<<"$(view_geometry)"

# View, Toolbar | view top    | view height  | the toolbar
steps=(
  "hides        | above $top  | over $height | none"
  "shows        | at $top     | at $height   | top"
)
for row in "${steps[@]}"; do
  fields "$row" what top_is height_is bar
  note "View, Toolbar $what it"
  menu v t
  wait_until 5 view_moved "$top_is" "$height_is" ||
    fail "expected the view's top $top_is and height $height_is once View, Toolbar $what the toolbar; saw $(view_geometry)"
  settle
  if [ "$bar" = none ]; then
    ! find_bar || fail "expected no toolbar once View, Toolbar $what it; saw it $BAR_SIDE in bar.png"
  else
    expect_bar "$bar" horizontal "once View, Toolbar $what it"
  fi
done
echo "PASS"
