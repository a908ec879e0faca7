#!/usr/bin/env bash
# View, Toolbar hides the toolbar, the view growing into its place, and shows it again.
source "$(dirname "$0")/lib.sh"

start_app
settle
shown=$(shot toolbar-shown)
IFS='x+' read -r width height left top <<<"$(view_geometry)"
[ "$(toolbar_glyphs "$shown")" = 2 ] || fail "expected two toolbar buttons at start; saw $(toolbar_glyphs "$shown")"

# The strip where the toolbar was, the 20 rows above the view's first top.
strip="${width}x20+$left+$((top - 24))"

# View, Toolbar | view top    | view height  | the strip shows
steps=(
  "hides        | above $top  | over $height | black view"
  "shows        | at $top     | at $height   | 2 buttons"
)
for row in "${steps[@]}"; do
  fields "$row" what top_is height_is strip_shows
  note "View, Toolbar $what it"
  menu v t
  wait_until 5 view_moved "$top_is" "$height_is" ||
    fail "expected the view's top $top_is and height $height_is once View, Toolbar $what the toolbar; saw $(view_geometry)"
  settle
  picture=$(shot "toolbar-$what")
  if [ "$strip_shows" = "black view" ]; then
    seen="$(lit_pixels "$picture" "$strip") lit pixels"
    [ "$seen" = "0 lit pixels" ] || fail "expected the toolbar's strip $strip black once View, Toolbar $what it; saw $seen in $(basename "$picture")"
  else
    seen="$(toolbar_glyphs "$picture" "$top") buttons"
    [ "$seen" = "$strip_shows" ] || fail "expected $strip_shows in the toolbar's strip once View, Toolbar $what it; saw $seen in $(basename "$picture")"
  fi
done
echo "PASS"
