#!/usr/bin/env bash
# Help, About shows "About Dorvane"; OK (Enter) and Escape close it, and the volume goes
# on turning behind it.
source "$(dirname "$0")/lib.sh"

# key that closes the box
closing_keys=(
  "Return"
  "Escape"
)

start_app
for key in "${closing_keys[@]}"; do
  note "About, closed with $key"
  menu h a
  wait_dialog "About Dorvane" >/dev/null
  # The box is modal: the main window's menus stay shut while it is up.
  focus "$MAIN"
  keys alt+f
  sleep 0.5
  no_popup || fail "expected no menu to open over the modal About box; the File menu opened"
  dismiss "About Dorvane" "$key"
  expect_caption "Dorvane"
done

note "About while playing"
load "${LIGHT_VOLUME[@]}"
menu f p
expect_turning before-about "after File, Play"
menu h a
about=$(wait_dialog "About Dorvane")
shot about-box "$about" >/dev/null
expect_turning behind-about "behind the About box"
dismiss "About Dorvane" Return
expect_turning after-about "after the About box closed"
echo "PASS"
