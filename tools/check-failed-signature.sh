#!/usr/bin/env bash
# A signature that fails stops the build, and leaves no download behind:
# the packing target, stopped by the signature of a staged library, of the
# installer or of the MSI, leaves none of the downloads. NSIS runs the
# signer on the uninstaller (!uninstfinalize) and then on the installer
# (!finalize) as it writes them, and must stop at either: one run where
# only the uninstaller's signature fails, one where only the installer's
# does, each stopped by its own step. The uninstaller matters most: it
# travels inside setup.exe, where no later verification looks. And the
# signer refuses what it cannot sign or verify whole, and replaces a file
# only with the whole signed one.
# Run with a certificate in the environment (with-throwaway-certificate.sh)
# on a built tree; it packs there and leaves no downloads: pack after it.
#   check-failed-signature.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "$build is no configured build"
package=velmora-$version-windows-x64
earlier="an earlier packing's"
# The stand-ins for an earlier packing's downloads go with the scratch
# folder where a run stops before the packing clears them: left, they
# would pass for downloads.
leave_no_stand_ins() {
  local file
  for file in "$build/$package.zip" "$build/SHA256SUMS"; do
    [ "$(cat "$file" 2>/dev/null)" != "$earlier" ] || rm -f "$file"
  done
  rm -rf "$scratch"
}
trap leave_no_stand_ins EXIT

# The packing as the build runs it, with the timestamp server down for the
# signature of one file: the packing fails, and leaves no download where a
# release engineer picks them up, neither the one whose signature failed
# (makensis stops, but leaves the installer it wrote, unsigned; the signer
# leaves a file it could not sign as it was) nor the others, nor those of
# an earlier packing, whose SHA256SUMS would still check.
mkdir "$scratch/bin"
{
  echo '#!/usr/bin/env bash'
  echo "real=$(printf '%q' "$(command -v osslsigncode)")"
  cat <<'SIGNER'
# osslsigncode, but for the file FAILING_FILE matches, whose timestamp
# server does not answer (nothing does on the discard port).
arguments=("$@")
for ((at = 1; at < ${#arguments[@]}; at++)); do
  if [ "${arguments[at - 1]}" = -in ] && [[ ${arguments[at]} == $FAILING_FILE ]]; then
    for ((ts = 1; ts < ${#arguments[@]}; ts++)); do
      [ "${arguments[ts - 1]}" != -ts ] || arguments[ts]=http://127.0.0.1:9/
    done
  fi
done
exec "$real" "${arguments[@]}"
SIGNER
} >"$scratch/bin/osslsigncode"
chmod +x "$scratch/bin/osslsigncode"
downloads() {
  find "$build" -path "$build/stage" -prune -o -type f \( -name "$package*" -o -name SHA256SUMS \) \
    -printf '%P\n' | LC_ALL=C sort
}
# the file whose signature fails | what the step that stops says
while IFS='|' read -r -u 3 failing message; do
  echo "$earlier" | tee "$build/$package.zip" >"$build/SHA256SUMS"
  if PATH=$scratch/bin:$PATH FAILING_FILE=$failing cmake --build "$build" --target windows_packages \
    >"$scratch/log" 2>&1; then
    fail "the downloads were packed although the signature of $failing failed"
  fi
  grep -q "$message" "$scratch/log" ||
    { cat "$scratch/log" >&2; fail "the packing stopped, but not at the signature of $failing"; }
  [ -z "$(downloads)" ] ||
    fail "with the signature of $failing failing, the packing left $(downloads | paste -sd' ')"
  echo "a failed signature of $failing stops the packing, and no download is left"
done 3<<ROWS
*/stage/$package/velmora-printing.dll|could not sign .*velmora-printing.dll
*/$package-setup.exe|Finalize command returned
*/$package.msi|could not sign .*$package.msi
ROWS

# The build's installer script with its signer put behind one that signs
# as the build does, but with the timestamp server down (nothing answers on
# the discard port) for the step named in FAILING_STEP. %1 tells the steps
# apart: the installer is the file makensis was told to write, the
# uninstaller a temporary file of its own.
nsi=$build/packaging/windows/velmora.nsi
signer=$(sed -n "s/^!finalize '\"\(.*\)\" \"%1\"'.*/\1/p" "$nsi")
[ -n "$signer" ] || fail "$nsi signs the installer with nothing"
setup=$scratch/setup.exe
cat >"$scratch/signer" <<SIGNER
#!/usr/bin/env bash
step=uninstaller
[ "\$1" != "$setup" ] || step=installer
url=\$VELMORA_SIGN_TIMESTAMP_URL
[ "\$step" != "\$FAILING_STEP" ] || url=http://127.0.0.1:9/
status=0
VELMORA_SIGN_TIMESTAMP_URL=\$url "$signer" "\$1" >/dev/null 2>&1 || status=\$?
echo "\$step \$status" >>"$scratch/steps"
exit \$status
SIGNER
chmod +x "$scratch/signer"
sed "s|'\"$signer\" |'\"$scratch/signer\" |" "$nsi" >"$scratch/velmora.nsi"
[ "$(grep -c "^!\(uninst\)\?finalize '\"$scratch/signer\" \"%1\"'" "$scratch/velmora.nsi")" = 2 ] ||
  fail "$nsi does not sign the uninstaller and the installer with $signer"
# failing step | the message of the step that stops | the steps signed and
# their statuses
while IFS='|' read -r -u 3 failing message steps; do
  rm -f "$scratch/steps" "$setup"
  if FAILING_STEP=$failing makensis -V2 -INPUTCHARSET UTF8 "-XOutFile \"$setup\"" \
    "$scratch/velmora.nsi" >"$scratch/log" 2>&1; then
    fail "the installer was built although the $failing's signature failed"
  fi
  grep -q "^$message command returned" "$scratch/log" ||
    { cat "$scratch/log" >&2; fail "makensis stopped, but not at the $failing's signature ($message)"; }
  [ "$(paste -sd, "$scratch/steps")" = "$steps" ] ||
    fail "with the $failing's signature failing, the signer ran as '$(paste -sd, "$scratch/steps")', not '$steps'"
  echo "a failed signature of the $failing stops the installer's build: $message"
done 3<<'ROWS'
uninstaller|UninstFinalize|uninstaller 1
installer|Finalize|uninstaller 0,installer 1
ROWS

# The signer refuses a tree with no program or library in it, as an
# install step that failed leaves one, and a call it would half obey.
mkdir -p "$scratch/unfinished/licenses" "$scratch/tree"
echo "MIT" >"$scratch/unfinished/licenses/Velmora-MIT.txt"
cp "$build/bin/velmora.exe" "$scratch/tree/velmora.exe"
refuses() {
  local what=$1 message=$2
  shift 2
  if "$@" >"$scratch/log" 2>&1; then
    fail "$what: accepted"
  fi
  grep -qF -- "$message" "$scratch/log" ||
    { cat "$scratch/log" >&2; fail "$what: refused, but not saying '$message'"; }
  echo "$what: refused, '$message'"
}
refuses "sign-windows.sh --tree on a tree without programs" "holds no program or library" \
  "$here/sign-windows.sh" --tree "$scratch/unfinished"
refuses "sign-windows.sh --verify on a tree without programs" "holds no program or library" \
  "$here/sign-windows.sh" --verify "$scratch/unfinished"
refuses "check-signatures.sh on a tree without programs" "holds no program or library" \
  "$here/check-signatures.sh" "$scratch/unfinished"
refuses "sign-windows.sh --tree DIR with more arguments" "--tree takes one folder" \
  "$here/sign-windows.sh" --tree "$scratch/tree" "$scratch/unfinished"
cmp -s "$build/bin/velmora.exe" "$scratch/tree/velmora.exe" ||
  fail "sign-windows.sh --tree DIR with more arguments signed DIR"

# A signed file replaces the unsigned one by a rename, never by writing
# into it: whoever holds the unsigned file (open, or linked as here) keeps
# it whole, as an interrupted run would leave it. The file keeps its mode.
chmod 750 "$scratch/tree/velmora.exe"
ln "$scratch/tree/velmora.exe" "$scratch/held.exe"
"$here/sign-windows.sh" "$scratch/tree/velmora.exe" >/dev/null
cmp -s "$build/bin/velmora.exe" "$scratch/held.exe" ||
  fail "signing wrote into the unsigned file: one interrupted would be left half signed"
"$here/sign-windows.sh" --verify "$scratch/tree" >/dev/null || fail "the signed file does not verify"
[ "$(stat -c %a "$scratch/tree/velmora.exe")" = 750 ] || fail "the signed file lost its mode"
[ "$(ls -A "$scratch/tree")" = velmora.exe ] || fail "signing left $(ls -A "$scratch/tree") beside the file"
echo "a signed file replaces the unsigned one whole, with its mode, and nothing is left beside it"
