#!/bin/sh
# The picture option's check, given pictures that netpbm made from the shipped
# one: the same picture written again is taken; a 24-bit one and an 800 x 600
# one are refused, each with the reason and the rule.
set -eu
check=$1 shipped=$2 out=$3
rm -rf "$out" && mkdir -p "$out"
pcxtoppm "$shipped" >"$out/shipped.ppm" 2>/dev/null
ppmtopcx -8bit "$out/shipped.ppm" >"$out/again.pcx" 2>/dev/null
ppmtopcx -24bit "$out/shipped.ppm" >"$out/deep.pcx" 2>/dev/null
pamscale -xsize 800 -ysize 600 "$out/shipped.ppm" | pnmquant 256 2>/dev/null | ppmtopcx -8bit >"$out/small.pcx" 2>/dev/null
cmake -DPICTURE="$out/again.pcx" -P "$check"
refused() {
  if cmake -DPICTURE="$out/$1" -P "$check" >"$out/said" 2>&1; then echo "$1 was taken" >&2; exit 1; fi
  tr -s ' \n' ' ' <"$out/said" >"$out/said1"
  for text in "$2" "The backdrop must be a 1024 x 768, 256-colour PCX picture"; do
    grep -qF "$text" "$out/said1" || { echo "$1: no \"$text\" in:" >&2; cat "$out/said" >&2; exit 1; }
  done
}
refused deep.pcx "it has 8 bits per pixel in 3 planes"
refused small.pcx "it is 800 x 600 pixels"
