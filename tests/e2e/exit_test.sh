#!/usr/bin/env bash
# File, Exit ends the viewer at once with status 0 and leaves the profile with the files
# opened most recently, newest first, four at most.
source "$(dirname "$0")/lib.sh"

# opened with File, Open, in order | the recent file list, File1 first
sessions=(
  "a.vol                           | a.vol"
  "a.vol b.vol a.vol               | a.vol b.vol"
  "a.vol b.vol c.vol d.vol e.vol   | e.vol d.vol c.vol b.vol"
)

for name in a b c d e; do volume cell "$DATA/$name.vol"; done
profile_of() { echo "$XDG_CONFIG_HOME/Dorvane/Dorvane.conf"; }

for row in "${sessions[@]}"; do
  fields "$row" opened recent
  note "open $opened, then exit"
  start_app
  for name in $opened; do open_file "$DATA/$name"; done
  wait_volume_drawn "after opening $opened"

  exit_by_menu "after opening $opened"

  profile=$(profile_of)
  [ -f "$profile" ] || fail "expected the profile $profile after File, Exit; there is none"
  cp "$profile" "$ART/profile-${opened// /+}.conf"
  expected="[Recent File List]"
  n=0
  for name in $recent; do
    n=$((n + 1))
    expected+=$'\n'"File$n=$DATA/$name"
  done
  seen=$(sed -n '/^\[Recent File List\]$/,/^\[/{ /^\[Recent File List\]$/p; /^File[0-9]*=/p }' "$profile")
  [ "$seen" = "$expected" ] || fail "expected in $profile:
$expected
saw:
$seen"
done
echo "PASS"
