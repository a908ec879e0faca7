#!/usr/bin/env bash
# A desktop scaled for a HiDPI screen (GDK_SCALE=N): the window and the view are N times
# their size in the display's pixels, and the picture fills the view as at scale 1, N
# times larger: a column of cells on the axis stands in the middle of the view, as tall
# as the perspective makes it.
OWN_DISPLAY=1
source "$(dirname "$0")/lib.sh"

scale=${1:?scale factor}
start_xvfb -screen 0 2560x2048x24
export GDK_SCALE=$scale

start_app
main_width=$(x xwininfo -id "$MAIN" | sed -n 's/^ *Width: //p')
[ "$main_width" = $((800 * scale)) ] ||
  fail "expected the window $((800 * scale)) pixels wide at scale $scale (800 at scale 1); it is $main_width"

load column
IFS='x+' read -r view_w view_h view_x view_y <<<"$(view_geometry)"
picture=$(shot column)
x convert "$picture" -crop "${view_w}x${view_h}+$view_x+$view_y" +repage "$ART/column-view.png"
read -r lit_w lit_h lit_x lit_y _ <<<"$(x convert "$ART/column-view.png" -colorspace gray -threshold 3% \
  -format '%@ %[fx:round(mean*w*h)]' info: | tr 'x+' '  ')"

# Where the column's ends fall: the cells' pitch and size, the eye 5 units from the axis,
# a 45-degree field of view.
read -r want_top want_bottom <<<"$(awk -v h="$view_h" 'BEGIN {
  half = 0.00875; t = sin(22.5 * 3.14159265 / 180) / cos(22.5 * 3.14159265 / 180); near = 5 - half
  top = (32 * 0.0175 + half) / (near * t); bottom = (31 * 0.0175 + half) / (near * t)
  printf "%d %d\n", h / 2 * (1 - top), h / 2 * (1 + bottom) }')"
centre=$((lit_x * 2 + lit_w - 1))  # twice the column's middle
slack=$((2 * scale))
within() { [ $(($1 - $2)) -le "$3" ] && [ $(($2 - $1)) -le "$3" ]; }
within "$centre" $((view_w - 1)) $((2 * slack)) ||
  fail "expected the column in the middle of the ${view_w}-pixel view at scale $scale; its middle is at $((centre / 2))"
within "$lit_y" "$want_top" "$slack" ||
  fail "expected the column's top at row $want_top of the ${view_h}-pixel view at scale $scale; it is at $lit_y"
within $((lit_y + lit_h - 1)) "$want_bottom" "$slack" ||
  fail "expected the column's foot at row $want_bottom of the view at scale $scale; it is at $((lit_y + lit_h - 1))"
exit_by_menu "at scale $scale"
echo "PASS"
