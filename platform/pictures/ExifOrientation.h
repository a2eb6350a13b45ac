#pragma once
// Phones store a photo as the sensor saw it and note in its EXIF data how it
// must be turned to stand upright. Every reader of a JPEG applies that note,
// so a portrait photo is a portrait in the preview, on paper and in the editor.

#include <QByteArray>
#include <QImage>

namespace platform {

// The EXIF orientation of a JPEG file, 1 to 8; 1 (as stored) when the file
// has none or the value is out of range.
int jpegExifOrientation(const QByteArray& jpegFile);

// The picture turned and mirrored as `orientation` (1 to 8) asks; any other
// value leaves it as it is.
QImage orientedPicture(const QImage& image, int orientation);

}  // namespace platform
