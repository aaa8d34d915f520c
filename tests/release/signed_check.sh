#!/bin/sh
# signed_check.sh ROOT SCRATCH DRIVER SCENARIO ARG...: make-release with a
# throwaway self-signed certificate signs every program, described by its name;
# osslsigncode verifies each against that certificate and refuses an unsigned or
# a changed one; SHA256SUMS holds the signed files; the signed 64-bit installer
# runs the install SCENARIO under Wine (the 32-bit one cannot run here); a
# signing step that fails leaves that release unchanged.
set -u
root=$1 scratch=$2 driver=$3 scenario=$4
shift 4
rm -rf "$scratch" && mkdir -p "$scratch/work" && cd "$scratch" || exit 2
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Vexo Test Publisher" \
  -addext extendedKeyUsage=codeSigning -keyout key.pem -out cert.pem 2>openssl.log || { cat openssl.log; exit 2; }
if ! SIGN_CERT=cert.pem SIGN_KEY=key.pem DIST=dist DIST_DEBUG=dist-debug "$root/scripts/make-release" >release.log 2>&1; then
  cat release.log
  exit 1
fi
release=$(echo dist/VexoLoad-*)
status=0
fail() { echo "FAIL: $*"; status=1; }
winpath() { printf 'Z:%s' "$(printf %s "$1" | sed 's#/#\\#g')"; }
grep -q "NOT signed" release.log && fail "make-release says it did not sign"
for exe in "$release"/*.exe; do
  case ${exe##*/} in VexoLoad*) want="Vexo Component Installer" ;; *) want="Vexo Component Archive Tool" ;; esac
  osslsigncode verify -CAfile cert.pem -in "$exe" >verify.log 2>&1 || { cat verify.log; fail "$exe does not verify"; }
  grep -qx "[[:space:]]*Text description: $want" verify.log || fail "$exe is not signed as \"$want\""
done
[ "$(ls "$release"/*.exe | wc -l)" -eq 4 ] || fail "not four programs in $release"
(cd "$release" && sha256sum -c --quiet SHA256SUMS) || fail "SHA256SUMS does not hold the signed files"
"$root/scripts/flip-byte" "$release/VexoLoad-x64.exe" changed.exe 4096
osslsigncode verify -CAfile cert.pem -in changed.exe >/dev/null 2>&1 && fail "a changed program verifies"
osslsigncode verify -CAfile cert.pem -in "$root/dist/${release#dist/}/qpk.exe" >/dev/null 2>&1 &&
  fail "an unsigned program verifies"
# A time-stamp server that does not answer fails the signing step: the release
# signed above stays as it was, and one line says why.
port=$(bash -c 'for p in 1 9 47 59999; do (exec 3<>"/dev/tcp/127.0.0.1/$p") 2>/dev/null || { echo "$p"; exit; }; done')
state() { find dist dist-debug -printf '%p %s %T@\n' -type f -exec sha256sum {} + | sort; }
state >before.txt
if SIGN_CERT=cert.pem SIGN_KEY=key.pem SIGN_TIMESTAMP_URL="http://127.0.0.1:$port" DIST=dist DIST_DEBUG=dist-debug \
    "$root/scripts/make-release" >stamp.log 2>&1; then
  fail "make-release succeeded without its time-stamp server"
fi
tail -n 1 stamp.log | grep -q "^make-release: signing failed: .*the time-stamp server http://127.0.0.1:$port does not answer" ||
  { tail -n 3 stamp.log; fail "make-release does not say that the time-stamp server did not answer"; }
state | cmp -s before.txt - || fail "the failed release changed the earlier one in dist/"
[ -z "$(ls -A | grep '^\.VexoLoad-')" ] || fail "the failed release left its staging folders"
"$root/scripts/wine-run" "$driver" "$scenario" "BUILT_EXE=$(winpath "$scratch/$release/VexoLoad-x64.exe")" "$@" ||
  fail "the signed installer did not install"
[ $status -ne 0 ] || echo "4 programs signed and verified; the signed VexoLoad-x64.exe installs"
exit $status
