#!/usr/bin/env bash
# At start: the caption, a black view and a toolbar of two buttons; the command line is
# not read, so a volume named there opens nothing. The window's class is the binary's
# name, so the desktop matches it with dorvane.desktop.
source "$(dirname "$0")/lib.sh"

volume sphere "$DATA/sphere.vol"

# arguments              | case
starts=(
  "                      | plain start"
  "$DATA/sphere.vol      | a volume named on the command line"
  "$DATA/missing.vol     | a missing file named on the command line"
)

n=0
for row in "${starts[@]}"; do
  fields "$row" args what
  n=$((n + 1))
  note "$what"
  # shellcheck disable=SC2086 # the arguments are words
  start_app $args
  settle
  picture=$(shot "start-$n")
  expect_caption "Dorvane"
  class=$(x xprop -id "$MAIN" WM_CLASS)
  [[ "$class" == *'= "dorvane", '* ]] || fail "expected the window class \"dorvane\" ($what); saw $class"
  expect_black_view "$picture" "at start ($what)"
  expect_no_message_box "at start ($what)"
  expect_bar top horizontal "at start ($what)"
  stop_app
done
echo "PASS"
