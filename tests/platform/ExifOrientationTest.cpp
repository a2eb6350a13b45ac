// Photos tagged with an EXIF orientation decode upright: the tag is written
// here into files from our own encoder, in both byte orders.

#include <gtest/gtest.h>

#include <QImage>

#include "platform/pictures/ExifOrientation.h"
#include "platform/pictures/JpegCodec.h"
#include "tests/platform/ExifJpeg.h"
#include "tests/platform/PixelColours.h"

using namespace platform;
using exiftest::exifJpeg;

using testpictures::kBlue;
using testpictures::kRed;
using testpictures::kWhite;

namespace {

const QRgb kDarkGreen = qRgb(0, 160, 0);

// Stored as 48 x 16: red top left, blue top right, green bottom left, white
// bottom right.
QImage corners() {
    QImage image(48, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 48; ++x)
            image.setPixel(x, y, x < 24 ? (y < 8 ? kRed : kDarkGreen) : (y < 8 ? kBlue : kWhite));
    return image;
}

bool near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 16 && std::abs(qGreen(a) - qGreen(b)) <= 16 &&
           std::abs(qBlue(a) - qBlue(b)) <= 16;
}

// The colour at a corner of the picture as seen: 0 top left, 1 top right,
// 2 bottom left, 3 bottom right (two pixels in, clear of JPEG's edge blur).
QRgb cornerColour(const QImage& image, int corner) {
    const int x = corner % 2 ? image.width() - 3 : 2, y = corner / 2 ? image.height() - 3 : 2;
    return image.pixel(x, y);
}

}  // namespace

TEST(ExifOrientation, EveryOrientationDecodesUpright) {
    // Where the stored top-left (red) and top-right (blue) corners must be
    // seen, for orientations 1 to 8.
    const int redAt[9] = {0, 0, 1, 3, 2, 0, 1, 3, 2};
    const int blueAt[9] = {0, 1, 0, 2, 3, 2, 3, 1, 0};
    for (int o = 1; o <= 8; ++o) {
        SCOPED_TRACE(o);
        const QByteArray file = exifJpeg(corners(), o);
        EXPECT_EQ(jpegExifOrientation(file), o);
        const DecodedPicture d = decodeJpeg(file);
        ASSERT_TRUE(d.ok()) << d.error.toStdString();
        EXPECT_EQ(d.image.size(), o >= 5 ? QSize(16, 48) : QSize(48, 16));
        EXPECT_TRUE(near(cornerColour(d.image, redAt[o]), kRed));
        EXPECT_TRUE(near(cornerColour(d.image, blueAt[o]), kBlue));
    }
}

TEST(ExifOrientation, BigEndianTagsAndBadValuesAreHandled) {
    EXPECT_EQ(jpegExifOrientation(exifJpeg(corners(), 6, true)), 6);
    EXPECT_EQ(decodeJpeg(exifJpeg(corners(), 6, true)).image.size(), QSize(16, 48));
    // Out of range, or no tag at all: the picture as stored.
    EXPECT_EQ(jpegExifOrientation(exifJpeg(corners(), 9)), 1);
    EXPECT_EQ(decodeJpeg(exifJpeg(corners(), 0)).image.size(), QSize(48, 16));
    QString error;
    EXPECT_EQ(jpegExifOrientation(encodeJpeg(corners(), 90, &error)), 1);
    // A segment cut short inside the entry is ignored, not trusted.
    QByteArray cut = exifJpeg(corners(), 6);
    cut.truncate(30);
    EXPECT_EQ(jpegExifOrientation(cut), 1);
}
