#!/usr/bin/env bash
# Keys with no command: F6 and Shift+F6 are bound to nothing, and File, Open has no
# shortcut. None of them changes the picture or the caption, or opens a window.
source "$(dirname "$0")/lib.sh"

# key
idle_keys=(
  "F6"
  "shift+F6"
  "ctrl+o"
)

start_app
load "${LIGHT_VOLUME[@]}"
caption_before=$(caption)
for key in "${idle_keys[@]}"; do
  note "$key"
  settle
  before=$(shot "before-$key")
  focus "$MAIN"
  keys "$key"
  sleep 1
  no_popup || fail "expected no menu after $key; a menu opened"
  [ -z "$(dialogs_titled Open)" ] || fail "expected no file chooser after $key; one opened"
  expect_same "$before" "$(shot "after-$key")" "the picture unchanged by $key"
  [ "$(caption)" = "$caption_before" ] || fail "expected the caption \"$caption_before\" after $key; saw \"$(caption)\""
done
echo "PASS"
