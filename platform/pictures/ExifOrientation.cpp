#include "platform/pictures/ExifOrientation.h"

#include <libexif/exif-data.h>

#include <QTransform>

namespace platform {

int jpegExifOrientation(const QByteArray& jpegFile) {
    // libexif finds the APP1 segment itself when given the whole file.
    ExifData* data =
        exif_data_new_from_data(reinterpret_cast<const unsigned char*>(jpegFile.constData()),
                                static_cast<unsigned int>(jpegFile.size()));
    if (!data) return 1;
    int orientation = 1;
    if (ExifEntry* entry = exif_data_get_entry(data, EXIF_TAG_ORIENTATION);
        entry && entry->format == EXIF_FORMAT_SHORT && entry->components >= 1 && entry->data)
        orientation = exif_get_short(entry->data, exif_data_get_byte_order(data));
    exif_data_unref(data);
    return orientation >= 1 && orientation <= 8 ? orientation : 1;
}

QImage orientedPicture(const QImage& image, int orientation) {
    if (orientation <= 1 || orientation > 8) return image;
    // 2, 4, 5 and 7 are mirror images: mirror left to right first, then turn
    // clockwise by what is left.
    const bool mirror =
        orientation == 2 || orientation == 4 || orientation == 5 || orientation == 7;
    static const int kTurn[9] = {0, 0, 0, 180, 180, 270, 90, 90, 270};
    QImage out = mirror ? image.mirrored(true, false) : image;
    if (kTurn[orientation] != 0) out = out.transformed(QTransform().rotate(kTurn[orientation]));
    return out;
}

}  // namespace platform
