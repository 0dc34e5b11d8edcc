#!/usr/bin/env bash
# A signature that fails stops the build: NSIS runs the signer on the
# uninstaller and on the installer as it writes them, and must stop with
# it, as the MSI's and the stage's signing stop the packing target. Run with
# a certificate in the environment (with-throwaway-certificate.sh), after a
# packing has laid out what the installer takes.
#   check-failed-signature.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# Nothing answers on the discard port: a timestamp server that is down.
if VELMORA_SIGN_TIMESTAMP_URL=http://127.0.0.1:9/ makensis -V2 -INPUTCHARSET UTF8 \
  "-XOutFile $scratch/setup.exe" "$build/packaging/windows/velmora.nsi" >"$scratch/log" 2>&1; then
  fail "the installer was built although its signature failed"
fi
grep -qi "finalize command returned" "$scratch/log" ||
  { cat "$scratch/log" >&2; fail "makensis stopped, but not for the signature"; }
echo "a failed signature stops the installer's build"
