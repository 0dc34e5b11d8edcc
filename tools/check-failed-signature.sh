#!/usr/bin/env bash
# A signature that fails stops the build. NSIS runs the signer on the
# uninstaller (!uninstfinalize) and then on the installer (!finalize) as it
# writes them, and must stop at either, as the MSI's and the stage's
# signing stop the packing target: one run where only the uninstaller's
# signature fails, one where only the installer's does, each stopped by
# its own step. The uninstaller matters most: it travels inside setup.exe,
# where no later verification looks. Run with a certificate in the
# environment (with-throwaway-certificate.sh), after a packing has laid out
# what the installer takes.
#   check-failed-signature.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

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
  if FAILING_STEP=$failing makensis -V2 -INPUTCHARSET UTF8 "-XOutFile $setup" \
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

