#!/bin/sh
# reproducible_check.sh ROOT RELEASE DEBUG SCRATCH: a copy of the checkout in
# another folder, built now (later than RELEASE), gives a release folder and
# debug files byte for byte the same as RELEASE and DEBUG.
set -u
root=$1 release=$2 debug=$3 scratch=$4
copy=$scratch/another/place/checkout
rm -rf "$scratch" && mkdir -p "$copy" || exit 2
(cd "$root" && git ls-files -z --cached --others --exclude-standard | xargs -0 tar -cf - --ignore-failed-read) |
  tar -xf - -C "$copy" || exit 2
if ! RELEASE_BUILD="$copy/build/release" DIST="$scratch/dist" DIST_DEBUG="$scratch/dist-debug" JOBS=2 \
    "$copy/scripts/make-release" >"$scratch/build.log" 2>&1; then
  cat "$scratch/build.log"
  exit 1
fi
name=${release##*/}
status=0
diff -r "$release" "$scratch/dist/$name" || status=1
diff -r "$debug" "$scratch/dist-debug/$name" || status=1
[ $status -ne 0 ] || echo "the release built again in $copy is the same, byte for byte: $(ls "$release" | tr '\n' ' ')"
rm -rf "$scratch"
exit $status
