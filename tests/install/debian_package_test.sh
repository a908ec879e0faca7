#!/usr/bin/env bash
# Builds the Debian package from the build tree with CPack and checks it: under /usr,
# section graphics, dependencies worked out from the binary, the binary stripped, the
# licence as the copyright file, and lintian with no errors and no warnings but those the
# README accepts. Needs BUILD_DIR, SOURCE_DIR and PROJECT_VERSION.
source "$(dirname "$0")/checks.sh"

# tool | the Debian package that has it
require_tools "cpack|cmake" "lintian|lintian" "dpkg-deb|dpkg" "dpkg-shlibdeps|dpkg-dev" "file|file"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$BUILD_DIR/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack failed"; exit 1; }
debs=("$work"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { fail "expected one .deb, found: ${debs[*]}"; exit 1; }
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "dorvane_${PROJECT_VERSION}_$arch.deb" ] || fail "the package is named $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
# control field | what it must be (a pattern)
expectations=(
  "Package|dorvane"
  "Version|$PROJECT_VERSION"
  "Section|graphics"
  "Architecture|$arch"
  "Depends|*libc6 (>= *"
  "Depends|*libwxgtk3.2*"
  "Depends|*libglu1*"
)
for row in "${expectations[@]}"; do
  IFS='|' read -r name pattern <<<"$row"
  # shellcheck disable=SC2053 # the right side is a pattern
  [[ "$(field "$name")" == $pattern ]] || fail "$name is \"$(field "$name")\", expected $pattern"
done

contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
outside=$(grep -v '^\./usr/' <<<"$contents" | grep -v '^\./$')
[ -z "$outside" ] || fail "files outside /usr: $outside"
dpkg-deb -x "$deb" "$work/root"
cmp -s "$work/root/usr/share/doc/dorvane/copyright" "$SOURCE_DIR/LICENSE" ||
  fail "usr/share/doc/dorvane/copyright is not the licence"
description=$(file -b "$work/root/usr/bin/dorvane")
[[ "$description" == *", stripped"* ]] || fail "the binary is not stripped: $description"

# Warnings the README accepts, each with its reason: the tags in its lintian section.
accepted=$(sed -n '/^### Lintian warnings accepted/,/^#/p' "$SOURCE_DIR/README.md" | grep -oE '^- `[a-z0-9-]+`' | tr -d '`- ')
report=$(lintian "$deb" 2>/dev/null)
while read -r line; do
  [ -n "$line" ] || continue
  tag=$(awk '{ print $3 }' <<<"$line")
  case "$line" in
    E:*) fail "lintian: $line" ;;
    W:*) grep -qxF "$tag" <<<"$accepted" || fail "lintian warning not accepted in the README: $line" ;;
  esac
done <<<"$report"

[ "$failures" -eq 0 ] && echo PASS
