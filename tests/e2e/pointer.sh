# Driving the toolbar with a real pointer. The bar's parts are found in a screenshot by
# what a person sees: the yellow of the question mark, the dark triangle before it, and
# the grey dots of the gripper before that, along the bar whichever way it lies.
# Sourced by lib.sh.

# Pixels of a picture as "X Y R G B" lines, with those in the excluded rectangle
# (WxH+X+Y, may be empty) left out.
pixels() { # pixels IMAGE [EXCLUDE]
  local width ew=0 eh=0 ex=0 ey=0
  width=$(x identify -format '%w' "$1")
  [ -n "${2:-}" ] && IFS='x+' read -r ew eh ex ey <<<"$2"
  x convert "$1" -depth 8 rgb:- | od -An -tu1 -v -w3 |
    awk -v w="$width" -v ew="$ew" -v eh="$eh" -v ex="$ex" -v ey="$ey" '
      { px = (NR - 1) % w; py = int((NR - 1) / w)
        if (px >= ex && px < ex + ew && py >= ey && py < ey + eh) next
        print px, py, $1, $2, $3 }'
}

# bar_parts IMAGE [EXCLUDE]: prints "ORIENTATION QX QY TX TY GX GY", the bar's direction
# and the centres of the question mark, the triangle and the gripper; nothing when the
# picture shows no question mark.
bar_parts() {
  pixels "$@" | awk '
    function lightness(r, g, b,   hi, lo) { hi = r > g ? (r > b ? r : b) : (g > b ? g : b)
                                           lo = r < g ? (r < b ? r : b) : (g < b ? g : b)
                                           return (hi + lo) / 510 }
    # the run nearest before position "before" among the marked positions of a projection
    function nearest_run(marks, before,   p, end, start) {
      for (p = before - 1; p >= 0 && !(p in marks); p--) ;
      if (p < 0) return ""
      end = p
      for (; p >= 0 && ((p in marks) || ((p - 1) in marks) || ((p - 2) in marks)); p--) if (p in marks) start = p
      return start " " end
    }
    { x = $1; y = $2; r = $3; g = $4; b = $5
      if (r > 200 && g > 200 && b < 80) {
        yellow++
        if (!qx0 || x < qx0 - 1) qx0 = x + 1; if (x > qx1) qx1 = x
        if (!qy0 || y < qy0 - 1) qy0 = y + 1; if (y > qy1) qy1 = y
      }
      l = lightness(r, g, b)
      if (l < 0.15) { n++; dx[n] = x; dy[n] = y; kind[n] = "dark" }
      else if (l > 0.3 && l < 0.6 && (r - b) * (r - b) < 100) { n++; dx[n] = x; dy[n] = y; kind[n] = "grip" }
    }
    END {
      if (yellow < 10) exit
      qx0--; qy0--
      # Dark pixels level with the question mark tell which way the bar lies.
      for (i = 1; i <= n; i++) if (kind[i] == "dark") {
        if (dy[i] >= qy0 - 4 && dy[i] <= qy1 + 4 && dx[i] < qx0) across++
        if (dx[i] >= qx0 - 4 && dx[i] <= qx1 + 4 && dy[i] < qy0) down++
      }
      horizontal = across >= down
      for (i = 1; i <= n; i++) {
        if (horizontal && (dy[i] < qy0 - 4 || dy[i] > qy1 + 4)) continue
        if (!horizontal && (dx[i] < qx0 - 4 || dx[i] > qx1 + 4)) continue
        p = horizontal ? dx[i] : dy[i]
        if (kind[i] == "dark") dark[p] = 1; else grip[p] = 1
      }
      # The question mark has a dark outline of its own: the triangle lies beyond it.
      split(nearest_run(dark, (horizontal ? qx0 : qy0) - 2), t, " ")
      if (t[1] == "") exit
      split(nearest_run(grip, t[1]), gr, " ")
      if (gr[1] == "") exit
      qc = horizontal ? (qy0 + qy1) / 2 : (qx0 + qx1) / 2
      tm = int((t[1] + t[2]) / 2); gm = int((gr[1] + gr[2]) / 2)
      if (horizontal) print "horizontal", int((qx0 + qx1) / 2), int(qc), tm, int(qc), gm, int(qc)
      else print "vertical", int(qc), int((qy0 + qy1) / 2), int(qc), tm, int(qc), gm
    }'
}

# The floating bar's window: another large-enough window of the viewer's showing the
# question mark; none while the bar is docked.
floating_bar_window() {
  local w width
  for w in $(x xdotool search --all --onlyvisible --pid "$APP_PID" --name '' 2>/dev/null); do
    [ "$w" = "$MAIN" ] && continue
    width=$(x xwininfo -id "$w" | sed -n 's/^ *Width: //p')
    [ "${width:-0}" -gt 20 ] || continue
    [ -n "$(bar_parts "$(shot floating-candidate "$w")")" ] && echo "$w" && return 0
  done
  return 0
}

# find_bar: sets BAR_WINDOW, BAR_SIDE (top, left, right, bottom or floating), BAR_ORIENT
# and the centres QX QY (question mark), TX TY (triangle), GX GY (gripper) in the bar
# window's coordinates; false when no bar is on the screen.
find_bar() {
  local parts view vw vh vx vy
  BAR_WINDOW=$(floating_bar_window)
  if [ -n "$BAR_WINDOW" ]; then
    parts=$(bar_parts "$(shot bar "$BAR_WINDOW")")
    BAR_SIDE=floating
  else
    BAR_WINDOW=$MAIN
    view=$(view_geometry)
    parts=$(bar_parts "$(shot bar)" "$view")
    [ -n "$parts" ] || return 1
    read -r BAR_ORIENT QX QY _ <<<"$parts"
    IFS='x+' read -r vw vh vx vy <<<"$view"
    if [ "$QY" -lt "$vy" ]; then BAR_SIDE=top
    elif [ "$QY" -ge $((vy + vh)) ]; then BAR_SIDE=bottom
    elif [ "$QX" -lt "$vx" ]; then BAR_SIDE=left
    else BAR_SIDE=right; fi
  fi
  [ -n "$parts" ] || return 1
  read -r BAR_ORIENT QX QY TX TY GX GY <<<"$parts"
}

expect_bar() { # expect_bar SIDE ORIENTATION WHEN
  wait_until 5 bar_is "$1" "$2" ||
    fail "expected the toolbar $1 ($2) $3; saw it ${BAR_SIDE:-nowhere} (${BAR_ORIENT:-}) in $(basename "$ART/bar.png")"
}
bar_is() { find_bar && [ "$BAR_SIDE" = "$1" ] && [ "$BAR_ORIENT" = "$2" ]; }

# point WINDOW X Y: the pointer over a place in a window, as a person moves it there:
# arriving from a little way off, so that the place sees the pointer move over it.
point() {
  x xdotool mousemove --sync --window "$1" $(($2 - 4)) $(($3 - 3))
  sleep 0.1
  x xdotool mousemove --sync --window "$1" "$2" "$3"
}
click_at() { point "$@"; x xdotool click 1; }
pointer_away() { x xdotool mousemove --window "$MAIN" "$(($(view_width) / 2))" "$(($(view_top) + 60))"; }

# drag WINDOW X Y TO_WINDOW TX TY: press, move there in small steps as a hand does, let go.
drag() {
  local from_x from_y to_x to_y step
  read -r from_x from_y <<<"$(screen_point "$1" "$2" "$3")"
  read -r to_x to_y <<<"$(screen_point "$4" "$5" "$6")"
  x xdotool mousemove --sync "$from_x" "$from_y" mousedown 1
  for step in 1 2 3 4 5 6 7 8 9 10; do
    x xdotool mousemove --sync $((from_x + (to_x - from_x) * step / 10)) $((from_y + (to_y - from_y) * step / 10))
    sleep 0.05
  done
  sleep 0.2
  x xdotool mouseup 1
  sleep 0.3
}

screen_point() { # screen_point WINDOW X Y: the point on the screen
  local ox oy
  ox=$(x xwininfo -id "$1" | sed -n 's/^ *Absolute upper-left X: *//p')
  oy=$(x xwininfo -id "$1" | sed -n 's/^ *Absolute upper-left Y: *//p')
  echo "$((ox + $2)) $((oy + $3))"
}

view_width() { local g; g=$(view_geometry); echo "${g%%x*}"; }

# How many pixels around a point have the blue of a button under the pointer or pressed.
highlight_around() { # highlight_around IMAGE X Y
  x convert "$1" -crop "22x22+$(($2 - 11))+$(($3 - 11))" +repage -depth 8 txt:- |
    awk -F'[(),]' 'NR > 1 { if ($5 - $3 > 30) n++ } END { print n + 0 }'
}

# The viewer's tooltip window, if one is up.
tooltip_window() {
  local w
  for w in $(x xdotool search --all --onlyvisible --pid "$APP_PID" --name '' 2>/dev/null); do
    x xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_TOOLTIP && echo "$w" && return 0
  done
  return 0
}
tooltip_shown() { [ -n "$(tooltip_window)" ]; }
no_tooltip() { [ -z "$(tooltip_window)" ]; }

# text_width IMAGE: the width of the text in a picture of a tooltip, dark on light or
# light on dark, inside its border.
text_width() {
  local negate=()
  [ "$(x convert "$1" -colorspace gray -format '%[fx:mean > 0.5 ? 1 : 0]' info:)" = 1 ] && negate=(-negate)
  x convert "$1" -colorspace gray -shave 3x3 -threshold 50% "${negate[@]}" -bordercolor black -border 1 \
    -trim -format '%w' info: 2>/dev/null
}

# The width "TEXT" takes in the desktop's interface font (DejaVu Sans at 10 points), as
# the toolkit draws tooltips.
rendered_width() {
  x convert -density 96 -font DejaVu-Sans -pointsize 10 label:"$1" -threshold 50% -negate -trim -format '%w' info:
}

# rightmost_mark IMAGE: "X Y", the centre of the rightmost group of marks in a picture
# (groups apart by two clear columns or more): a dialog's button label at its right, the close
# box on a title bar. A mark is a pixel unlike most of its row, the edges left out.
rightmost_mark() {
  pixels "$1" | awk '
    { x[NR] = $1; y[NR] = $2; c[NR] = $3 " " $4 " " $5; count[$2 " " $3 " " $4 " " $5]++
      if ($1 > w) w = $1; if ($2 > h) h = $2 }
    END {
      for (key in count) { split(key, k, " "); if (count[key] > best[k[1]]) { best[k[1]] = count[key]; mode[k[1]] = k[2] " " k[3] " " k[4] } }
      for (i = 1; i <= NR; i++) {
        if (x[i] < 3 || y[i] < 3 || x[i] > w - 3 || y[i] > h - 3) continue
        split(c[i], p, " "); split(mode[y[i]], m, " ")
        if ((p[1] - m[1]) ^ 2 + (p[2] - m[2]) ^ 2 + (p[3] - m[3]) ^ 2 < 60 ^ 2) continue
        mark[x[i]] = 1
        if (!(x[i] in top) || y[i] < top[x[i]]) top[x[i]] = y[i]; if (y[i] > bottom[x[i]]) bottom[x[i]] = y[i]
      }
      for (col in mark) if (col + 0 > last) last = col + 0
      if (!last) exit
      first = last
      for (col = last; col >= 0 && col > first - 3; col--) if (col in mark) first = col
      for (col = first; col <= last; col++) if (col in mark) {
        if (t == "" || top[col] < t) t = top[col]; if (bottom[col] > b) b = bottom[col] }
      print int((first + last) / 2), int((t + b) / 2)
    }'
}

# click_close_box WINDOW: clicks the close box on the window manager's title bar.
click_close_box() {
  local extents left right top w cx cy mark
  extents=$(x xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ' ')
  IFS=, read -r left right top _ <<<"$extents"
  [ -n "$top" ] && [ "$top" -gt 0 ] || fail "expected a title bar on window $1; it has none (frame extents '$extents')"
  w=$(x xwininfo -id "$1" | sed -n 's/^ *Width: //p')
  read -r cx cy <<<"$(screen_point "$1" 0 0)"
  x import -window root -crop "$((w + left + right))x$top+$((cx - left))+$((cy - top))" +repage "$ART/title-bar.png"
  mark=$(rightmost_mark "$ART/title-bar.png")
  [ -n "$mark" ] || fail "expected a close box on the title bar in title-bar.png; found none"
  read -r mx my <<<"$mark"
  x xdotool mousemove --sync $((cx - left + mx)) $((cy - top + my)) click 1
}

hovered() { [ "$(highlight_around "$(shot hovered)" "$1" "$2")" -gt 20 ]; }
not_hovered() { [ "$(highlight_around "$(shot not-hovered)" "$1" "$2")" -le 20 ]; }
no_bar() { ! find_bar; }
