#!/bin/sh
# The sample archive the build packed passes `qpk verify`, and `qpk unpack`
# gives back every sample database byte for byte and nothing else. Every way a
# publisher asks qpk for help prints its usage.
set -eu
qpk=$1 samples=$2 out=$3
"$qpk" verify "$samples/Vexo.qpk"
rm -rf "$out"
"$qpk" unpack "$samples/Vexo.qpk" "$out" >/dev/null
for f in "$samples"/*.pdb; do cmp "$f" "$out/${f##*/}"; done
[ "$(ls "$samples"/*.pdb | wc -l)" -eq "$(ls "$out" | wc -l)" ]
set -f
for args in "help" "/?" "-h" "pack --help" "pack /?" "help export" "unpack -h"; do
  # shellcheck disable=SC2086
  "$qpk" $args | head -n 1 | grep -q "^usage: qpk " || { echo "FAIL: qpk $args prints no usage"; exit 1; }
done
"$qpk" help export | grep -q "qpk export ARCHIVE FOLDER --colour|--mono"
