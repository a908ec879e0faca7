#!/usr/bin/env bash
# scripts/test-on as a person uses it: a run that passes, fails or is interrupted (Ctrl+C)
# ends with the inner run's last line and status, and leaves no mount and no process
# behind; where it cannot run, it says why. Usage: tests/release/test_on_test.sh [RELEASE]
# (trixie by default). Needs root, as scripts/test-on does, and makes the release's root
# when it is not kept yet.
set -uo pipefail
cd "$(dirname "$0")/../.."
source tests/install/checks.sh  # fail and the count of failures
release=${1:-trixie}
root=${DORVANE_TEST_ON_CACHE:-/var/cache/dorvane-test-on}/$release

# Nothing of the root is mounted here, and no process runs in the copy of the tree.
left_behind() {
  grep -F " $root/" /proc/self/mountinfo | cut -d' ' -f5
  for process in /proc/[0-9]*; do
    [[ "$(readlink "$process/cwd" 2>/dev/null)" == "$root/work/dorvane"* ]] && echo "process ${process#/proc/}"
  done
}

# inner command | signal after 20 s, or none | exit status | last line
runs=(
  'sleep 600 & echo "7 passed, 0 failed"|none|0|7 passed, 0 failed'
  'sleep 600 & echo "6 passed, 1 failed"; exit 1|none|1|6 passed, 1 failed'
  'sleep 600 & mount -t tmpfs tmpfs /mnt; echo started; sleep 600|INT|130|test-on: interrupted'
)
for row in "${runs[@]}"; do
  IFS='|' read -r command signal status line <<<"$row"
  out=$(mktemp)
  # Started as from a terminal, where Ctrl+C's signal is not ignored: a job started in the
  # background here, or a run started in the background itself, would ignore it.
  env --default-signal=INT scripts/test-on $release sh -c "$command" >"$out" 2>&1 &
  run=$!
  if [ "$signal" != none ]; then
    for _ in $(seq 600); do grep -q started "$out" && break; sleep 0.5; done
    kill -"$signal" "$run"
  fi
  wait "$run"
  got=$?
  [ "$got" -eq "$status" ] || fail "$command: exit status $got, expected $status"
  [ "$(tail -n1 "$out")" = "$line" ] || fail "$command: ends with \"$(tail -n1 "$out")\""
  [ -z "$(left_behind)" ] || fail "$command: left behind: $(left_behind)"
  rm -f "$out"
done

# What stops it | how it is run | what it says
refusals=(
  "not root|setpriv --reuid=65534 --regid=65534 --clear-groups scripts/test-on $release|must run as root"
  "a full disk|DORVANE_TEST_ON_CACHE=\$small scripts/test-on $release|MiB free under"
  "no network|DORVANE_TEST_ON_CACHE=\$empty unshare --net scripts/test-on $release|cannot reach Debian's mirror"
)
space=$(mktemp -d)
mkdir "$space/small" "$space/empty"
mount -t tmpfs -o size=1M tmpfs "$space/small" && mount -t tmpfs -o size=64G tmpfs "$space/empty" ||
  fail "cannot mount the test's small and empty disks"
for row in "${refusals[@]}"; do
  IFS='|' read -r what command words <<<"$row"
  said=$(small=$space/small empty=$space/empty timeout 120 bash -c "$command" 2>&1)
  got=$?
  [ "$got" -eq 2 ] && grep -q "$words" <<<"$said" || fail "$what: status $got, said: $said"
done
umount "$space/small" "$space/empty"
rm -rf "$space"

[ "$failures" -eq 0 ] && echo PASS
