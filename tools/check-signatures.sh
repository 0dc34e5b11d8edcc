#!/usr/bin/env bash
# Each signed file verifies against the authority that issued the signing
# certificate (VELMORA_SIGN_CA), carries an RFC 3161 timestamp, and fails
# verification once a single byte of it is changed. A folder stands for
# every program and library in it, and one with none fails.
#   check-signatures.sh FILE|FOLDER...
set -euo pipefail
: "${VELMORA_SIGN_CA:?the certificate authority to verify against}"
fail() { echo "FAIL: $*" >&2; exit 1; }
# shellcheck source=tools/portable_executables.sh
. "$(dirname "$0")/portable_executables.sh"
portable_executables "$@"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
verify() {
  osslsigncode verify -CAfile "$VELMORA_SIGN_CA" -TSA-CAfile "$VELMORA_SIGN_CA" -in "$1" \
    >"$scratch/verify.log" 2>&1
}
for file in "${portable_executables[@]}"; do
  name=$(basename "$file")
  verify "$file" || { cat "$scratch/verify.log" >&2; fail "$name does not verify"; }
  grep -q '^Timestamp Server Signature verification: ok' "$scratch/verify.log" ||
    fail "$name carries no timestamp"
  cp "$file" "$scratch/changed"
  middle=$(($(stat -c %s "$file") / 2))
  byte=$(od -An -tu1 -j "$middle" -N1 "$file" | tr -d ' ')
  printf "$(printf '\\%03o' $(((byte + 1) % 256)))" |
    dd of="$scratch/changed" bs=1 seek="$middle" conv=notrunc status=none
  ! verify "$scratch/changed" || fail "$name still verifies with byte $middle changed"
  echo "$name: signed, timestamped, and a changed byte fails verification"
done
