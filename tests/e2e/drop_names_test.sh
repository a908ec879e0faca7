#!/usr/bin/env bash
# Dropped files whose paths hold spaces, characters beyond ASCII or characters that URIs
# escape: each is read, and the caption shows its path exactly.
source "$(dirname "$0")/lib.sh"

# path under DATA, one a line, exactly as on disk
names=(
  "a volume with spaces.vol"
  "grüße, çà et là.vol"
  "体積 データ.vol"
  "ice 🧊 cube.vol"
  "percent %20 hash #1 and ?.vol"
  "it's \"quoted\" & <angled>.vol"
  "folder with spaces/ünï/light.vol"
)

volume "${LIGHT_VOLUME[0]}" "$DATA/light.vol" "${LIGHT_VOLUME[@]:1}"
start_app
for name in "${names[@]}"; do
  path="$DATA/$name"
  mkdir -p "$(dirname "$path")"
  cp "$DATA/light.vol" "$path"
  note "drop $name"
  before=$(message_count)
  drop "$path"
  expect_caption "$path"
  settle
  expect_no_message_box "after dropping $name" "$before"
  expect_caption "$path"
  expect_lit_view "$(shot "after-$(basename "$name")")" "after dropping $name"
done
echo "PASS"
