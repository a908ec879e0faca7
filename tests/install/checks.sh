# Shared by the install checks: failures are counted, and every tool a check needs must
# be there, since a missing validator would otherwise pass for a clean result.
set -uo pipefail
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# require_tools "TOOL|PACKAGE"...: ends the check when any tool is missing.
require_tools() {
  local row tool package
  for row in "$@"; do
    IFS='|' read -r tool package <<<"$row"
    command -v "$tool" >/dev/null || fail "$tool is missing; install the package $package (scripts/install-deps does)"
  done
  [ "$failures" -eq 0 ] || exit 1
}

# The validators' findings the README accepts, one a line: a tag, or a tag and its subject.
accepted_findings() {
  sed -n '/^### Validator warnings accepted/,/^#/p' "$SOURCE_DIR/README.md" | sed -nE 's/^- `([^`]+)`.*/\1/p'
}

# AppStream's validator: every finding, down to the pedantic ones, is a failure unless the
# README accepts it. Its exit status is no guide, since one release fails on a warning the
# README accepts and another passes it.
appstream() {
  local what=$1 output level tag subject accepted
  shift
  accepted=$(accepted_findings)
  output=$("$@" 2>&1) || grep -qE '^\s*[EWIP]: ' <<<"$output" || fail "$what failed: $output"
  while read -r level _ tag subject; do
    [ "$level" != "E:" ] && grep -qxF -e "$tag" -e "$tag $subject" <<<"$accepted" ||
      fail "$what: $level $tag $subject"
  done < <(grep -E '^\s*[EWIP]: ' <<<"$output")
}
