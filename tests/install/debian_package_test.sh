#!/usr/bin/env bash
# Builds the Debian package from the build tree with CPack and checks it: under /usr,
# section graphics, dependencies worked out from the binary, the licence as the copyright
# file, every hardening protection present, and lintian with no errors (an unstripped
# binary or no libc dependency is one), no hardening tag and no warnings but those the
# README accepts. With REBUILD_ELSEWHERE set, also that a build from a clone in another
# folder gives the same bytes. Needs BUILD_DIR, SOURCE_DIR and PROJECT_VERSION.
source "$(dirname "$0")/checks.sh"

# tool | the Debian package that has it
require_tools "cpack|cmake" "lintian|lintian" "dpkg-deb|dpkg" "dpkg-shlibdeps|dpkg-dev" \
  "hardening-check|devscripts" "readelf|binutils" "appstreamcli|appstream" "c++|g++" "git|git" "diffoscope|diffoscope-minimal"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(umask 022 && cpack -G DEB --config "$BUILD_DIR/CPackConfig.cmake" -B "$work") >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack failed"; exit 1; }
debs=("$work"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { fail "expected one .deb, found: ${debs[*]}"; exit 1; }
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "dorvane_${PROJECT_VERSION}_$arch.deb" ] || fail "the package is named $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
# control field | what it must be (a pattern); the file's name tells package, version
# and architecture.
for row in "Section|graphics" "Depends|*libwxgtk3.2*" "Depends|*libglu1*" "Recommends|*librsvg2-common*"; do
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
# hardening-check looks for every protection it knows. The linker marks a program as
# protected against control-flow attacks (x86's IBT and shadow stack, arm64's branch
# target identification) only when the C library's start files are marked too, so a
# protection the start files of this system lack is left out, and said.
notes=$(readelf -n "$(c++ -print-file-name=Scrt1.o)")
knows=$(hardening-check --help)
skipped=()
leave_out() {
  grep -q -- "$1" <<<"$knows" || return 0
  grep -q "$2" <<<"$notes" && return 0
  skipped+=("$1")
  echo "hardening-check $1: $3 on $(dpkg --print-architecture) are not marked for it"
}
leave_out --nocfprotection 'x86 feature: IBT, SHSTK' "control flow protection: the C library's start files"
leave_out --nobranchprotection 'AArch64 feature: .*BTI' "branch protection: the C library's start files"
hardening=$(hardening-check "${skipped[@]}" "$work/root/usr/bin/dorvane") || fail "hardening-check: $hardening"

# Warnings the README accepts, each with its reason.
accepted=$(accepted_findings)
report=$(lintian --display-info "$deb" 2>/dev/null)
while read -r level _ tag _; do
  case "$level $tag" in
    "E: "* | *" hardening-"*) fail "lintian: $level $tag" ;;
    # lintian runs AppStream's validator too, and reports a failure on any warning; the
    # validator's own findings are judged one by one against the README's list.
    "W: appstream-metadata-validation-failed")
      appstream "lintian's appstreamcli" appstreamcli validate --no-net "$work/root/usr/share/metainfo/"*.metainfo.xml ;;
    "W: "*) grep -qxF "$tag" <<<"$accepted" || fail "lintian warning not accepted in the README: $tag" ;;
  esac
done <<<"$report"

# A packager's build of the program alone, from a clone elsewhere, under another umask and
# with no compiler cache. The clone brings the last commit, whose date the package
# carries; the files as they are now go over it, so edits not yet committed count too.
# Both packages are made under the usual umask: cpack gives the .deb's own three members
# the umask's modes (dpkg pays them no heed).
if [ -n "${REBUILD_ELSEWHERE:-}" ]; then
  copy="$work/elsewhere/dorvane"
  (umask 002 && git clone -q "$SOURCE_DIR" "$copy") || { fail "cannot clone $SOURCE_DIR"; exit 1; }
  git -C "$SOURCE_DIR" ls-files -z -c -o --exclude-standard |
    tar -C "$SOURCE_DIR" --null -T - -c --ignore-failed-read 2>/dev/null | tar -C "$copy" -x
  (umask 002 && cd "$copy" && export CCACHE_DISABLE=1 CMAKE_BUILD_PARALLEL_LEVEL=1 &&
    scripts/build release -DBUILD_TESTING=OFF -DDORVANE_BUILD_BENCHMARKS=OFF &&
    umask 022 && cpack --config build/release/CPackConfig.cmake -B build/release/package) >"$work/rebuild.log" 2>&1 ||
    { tail -n 40 "$work/rebuild.log"; fail "the build in $copy failed"; exit 1; }
  there=("$copy"/build/release/package/*.deb)
  cmp -s "$deb" "${there[0]}" || fail "the package built in $copy differs:
$(diffoscope --text - "$deb" "${there[0]}" 2>&1 | head -n 80)"
fi

[ "$failures" -eq 0 ] && echo PASS
