#pragma once
// Windows metafiles (".wmf", with or without the placeable header) and
// enhanced metafiles (".emf"), drawn by our own player on white at the
// picture's size in pixels at 96 dots per inch. Unknown records are skipped;
// every record is checked against the buffer before it is read.

#include <QByteArray>

#include "platform/pictures/PictureResult.h"

namespace platform {

// Placeable files take their size from the bounding box and its units per
// inch. Files without that header take the window extent of their first
// SetWindowExt record as pixels, the longer side brought down to
// kPlainWmfMaxSide when it is larger.
DecodedPicture decodeWmf(const QByteArray& file, const PictureLimits& limits = {});
constexpr int kPlainWmfMaxSide = 1024;

// The size comes from the frame rectangle (0.01 mm) of the header, or from
// the bounds rectangle (device pixels) when the frame is empty.
DecodedPicture decodeEmf(const QByteArray& file, const PictureLimits& limits = {});

}  // namespace platform
