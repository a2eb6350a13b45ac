#pragma once
// Device-independent bitmaps: the pixel part of a ".bmp" file, and the
// bitmaps that metafiles carry. Reads the common Windows forms: 1, 2, 4 and 8
// bits with a palette, 16 bits (5-5-5 or bit fields such as 5-6-5), 24 and
// 32 bits, RLE4 and RLE8, bottom-up and top-down, with the core (12-byte),
// info (40-byte) and V2 to V5 headers and the OS/2 2.x header.

#include "platform/files/LittleEndian.h"
#include "platform/pictures/PictureResult.h"

namespace platform {

// How the colour table of a bitmap inside a metafile is to be read:
// RGB quads, or 16-bit indices into the logical palette.
enum class DibColourTable { Rgb, PaletteIndices };

// `info` starts at the bitmap header and holds at least the header, its bit
// masks and its colour table; `bits` holds the pixel rows.
DecodedPicture decodeDib(LittleEndian info, LittleEndian bits, const PictureLimits& limits,
                         DibColourTable table = DibColourTable::Rgb);

// A packed bitmap: header, masks, colour table and pixels back to back.
DecodedPicture decodePackedDib(LittleEndian packed, const PictureLimits& limits,
                               DibColourTable table = DibColourTable::Rgb);

// Where the pixels of a packed bitmap start (header + masks + colour table),
// or 0 when the header cannot be read.
size_t packedDibPixelOffset(LittleEndian packed);

}  // namespace platform
