#!/usr/bin/env python3
"""Check the 岚翎 launcher's background.bmp and launcher.ico byte layouts.

The launcher loads both files with plain Win32 calls, which are unforgiving
about header fields, so every field it relies on is checked here.

    python3 tools/check-assets.py [background.bmp [launcher.ico]]

Prints one line per failed check, then "N passed, M failed"; exits 1 on any
failure.
"""

import struct
import sys
from pathlib import Path

ASSETS = Path(__file__).resolve().parent.parent / "assets"

BMP_SIZE = 921654
ICO_SIZE = 84070
# size, colour-count byte, bits per pixel, bytes of the image
ICON_IMAGES = [
    (16, 2, 1, 176),
    (16, 0, 32, 1128),
    (32, 2, 1, 304),
    (32, 0, 32, 4264),
    (48, 2, 1, 816),
    (48, 0, 32, 9640),
    (128, 0, 32, 67624),
]


class Checker:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def expect(self, what, got, want):
        if got == want:
            self.passed += 1
        else:
            self.failed += 1
            print(f"FAIL {what}: got {got!r}, expected {want!r}")
        return got == want

    def ok(self, what, condition):
        if condition:
            self.passed += 1
        else:
            self.failed += 1
            print(f"FAIL {what}")
        return condition


def read(check, path):
    try:
        return Path(path).read_bytes()
    except OSError as e:
        check.ok(f"{path}: readable ({e.strerror})", False)
        return None


def check_bmp(check, path):
    data = read(check, path)
    if data is None:
        return
    if not check.expect(f"{path}: file size", len(data), BMP_SIZE):
        return
    fields = struct.unpack_from("<2sIHHI", data, 0)
    for name, got, want in zip(("bfType", "bfSize", "bfReserved1", "bfReserved2", "bfOffBits"),
                               fields, (b"BM", BMP_SIZE, 0, 0, 54)):
        check.expect(f"{path}: {name}", got, want)
    info = struct.unpack_from("<IiiHHIIiiII", data, 14)
    names = ("biSize", "biWidth", "biHeight", "biPlanes", "biBitCount", "biCompression",
             "biSizeImage", "biXPelsPerMeter", "biYPelsPerMeter", "biClrUsed", "biClrImportant")
    wants = (40, 640, 480, 1, 24, 0, 921600, 3780, 3780, 0, 0)
    for name, got, want in zip(names, info, wants):
        check.expect(f"{path}: {name}", got, want)


def mask_bit(data, offset, stride, size, x, y):
    """Bit (x, y) of a bottom-up 1-bpp plane, y counted from the top."""
    byte = data[offset + (size - 1 - y) * stride + x // 8]
    return (byte >> (7 - x % 8)) & 1


def check_icon_image(check, where, img, size, bpp):
    head = struct.unpack_from("<IiiHHIIiiII", img, 0)
    stride = (size + 31) // 32 * 4
    colour_bytes = size * size * 4 if bpp == 32 else stride * size
    mask_bytes = stride * size
    for name, idx, want in (("biSize", 0, 40), ("biWidth", 1, size), ("biHeight", 2, size * 2),
                            ("biPlanes", 3, 1), ("biBitCount", 4, bpp), ("biCompression", 5, 0),
                            ("biSizeImage", 6, colour_bytes + mask_bytes)):
        check.expect(f"{where}: {name}", head[idx], want)

    if bpp == 1:
        check.expect(f"{where}: colour table", img[40:48],
                     bytes([0, 0, 0, 0, 255, 255, 255, 0]))
        xor_at, and_at = 48, 48 + colour_bytes
        clear = opaque = 0
        stray = 0
        for y in range(size):
            for x in range(size):
                if mask_bit(img, and_at, stride, size, x, y):
                    clear += 1
                    # A set colour bit under a set mask would invert the desktop.
                    stray += mask_bit(img, xor_at, stride, size, x, y)
                else:
                    opaque += 1
        check.ok(f"{where}: has transparent pixels", clear > 0)
        check.ok(f"{where}: has opaque pixels", opaque > 0)
        check.expect(f"{where}: transparent pixels with colour bit set", stray, 0)
    else:
        xor_at, and_at = 40, 40 + colour_bytes
        alphas = [img[xor_at + 4 * p + 3] for p in range(size * size)]
        check.ok(f"{where}: some alpha is 0", 0 in alphas)
        check.ok(f"{where}: some alpha is 255", 255 in alphas)
        wrong = 0
        for y in range(size):
            for x in range(size):
                alpha = alphas[(size - 1 - y) * size + x]  # colour rows are bottom-up too
                if mask_bit(img, and_at, stride, size, x, y) != (alpha == 0):
                    wrong += 1
        check.expect(f"{where}: mask bits disagreeing with alpha == 0", wrong, 0)


def check_ico(check, path):
    data = read(check, path)
    if data is None:
        return
    if not check.expect(f"{path}: file size", len(data), ICO_SIZE):
        return
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    check.expect(f"{path}: ICONDIR reserved", reserved, 0)
    check.expect(f"{path}: ICONDIR type", kind, 1)
    if not check.expect(f"{path}: ICONDIR count", count, len(ICON_IMAGES)):
        return
    offset = 6 + 16 * count
    for n, (size, colours, bpp, length) in enumerate(ICON_IMAGES):
        where = f"{path}: entry {n} ({size}x{size}, {bpp} bpp)"
        entry = struct.unpack_from("<BBBBHHII", data, 6 + 16 * n)
        for name, got, want in zip(("bWidth", "bHeight", "bColorCount", "bReserved", "wPlanes",
                                    "wBitCount", "dwBytesInRes", "dwImageOffset"),
                                   entry, (size % 256, size % 256, colours, 0, 1, bpp,
                                           length, offset)):
            check.expect(f"{where}: {name}", got, want)
        check_icon_image(check, where, data[offset:offset + length], size, bpp)
        offset += length
    check.expect(f"{path}: last image ends at end of file", offset, len(data))


def main(argv):
    bmp = argv[1] if len(argv) > 1 else ASSETS / "background.bmp"
    ico = argv[2] if len(argv) > 2 else ASSETS / "launcher.ico"
    check = Checker()
    check_bmp(check, bmp)
    check_ico(check, ico)
    print(f"{check.passed} passed, {check.failed} failed")
    return 1 if check.failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
