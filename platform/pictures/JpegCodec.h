#pragma once
// JPEG through libjpeg's own API. Errors never leave the library through
// exit(): they come back as a message, and the picture is refused.

#include <QByteArray>
#include <QImage>
#include <QString>

#include "platform/pictures/PictureResult.h"

namespace platform {

// Greyscale, YCbCr/RGB and CMYK/YCCK (Adobe's inverted form included),
// baseline or progressive, to RGB32. A file that ends before its last scan
// is refused rather than shown half grey.
DecodedPicture decodeJpeg(const QByteArray& file, const PictureLimits& limits = {});

// Colour (never greyscale), baseline, the given quality. Returns the file
// bytes, or an empty array and *error set.
QByteArray encodeJpeg(const QImage& image, int quality, QString* error);

}  // namespace platform
