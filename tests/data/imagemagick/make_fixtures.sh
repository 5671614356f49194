#!/usr/bin/env bash
# How the files in this folder were made (Debian 12, ImageMagick 6.9.11). Each picture has a PNG
# beside it holding ImageMagick's own reading of it. Its TGA files store rows top-first while
# marking them bottom-first, so a correct reader shows them upside down relative to that PNG.
set -euo pipefail
cd "$(dirname "$0")"
convert -seed 7 -size 23x17 plasma:fractal \( -size 17x23 gradient: -rotate 90 \) \
  -alpha off -compose CopyOpacity -composite -depth 8 PNG32:source.png
convert source.png -alpha off -depth 8 opaque.png
make() {  # make NAME INPUT OPTIONS... OUTPUT
  local name=$1 input=$2 png=PNG32; shift 2
  [ "$input" = opaque.png ] && png=PNG24
  convert "$input" "$@"
  convert "${@: -1}" -depth 8 "$png:${name}.png"
}
make rgba32_raw source.png -compress None rgba32_raw.tga
make rgba32_rle source.png -compress RLE rgba32_rle.tga
make rgb24_raw opaque.png -type TrueColor -compress None rgb24_raw.tga
make rgb24_rle opaque.png -type TrueColor -compress RLE rgb24_rle.tga
make pal8_raw opaque.png -type Palette -colors 40 -compress None pal8_raw.tga
make pal8_rle opaque.png -type Palette -colors 40 -compress RLE pal8_rle.tga
make grey8_raw opaque.png -type Grayscale -compress None grey8_raw.tga
make grey8_rle opaque.png -type Grayscale -compress RLE grey8_rle.tga
make bmp_rgb24 opaque.png -type TrueColor BMP3:bmp_rgb24.bmp
make bmp_rgba32 source.png -type TrueColorAlpha BMP:bmp_rgba32.bmp
make bmp_pal8 opaque.png -type Palette -colors 40 -compress None BMP3:bmp_pal8.bmp
make bmp_pal8_rle opaque.png -type Palette -colors 40 -compress RLE BMP3:bmp_pal8_rle.bmp
make bmp_pal4_rle opaque.png -type Palette -colors 12 -compress RLE BMP3:bmp_pal4_rle.bmp
make bmp_pal4 opaque.png -type Palette -colors 12 -compress None BMP3:bmp_pal4.bmp
make bmp_rgb565 opaque.png -define bmp:subtype=RGB565 BMP:bmp_rgb565.bmp
make bmp_argb1555 source.png -define bmp:subtype=ARGB1555 BMP:bmp_argb1555.bmp
# GIMP's TGA with an image ID (Qt's reader does not skip the ID). ImageMagick 6.9 reads TGA rows in
# the same wrong order it writes them, hence the flip.
convert ../../../../shared/testdata/tga-gimp/id_field.tga -flip PNG24:gimp_id_field.png
