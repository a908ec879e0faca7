#!/usr/bin/env bash
# A Wayland session: with XWayland the viewer runs through it and draws; without it, it
# says in one line that it needs an X display or XWayland and ends with a failure status.
OWN_DISPLAY=1
source "$(dirname "$0")/lib.sh"

case ${1:?xwayland or none} in
  xwayland)
    start_weston --xwayland
    start_app
    # The headless session has no keyboard or pointer of its own, and XWayland ends when
    # sent pointer input without one; a drop is all it can be given.
    load sphere
    [ "$(app_state)" = running ] || fail "expected the viewer to run on under XWayland; it ended"
    ;;
  none)
    start_weston
    status=0
    GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 timeout 20 "$DORVANE" >"$ART/stdout.log" 2>"$ART/stderr.log" || status=$?
    [ "$status" != 0 ] && [ "$status" != 124 ] ||
      fail "expected a failure status without an X display; saw $status"
    said=$(cat "$ART/stderr.log")
    [ "$(wc -l <"$ART/stderr.log")" = 1 ] && grep -q "needs an X display or XWayland" <<<"$said" ||
      fail "expected one line saying an X display or XWayland is needed; saw: $said"
    ;;
esac
echo "PASS"
