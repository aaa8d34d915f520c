#!/usr/bin/env bash
# check_refuses_probe.sh CHECK OBJDUMP LIST_DIR SUFFIX PROBE: the import check must
# fail on the probe and name both of its faults.
set -uo pipefail
check=$1 objdump=$2 lists=$3 suffix=$4 probe=$5
out=$("$check" "$objdump" "$lists" "$suffix" "$probe")
rc=$?
echo "$out"
status=0
[ $rc -eq 1 ] || { echo "the check ended with $rc, not 1"; status=1; }
grep -q "KERNEL32.dll: GetTickCount64 is not exported by that Windows" <<<"$out" ||
  { echo "the post-XP import GetTickCount64 was not reported"; status=1; }
grep -qi "SHLWAPI.dll is not a DLL the program may import (PathFileExistsA)" <<<"$out" ||
  { echo "the import from SHLWAPI.dll was not reported"; status=1; }
exit $status
