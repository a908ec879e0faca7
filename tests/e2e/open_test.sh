#!/usr/bin/env bash
# File, Open through the GTK file chooser: a volume is drawn; a short file is refused
# with a message box and the picture it would replace stays.
source "$(dirname "$0")/lib.sh"

# bytes in the file | what the message must say
short_files=(
  "1000    | ends too soon"
  "1048575 | ends too soon"
)

start_app
volume sphere "$DATA/sphere.vol"
open_file "$DATA/sphere.vol"
wait_volume_drawn "after opening a sphere"
sphere=$(shot sphere)
expect_caption "Dorvane"

for row in "${short_files[@]}"; do
  fields "$row" bytes said
  note "open a file of $bytes bytes"
  short_file "$bytes" "$DATA/short-$bytes.vol"
  before=$(message_count)
  open_file "$DATA/short-$bytes.vol"
  wait_dialog Dorvane >/dev/null
  expect_new_message "$before" "$said"
  dismiss Dorvane Return
  wait_volume_drawn "after refusing $bytes bytes"
  expect_same_outline "$sphere" "$(shot "after-$bytes")" "the sphere still shown after refusing $bytes bytes"
  expect_caption "Dorvane"
done
echo "PASS"
