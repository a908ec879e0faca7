# Judging the viewer from screenshots: taking them, comparing them, finding the view in
# them and how much of it is lit, and telling a turning volume from a still one.
# Sourced by lib.sh; uses its x, fail, wait_until, $MAIN, $APP_PID and $ART.

# shot NAME [WINDOW]: screenshot of the window (the main one by default), kept as NAME.png.
shot() {
  local file
  # ImageMagick reads %, [ and such in a file name as formats, so names keep to plain characters.
  file="$ART/$(printf '%s' "$1" | tr -c 'A-Za-z0-9._+-' '_').png"
  x import -window "${2:-$MAIN}" "$file"
  echo "$file"
}

differing_pixels() { # differing_pixels A B
  x compare -metric AE "$1" "$2" null: 2>&1 || true
}

same_picture() { [ "$(differing_pixels "$1" "$2")" = 0 ]; }

expect_same() { # expect_same A B WHAT
  local n
  n=$(differing_pixels "$1" "$2")
  [ "$n" = 0 ] || fail "expected $3: $(basename "$1") and $(basename "$2") equal; they differ in $n pixels"
}

expect_different() { # expect_different A B WHAT
  local n
  n=$(differing_pixels "$1" "$2")
  [ "$n" != 0 ] || fail "expected $3: $(basename "$1") and $(basename "$2") to differ; they are equal"
}

# View geometry WxH+X+Y inside the main window: the OpenGL child window, the largest one.
view_geometry() {
  x xwininfo -tree -id "$MAIN" |
    sed -nE 's/^ +0x[0-9a-f]+ .*: \(.*\) +([0-9]+)x([0-9]+)\+(-?[0-9]+)\+(-?[0-9]+) .*/\1 \2 \3 \4/p' |
    awk '{ if ($1 * $2 > best) { best = $1 * $2; g = $1 "x" $2 "+" $3 "+" $4 } } END { print g }'
}

# lit_pixels IMAGE GEOMETRY: how many pixels in the region are not black.
lit_pixels() {
  x convert "$1" -crop "$2" +repage -colorspace gray -threshold 3% -format '%[fx:round(mean*w*h)]' info:
}

view_region() { # the view less a margin, so that borders never count
  local w h px py
  IFS='x+' read -r w h px py <<<"$(view_geometry)"
  echo "$((w - 8))x$((h - 8))+$((px + 4))+$((py + 4))"
}

expect_black_view() { # expect_black_view IMAGE WHY
  local n
  n=$(lit_pixels "$1" "$(view_region)")
  [ "$n" = 0 ] || fail "expected the view black $2; $n pixels of $(basename "$1") are lit"
}

expect_lit_view() { # expect_lit_view IMAGE WHY
  local n
  n=$(lit_pixels "$1" "$(view_region)")
  [ "$n" -gt 500 ] || fail "expected the volume drawn in the view $2; only $n pixels of $(basename "$1") are lit"
}

# A frame of many cubes can take seconds to draw and shows only when done, so the picture
# is at rest once the viewer has stopped working and the screen stays the same.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$APP_PID/stat"; }
app_idle() {
  local before
  before=$(cpu_ticks)
  sleep 0.3
  [ $(($(cpu_ticks) - before)) -le 1 ]
}
view_settled() { app_idle && still settle; }
settle() { wait_until 15 view_settled || fail "expected the picture to come to rest; it keeps changing"; }

# What a dialog left over the view stays on the screen until the view draws again,
# so a volume has arrived when its cubes light part, not most, of the view.
volume_drawn() {
  local lit w h
  lit=$(lit_pixels "$(shot drawn)" "$(view_region)")
  IFS='x+' read -r w h _ <<<"$(view_region)"
  [ "$lit" -gt 0 ] && [ "$lit" -lt $((w * h / 2)) ]
}

wait_volume_drawn() { # wait_volume_drawn WHY
  wait_until 15 volume_drawn ||
    fail "expected the volume drawn in the view $1 (some, not most, pixels lit); $(lit_pixels "$(shot not-drawn)" "$(view_region)") of $(view_region) are lit"
  settle
}

view_top() { local g; g=$(view_geometry); echo "${g##*+}"; }

# Every frame the view draws turns the volume 3 degrees, repaints included, so a still
# picture is judged by its outline, which a sphere keeps as it turns: the box around
# its lit pixels and how many there are.
outline() { # outline IMAGE: prints "W H X Y LIT" of the lit part of the view
  x convert "$1" -crop "$(view_region)" +repage -colorspace gray -threshold 3% \
    -format '%@ %[fx:round(mean*w*h)]' info: | tr 'x+' '  '
}

expect_same_outline() { # expect_same_outline A B WHAT
  local a b
  read -r -a a <<<"$(outline "$1")"
  read -r -a b <<<"$(outline "$2")"
  local i off=0
  for i in 0 1 2 3; do
    [ $((a[i] - b[i])) -le 3 ] && [ $((b[i] - a[i])) -le 3 ] || off=1
  done
  [ $((a[4] - b[4])) -le $((a[4] / 25)) ] && [ $((b[4] - a[4])) -le $((a[4] / 25)) ] || off=1
  [ "${a[4]}" -gt 0 ] || off=1
  [ "$off" = 0 ] ||
    fail "expected $3: the lit part of $(basename "$2") like that of $(basename "$1"), ${a[0]}x${a[1]}+${a[2]}+${a[3]} with ${a[4]} pixels (3 pixels, 4% off at most); saw ${b[0]}x${b[1]}+${b[2]}+${b[3]} with ${b[4]} pixels"
}

# turning NAME: three screenshots half a second apart, each unlike the one before (one
# change alone may be a repaint where a menu or dialog was).
turning() {
  local a b c
  a=$(shot "$1-a")
  sleep 0.5
  b=$(shot "$1-b")
  sleep 0.5
  c=$(shot "$1-c")
  ! same_picture "$a" "$b" && ! same_picture "$b" "$c"
}

expect_turning() { # expect_turning NAME WHY
  turning "$1" ||
    fail "expected the volume to turn $2: of $1-a.png, $1-b.png and $1-c.png, 0.5 s apart, two in a row are equal"
}

still() { # still NAME: two screenshots half a second apart are equal
  local a b
  a=$(shot "$1-a")
  sleep 0.5
  b=$(shot "$1-b")
  same_picture "$a" "$b"
}

expect_still() { # expect_still NAME WHY
  still "$1" ||
    fail "expected the volume still $2: $1-a.png and $1-b.png, 0.5 s apart, differ in $(differing_pixels "$ART/$1-a.png" "$ART/$1-b.png") pixels"
}

# view_moved "above|at TOP" "over|at HEIGHT": the view's top and height compared so.
view_moved() {
  local w h px py
  IFS='x+' read -r w h px py <<<"$(view_geometry)"
  # shellcheck disable=SC2086 # each is a relation and a bound: "above 53"
  compared "$py" $1 && compared "$h" $2
}
compared() { # compared VALUE above|over|at BOUND
  case $2 in
    above) [ "$1" -lt "$3" ] ;;
    over) [ "$1" -gt "$3" ] ;;
    at) [ "$1" -eq "$3" ] ;;
  esac
}
