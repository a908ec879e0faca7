#!/usr/bin/env bash
# Installs the build into a temporary root as a packager would (`cmake --install` under
# /usr) and checks the result with the desktop's own validators: the desktop entry, the
# AppStream data, the manual page, and each icon's size. A missing validator is a failure,
# not a reason to skip. Needs BUILD_DIR, SOURCE_DIR and PROJECT_VERSION.
source "$(dirname "$0")/checks.sh"

# tool | the Debian package that has it
require_tools "desktop-file-validate|desktop-file-utils" "appstreamcli|appstream" "man|man-db" "file|file"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$BUILD_DIR" --prefix /usr >"$root.log" 2>&1 ||
  { cat "$root.log"; rm -f "$root.log"; fail "cmake --install failed"; exit 1; }
rm -f "$root.log"

# Exactly the program and what makes it a desktop program: no tests, benchmarks or tools.
expected=$(printf '%s\n' usr/bin/dorvane usr/share/applications/dorvane.desktop usr/share/doc/dorvane/{changelog.gz,copyright} \
  usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/dorvane.png \
  usr/share/man/man1/dorvane.1.gz usr/share/metainfo/org.dorvane.dorvane.metainfo.xml | LC_ALL=C sort)
installed=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
[ "$installed" = "$expected" ] || fail "installed files differ from the list:
$(diff <(echo "$expected") <(echo "$installed"))"

# Each validator must pass and say nothing: a hint today is a failure on a newer system.
desktop="$root/usr/share/applications/dorvane.desktop"
metainfo="$root/usr/share/metainfo/org.dorvane.dorvane.metainfo.xml"
manual="$root/usr/share/man/man1/dorvane.1.gz"
output=$(desktop-file-validate "$desktop" 2>&1) && ! grep -qE '^(E|W|I|P): |error|warning' <<<"$output" ||
  fail "desktop-file-validate: $output"
appstream "appstreamcli validate" appstreamcli validate --no-net --pedantic "$metainfo"
appstream "appstreamcli validate-tree" appstreamcli validate-tree --no-net --pedantic "$root"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$manual" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man --warnings: $warnings"
[ -n "$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$manual" 2>/dev/null | grep -F XDG_CONFIG_HOME)" ] ||
  fail "the manual page does not render, or says nothing of XDG_CONFIG_HOME"

# The desktop entry: started without arguments, offering to open no file types.
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Exec)" = dorvane ] || fail "Exec is \"$(entry Exec)\", not \"dorvane\""
grep -qE '^Exec=.*%[fFuUdDnNickvm]' "$desktop" && fail "Exec passes a field code: $(entry Exec)"
grep -q '^MimeType=' "$desktop" && fail "the entry names media types: $(entry MimeType)"
[ "$(entry Icon)" = dorvane ] || fail "Icon is \"$(entry Icon)\", not \"dorvane\""
[ "$(entry Name)" = Dorvane ] || fail "Name is \"$(entry Name)\", not \"Dorvane\""
[ "$(entry Categories)" = "Graphics;3DGraphics;Viewer;" ] || fail "Categories are \"$(entry Categories)\""

# The AppStream release is this version, and the launchable is the desktop entry.
grep -q "<release version=\"$PROJECT_VERSION\"" "$metainfo" || fail "no release $PROJECT_VERSION in $metainfo"
grep -q '<launchable type="desktop-id">dorvane.desktop</launchable>' "$metainfo" ||
  fail "the AppStream launchable is not dorvane.desktop"

# Each icon is a PNG file of the size its folder names.
for icon in "$root"/usr/share/icons/hicolor/*/apps/dorvane.png; do
  size=$(basename "$(dirname "$(dirname "$icon")")")
  description=$(file -b "$icon")
  [[ "$description" == "PNG image data, ${size/x/ x }"* ]] || fail "$size icon: $description"
done

file -b "$root/usr/bin/dorvane" | grep -q '^ELF .*executable' || fail "usr/bin/dorvane is not an executable"

[ "$failures" -eq 0 ] && echo PASS
