#!/usr/bin/env bash
# The build's art tool refuses icon sizes it cannot draw sharply and says why, and writes
# nothing it was not asked for. Needs WRITE_ART, the tool's path.
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# icon size arguments        | exit status | words in the message
cases=(
  "                           | 0 |"
  "16 @/i16.png 256 @/i256.png | 0 |"
  "16                         | 2 | usage"
  "abc @/x.png                | 1 | 'abc' is not an icon size"
  "'' @/x.png                 | 1 | '' is not an icon size"
  "16x @/x.png                | 1 | '16x' is not an icon size"
  "0 @/x.png                  | 1 | '0' is not an icon size"
  "-32 @/x.png                | 1 | '-32' is not an icon size"
  "20 @/x.png                 | 1 | no drawing of the icon scales to 20 pixels"
  "99999999999999999999 @/x.png | 1 | is not an icon size"
  "16 @/missing/folder/x.png  | 1 | cannot write"
)

for row in "${cases[@]}"; do
  IFS='|' read -r arguments expected_status expected_words <<<"$row"
  arguments=${arguments//@/$work}
  expected_status=${expected_status// /}
  expected_words=$(sed -E 's/^ +| +$//g' <<<"$expected_words")
  eval "set -- $arguments"
  "$WRITE_ART" "$work/toolbar.bmp" "$work/icon.ico" "$@" >"$work/out" 2>&1
  status=$?
  if [ "$status" != "$expected_status" ]; then
    echo "FAIL [$arguments]: expected exit status $expected_status, got $status: $(cat "$work/out")"
    failures=$((failures + 1))
  elif [ -n "$expected_words" ] && ! grep -qF -- "$expected_words" "$work/out"; then
    echo "FAIL [$arguments]: expected \"$expected_words\" in: $(cat "$work/out")"
    failures=$((failures + 1))
  fi
done
[ -s "$work/i256.png" ] || { echo "FAIL: no 256-pixel icon written"; failures=$((failures + 1)); }
[ ! -e "$work/x.png" ] || { echo "FAIL: a refused size left $work/x.png behind"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ] && echo PASS
