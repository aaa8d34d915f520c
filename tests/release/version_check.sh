#!/bin/sh
# version_check.sh VERSION QPK EXE...: the project's version reached the Linux
# qpk's --version, the release folder's name, and the version resource of each
# Windows program, as the text and as the numbers Explorer shows.
set -u
version=$1 qpk=$2
shift 2
status=0
fail() { echo "FAIL: $*"; status=1; }
case $qpk in */VexoLoad-$version/*) ;; *) fail "the release folder of $qpk is not VexoLoad-$version" ;; esac
out=$("$qpk" --version) || fail "qpk --version exits with $?"
[ "$out" = "qpk $version" ] || fail "qpk --version prints '$out'"
info=$(dirname "$0")/../../scripts/version-info
for exe in "$@"; do
  fields=$("$info" "$exe") || fail "$exe: no version resource"
  for field in FixedFileVersion=$version.0 FixedProductVersion=$version.0 FileVersion=$version ProductVersion=$version; do
    echo "$fields" | grep -qx "$field" || fail "$exe: no $field in: $(echo "$fields" | tr '\n' ' ')"
  done
done
[ $status -ne 0 ] || echo "version $version in qpk --version, the folder's name and $# version resources"
exit $status
