# Sourced by the scripts that try the Windows downloads under Wine: a fresh
# Wine prefix in a scratch folder, on a private X display, both taken away
# when the script ends; fail() ends the script with a reason.
#   start_fresh_wine_prefix
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

fail() { echo "FAIL: $*" >&2; exit 1; }
# A command that ends the script under set -e says which, where fail()
# would have said why; in CI such a stop once printed only Xlib's words.
# Inside a command substitution the command's status is the caller's to
# judge, so only the script's own shell speaks.
trap '[ "$BASH_SUBSHELL" -ne 0 ] || echo "FAIL: ${0##*/} stopped at line $LINENO: $BASH_COMMAND" >&2' ERR
set -E

# The downloads' name in this build, "velmora-1.00-windows-x64": the build
# folder may still hold those of an earlier version.
package_of() {
  local version
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt")
  [ -n "$version" ] || fail "$1 is no configured build"
  echo "velmora-$version-windows-x64"
}

remove_wine_prefix() {
  "$wineserver" -k 2>/dev/null || true
  kill "${xvfb:-}" 2>/dev/null || true
  rm -rf "$scratch"
}

start_fresh_wine_prefix() {
  scratch=$(mktemp -d)
  # Before the display, which may fail to answer and end the caller.
  trap remove_wine_prefix EXIT
  export WINEPREFIX=$scratch/prefix WINEDEBUG=-all
  # shellcheck source=tools/private_display.sh
  . "$(dirname "${BASH_SOURCE[0]}")/private_display.sh"
  start_private_display 800x400 "$scratch"
  "$wine" wineboot --init >"$scratch/wineboot.out" 2>&1 || true
  "$wineserver" -w
  # A prefix left half made (a full disk, say) fails later in ways that
  # look like the package's fault.
  [ -f "$WINEPREFIX/drive_c/windows/system32/msiexec.exe" ] || {
    cat "$scratch/wineboot.out" >&2
    df -h "$scratch" >&2
    fail "wineboot made no complete Wine prefix in $WINEPREFIX"
  }
}
