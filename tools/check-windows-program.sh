#!/usr/bin/env bash
# The Windows program as a user meets it, under Wine: the installer run
# silently puts velmora.exe, its Start-menu shortcut and its "Apps and
# features" entry in place; the installed program opens its window on an X
# display (Xvfb, openbox) under Turkish settings; clicks give the right
# results, read back through the result's own Copy; the uninstaller takes
# away every file, the shortcut and the entry.
#   check-windows-program.sh BUILD_DIR [SCREENSHOT.png]
set -euo pipefail
build=$(realpath "$1")
screenshot=${2:-}
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

scratch=$(mktemp -d)
export WINEPREFIX=$scratch/prefix WINEDEBUG=-all
exec 3>"$scratch/display"
Xvfb -displayfd 3 -screen 0 800x400x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$scratch/display")"
openbox >/dev/null 2>&1 &

fail() { echo "FAIL: $*" >&2; exit 1; }

"$wine" wineboot --init >/dev/null 2>&1
"$wineserver" -w
# Debian's Wine does not find its own fonts until they are in the prefix;
# then the dialog font is Tahoma and "MS Sans Serif" resolves.
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"

user_dir=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n1)
programs="$user_dir/AppData/Local/Programs/Velmora"
shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Velmora.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'

"$wine" "$build"/velmora-*-windows-x64-setup.exe /S
"$wineserver" -w
[ -f "$programs/velmora.exe" ] || fail "the installer put no velmora.exe in $programs"
[ -f "$shortcut" ] || fail "the installer made no Start-menu shortcut"
"$wine" reg query "$key" /v DisplayName 2>/dev/null | grep -q Velmora ||
  fail "no Apps and features entry"
installed=$(cd "$programs" && find . -type f | sort)
staged=$(cd "$build"/stage/velmora-*-windows-x64 && find . -type f | sort)
[ "$installed" = "$(printf '%s\n./uninstall.exe' "$staged" | sort)" ] ||
  fail "the installed files differ from the staged ones"
echo "installed: $(echo "$installed" | wc -l) files, the shortcut and the Apps and features entry"

LANG=tr_TR.UTF-8 "$wine" "$programs/velmora.exe" >/dev/null 2>&1 &
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Velmora$' | head -n1)
[ -n "$window" ] || fail "no window titled Velmora"
sleep 2
click() { xdotool mousemove --window "$window" "$1" "$2" click "${3:-1}"; sleep 0.5; }
type_into() {
  click "$1" "$2"
  xdotool key --window "$window" ctrl+a
  xdotool type --window "$window" --delay 50 "$3"
  sleep 0.3
}
# Copies the result through its right-click menu and prints the clipboard.
result() {
  click 360 64 3
  xdotool key --window "$window" Down Return
  sleep 0.5
  xclip -o -selection clipboard 2>/dev/null || true
}
expect() {
  local got
  got=$(result)
  [ "$got" = "$2" ] || fail "$1: the result reads '$got', not '$2'"
  echo "$1: $got"
}

click 256 24                     # Option3, 30-55 kW
type_into 236 49 "10"            # Text1
type_into 230 74 "0,5"           # Combo1
click 400 108                    # Command1, screw
expect "screw, 30-55 kW, 10, 0,5" "5,0"
click 88 108                     # Command2, piston
expect "piston, 30-55 kW, 10, 0,5" "15,0"
type_into 236 49 "2,5"
type_into 230 74 "1"
click 400 108
expect "a Turkish 2,5 is two and a half" "0,63"
# The list's entries follow the regional settings: one step down from "1".
type_into 230 74 "1"
xdotool key --window "$window" Down ctrl+a ctrl+c
sleep 0.5
entry=$(xclip -o -selection clipboard 2>/dev/null || true)
[ "$entry" = "1,1" ] || fail "one step down from 1 shows '$entry', not '1,1'"
echo "the list under Turkish settings: 1 steps down to $entry"
if [ -n "$screenshot" ]; then
  type_into 236 49 "10"
  type_into 230 74 "0,5"
  click 400 108
  import -frame -window "$window" "$screenshot"
  echo "wrote $screenshot"
fi
# Closing is not what is checked here; ending Wine's processes frees the
# program's files for the uninstaller.
"$wineserver" -k
"$wineserver" -w

"$wine" "$programs/uninstall.exe" /S
"$wineserver" -w
sleep 1
"$wineserver" -w
[ ! -e "$programs" ] || fail "the uninstaller left $(find "$programs" | wc -l) entries in $programs"
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu shortcut"
! "$wine" reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left the Apps and features entry"
echo "uninstalled: no file, shortcut or entry left"
echo "1 passed, 0 failed"
