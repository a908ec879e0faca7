#!/usr/bin/env bash
# Files dropped on the view: the last one is read in and its full path becomes the
# caption; one that cannot be read is refused with a message box and the caption and
# picture stay as they were.
source "$(dirname "$0")/lib.sh"

volume sphere "$DATA/sphere.vol"
volume cell "$DATA/cell.vol"
volume torus "$DATA/torus.vol"
volume block "$DATA/block.vol"
mkdir "$DATA/folder"

# dropped, in DATA                | caption after   | message box says       | picture after
drops=(
  "missing.vol                    | Dorvane         | there is no such file  | black"
  "sphere.vol                     | sphere.vol      |                        | sphere"
  "missing.vol                    | sphere.vol      | there is no such file  | sphere"
  "folder                         | sphere.vol      | it is a folder         | sphere"
  "cell.vol                       | cell.vol        |                        | cell"
  "block.vol torus.vol sphere.vol | sphere.vol      |                        | sphere"
)

# A picture named for the first time is kept, to hold later rows of that name to it.
declare -A outlines
start_app
step=0
for row in "${drops[@]}"; do
  step=$((step + 1))
  fields "$row" names caption_after message picture
  [ "$caption_after" = Dorvane ] || caption_after="$DATA/$caption_after"
  paths=()
  for name in $names; do paths+=("$DATA/$name"); done
  note "drop $names"

  before=$(message_count)
  drop "${paths[@]}"
  if [ -n "$message" ]; then
    wait_dialog Dorvane >/dev/null
    expect_new_message "$before" "$message"
    expect_caption "$caption_after"
    dismiss Dorvane Return
  else
    expect_caption "$caption_after"
    wait_volume_drawn "after dropping $names"
  fi
  settle
  if [ -n "$message" ]; then
    expect_no_message_box "after the one for $names" $((before + 1))
  else
    expect_no_message_box "after dropping $names" "$before"
  fi
  expect_caption "$caption_after"

  shown=$(shot "$step-after-${names// /+}")
  if [ "$picture" = black ]; then
    expect_black_view "$shown" "after dropping $names"
  elif [ -z "${outlines[$picture]:-}" ]; then
    outlines[$picture]=$shown
  else
    expect_same_outline "${outlines[$picture]}" "$shown" "the $picture shown after dropping $names"
  fi
done
echo "PASS"
