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
