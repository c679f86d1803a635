#!/usr/bin/env python3
"""Writes the crafted seed files of fuzz/corpus/ from the real resources.

Each seed is the real file with one thing wrong (or right at an edge): a
truncation, a wrong size, a huge dimension, a wrong offset, a bad colour
table. Picture seeds stop after the colour table (1,078 bytes), which is all
the header checks read; the fuzzers also start from the real resources
themselves. Run it again after a resource's layout changes:
    fuzz/make_seeds.py
"""
import pathlib
import random
import struct

HERE = pathlib.Path(__file__).resolve().parent
RESOURCES = HERE.parent / "resources"
CORPUS = HERE / "corpus"


def patched(data, at, fmt, value):
    out = bytearray(data)
    struct.pack_into("<" + fmt, out, at, value)
    return bytes(out)


def write(kind, name, data):
    folder = CORPUS / kind
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def bmp_seeds():
    head = (RESOURCES / "panda.bmp").read_bytes()[:1078]
    seeds = {
        "empty": b"",
        "one-byte": b"B",
        "magic-only": b"BM",
        "not-bmp": b"PK\x03\x04" + head[4:64],
        "truncated-in-info-header": head[:30],
        "truncated-in-colour-table": head[:1077],
        "headers-without-pixels": head,
        "file-size-0": patched(head, 2, "I", 0),
        "file-size-huge": patched(head, 2, "I", 0xFFFFFFFF),
        "reserved-set": patched(head, 6, "H", 1),
        "offset-0": patched(head, 10, "I", 0),
        "offset-54": patched(head, 10, "I", 54),
        "offset-past-end": patched(head, 10, "I", 0xFFFFFFF0),
        "info-header-os2": patched(head, 14, "I", 12),
        "info-header-v5": patched(head, 14, "I", 124),
        "width-401": patched(head, 18, "i", 401),
        "width-negative": patched(head, 18, "i", -400),
        "width-huge": patched(head, 18, "i", 0x7FFFFFFF),
        "height-top-down": patched(head, 22, "i", -300),
        "height-huge": patched(head, 22, "i", 0x7FFFFFFF),
        "height-min": patched(head, 22, "i", -0x80000000),
        "height-0": patched(head, 22, "i", 0),
        "planes-0": patched(head, 26, "H", 0),
        "bits-1": patched(head, 28, "H", 1),
        "bits-24": patched(head, 28, "H", 24),
        "bits-32": patched(head, 28, "H", 32),
        "compression-rle8": patched(head, 30, "I", 1),
        "compression-bitfields": patched(head, 30, "I", 3),
        "image-size-0": patched(head, 34, "I", 0),
        "image-size-1": patched(head, 34, "I", 1),
        "colours-used-16": patched(head, 46, "I", 16),
        "colours-used-256": patched(head, 46, "I", 256),
        "colours-used-huge": patched(head, 46, "I", 0xFFFFFFFF),
        "important-257": patched(head, 50, "I", 257),
        "palette-reserved-set": patched(head, 54 + 4 * 28 + 3, "B", 0xFF),
    }
    for name, data in seeds.items():
        write("bmp", name, data)


def directory_seeds(kind, real, image_bytes):
    """Seeds shared by the two formats: the directory and the bitmap header."""
    img = 22  # the image starts after the 6-byte directory and its one entry
    seeds = {
        "empty": b"",
        "directory-truncated": real[:21],
        "directory-only": real[:22],
        "image-truncated": real[:-1],
        "trailing-byte": real + b"\x00",
        "reserved-set": patched(real, 0, "H", 1),
        "type-0": patched(real, 2, "H", 0),
        "type-swapped": patched(real, 2, "H", 1 if kind == "cursor" else 2),
        "count-0": patched(real, 4, "H", 0),
        "count-2": patched(real, 4, "H", 2),
        "count-huge": patched(real, 4, "H", 0xFFFF),
        "width-256": patched(real, 6, "B", 0),
        "height-16": patched(real, 7, "B", 16),
        "entry-reserved-set": patched(real, 9, "B", 1),
        "size-0": patched(real, 14, "I", 0),
        "size-one-less": patched(real, 14, "I", image_bytes - 1),
        "size-huge": patched(real, 14, "I", 0xFFFFFFFF),
        "offset-0": patched(real, 18, "I", 0),
        "offset-in-directory": patched(real, 18, "I", 21),
        "offset-past-end": patched(real, 18, "I", len(real)),
        "offset-wraps": patched(real, 18, "I", 0xFFFFFFFF),
        "offset-gap": patched(real[:22] + b"\x00\x00" + real[22:], 18, "I", 24),
        "png-image": real[:img] + b"\x89PNG\r\n\x1a\n" + real[img + 8:],
        "header-size-12": patched(real, img, "I", 12),
        "header-width-64": patched(real, img + 4, "i", 64),
        "header-height-32": patched(real, img + 8, "i", 32),
        "header-height-negative": patched(real, img + 8, "i", -64),
        "header-height-huge": patched(real, img + 8, "i", 0x7FFFFFFF),
        "header-planes-2": patched(real, img + 12, "H", 2),
        "header-bits-8": patched(real, img + 14, "H", 8),
        "header-bits-32": patched(real, img + 14, "H", 32),
        "header-compression-bitfields": patched(real, img + 16, "I", 3),
        "header-image-size-1": patched(real, img + 20, "I", 1),
        "header-colours-used-256": patched(real, img + 32, "I", 256),
        "header-important-huge": patched(real, img + 36, "I", 0xFFFFFFFF),
        "palette-entry-0-red": patched(real, img + 40, "I", 0x00FF0000),
        "palette-reserved-set": patched(real, img + 43, "B", 1),
    }
    for name, data in seeds.items():
        write(kind, name, data)


def cursor_seeds():
    real = (RESOURCES / "mycsr.cur").read_bytes()
    directory_seeds("cursor", real, 304)
    xor_at, and_at = 22 + 48, 22 + 48 + 128
    # Pixel (0, 31) is stored first: white in XOR and set in AND inverts.
    inverting = bytearray(real)
    inverting[xor_at] |= 0x80
    inverting[and_at] |= 0x80
    write("cursor", "pixel-inverts", bytes(inverting))
    write("cursor", "hot-spot-32", patched(patched(real, 10, "H", 32), 12, "H", 32))
    write("cursor", "hot-spot-31", patched(patched(real, 10, "H", 31), 12, "H", 31))
    write("cursor", "colours-3", patched(real, 8, "B", 3))
    write("cursor", "all-transparent", real[:and_at] + b"\xff" * 128)


def icon_seeds():
    real = (RESOURCES / "mainicon.ico").read_bytes()
    directory_seeds("icon", real, 744)
    colour_at, and_at = 22 + 40 + 64, 22 + 40 + 64 + 512
    hidden = bytearray(real)
    hidden[and_at] |= 0x80      # pixel (0, 31) transparent ...
    hidden[colour_at] |= 0xF0   # ... yet holding index 15
    write("icon", "transparent-pixel-coloured", bytes(hidden))
    write("icon", "colours-8", patched(real, 8, "B", 8))
    write("icon", "entry-planes-2", patched(real, 10, "H", 2))
    write("icon", "entry-bits-8", patched(real, 12, "H", 8))
    write("icon", "palette-silver-wrong", patched(real, 22 + 40 + 4 * 7, "I", 0x00C0C0C1))
    write("icon", "all-opaque-white", real[:colour_at] + b"\xff" * 512 + b"\x00" * 128)


def fill_seeds():
    # seed x, seed y (2 bytes each), tile width, brush, then 2-bit tile pixels.
    def seed(x, y, width, brush, tile=b""):
        return struct.pack("<HHBB", x, y, width - 1, brush) + tile
    rnd = random.Random(7)
    seeds = {
        "solid-from-corner": seed(10, 10, 1, 1),
        "solid-from-far-corner": seed(409, 309, 1, 1),
        "outside-left": seed(0, 150, 1, 1),
        "same-colour": seed(210, 160, 1, 0),
        "checkerboard": seed(210, 160, 2, 1, bytes([0b0100, 0b0001])),
        "stripes-3": seed(15, 12, 3, 2, bytes([0b000100])),
        "columns-5": seed(211, 160, 5, 3, bytes([0b0000000001])),
        "maze-64": seed(200, 150, 64, 1, bytes(rnd.choice((0x00, 0x01, 0x10, 0x44, 0x55))
                                               for _ in range(256))),
    }
    for name, data in seeds.items():
        write("fill", name, data)


if __name__ == "__main__":
    bmp_seeds()
    cursor_seeds()
    icon_seeds()
    fill_seeds()
