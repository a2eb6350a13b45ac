#pragma once
// What every picture decoder returns, and the size limits they share. A
// decoder checks the declared size against the limits before it allocates
// anything, so a hostile header cannot make the program ask for gigabytes.

#include <QImage>
#include <QString>

namespace platform {

struct DecodedPicture {
    QImage image;   // Format_RGB32 on success
    QString error;  // a Japanese message for a message box; empty on success
    bool ok() const { return error.isEmpty() && !image.isNull(); }
};

struct PictureLimits {
    qint64 maxSide = 20000;  // pixels along either side
    // width × height: every phone camera stays below 120 megapixels, and the
    // image then takes at most 480 MB.
    qint64 maxPixels = 120000000;
};

// Empty when a picture of w × h pixels may be made, else the message to show.
QString pictureSizeError(qint64 width, qint64 height, const PictureLimits& limits);

// An RGB32 image of the given size, white unless the caller is about to
// write every pixel itself, or an error when the size is refused or the
// memory cannot be had.
enum class Background { White, Unset };
DecodedPicture newPicture(qint64 width, qint64 height, const PictureLimits& limits,
                          Background background = Background::White);

inline DecodedPicture pictureError(const QString& message) { return {QImage(), message}; }

}  // namespace platform
