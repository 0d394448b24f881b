#pragma once

#include <QRgb>

// One image compiled into the add-on. `data` holds the pixels in the
// compressed-array form: a 4-byte big-endian uncompressed length, then a zlib
// stream of 8-bit colour indices, each scanline padded to a multiple of 4
// bytes. The table ends with a record whose data is null.
struct EmbedImage
{
    int width;
    int height;
    int depth;
    const unsigned char *data;
    int compressedLength;
    int numColors;
    const QRgb *colorTable;
    bool alpha;
    const char *name; // Latin-1
};

extern const EmbedImage embeddedImages[];
