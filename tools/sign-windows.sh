#!/usr/bin/env bash
# Signs Windows programs, libraries, installers and MSIs in place with
# Authenticode (SHA-256, with an RFC 3161 timestamp), with Debian's
# osslsigncode, and verifies what it signed. The certificate comes from the
# environment, never from the repository:
#   a PKCS#12 file:  VELMORA_SIGN_PKCS12=FILE and VELMORA_SIGN_PASSWORD or
#                    VELMORA_SIGN_PASSWORD_FILE
#   a PKCS#11 token: VELMORA_SIGN_PKCS11_MODULE=MODULE.so,
#                    VELMORA_SIGN_PKCS11_KEY=pkcs11:URI, VELMORA_SIGN_CERTIFICATES=
#                    chain.pem, and the PIN as VELMORA_SIGN_PASSWORD(_FILE)
#   and for either:  VELMORA_SIGN_TIMESTAMP_URL=http://… (an RFC 3161 server)
#   to verify with:  VELMORA_SIGN_CA=roots.pem, the authorities a signature
#                    must lead to (the system's trusted ones when unset)
# Without a certificate it signs nothing and succeeds, so that an unsigned
# build goes on.
#   sign-windows.sh FILE...            sign each file
#   sign-windows.sh --tree DIR         sign every program and library under DIR
#   sign-windows.sh --verify PATH...   verify each file, and every program and
#                                      library under each folder
#   sign-windows.sh --status           one line: what the build signs with
set -euo pipefail

certificate() {
  if [ -n "${VELMORA_SIGN_PKCS12:-}" ]; then
    echo "the PKCS#12 file $VELMORA_SIGN_PKCS12"
  elif [ -n "${VELMORA_SIGN_PKCS11_MODULE:-}" ]; then
    echo "the PKCS#11 key ${VELMORA_SIGN_PKCS11_KEY:-?} through $VELMORA_SIGN_PKCS11_MODULE"
  fi
}

# A folder stands for the programs and libraries in it: a plant's
# application control checks every one of them, not only velmora.exe.
portable_executables() {
  local path
  for path in "$@"; do
    if [ -d "$path" ]; then
      find "$path" -type f \( -iname '*.exe' -o -iname '*.dll' \) | LC_ALL=C sort
    else
      echo "$path"
    fi
  done
}

if [ "${1:-}" = --status ]; then
  what=$(certificate)
  if [ -z "$what" ]; then
    echo "Windows downloads: unsigned (no certificate given: VELMORA_SIGN_PKCS12 or VELMORA_SIGN_PKCS11_MODULE)"
  else
    echo "Windows downloads: signed with $what, timestamped by ${VELMORA_SIGN_TIMESTAMP_URL:-nobody}"
  fi
  exit 0
fi
[ -n "$(certificate)" ] || exit 0

fail() { echo "sign-windows: $*" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

if [ "${1:-}" = --verify ]; then
  shift
  roots=${VELMORA_SIGN_CA:-/etc/ssl/certs/ca-certificates.crt}
  count=0
  while IFS= read -r file; do
    osslsigncode verify -CAfile "$roots" -TSA-CAfile "$roots" -in "$file" >"$scratch/log" 2>&1 ||
      { cat "$scratch/log" >&2; fail "$file does not verify against $roots"; }
    grep -q '^Timestamp Server Signature verification: ok' "$scratch/log" ||
      fail "$file carries no timestamp"
    count=$((count + 1))
  done < <(portable_executables "$@")
  echo "verified $count signed files against $roots"
  exit 0
fi

[ -n "${VELMORA_SIGN_TIMESTAMP_URL:-}" ] ||
  fail "a signature without a timestamp expires with the certificate; set VELMORA_SIGN_TIMESTAMP_URL"
# The password or PIN goes to osslsigncode in a file, never on its command
# line, where other users' process lists would show it.
password_file=${VELMORA_SIGN_PASSWORD_FILE:-}
if [ -z "$password_file" ] && [ -n "${VELMORA_SIGN_PASSWORD:-}" ]; then
  password_file=$scratch/password
  (umask 077 && printf '%s' "$VELMORA_SIGN_PASSWORD" >"$password_file")
fi
key=()
if [ -n "${VELMORA_SIGN_PKCS12:-}" ]; then
  key=(-pkcs12 "$VELMORA_SIGN_PKCS12")
else
  key=(-pkcs11module "$VELMORA_SIGN_PKCS11_MODULE" -key "$VELMORA_SIGN_PKCS11_KEY"
    -certs "${VELMORA_SIGN_CERTIFICATES:?the certificate chain of the key, as PEM}")
fi
[ -z "$password_file" ] || key+=(-readpass "$password_file")

files=("$@")
if [ "${1:-}" = --tree ]; then
  mapfile -t files < <(portable_executables "$2")
fi
for file in "${files[@]}"; do
  rm -f "$scratch/signed"
  osslsigncode sign "${key[@]}" -h sha256 -n Velmora -ts "$VELMORA_SIGN_TIMESTAMP_URL" \
    -in "$file" -out "$scratch/signed" >"$scratch/log" 2>&1 ||
    { cat "$scratch/log" >&2; fail "could not sign $file"; }
  # In place, keeping the file's mode.
  cat "$scratch/signed" >"$file"
  echo "signed $(basename "$file")"
done
