#!/usr/bin/env bash
# The Windows program as a user meets it, under Wine: the installer run
# silently puts velmora.exe, its Start-menu shortcut and its "Apps and
# features" entry in place; the installed program opens its window on an X
# display (Xvfb, openbox) under Turkish settings; clicks give the right
# results, read back through the result's own Copy; Ctrl+P loads printing
# from beside the program, and nothing loaded it before; in Windows' dark app
# mode, at start-up and switched both ways while open, and under a contrast
# theme, every caption, the result, edge and circle stands out, and the
# tooltip, the menu and the list follow the mode; --version answers on a pipe and, without a
# console, in a message box; the uninstaller takes away every file, the
# shortcut and the entry; /D= installs into another folder. Where the build
# was signed (VELMORA_SIGN_CA names the authority), the installed program
# and the uninstaller verify. Then the MSI (check-windows-msi.sh).
#   check-windows-program.sh BUILD_DIR [SCREENSHOT.png]
set -euo pipefail
build=$(realpath "$1")
screenshot=${2:-}
# shellcheck source=tools/fresh_wine_prefix.sh
. "$(dirname "$0")/fresh_wine_prefix.sh"
# shellcheck source=tools/shown_windows.sh
. "$(dirname "$0")/shown_windows.sh"
start_fresh_wine_prefix
package=$(package_of "$build")
openbox >/dev/null 2>&1 &
# Debian's Wine does not find its own fonts until they are in the prefix;
# then the dialog font is Tahoma and "MS Sans Serif" resolves.
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"

user_dir=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n1)
programs="$user_dir/AppData/Local/Programs/Velmora"
shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Velmora.lnk"
guide_shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Velmora Kullanım Kılavuzu.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'

# A value of the installer's entry as reg prints it. Now and then Wine
# starts no program at all (as msiexec in the MSI check), which says
# nothing about the entry, so a reading without the value is taken again
# before it counts.
entry_value() {
  local output=""
  for _ in 1 2 3; do
    output=$("$wine" reg query "$key" /v "$1" 2>&1 | tr -d '\r') || true
    grep -q "$1" <<<"$output" && break
    sleep 1
  done
  printf '%s\n' "$output"
}

"$wine" "$build/$package-setup.exe" /S
"$wineserver" -w
[ -f "$programs/velmora.exe" ] || fail "the installer put no velmora.exe in $programs"
[ -f "$shortcut" ] || fail "the installer made no Start-menu shortcut"
[ -f "$guide_shortcut" ] || fail "the installer made no Start-menu shortcut to the guide"
zipped=$(unzip -l "$build/$package.zip")
for guide in "Kullanım Kılavuzu.html" "User Guide.html"; do
  [ -f "$programs/$guide" ] || fail "the installer put no $guide beside velmora.exe"
  grep -q "windows-x64/$guide\$" <<<"$zipped" ||
    fail "the zip has no $guide beside velmora.exe"
done
display_name=$(entry_value DisplayName)
grep -q Velmora <<<"$display_name" || fail "no Apps and features entry: $display_name"
installed=$(cd "$programs" && find . -type f | sort)
staged=$(cd "$build/stage/$package" && find . -type f | sort)
[ "$installed" = "$(printf '%s\n./uninstall.exe' "$staged" | sort)" ] ||
  fail "the installed files differ from the staged ones"
echo "installed: $(echo "$installed" | wc -l) files, the shortcut and the Apps and features entry"
if [ -n "${VELMORA_SIGN_CA:-}" ]; then
  "$(dirname "$0")/check-signatures.sh" "$programs/velmora.exe" "$programs/uninstall.exe"
fi

# Wine says which DLL it loads from where (+loaddll), for printing below.
LANG=tr_TR.UTF-8 WINEDEBUG=-all,+loaddll "$wine" "$programs/velmora.exe" >/dev/null \
  2>"$scratch/loaded.log" &
window=$(window_titled '^Velmora$') || fail "no window titled Velmora"
sleep 2
# Places in the window as at 100 %, where the display's scale is $percent %.
percent=100
point() { echo $(($1 * percent / 100)) $(($2 * percent / 100)); }
# shellcheck disable=SC2046
click() { xdotool mousemove --window "$window" $(point "$1" "$2") click "${3:-1}"; sleep 0.5; }
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
# Printing is loaded when the user prints, from beside the program: the
# printing module and Qt's PrintSupport DLL, neither before Ctrl+P. (Wine
# has no printer, so its print dialog ends at once.)
loaded_beside() { grep -qF "Programs\\\\Velmora\\\\$1\"" "$scratch/loaded.log"; }
for dll in velmora-printing.dll Qt6PrintSupport.dll; do
  ! loaded_beside "$dll" || fail "$dll was loaded before the user printed"
done
xdotool key --window "$window" ctrl+p
for dll in velmora-printing.dll Qt6PrintSupport.dll; do
  for _ in $(seq 60); do loaded_beside "$dll" && break || sleep 0.5; done
  loaded_beside "$dll" || fail "Ctrl+P loaded no $dll from $programs"
done
echo "printing: velmora-printing.dll and Qt6PrintSupport.dll loaded from beside the program at Ctrl+P, not before"
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

# Windows' app mode "Dark", at start-up and switched both ways while the
# window is open: Windows then broadcasts WM_SETTINGCHANGE with
# "ImmersiveColorSet", which a few lines of C built with mingw do here.
# Every caption and the result stand 4.5:1, every edge 3:1, unchecked
# circles stay hollow, and the result's tooltip and menu and the pressure
# list are in the mode of the moment, their text at 4.5:1.
# (Windows draws a dark title bar too; under Wine the window manager draws it.)
personalize='HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize'
app_mode() {
  "$wine" reg add "$personalize" /v AppsUseLightTheme /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
broadcast=$scratch/broadcast_theme_change.exe
x86_64-w64-mingw32-gcc -O2 -o "$broadcast" "$(dirname "$0")/broadcast_theme_change.c"
measure() {
  import -window "$window" "$scratch/$1.png"
  python3 "$(dirname "$0")/measure_window.py" "$scratch/$1.png" "${@:2}" >"$scratch/$1.txt" || {
    cat "$scratch/$1.txt" >&2
    fail "under $1, a caption, an edge, a circle or the result's marks fall short"
  }
  echo "$1: $(head -n1 "$scratch/$1.txt"); $(tail -n +2 "$scratch/$1.txt" | wc -l) measurements pass"
}
# popup NAME dark|light: the popup just opened, the one window shown now
# that was not before (Wine gives each popup an X window of its own), is
# measured whole, never a piece of the screen near the mouse that may hold
# a frame line or the window behind; Escape closes it.
popup() {
  local opened=""
  for _ in $(seq 20); do
    opened=$(comm -13 <(echo "$before") <(shown_windows) | tail -n1)
    [ -n "$opened" ] && break
    sleep 0.2
  done
  [ -n "$opened" ] || fail "$1: no popup opened"
  import -window "$opened" "$scratch/$1.png"
  identify -format '%w' "$scratch/$1.png" >"$scratch/$1.width"
  xdotool key --window "$window" Escape
  sleep 0.3
  python3 "$(dirname "$0")/measure_window.py" "$scratch/$1.png" --popup "--$2" >"$scratch/$1.txt" || {
    cat "$scratch/$1.txt" >&2
    fail "$1 is not drawn in $2 mode"
  }
  echo "$1: $(head -n1 "$scratch/$1.txt"); $(sed -n 2p "$scratch/$1.txt")"
}
# popups dark|light [PREFIX]: the result's tooltip and menu, and the
# pressure list, named after the mode, after PREFIX where given.
# shellcheck disable=SC2046
popups() {
  xdotool mousemove --window "$window" $(point 300 64)
  sleep 0.3
  before=$(shown_windows)
  xdotool mousemove --window "$window" $(point 360 64)
  sleep 2.5
  popup "${2:-}$1 mode, the result's tooltip" "$1"
  xdotool mousemove --window "$window" $(point 300 30)
  sleep 0.5
  before=$(shown_windows)
  click 360 64 3
  popup "${2:-}$1 mode, the result's menu" "$1"
  before=$(shown_windows)
  click 260 75
  popup "${2:-}$1 mode, the pressure list" "$1"
}
app_mode 0
LANG=tr_TR.UTF-8 "$wine" "$programs/velmora.exe" >/dev/null 2>&1 &
window=$(window_titled '^Velmora$') || fail "no window titled Velmora in dark mode"
sleep 2
type_into 236 49 "10"
click 400 108
measure "dark mode" --captions --result --dark
[ -z "$screenshot" ] || cp "$scratch/dark mode.png" "${screenshot%.png}-dark.png"
popups dark
app_mode 1
"$wine" "$broadcast"
sleep 2
measure "light mode, switched while open" --captions --result --light
popups light
app_mode 0
"$wine" "$broadcast"
sleep 2
measure "dark mode, switched back while open" --captions --result --dark
popups dark
"$wineserver" -k
"$wineserver" -w
app_mode 1

# The result beside its marks at 100 % and 150 % (LogPixels 144 in
# HKCU\Control Panel\Desktop, as Windows' display settings write it),
# light and dark: 5,0 as it is, out of date, with a note and with both,
# each measured on the window's pixels against the first, its digits
# unchanged, the strike through them, the sign after them and before the
# unit, the unit unchanged; at 150 % the window is 1.5 times as wide, its
# captions, edges and circles stand out as at 100 %, the result's tooltip,
# menu and list are drawn as at 100 %, and its digits and its menu (in the
# window's font) are 1.5 times as wide, within a fifth.
desktop='HKCU\Control Panel\Desktop'
# marks_at PERCENT light|dark: the program at that scale and app mode.
# shellcheck disable=SC2046
marks_at() {
  percent=$1
  local mode=$2 name="$1 %, $2 mode" scale
  scale=$(python3 -c "print($percent / 100)")
  "$wine" reg add "$desktop" /v LogPixels /t REG_DWORD /d $((96 * percent / 100)) /f >/dev/null 2>&1
  app_mode "$([ "$mode" = light ] && echo 1 || echo 0)"
  "$wineserver" -w
  LANG=tr_TR.UTF-8 "$wine" "$programs/velmora.exe" >/dev/null 2>&1 &
  window=$(window_titled '^Velmora$') || fail "no window titled Velmora at $percent %"
  sleep 2
  local width
  width=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p') ||
    fail "at $percent % the window went away"
  [ "$width" -eq $((496 * percent / 100)) ] || fail "at $percent % the window is $width pixels wide"
  type_into 236 49 "10"
  measure "$name" --scale="$scale" --captions "--$mode"
  click 256 24
  type_into 230 74 "0,5"
  click 400 108
  expect "$name, screw, 30-55 kW, 10, 0,5" "5,0"
  # Away from the result and its tooltip.
  xdotool mousemove --window "$window" $(point 300 88)
  sleep 1
  measure "$name, 5,0" --scale="$scale" --result --digits "--$mode"
  local plain="--against=$scratch/$name, 5,0.png"
  type_into 236 49 "10 "
  measure "$name, out of date" --scale="$scale" "$plain" --marks=strike
  type_into 236 49 "100"
  type_into 230 74 "5"
  click 400 108
  expect "$name, screw, 30-55 kW, 100, 5: notes" "5,0"
  xdotool mousemove --window "$window" $(point 300 88)
  sleep 1
  measure "$name, a note" --scale="$scale" "$plain" --marks=sign
  type_into 236 49 "100 "
  measure "$name, a note, out of date" --scale="$scale" "$plain" --marks=strike,sign
  popups "$mode" "$percent %, "
  "$wineserver" -k
  "$wineserver" -w
}
# in_proportion WHAT FILE: what FILE says is as wide at 150 % as at 100 %
# times 1.5, within a fifth.
in_proportion() {
  python3 -c "import sys; ratio = $2 / $3; sys.exit(not 1.2 <= ratio <= 1.8)" ||
    fail "$1 is $2 pixels wide at 150 % and $3 at 100 %"
  echo "$1: $2 pixels wide at 150 %, $3 at 100 %"
}
marks_at 100 light
marks_at 150 light
marks_at 150 dark
digits() { sed -n 's/^the result.s digits: \([0-9]*\) .*/\1/p' "$scratch/$1, 5,0.txt"; }
in_proportion "the result's digits" "$(digits "150 %, light mode")" "$(digits "100 %, light mode")"
# The tooltip's lines are wrapped at the display's edge, the menu's never.
in_proportion "the result's menu" "$(cat "$scratch/150 %, light mode, the result's menu.width")" \
  "$(cat "$scratch/100 %, light mode, the result's menu.width")"
if [ -n "$screenshot" ]; then
  cp "$scratch/100 %, light mode, a note, out of date.png" "${screenshot%.png}-marked.png"
  cp "$scratch/150 %, light mode, a note, out of date.png" "${screenshot%.png}-150.png"
  cp "$scratch/150 %, dark mode, a note, out of date.png" "${screenshot%.png}-150-dark.png"
  # The result's frame alone at both scales, for the user's guides.
  convert \( "$scratch/100 %, light mode, a note, out of date.png" -crop 167x46+326+38 +repage \) \
    \( "$scratch/150 %, light mode, a note, out of date.png" -crop 250x69+489+57 +repage \
    -background '#F5F5F5' -gravity west -splice 12x0 \) -gravity center +append \
    "${screenshot%.png}-result.png"
  echo "wrote ${screenshot%.png}-marked.png, -150.png, -150-dark.png and -result.png"
fi
percent=100
"$wine" reg add "$desktop" /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
app_mode 1

# Under a contrast theme (Windows 11's Aquatic, set as the system colours
# Qt reads) every edge stands 3:1 against the window, measured on the
# program's own pixels.
for colour in "Window=32 32 32" "WindowText=255 255 255" "ButtonFace=32 32 32" \
  "ButtonText=255 255 255" "Highlight=142 227 240" "HighlightText=38 59 80" "GrayText=166 166 166"; do
  "$wine" reg add 'HKCU\Control Panel\Colors' /v "${colour%%=*}" /t REG_SZ /d "${colour#*=}" /f \
    >/dev/null 2>&1
done
"$wineserver" -w
LANG=tr_TR.UTF-8 "$wine" "$programs/velmora.exe" >/dev/null 2>&1 &
window=$(window_titled '^Velmora$') || fail "no window titled Velmora under the contrast theme"
sleep 2
measure "the Aquatic contrast theme"
"$wineserver" -k
"$wineserver" -w

# velmora.exe is a desktop program. Given streams (a pipe here, as a
# redirect from cmd.exe would give), it answers on them; started with no
# streams and no console to join (Wine's start /unix), in a message box.
version=$("$wine" "$programs/velmora.exe" --version 2>/dev/null | tr -d '\r')
[ "$version" = "Velmora 1.00" ] || fail "--version through a pipe printed '$version'"
status=0
problem=$("$wine" "$programs/velmora.exe" --frobnicate 2>&1 >/dev/null | tr -d '\r') || status=$?
[ "$status" -eq 2 ] && [ "$problem" = "velmora.exe: unknown option 'frobnicate'; see 'velmora.exe --help'" ] ||
  fail "an unknown option gave status $status and '$problem'"
echo "with streams: --version and an unknown option answered on them"
"$wine" start /unix "$programs/velmora.exe" --version </dev/null >/dev/null 2>&1
box=$(window_titled '^Velmora$' 30) || fail "with no console, --version showed no message box"
width=$(xdotool getwindowgeometry "$box" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p') ||
  fail "the --version message box went away"
[ "$width" -lt 400 ] || fail "with no console, --version opened a window $width pixels wide"
xdotool windowactivate --sync "$box" key Return
timeout 20 "$wineserver" -w || fail "the message box did not end the program"
echo "without a console: --version in a message box, closed with Enter"

"$wine" "$programs/uninstall.exe" /S
"$wineserver" -w
sleep 1
"$wineserver" -w
[ ! -e "$programs" ] || fail "the uninstaller left $(find "$programs" | wc -l) entries in $programs"
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu shortcut"
[ ! -e "$guide_shortcut" ] || fail "the uninstaller left the guide's Start-menu shortcut"
! "$wine" reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left the Apps and features entry"
echo "uninstalled: no file, shortcut or entry left"

# Elsewhere, as a user who chose the folder: /D= comes last and unquoted,
# as NSIS reads it, to the end of the line. Each word is an argument of its
# own, so Wine quotes only the installer's path, whatever blanks the build
# folder has, and cmd.exe hands the rest on as typed.
elsewhere="$WINEPREFIX/drive_c/Some Other Folder"
setup=$build/$package-setup.exe
"$wine" cmd /c "Z:${setup//\//\\}" /S '/D=C:\Some' Other Folder >/dev/null 2>&1
"$wineserver" -w
[ -f "$elsewhere/velmora.exe" ] || fail "/D= put no velmora.exe in C:\Some Other Folder"
[ ! -e "$programs" ] || fail "/D= installed into $programs too"
install_location=$(entry_value InstallLocation)
grep -q 'Some Other Folder' <<<"$install_location" ||
  fail "the entry does not name C:\Some Other Folder: $install_location"
"$wine" "$elsewhere/uninstall.exe" /S
"$wineserver" -w
sleep 1
"$wineserver" -w
[ ! -e "$elsewhere" ] || fail "the uninstaller left $elsewhere"
! "$wine" reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left the entry of C:\Some Other Folder"
echo "installed into C:\Some Other Folder with /D= and uninstalled from there"

"$wineserver" -k 2>/dev/null || true
"$(dirname "$0")/check-windows-msi.sh" "$build" | grep -v '^1 passed, 0 failed$'
echo "1 passed, 0 failed"
