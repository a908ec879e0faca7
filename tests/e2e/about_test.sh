#!/usr/bin/env bash
# Help, About and the toolbar's question mark show "About Dorvane"; OK (Enter) and Escape
# close it, and the volume goes on turning behind it.
source "$(dirname "$0")/lib.sh"

# opened by | closed with
abouts=(
  "menu       | Return"
  "menu       | Escape"
  "toolbar    | Return"
)

start_app
for row in "${abouts[@]}"; do
  IFS='|' read -r opener key <<<"$row"
  opener=$(echo $opener)
  key=$(echo $key)
  note "About by the $opener, closed with $key"
  about_by "$opener"
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
