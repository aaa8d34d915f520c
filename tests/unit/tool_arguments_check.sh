#!/bin/sh
# Every tool prints its usage for --help and refuses an option it does not know,
# and neither writes anything: once, "make_samples --help" made a folder of that
# name full of databases.
# Usage: tool_arguments_check.sh SCRATCH TOOL...
set -u
scratch=$1
shift
status=0
fail() { echo "FAIL: $*"; status=1; }
for tool in "$@"; do
  name=${tool##*/}
  rm -rf "$scratch" && mkdir -p "$scratch" && cd "$scratch" || exit 2
  out=$("$tool" --help 2>err.txt); rc=$?
  [ $rc -eq 0 ] || fail "$name --help exits with $rc"
  case $out in "usage: $name "*) ;; *) fail "$name --help prints no usage: $out" ;; esac
  # A tool's own options in the place of its output name are refused too.
  for args in "--bogus" "-x" "out --bogus" "--help out" "--count" "--sync-preference"; do
    # shellcheck disable=SC2086
    "$tool" $args >/dev/null 2>err.txt; rc=$?
    [ $rc -eq 2 ] || fail "$name $args exits with $rc, not 2"
    grep -q "usage: $name " err.txt || fail "$name $args shows no usage on stderr"
  done
  rm -f err.txt
  left=$(ls -A)
  [ -z "$left" ] || fail "$name left behind: $left"
done
rm -rf "$scratch"
exit $status
