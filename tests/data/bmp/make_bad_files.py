#!/usr/bin/env python3
"""Makes the broken BMP files in this folder; each name says what is wrong with it."""
import struct


def bmp(width=4, height=2, bpp=24, compression=0, header_size=40, pixels=None, palette=b"", masks=b"",
        off_bits=None, size_image=0, planes=1):
    colors = len(palette) // 4
    info = struct.pack("<IiiHHIIiiII", header_size, width, height, planes, bpp, compression, size_image,
                       0, 0, colors, 0)
    info = info.ljust(header_size, b"\0")
    if pixels is None:
        stride = (width * bpp + 31) // 32 * 4
        pixels = bytes(range(256)) * (stride * abs(height) // 256 + 1)
        pixels = pixels[: stride * abs(height)]
    head_len = 14 + len(info) + len(masks) + len(palette)
    if off_bits is None:
        off_bits = head_len
    data = info + masks + palette + pixels
    return b"BM" + struct.pack("<IHHI", 14 + len(data), 0, 0, off_bits) + data


gray = b"".join(bytes([i, i, i, 0]) for i in range(4))
files = {
    "truncated_header": bmp()[:30],
    "truncated_pixels": bmp()[:-5],
    "os2_v2_header": bmp(header_size=64),
    "negative_width": bmp(width=-4),
    # RGB masks only fit a 52-byte header; the alpha mask would lie past it, where the pixels start.
    "alpha_mask_past_header": bmp(width=1, height=1, bpp=32, compression=6, header_size=52, pixels=b""),
    "jpeg_compression": bmp(compression=4),
    "palette_index_outside": bmp(bpp=8, palette=gray, pixels=bytes([0, 1, 2, 9, 0, 0, 0, 0]) * 2),
    "rle8_run_past_last_row": bmp(bpp=8, compression=1, palette=gray,
                                  pixels=bytes([4, 1, 0, 0, 4, 1, 0, 0, 4, 1, 0, 1])),
    "rle8_without_end": bmp(bpp=8, compression=1, palette=gray, pixels=bytes([4, 1, 0, 0])),
    "rle8_undefined_pixels": bmp(bpp=8, compression=1, palette=gray, pixels=bytes([4, 1, 0, 1])),
    "mask_not_contiguous": bmp(bpp=16, compression=3, masks=struct.pack("<III", 0x7C01, 0x03E0, 0x001E)),
    "offset_outside_file": bmp(off_bits=100000),
    "huge_dimensions": bmp(width=100000, height=100000, pixels=b"\0" * 16),
}
for name, data in files.items():
    with open(name + ".bmp", "wb") as f:
        f.write(data)
