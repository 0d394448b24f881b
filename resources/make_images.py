#!/usr/bin/env python3
"""Draws the faders' two images and writes them as embedded image data.

Each image comes twice: at its own size and, named with "@2x" before the
ending, at twice the size for screens of two device pixels per pixel, drawn
with the finer lines that the extra pixels allow.

Each image is 8-bit indexed with a 256-entry colour table; its pixel data is
kept in the compressed-array form the add-on reads: a 4-byte big-endian
uncompressed length followed by a zlib stream of the scanlines, each padded
to a multiple of 4 bytes.

Run it from this folder to regenerate embeddedimages_data.cpp.
"""
import struct
import zlib


def argb(r, g, b):
    return 0xFF000000 | (r << 16) | (g << 8) | b


def groove():
    # 55 x 16: a sunken horizontal groove on the dialog grey.
    colours = [argb(192, 192, 192), argb(0, 0, 0), argb(128, 128, 128),
               argb(64, 64, 64), argb(255, 255, 255), argb(160, 160, 160)]
    bg, black, mid, dark, white, light = range(6)
    w, h = 55, 16
    rows = []
    for y in range(h):
        row = []
        for x in range(w):
            inside = 2 <= x <= w - 3
            if not inside:
                row.append(bg)
            elif y == 6:
                row.append(mid)
            elif y == 7:
                row.append(dark if x in (2, w - 3) else black)
            elif y == 8:
                row.append(dark if x in (2, w - 3) else black)
            elif y == 9:
                row.append(white)
            elif y in (3, 12) and (x - 2) % 13 == 0:
                row.append(light)  # scale ticks
            else:
                row.append(bg)
        rows.append(row)
    return "zinta_horzfader.png", w, h, colours, rows


def thumb():
    # 6 x 14: a raised knob with a centre line.
    colours = [argb(0, 0, 0), argb(255, 255, 255), argb(224, 224, 224),
               argb(192, 192, 192), argb(160, 160, 160), argb(128, 128, 128),
               argb(96, 96, 96), argb(64, 64, 64), argb(32, 32, 32)]
    w, h = 6, 14
    rows = []
    for y in range(h):
        row = []
        for x in range(w):
            if y == 0 or x == 0:
                row.append(1 if (x < w - 1 and y < h - 1) else 0)
            elif y == h - 1 or x == w - 1:
                row.append(0)
            elif y == h - 2:
                row.append(6)
            elif x == w - 2:
                row.append(5)
            elif y == h // 2 - 2:
                row.append(8)
            elif y == h // 2 - 1:
                row.append(7)
            elif y == h // 2:
                row.append(2)
            else:
                row.append(4 if x == 1 else 3)
        rows.append(row)
    used = sorted({p for r in rows for p in r})
    assert len(used) == len(colours), used
    return "zinta_horzfaderthumb.png", w, h, colours, rows


def groove_2x():
    # 110 x 32: the same groove, its edges one device pixel wide.
    colours = [argb(192, 192, 192), argb(0, 0, 0), argb(128, 128, 128),
               argb(64, 64, 64), argb(255, 255, 255), argb(160, 160, 160),
               argb(224, 224, 224)]
    bg, black, mid, dark, white, light, pale = range(7)
    w, h = 110, 32
    rows = []
    for y in range(h):
        row = []
        for x in range(w):
            inside = 4 <= x <= w - 5
            end = x in (4, w - 5)
            if not inside:
                row.append(bg)
            elif y == 12:
                row.append(mid)
            elif y == 13:
                row.append(dark)
            elif 14 <= y <= 17:
                row.append(dark if end else black)
            elif y == 18:
                row.append(white)
            elif y == 19:
                row.append(pale)
            elif y in (6, 7, 24, 25) and (x - 4) % 26 == 0:
                row.append(light)  # scale ticks
            else:
                row.append(bg)
        rows.append(row)
    return "zinta_horzfader@2x.png", w, h, colours, rows


def thumb_2x():
    # 12 x 28: the knob with a one-pixel bevel and a fine grip line.
    colours = [argb(0, 0, 0), argb(255, 255, 255), argb(224, 224, 224),
               argb(192, 192, 192), argb(160, 160, 160), argb(128, 128, 128),
               argb(96, 96, 96), argb(64, 64, 64), argb(32, 32, 32)]
    w, h = 12, 28
    rows = []
    for y in range(h):
        row = []
        for x in range(w):
            if y == h - 1 or x == w - 1:
                row.append(0)
            elif y == 0 or x == 0:
                row.append(1)
            elif y == h - 2:
                row.append(6)
            elif x == w - 2:
                row.append(5)
            elif y == 1 or x == 1:
                row.append(2)
            elif y == h // 2 - 2:
                row.append(8)
            elif y == h // 2 - 1:
                row.append(7)
            elif y == h // 2:
                row.append(1)
            else:
                row.append(4 if x == 2 else 3)
        rows.append(row)
    used = sorted({p for r in rows for p in r})
    assert len(used) == len(colours), used
    return "zinta_horzfaderthumb@2x.png", w, h, colours, rows


def compressed(w, rows):
    stride = (w + 3) // 4 * 4
    raw = b"".join(bytes(r) + bytes(stride - w) for r in rows)
    return struct.pack(">I", len(raw)) + zlib.compress(raw, 9)


def c_bytes(data):
    out = []
    for i in range(0, len(data), 16):
        out.append("    " + ", ".join("0x%02x" % b for b in data[i:i + 16]) + ",")
    return "\n".join(out)


def main():
    images = [thumb(), groove(), thumb_2x(), groove_2x()]
    parts = ["// Generated by make_images.py: the faders' groove and thumb images, each"
             "\n// also at twice the size.",
             "", '#include "embeddedimages.h"', "", "namespace {", ""]
    records = []
    for index, (name, w, h, colours, rows) in enumerate(images):
        data = compressed(w, rows)
        # Unused entries are opaque black, so that the image has no alpha.
        table = colours + [0xFF000000] * (256 - len(colours))
        parts.append("const unsigned char image_%d_data[] = {\n%s\n};" % (index, c_bytes(data)))
        parts.append("")
        parts.append("const QRgb image_%d_colours[] = {\n%s\n};" % (index, "\n".join(
            "    " + ", ".join("0x%08x" % c for c in table[i:i + 8]) + "," for i in range(0, 256, 8))))
        parts.append("")
        records.append('    { %d, %d, 8, image_%d_data, %d, 256, image_%d_colours, false, "%s" },'
                       % (w, h, index, len(data), index, name))
    parts.append("} // namespace")
    parts.append("")
    parts.append("const EmbedImage embeddedImages[] = {")
    parts.extend(records)
    parts.append("    { 0, 0, 0, nullptr, 0, 0, nullptr, false, nullptr },")
    parts.append("};")
    parts.append("")
    with open("embeddedimages_data.cpp", "w") as f:
        f.write("\n".join(parts))


if __name__ == "__main__":
    main()
