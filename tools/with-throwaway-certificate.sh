#!/usr/bin/env bash
# Runs a command with a code-signing certificate in its environment, as a
# release would have one, made here for the run and thrown away after it: a
# certificate authority, a code-signing certificate it issued and an RFC
# 3161 timestamp authority it issued, served on a loopback port. Nothing
# secret is kept and nothing leaves the machine. VELMORA_SIGN_CA names the
# authority's certificate, for verifying. Whatever signing variables the
# caller had are gone for the command: a rehearsal never hands a release
# engineer's PIN or key file to its throwaway key.
#   with-throwaway-certificate.sh COMMAND [ARGUMENT...]
#       a PKCS#12 file and its password in VELMORA_SIGN_PASSWORD
#   with-throwaway-certificate.sh --release COMMAND [ARGUMENT...]
#       as the README sets a release up: a PKCS#12 file, its password in a
#       file named by VELMORA_SIGN_PASSWORD_FILE
#   with-throwaway-certificate.sh --token COMMAND [ARGUMENT...]
#       the key on a PKCS#11 token (a SoftHSM one), the PIN in a file
set -euo pipefail
mode=rehearsal
case "${1:-}" in
  --release | --token) mode=${1#--} && shift ;;
esac
scratch=$(mktemp -d)
tsa_pid=
cleanup() {
  [ -z "$tsa_pid" ] || kill "$tsa_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
cd "$scratch"

quiet() { "$@" >/dev/null 2>&1 || { echo "with-throwaway-certificate: $* failed" >&2; exit 1; }; }
quiet openssl req -x509 -newkey rsa:3072 -nodes -keyout ca.key -out ca.crt -days 2 \
  -subj "/CN=Velmora throwaway $mode authority" \
  -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign"
issue() {
  local name=$1 subject=$2 usage=$3
  quiet openssl req -newkey rsa:3072 -nodes -keyout "$name.key" -out "$name.csr" -subj "$subject"
  printf 'basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=%s\n' \
    "$usage" >"$name.ext"
  quiet openssl x509 -req -in "$name.csr" -CA ca.crt -CAkey ca.key -CAcreateserial \
    -out "$name.crt" -days 2 -sha256 -extfile "$name.ext"
}
issue signer "/CN=The Velmora developers (test)/O=The Velmora developers" codeSigning
issue tsa "/CN=Velmora throwaway timestamps" critical,timeStamping
password=$(openssl rand -hex 16)
quiet openssl pkcs12 -export -inkey signer.key -in signer.crt -certfile ca.crt \
  -out signer.p12 -passout "pass:$password"

cat >tsa.cnf <<CONFIG
[ tsa ]
default_tsa = throwaway
[ throwaway ]
dir = $scratch
serial = \$dir/tsa.serial
signer_cert = \$dir/tsa.crt
signer_key = \$dir/tsa.key
certs = \$dir/ca.crt
signer_digest = sha256
default_policy = 1.3.6.1.4.1.4146.2.3
digests = sha256, sha384, sha512
accuracy = secs:1
ess_cert_id_chain = no
ess_cert_id_alg = sha256
CONFIG
echo 01 >tsa.serial
python3 - "$scratch" <<'SERVER' &
import http.server, os, subprocess, sys
scratch = sys.argv[1]
class Timestamps(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        query = os.path.join(scratch, "query.tsq")
        reply = os.path.join(scratch, "reply.tsr")
        with open(query, "wb") as out:
            out.write(self.rfile.read(int(self.headers["Content-Length"])))
        subprocess.run(["openssl", "ts", "-reply", "-config", os.path.join(scratch, "tsa.cnf"),
                        "-queryfile", query, "-out", reply], check=True, capture_output=True)
        with open(reply, "rb") as answer:
            body = answer.read()
        self.send_response(200)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)
    def log_message(self, *arguments):
        pass
server = http.server.HTTPServer(("127.0.0.1", 0), Timestamps)
with open(os.path.join(scratch, "tsa.port.partial"), "w") as port:
    port.write(str(server.server_port))
os.rename(os.path.join(scratch, "tsa.port.partial"), os.path.join(scratch, "tsa.port"))
server.serve_forever()
SERVER
tsa_pid=$!
for _ in $(seq 50); do [ -f tsa.port ] && break; sleep 0.1; done
[ -f tsa.port ] || { echo "with-throwaway-certificate: the timestamp server did not start" >&2; exit 1; }

# A token holds the key, and hands out only signatures; the PIN, like a
# release engineer's, is in a file.
token() {
  export SOFTHSM2_CONF=$scratch/softhsm2.conf
  mkdir "$scratch/tokens"
  echo "directories.tokendir = $scratch/tokens" >"$SOFTHSM2_CONF"
  quiet softhsm2-util --init-token --free --label velmora --pin "$password" --so-pin "$password"
  quiet openssl pkcs8 -topk8 -nocrypt -in signer.key -out signer.pk8
  quiet softhsm2-util --import signer.pk8 --token velmora --label signer --id 01 --pin "$password"
  rm signer.pk8
  cat signer.crt ca.crt >chain.pem
}

while IFS= read -r name; do unset "$name"; done < <(compgen -e | grep '^VELMORA_SIGN_' || true)
export VELMORA_SIGN_TIMESTAMP_URL=http://127.0.0.1:$(cat tsa.port)/ VELMORA_SIGN_CA=$scratch/ca.crt
case $mode in
  rehearsal)
    export VELMORA_SIGN_PKCS12=$scratch/signer.p12 VELMORA_SIGN_PASSWORD=$password
    ;;
  release)
    (umask 077 && printf '%s' "$password" >password)
    export VELMORA_SIGN_PKCS12=$scratch/signer.p12 VELMORA_SIGN_PASSWORD_FILE=$scratch/password
    ;;
  token)
    token
    (umask 077 && printf '%s' "$password" >password)
    export VELMORA_SIGN_PKCS11_MODULE=/usr/lib/softhsm/libsofthsm2.so \
      VELMORA_SIGN_PKCS11_KEY="pkcs11:token=velmora;object=signer;type=private" \
      VELMORA_SIGN_CERTIFICATES=$scratch/chain.pem VELMORA_SIGN_PASSWORD_FILE=$scratch/password
    ;;
esac
cd "$OLDPWD"
"$@"
