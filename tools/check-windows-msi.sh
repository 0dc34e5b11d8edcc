#!/usr/bin/env bash
# The MSI as an administrator deploys it, under Wine in a fresh prefix:
# silent install per machine (files in Program Files, the all-users
# Start-menu shortcut, one "Apps and features" entry in the 64-bit view of
# HKLM), the installed program opens its window; a newer version built from
# the same folder replaces it and leaves one entry; the older one is then
# refused; uninstalling, by product code or by the file, leaves nothing. A
# change of any input of the package (a staged file, the installer's logic,
# the tools) gives it other codes. A re-spin of the same version replaces
# the build installed, under every UI level, in the folder given on the
# command line or, given none, in the one the install before had.
#   check-windows-msi.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/fresh_wine_prefix.sh
. "$here/fresh_wine_prefix.sh"
# shellcheck source=tools/shown_windows.sh
. "$here/shown_windows.sh"
start_fresh_wine_prefix
package=$(package_of "$build")
stage=$build/stage/$package

first=$build/$package.msi
version=$(msiinfo export "$first" Property | sed -n 's/^ProductVersion\t//p' | tr -d '\r')
# build_msi OUT STAGE VERSION [PACKAGING_FOLDER]: an MSI as the build packs
# one, by packaging/windows or a changed copy of it.
build_msi() {
  cmake -DSTAGE="$2" -DVERSION="$3" -DICON="$build/packaging/windows/velmora.ico" -DOUT="$1" \
    -P "${4:-$here/../packaging/windows}/build_msi.cmake" >/dev/null
}
product_code() { msiinfo export "$1" Property | sed -n 's/^ProductCode\t//p' | tr -d '\r'; }
package_code() { msiinfo suminfo "$1" | sed -n 's/^Revision number (UUID): //p' | tr -d '\r'; }
# The same staged folder packed again as a newer version, as the next
# release would be.
newer_version=${version%%.*}.$(printf '%02d' $((10#${version#*.} + 1)))
newer=$scratch/velmora-$newer_version-windows-x64.msi
build_msi "$newer" "$stage" "$newer_version"
[ "$(product_code "$first")" != "$(product_code "$newer")" ] ||
  fail "two versions share the product code $(product_code "$first")"

# Every input of the package decides its codes: a build of the same version
# that differs from the baseline in one input has product and package codes
# of its own, or Windows Installer would take it for the build installed
# and run it as a maintenance install of that one. Built elsewhere from the
# same inputs, the package keeps its codes, so that the rows below differ by
# what they change and not by where they are built.
mkdir -p "$scratch/elsewhere/deeper" "$scratch/respin" "$scratch/wixl"
baseline=$scratch/$package-baseline.msi
build_msi "$baseline" "$stage" "$version"
elsewhere=$scratch/elsewhere/deeper/$package.msi
build_msi "$elsewhere" "$stage" "$version"
if [ "$(product_code "$elsewhere")" != "$(product_code "$baseline")" ] ||
  [ "$(package_code "$elsewhere")" != "$(package_code "$baseline")" ]; then
  fail "the same inputs packed in another folder gave other codes"
fi
# A re-spin, as a mended DLL would make one.
respin_stage=$scratch/respin/$package
cp -a "$stage" "$respin_stage"
echo "Re-spun." >>"$respin_stage/licenses/third-party.txt"
respin=$scratch/$package-respin.msi
# The installer's logic alone: the upgrade row only detects the build
# installed (2), so the package would install beside it.
cp -a "$here/../packaging/windows" "$scratch/logic"
sed -i 's/, 513, /, 515, /' "$scratch/logic/build_msi.cmake"
! cmp -s "$scratch/logic/build_msi.cmake" "$here/../packaging/windows/build_msi.cmake" ||
  fail "the installer logic's edit for the check found nothing to change"
# The tools: another build of wixl.
printf '#!/bin/sh\nexec %s "$@"\n' "$(command -v wixl)" >"$scratch/wixl/wixl"
chmod +x "$scratch/wixl/wixl"
while IFS='|' read -r -u 3 what out from packaging tools; do
  PATH=${tools:+$tools:}$PATH build_msi "$out" "$from" "$version" ${packaging:+"$packaging"}
  for code in product package; do
    [ "$("${code}_code" "$out")" != "$("${code}_code" "$baseline")" ] ||
      fail "$what: the MSI keeps the baseline's $code code $("${code}_code" "$baseline")"
  done
  echo "$what: other product and package codes"
done 3<<ROWS
one staged file changed|$respin|$respin_stage||
the installer logic alone (the upgrade row only detects)|$scratch/logic.msi|$stage|$scratch/logic|
another build of wixl|$scratch/wixl.msi|$stage||$scratch/wixl
ROWS
grep -q "	515	" <<<"$(msiinfo export "$scratch/logic.msi" Upgrade)" ||
  fail "the installer logic's edit did not reach the package"

program_files=$WINEPREFIX/drive_c/Program\ Files/Velmora
# Windows puts a per-machine package's shortcuts in the all-users Start
# menu; Wine's msi resolves the folder before it reads ALLUSERS and puts
# them in the installing user's. Either is accepted here, and both must be
# empty after uninstalling.
start_menus=("$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs")
start_menus+=("$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public |
  head -n1)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs")
# wixl cannot carry Turkish letters in a name (see build_msi.cmake).
shortcuts=("Velmora.lnk" "Velmora Kullanim Kilavuzu.lnk")
find_shortcut() {
  local menu
  for menu in "${start_menus[@]}"; do
    if [ -f "$menu/$1" ]; then
      echo "$menu/$1"
      return
    fi
  done
}
uninstall_keys='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

# msiexec's status as Wine hands it on, cut to eight bits as every Unix
# exit status is: 1603 (fatal error) arrives as 67. What Wine printed and
# the verbose log are kept for failed_msiexec.
#
# 1 is none of Windows Installer's statuses (0, 1602 and up, 3010): it is
# msiexec's own when it ran no package, or Wine's when it could not start
# it. A clean clone's CI saw it once on an install that passes on every
# other run; it is shown with what Wine printed, and tried once more.
#
# Wine reads the command line in the locale's character set: UTF-8, so that
# a folder with Turkish letters arrives as typed. Under a UI level a failure
# can wait on a message box that nobody answers; after 300 seconds the call
# is ended, with timeout's status 124.
msiexec() {
  local status attempt
  for attempt in 1 2; do
    status=0
    rm -f "$scratch/msiexec.log"
    LC_ALL=C.UTF-8 timeout 300 "$wine" msiexec "$@" /l*v "$(windows_path "$scratch/msiexec.log")" \
      >"$scratch/msiexec.out" 2>&1 || status=$?
    [ "$status" != 124 ] || "$wineserver" -k
    "$wineserver" -w
    if [ "$status" != 1 ] || [ "$attempt" = 2 ]; then break; fi
    {
      echo "msiexec $* ended with 1 (no status of Windows Installer's); Wine printed:"
      cat "$scratch/msiexec.out"
      df -h "$scratch"
      echo "once more:"
    } >&2
  done
  echo "$status"
}
# A failed msiexec with what there is to go on: what Wine printed and the
# end of the verbose log, where the failed action stands.
failed_msiexec() {
  {
    echo "msiexec printed:"
    cat "$scratch/msiexec.out"
    if [ -s "$scratch/msiexec.log" ]; then
      echo "the end of its log:"
      tail -n 40 "$scratch/msiexec.log"
    fi
    df -h "$scratch"
  } >&2
  fail "$@"
}
# The Velmora entries under "Apps and features", one line each:
# KEY DisplayVersion. Each key is read whole before it is searched (see
# the summary below).
entries() {
  local key values
  for key in $("$wine" reg query "$uninstall_keys" /reg:64 2>/dev/null | tr -d '\r' |
    grep -o '{[0-9A-F-]*}$'); do
    values=$("$wine" reg query "$uninstall_keys\\$key" /reg:64 2>/dev/null | tr -d '\r') || continue
    grep -q 'DisplayName.*Velmora' <<<"$values" || continue
    echo "$key $(awk '$1 == "DisplayVersion" {print $3}' <<<"$values")"
  done
}
windows_path() { echo "Z:${1//\//\\}"; }
# A folder of the prefix's drive C: as Windows names it.
windows_form() {
  local path=${1#"$WINEPREFIX/drive_c/"}
  echo "C:\\${path//\//\\}"
}

# What msiinfo shows an administrator, and the entry's icon, which Windows
# takes from the package (Wine's msi writes no DisplayIcon).
# Read whole before searching: grep -q leaving at the first match would
# break msiinfo's pipe, and pipefail take that for a failure.
summary=$(msiinfo suminfo "$first")
properties=$(msiinfo export "$first" Property)
grep -q "^Subject: Velmora $version$" <<<"$summary" || fail "the summary names no version"
grep -q "^Author: The Velmora developers$" <<<"$summary" || fail "the summary names no publisher"
grep -q "^Manufacturer.The Velmora developers" <<<"$properties" ||
  fail "the property table names no publisher"
grep -q "^ARPPRODUCTICON.velmora.ico" <<<"$properties" || fail "Apps and features would show no icon"
# Where Windows restricts what the client hands the server (a user who is
# no administrator, elevated for a per-machine install), a folder given
# under full or reduced UI arrives only as a secure property. Wine runs both
# sides in one process, so only the package can show it.
grep -q "^SecureCustomProperties.*[;	]INSTALLDIR\(;\|$\)" <<<"$(tr -d '\r' <<<"$properties")" ||
  fail "INSTALLDIR is no secure property: an elevated install could drop a folder given"
grep -q "^Icon.velmora.ico$" <<<"$(msiinfo streams "$first")" || fail "the package carries no icon"

status=$(msiexec /i "$(windows_path "$first")" /qn)
[ "$status" = 0 ] || failed_msiexec "msiexec /i ended with $status"
[ -f "$program_files/velmora.exe" ] || fail "no velmora.exe in Program Files"
installed=$(cd "$program_files" && find . -type f | sort)
staged=$(cd "$stage" && find . -type f | sed 's/ı/i/g' | sort)
[ "$installed" = "$staged" ] || fail "the installed files differ from the staged ones"
for guide in "Kullanim Kilavuzu.html" "User Guide.html"; do
  [ -f "$program_files/$guide" ] || fail "the MSI installed no $guide"
done
for name in "${shortcuts[@]}"; do
  [ -n "$(find_shortcut "$name")" ] || fail "no Start-menu shortcut $name"
done
[ "$(entries)" = "$(product_code "$first") $version" ] ||
  fail "Apps and features shows '$(entries)', not one Velmora $version"
key="$uninstall_keys\\$(product_code "$first")"
for value in "DisplayName.*Velmora" "DisplayVersion.*$version" \
  "Publisher.*The Velmora developers" "NoModify.*0x1" "NoRepair.*0x1"; do
  grep -q "$value" <<<"$("$wine" reg query "$key" /reg:64 | tr -d '\r')" ||
    fail "the Apps and features entry has no $value"
done
echo "MSI $version installed per machine: $(echo "$installed" | wc -l) files, the guides," \
  "the shortcuts to the program and the guide, and one entry"

LANG=tr_TR.UTF-8 "$wine" "$program_files/velmora.exe" >/dev/null 2>&1 &
window_titled '^Velmora$' >/dev/null || fail "the program installed by the MSI opened no window titled Velmora"
"$wineserver" -k
"$wineserver" -w
echo "the installed program opens its window"

status=$(msiexec /i "$(windows_path "$newer")" /qn)
[ "$status" = 0 ] || failed_msiexec "installing $newer_version over $version ended with $status"
[ "$(entries)" = "$(product_code "$newer") $newer_version" ] ||
  fail "after the upgrade Apps and features shows '$(entries)'"
echo "MSI $newer_version replaced $version: one entry, $newer_version"

status=$(msiexec /i "$(windows_path "$first")" /qn)
[ "$status" = $((1603 % 256)) ] || failed_msiexec "installing $version over $newer_version ended with $status"
# Windows shows and logs the launch condition's message; Wine's log does not
# carry it, so the package itself is read for it.
grep -q "^NOT WIX_DOWNGRADE_DETECTED.A newer version of Velmora is already installed.$" \
  <<<"$(msiinfo export "$first" LaunchCondition | tr -d '\r')" ||
  fail "the refused downgrade would not say why"
[ "$(entries)" = "$(product_code "$newer") $newer_version" ] || fail "the refused downgrade changed the entry"
echo "MSI $version over $newer_version: refused, 'A newer version of Velmora is already installed.'"

left_over() {
  [ ! -e "$program_files" ] || fail "$1 left $program_files"
  for name in "${shortcuts[@]}"; do
    [ -z "$(find_shortcut "$name")" ] || fail "$1 left the Start-menu shortcut $name"
  done
  [ -z "$(entries)" ] || fail "$1 left the Apps and features entry"
  ! "$wine" reg query 'HKLM\Software\Velmora' /reg:64 >/dev/null 2>&1 ||
    fail "$1 left HKLM\\Software\\Velmora"
}
status=$(msiexec /x "$(product_code "$newer")" /qn)
[ "$status" = 0 ] || failed_msiexec "msiexec /x by product code ended with $status"
left_over "uninstalling by product code"
status=$(msiexec /i "$(windows_path "$first")" /qn)
[ "$status" = 0 ] || failed_msiexec "installing $version again ended with $status"
status=$(msiexec /x "$(windows_path "$first")" /qn)
[ "$status" = 0 ] || failed_msiexec "msiexec /x by file ended with $status"
left_over "uninstalling by file"
echo "uninstalled by product code and by file: no file, shortcut, key or entry left"

# A re-spin of the same version replaces the build installed, in the folder
# the install before it was given, or in one given to it, whatever the UI:
# under full and reduced UI Windows Installer runs the UI sequence first,
# its own AppSearch and costing on the client side, and /qn and /qb skip
# it. Each row installs the re-spin over the first build or the first over
# the re-spin, without a folder (the one before it stays) or with one.
# Wine's msiexec runs the UI sequence exactly where Windows does, which its
# verbose log shows as a second AppSearch: the UI levels are tested, not
# assumed.
tools_folder=$WINEPREFIX/drive_c/Tools/Velmora
folder=$program_files
row=0
while read -r -u 3 level given; do
  packages=("$first" "$respin")
  package_file=${packages[$((row % 2))]}
  row=$((row + 1))
  arguments=(/i "$(windows_path "$package_file")")
  said="$level, no folder given"
  if [ "$given" != - ]; then
    arguments+=("INSTALLDIR=$given")
    said="$level, INSTALLDIR=$given"
  fi
  status=$(msiexec "${arguments[@]}" "$level")
  [ "$status" = 0 ] || failed_msiexec "$said: msiexec ended with $status"
  searches=$(grep -c '^Action start [0-9:]*: AppSearch\.$' "$scratch/msiexec.log" || true)
  case $level in
    /qr | /qf) [ "$searches" = 2 ] || fail "$said: Wine ran no UI sequence ($searches AppSearch)" ;;
    *) [ "$searches" = 1 ] || fail "$said: Wine ran $searches AppSearch, not the server's alone" ;;
  esac
  before=$folder
  [ "$given" = - ] || folder=$WINEPREFIX/drive_c/${given#C:\\}
  folder=${folder//\\//}
  if [ ! -f "$folder/velmora.exe" ]; then
    landed=$(find "$WINEPREFIX/drive_c" -path "$WINEPREFIX/drive_c/windows" -prune -o \
      -name velmora.exe -printf '%h\n' | head -n1)
    [ -z "$landed" ] || landed=$(windows_form "$landed")
    failed_msiexec "$said: no velmora.exe in $(windows_form "$folder") but in ${landed:-no folder}"
  fi
  respun=$(grep -c '^Re-spun.$' "$folder/licenses/third-party.txt" || true)
  [ "$respun" = "$([ "$package_file" = "$respin" ] && echo 1 || echo 0)" ] ||
    fail "$said: $(basename "$package_file") did not replace the files in $(windows_form "$folder")"
  [ "$before" = "$folder" ] || [ ! -e "$before" ] ||
    fail "$said: the install before is left in $(windows_form "$before")"
  [ "$folder" = "$program_files" ] || [ ! -e "$program_files" ] ||
    fail "$said: files in Program Files too"
  [ "$(entries)" = "$(product_code "$package_file") $version" ] ||
    fail "$said: Apps and features shows '$(entries)'"
  case $level in /qr | /qf) said="$said, with the UI sequence" ;; esac
  echo "$(basename "$package_file"), $said: in $(windows_form "$folder"), one entry"
done 3<<'ROWS'
/qn C:\Araçlar\Velmora
/qr -
/qb -
/qf -
/qn -
/qb C:\Verilen\Velmora
/qn C:\Tools\Velmora
/qr C:\Verilen klasör\Velmora
/qf C:\Tools\Velmora
ROWS
status=$(msiexec /x "$(product_code "$first")" /qn)
[ "$status" = 0 ] || failed_msiexec "uninstalling from C:\Tools\Velmora ended with $status"
[ ! -e "$tools_folder" ] || fail "uninstalling left $tools_folder"
left_over "uninstalling from C:\Tools\Velmora"
echo "uninstalled from C:\Tools\Velmora, nothing left"
echo "1 passed, 0 failed"
