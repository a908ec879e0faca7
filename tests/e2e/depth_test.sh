#!/usr/bin/env bash
# Displays of other colour depths (16 and 30 bits) show the volume as a 24-bit one does:
# the same outline, in the same colours as near as the depth allows.
OWN_DISPLAY=1
source "$(dirname "$0")/lib.sh"

depth=${1:?colour depth}

# lit_colour IMAGE: the mean red, green and blue of the lit pixels of the view, 0 to 255.
lit_colour() {
  x convert "$1" -crop "$(view_region)" +repage -depth 8 txt:- |
    awk -F'[(),]' 'NR > 1 && $3 + $4 + $5 > 30 { r += $3; g += $4; b += $5; n++ }
      END { if (n) printf "%d %d %d\n", r / n, g / n, b / n; else print "0 0 0" }'
}

for shown_on in 24 "$depth"; do
  note "the sphere on a $shown_on-bit display"
  start_xvfb -screen 0 1280x1024x"$shown_on"
  start_app
  load sphere
  cp "$(shot "sphere-$shown_on")" "$ART/at-$shown_on.png"
  lit_colour "$ART/at-$shown_on.png" >"$ART/colour-$shown_on.txt"
  exit_by_menu "on the $shown_on-bit display"
done
expect_same_outline "$ART/at-24.png" "$ART/at-$depth.png" "the sphere's outline at $depth bits as at 24"
read -r -a at24 <"$ART/colour-24.txt"
read -r -a atdepth <"$ART/colour-$depth.txt"
for channel in 0 1 2; do
  difference=$((at24[channel] - atdepth[channel]))
  [ "${difference#-}" -le 6 ] ||
    fail "expected the sphere's colours at $depth bits as at 24 (mean red, green, blue ${at24[*]}); saw ${atdepth[*]}"
done
echo "PASS"
