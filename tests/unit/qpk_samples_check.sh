#!/bin/sh
# The sample archive the build packed passes `qpk verify`, and `qpk unpack`
# gives back every sample database byte for byte and nothing else.
set -eu
qpk=$1 samples=$2 out=$3
"$qpk" verify "$samples/Vexo.qpk"
rm -rf "$out"
"$qpk" unpack "$samples/Vexo.qpk" "$out" >/dev/null
for f in "$samples"/*.pdb; do cmp "$f" "$out/${f##*/}"; done
[ "$(ls "$samples"/*.pdb | wc -l)" -eq "$(ls "$out" | wc -l)" ]
