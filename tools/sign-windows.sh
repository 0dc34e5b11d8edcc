#!/usr/bin/env bash
# Signs Windows programs, libraries, installers and MSIs with Authenticode
# (SHA-256, with an RFC 3161 timestamp), with Debian's osslsigncode, and
# verifies what it signed. The certificate comes from the environment,
# never from the repository:
#   a PKCS#12 file:  VELMORA_SIGN_PKCS12=FILE and VELMORA_SIGN_PASSWORD or
#                    VELMORA_SIGN_PASSWORD_FILE
#   a PKCS#11 token: VELMORA_SIGN_PKCS11_MODULE=MODULE.so,
#                    VELMORA_SIGN_PKCS11_KEY=pkcs11:URI, VELMORA_SIGN_CERTIFICATES=
#                    chain.pem, and the PIN as VELMORA_SIGN_PASSWORD(_FILE)
#   and for either:  VELMORA_SIGN_TIMESTAMP_URL=http://… (an RFC 3161 server)
#   to verify with:  VELMORA_SIGN_CA=roots.pem, the authorities a signature
#                    must lead to (the system's trusted ones when unset)
# Without a certificate it signs nothing and succeeds, so that an unsigned
# build goes on; what it is given is checked either way, and a folder with
# no program or library in it is refused, as an empty or unfinished tree.
#   sign-windows.sh FILE...            sign each file
#   sign-windows.sh --tree DIR         sign every program and library under DIR
#   sign-windows.sh --verify PATH...   verify each file, and every program and
#                                      library under each folder
#   sign-windows.sh --status           one line: what the build signs with
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/portable_executables.sh
. "$here/portable_executables.sh"

certificate() {
  if [ -n "${VELMORA_SIGN_PKCS12:-}" ]; then
    echo "the PKCS#12 file $VELMORA_SIGN_PKCS12"
  elif [ -n "${VELMORA_SIGN_PKCS11_MODULE:-}" ]; then
    echo "the PKCS#11 key ${VELMORA_SIGN_PKCS11_KEY:-?} through $VELMORA_SIGN_PKCS11_MODULE"
  fi
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

fail() { echo "sign-windows: $*" >&2; exit 1; }
# What is to be signed or verified is checked with a certificate or without
# one: a wrong call, or a tree with nothing in it, is wrong either way.
mode=sign
case "${1:-}" in
  --verify) mode=verify && shift ;;
  --tree)
    [ $# -eq 2 ] || fail "--tree takes one folder and nothing more: --tree DIR"
    [ -d "$2" ] || fail "--tree takes a folder; $2 is none"
    shift
    ;;
  *)
    for file in "$@"; do
      [ -f "$file" ] || fail "$file is no file (a folder is signed with --tree)"
    done
    ;;
esac
portable_executables "$@"
files=("${portable_executables[@]}")
[ -n "$(certificate)" ] || exit 0

scratch=$(mktemp -d)
beside=
cleanup() {
  rm -rf "$scratch"
  [ -z "$beside" ] || rm -rf "$beside"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

if [ $mode = verify ]; then
  roots=${VELMORA_SIGN_CA:-/etc/ssl/certs/ca-certificates.crt}
  for file in "${files[@]}"; do
    osslsigncode verify -CAfile "$roots" -TSA-CAfile "$roots" -in "$file" >"$scratch/log" 2>&1 ||
      { cat "$scratch/log" >&2; fail "$file does not verify against $roots"; }
    grep -q '^Timestamp Server Signature verification: ok' "$scratch/log" ||
      fail "$file carries no timestamp"
  done
  echo "verified ${#files[@]} signed files against $roots"
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

for file in "${files[@]}"; do
  # Written beside the file, in a folder of its own there, and renamed over
  # it: the rename within one file system is atomic, so a run interrupted
  # or failed at any point leaves the unsigned file whole, never part of a
  # signed one, and a reader that has the file open keeps what it opened.
  beside=$(mktemp -d "$(dirname "$file")/.signing-XXXXXX")
  signed=$beside/$(basename "$file")
  osslsigncode sign "${key[@]}" -h sha256 -n Velmora -ts "$VELMORA_SIGN_TIMESTAMP_URL" \
    -in "$file" -out "$signed" >"$scratch/log" 2>&1 ||
    { cat "$scratch/log" >&2; fail "could not sign $file"; }
  chmod --reference="$file" "$signed"
  mv -f "$signed" "$file"
  rmdir "$beside"
  beside=
  echo "signed $(basename "$file")"
done
