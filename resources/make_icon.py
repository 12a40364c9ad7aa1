#!/usr/bin/env python3
"""Writes the program's 16x16, 256-colour icons: orvane.ico (the countdown
board: a white square with a red one-pixel border and a red glyph) and
searchbox.ico (the search box window, the same in orange). Run from this
folder; needs ImageMagick and the WenQuanYi Micro Hei font (fonts-wqy-microhei)."""
import struct
import subprocess

FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"


def make_icon(path, glyph, colour):
    name = "#%02x%02x%02x" % colour
    rgb = subprocess.run(
        ["convert", "-size", "16x16", "xc:white", "-fill", name, "-font", FONT, "-pointsize", "13",
         "-gravity", "center", "-annotate", "+0+0", glyph, "-fill", "none", "-stroke", name,
         "-strokewidth", "1", "-draw", "rectangle 0,0 15,15", "-colors", "16", "-depth", "8", "rgb:-"],
        check=True, capture_output=True).stdout
    pixels = [tuple(rgb[i:i + 3]) for i in range(0, 16 * 16 * 3, 3)]
    # The border is drawn exactly, whatever the anti-aliasing did.
    for y in range(16):
        for x in range(16):
            if x in (0, 15) or y in (0, 15):
                pixels[y * 16 + x] = colour
    palette = sorted(set(pixels))
    index = {c: i for i, c in enumerate(palette)}
    palette += [(0, 0, 0)] * (256 - len(palette))

    header = struct.pack("<IiiHHIIiiII", 40, 16, 32, 1, 8, 0, 16 * 16 + 16 * 4, 0, 0, 256, 0)
    pal = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in palette)
    xor = b"".join(bytes(index[pixels[y * 16 + x]] for x in range(16)) for y in reversed(range(16)))
    and_mask = b"\0" * (4 * 16)  # rows padded to 32 bits; every pixel opaque
    image = header + pal + xor + and_mask
    ico = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 16, 16, 0, 0, 1, 8, len(image), 22) + image
    open(path, "wb").write(ico)


make_icon("orvane.ico", "倒", (255, 0, 0))
make_icon("searchbox.ico", "淘", (192, 96, 0))
