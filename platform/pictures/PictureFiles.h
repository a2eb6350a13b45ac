#pragma once
// The one entry for picture files: read by extension, write BMP or JPEG.
// Messages are Japanese and ready for a message box; I/O errors carry the
// system's reason.

#include <QImage>
#include <QString>

#include "platform/pictures/PictureResult.h"

namespace platform {

enum class PictureFormat { None, Jpeg, Bmp, Wmf, Emf };

// Nothing the program reads legitimately comes near this; a larger file is
// refused before it is read into memory.
inline constexpr qint64 kMaxPictureFileBytes = 1024LL * 1024 * 1024;

// From the extension in lower case: ".jpg", ".jpeg", ".bmp", ".wmf", ".emf".
PictureFormat pictureFormatOf(const QString& path);

// Reads and decodes `path`. An unknown extension gives
// "このファイル形式は開けません"; an unreadable file gives
// "ファイル "path". reason は開けません".
DecodedPicture readPicture(const QString& path, const PictureLimits& limits = {});

// Decodes bytes already in memory as the given format.
DecodedPicture decodePicture(const QByteArray& bytes, PictureFormat format,
                             const PictureLimits& limits = {});

// Write through a temporary file renamed over `path`; the previous file stays
// whole when writing fails. Empty on success, else
// "ファイル "path". reason を作成できません".
QString writeBmp(const QString& path, const QImage& image);
QString writeJpeg(const QString& path, const QImage& image, int quality = 90);

}  // namespace platform
