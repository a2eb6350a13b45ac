#pragma once
// ".bmp" files: the 14-byte file header around a device-independent bitmap.

#include <QByteArray>
#include <QImage>

#include "platform/pictures/PictureResult.h"

namespace platform {

DecodedPicture decodeBmp(const QByteArray& file, const PictureLimits& limits = {});

// A 24-bit true-colour file: info header, no colour table, rows bottom-up and
// padded to four bytes.
QByteArray encodeBmp(const QImage& image);

}  // namespace platform
