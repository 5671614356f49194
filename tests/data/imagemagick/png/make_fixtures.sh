#!/usr/bin/env bash
# How the PNG files in this folder were made (Debian 12, ImageMagick 6.9.11): the forms an editor saves, from
# ../source.png (23 x 17, varying alpha) and ../opaque.png. Each has the RGBA bytes ImageMagick reads from it
# beside it (NAME.rgba, 8 bits a channel, rows top first), which the readers must give to the pixel.
set -euo pipefail
cd "$(dirname "$0")"
make() {  # make NAME INPUT OPTIONS... OUTPUT
  local name=$1 input=$2; shift 2
  convert "../$input" "$@"
  convert "${@: -1}" -depth 8 "RGBA:${name}.rgba"
}
make rgb8 opaque.png -define png:color-type=2 PNG24:rgb8.png
make rgba8 source.png PNG32:rgba8.png
make grey8 opaque.png -colorspace Gray -define png:color-type=0 -define png:bit-depth=8 grey8.png
make grey_alpha8 source.png -colorspace Gray -define png:color-type=4 -define png:bit-depth=8 grey_alpha8.png
make grey4 opaque.png -colorspace Gray -depth 4 -define png:color-type=0 -define png:bit-depth=4 grey4.png
make grey1 opaque.png -colorspace Gray -threshold 50% -define png:color-type=0 -define png:bit-depth=1 grey1.png
make palette opaque.png -colors 40 -define png:color-type=3 palette.png
make palette_trns source.png -channel A -threshold 50% +channel -colors 40 PNG8:palette_trns.png
make rgb16 opaque.png -depth 16 PNG48:rgb16.png
make rgba16 source.png -depth 16 PNG64:rgba16.png
make grey16 opaque.png -colorspace Gray -depth 16 -define png:color-type=0 -define png:bit-depth=16 grey16.png
make rgba8_interlaced source.png -interlace PNG PNG32:rgba8_interlaced.png
make rgb16_interlaced opaque.png -depth 16 -interlace PNG PNG48:rgb16_interlaced.png
