// Small files that ask for huge work: each must be refused or drawn within
// bounds, never take gigabytes or minutes.

#include <gtest/gtest.h>

#include "platform/metafile/Metafile.h"
#include "platform/pictures/BmpFile.h"
#include "platform/pictures/JpegCodec.h"
#include "tests/platform/MetafileBuilders.h"

using namespace platform;
using namespace testpictures;

namespace {

bool refusedAsTooLarge(const DecodedPicture& p) {
    return p.error.contains(QStringLiteral("大きすぎ"));
}

}  // namespace

// 20000 × 20000 pixels would take 1.6 GB of image.
TEST(PictureBombs, TwentyThousandSquarePixelsAreRefusedInEveryFormat) {
    QByteArray bmp("BM");
    put32(bmp, 14 + 40 + 4), put32(bmp, 0), put32(bmp, 14 + 40);
    put32(bmp, 40), put32(bmp, 20000), put32(bmp, 20000), put16(bmp, 1), put16(bmp, 8),
        put32(bmp, 1);  // RLE8
    for (int i = 0; i < 5; ++i) put32(bmp, 0);
    bmp += QByteArray::fromHex("00010000");  // end of line, end of picture
    EXPECT_TRUE(refusedAsTooLarge(decodeBmp(bmp)));

    QByteArray jpeg = encodeJpeg(QImage(16, 16, QImage::Format_RGB32), 90, nullptr);
    const int sof = int(jpeg.indexOf("\xff\xc0"));
    ASSERT_GT(sof, 0);
    jpeg[sof + 5] = char(20000 >> 8), jpeg[sof + 6] = char(20000 & 0xff);
    jpeg[sof + 7] = char(20000 >> 8), jpeg[sof + 8] = char(20000 & 0xff);
    EXPECT_TRUE(refusedAsTooLarge(decodeJpeg(jpeg)));

    EXPECT_TRUE(refusedAsTooLarge(decodeWmf(Wmf().bytes(0, 0, 20000, 20000, 96))));
    // 20000 pixels at 96 dpi are 5291.67 mm.
    EXPECT_TRUE(refusedAsTooLarge(decodeEmf(Emf().bytes(529167, 529167))));
}

// Fills cost by the pixels they cover, from the budget text draws from: once
// it is spent, later fills of the whole picture draw nothing.
TEST(PictureBombs, FillsOfTheWholePictureStopWhenTheBudgetIsSpent) {
    Emf e;
    e.ints(37, {qint64(0x80000004)});  // the black stock brush
    for (int i = 0; i < 100; ++i) e.ints(43, {0, 0, 4000, 4000});
    e.ints(37, {qint64(0x80000000)});  // the white one
    e.ints(43, {0, 0, 4000, 4000});
    // 4000 × 4000 pixels: 105833 hundredths of a millimetre at 96 dpi.
    const DecodedPicture p = decodeEmf(e.bytes(105833, 105833));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(p.image.pixel(3, 3), qRgb(0, 0, 0));
    EXPECT_EQ(p.image.pixel(2000, 2000), qRgb(0, 0, 0));
}
