// Bitmaps built byte by byte at every depth the reader claims, decoded to
// the expected pixels; round trips through the writer; damaged files.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QVector>

#include "platform/pictures/BmpFile.h"
#include "platform/pictures/DibDecoder.h"
#include "tests/platform/MetafileBuilders.h"
#include "tests/platform/PixelColours.h"

using namespace platform;

using testpictures::kBlack;
using testpictures::kBlue;
using testpictures::kGreen;
using testpictures::kRed;
using testpictures::kWhite;
using testpictures::pixelAt;

namespace {

using testpictures::put16;
using testpictures::put32;

// The 40-byte info header.
QByteArray infoHeader(int w, int h, int bits, int compression = 0, int used = 0) {
    QByteArray b;
    put32(b, 40);
    put32(b, w);
    put32(b, h);
    put16(b, 1);
    put16(b, bits);
    put32(b, compression);
    put32(b, 0);  // image size
    put32(b, 0);
    put32(b, 0);
    put32(b, used);
    put32(b, 0);
    return b;
}

// A whole file: file header + info + table + pixel rows.
QByteArray bmpFile(const QByteArray& infoAndTable, const QByteArray& pixels) {
    QByteArray b("BM");
    put32(b, 14 + infoAndTable.size() + pixels.size());
    put32(b, 0);
    put32(b, 14 + infoAndTable.size());
    return b + infoAndTable + pixels;
}

QByteArray quad(int r, int g, int bl) {
    return QByteArray() + char(bl) + char(g) + char(r) + char(0);
}

}  // namespace

TEST(BmpFile, OneBitRowsArePaddedAndStoredBottomUp) {
    // 3 × 2: bottom row red-blue-red, top row blue-blue-red. Each row is one
    // byte of bits and three of padding.
    const QByteArray info = infoHeader(3, 2, 1) + quad(255, 0, 0) + quad(0, 0, 255);
    QByteArray pixels;
    pixels += QByteArray::fromHex("40000000");  // 010 → red blue red (stored first = bottom)
    pixels += QByteArray::fromHex("c0000000");  // 110 → blue blue red
    const DecodedPicture p = decodeBmp(bmpFile(info, pixels));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    ASSERT_EQ(p.image.size(), QSize(3, 2));
    EXPECT_EQ(pixelAt(p.image, 0, 1), kRed);
    EXPECT_EQ(pixelAt(p.image, 1, 1), kBlue);
    EXPECT_EQ(pixelAt(p.image, 2, 1), kRed);
    EXPECT_EQ(pixelAt(p.image, 0, 0), kBlue);
    EXPECT_EQ(pixelAt(p.image, 1, 0), kBlue);
    EXPECT_EQ(pixelAt(p.image, 2, 0), kRed);
}

TEST(BmpFile, FourBitTopDownAndEightBitWithShortTable) {
    // Negative height: the first stored row is the top one.
    QByteArray table;
    for (int i = 0; i < 16; ++i) table += quad(i * 16, 0, 0);
    const QByteArray four = infoHeader(3, -2, 4) + table;
    const QByteArray rows = QByteArray::fromHex(
        "12300000"
        "fed00000");
    DecodedPicture p = decodeBmp(bmpFile(four, rows));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(pixelAt(p.image, 0, 0), qRgb(16, 0, 0));
    EXPECT_EQ(pixelAt(p.image, 2, 0), qRgb(48, 0, 0));
    EXPECT_EQ(pixelAt(p.image, 1, 1), qRgb(224, 0, 0));

    // Two colours declared; an index past the table is black, not a read
    // beyond it.
    const QByteArray eight = infoHeader(2, 1, 8, 0, 2) + quad(0, 255, 0) + quad(255, 255, 255);
    p = decodeBmp(bmpFile(eight, QByteArray::fromHex("0007"
                                                     "0000")));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(pixelAt(p.image, 0, 0), kGreen);
    EXPECT_EQ(pixelAt(p.image, 1, 0), kBlack);
}

TEST(BmpFile, SixteenBitsFiveFiveFiveAndFiveSixFive) {
    // Default 16-bit layout is 5-5-5: 0x7c00 is full red.
    DecodedPicture p = decodeBmp(bmpFile(infoHeader(2, 1, 16), QByteArray::fromHex("007c"
                                                                                   "1f00")));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(pixelAt(p.image, 0, 0), kRed);
    EXPECT_EQ(pixelAt(p.image, 1, 0), kBlue);

    // Bit fields after the 40-byte header: 5-6-5, where 0x07e0 is full green
    // and 0x0400 is green at 32/63.
    QByteArray info = infoHeader(2, 1, 16, 3);
    put32(info, 0xf800);
    put32(info, 0x07e0);
    put32(info, 0x001f);
    p = decodeBmp(bmpFile(info, QByteArray::fromHex("e007"
                                                    "0004")));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(pixelAt(p.image, 0, 0), kGreen);
    EXPECT_EQ(pixelAt(p.image, 1, 0), qRgb(0, 32 * 255 / 63, 0));
}

TEST(BmpFile, TwentyFourAndThirtyTwoBits) {
    // Width 3 at 24 bits: 9 bytes of pixels and 3 of padding per row.
    const QByteArray rows = QByteArray::fromHex(
        "0000ff"
        "00ff00"
        "ff0000"
        "000000"
        "ffffff"
        "000000"
        "808080"
        "000000");
    DecodedPicture p = decodeBmp(bmpFile(infoHeader(3, 2, 24), rows));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(pixelAt(p.image, 0, 1), kRed);
    EXPECT_EQ(pixelAt(p.image, 1, 1), kGreen);
    EXPECT_EQ(pixelAt(p.image, 2, 1), kBlue);
    EXPECT_EQ(pixelAt(p.image, 0, 0), kWhite);
    EXPECT_EQ(pixelAt(p.image, 2, 0), qRgb(128, 128, 128));

    p = decodeBmp(bmpFile(infoHeader(1, 1, 32), QByteArray::fromHex("102030ff")));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(pixelAt(p.image, 0, 0), qRgb(0x30, 0x20, 0x10));
}

TEST(BmpFile, VersionFiveHeaderWithMasksInside) {
    // A 124-byte header whose masks put red in the low byte.
    QByteArray info;
    put32(info, 124);
    put32(info, 1);
    put32(info, 1);
    put16(info, 1);
    put16(info, 32);
    put32(info, 3);
    info += QByteArray(20, '\0');
    put32(info, 0x000000ff);
    put32(info, 0x0000ff00);
    put32(info, 0x00ff0000);
    put32(info, 0xff000000);
    info += QByteArray(124 - info.size(), '\0');
    const DecodedPicture p = decodeBmp(bmpFile(info, QByteArray::fromHex("11223300")));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(pixelAt(p.image, 0, 0), qRgb(0x11, 0x22, 0x33));
}

TEST(BmpFile, CoreHeaderWithThreeByteTable) {
    QByteArray info;
    put32(info, 12);
    put16(info, 2);
    put16(info, 1);
    put16(info, 1);
    put16(info, 8);
    info += QByteArray::fromHex(
        "0000ff"
        "ff0000");  // 256 entries declared, two given...
    info += QByteArray(254 * 3, '\0');
    const DecodedPicture p = decodeBmp(bmpFile(info, QByteArray::fromHex("01000000")));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(pixelAt(p.image, 0, 0), kBlue);
    EXPECT_EQ(pixelAt(p.image, 1, 0), kRed);
}

TEST(BmpFile, RunLengthEightAndFour) {
    // 4 × 3 RLE8, bottom-up: a run, an end of line, a delta that skips the
    // middle row, a literal run of three, then end of bitmap.
    QByteArray table = quad(255, 255, 255) + quad(255, 0, 0) + quad(0, 0, 255);
    table += QByteArray(253 * 4, '\0');
    const QByteArray rle8 = QByteArray::fromHex(
        "0401"
        "0000"
        "00020001"
        "0003020102"
        "00"
        "0001");
    DecodedPicture p = decodeBmp(bmpFile(infoHeader(4, 3, 8, 1) + table, rle8));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    for (int x = 0; x < 4; ++x) EXPECT_EQ(pixelAt(p.image, x, 2), kRed) << x;    // bottom row
    for (int x = 0; x < 4; ++x) EXPECT_EQ(pixelAt(p.image, x, 1), kWhite) << x;  // skipped
    EXPECT_EQ(pixelAt(p.image, 0, 0), kBlue);
    EXPECT_EQ(pixelAt(p.image, 1, 0), kRed);
    EXPECT_EQ(pixelAt(p.image, 2, 0), kBlue);
    EXPECT_EQ(pixelAt(p.image, 3, 0), kWhite);

    // RLE4: a run alternates the two nibbles of its value.
    QByteArray table4 = quad(0, 0, 0) + quad(255, 0, 0) + quad(0, 0, 255);
    table4 += QByteArray(13 * 4, '\0');
    p = decodeBmp(bmpFile(infoHeader(5, 1, 4, 2) + table4, QByteArray::fromHex("0512"
                                                                               "0001")));
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(pixelAt(p.image, 0, 0), kRed);
    EXPECT_EQ(pixelAt(p.image, 1, 0), kBlue);
    EXPECT_EQ(pixelAt(p.image, 4, 0), kRed);
}

TEST(BmpFile, WriterMakesBottomUpTwentyFourBitRowsPaddedToFour) {
    QImage image(3, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, kRed);
    image.setPixel(1, 0, kGreen);
    image.setPixel(2, 0, kBlue);
    image.setPixel(0, 1, kWhite);
    image.setPixel(1, 1, kBlack);
    image.setPixel(2, 1, qRgb(1, 2, 3));
    const QByteArray file = encodeBmp(image);
    ASSERT_EQ(file.size(), 14 + 40 + 2 * 12);
    EXPECT_EQ(file.mid(0, 2), QByteArray("BM"));
    EXPECT_EQ(file[28], char(24));
    // First stored row is the bottom one: white, black, (1,2,3) as BGR.
    EXPECT_EQ(file.mid(54, 12), QByteArray::fromHex("ffffff"
                                                    "000000"
                                                    "030201"
                                                    "000000"));

    const DecodedPicture back = decodeBmp(file);
    ASSERT_TRUE(back.ok()) << back.error.toStdString();
    EXPECT_EQ(back.image.convertToFormat(QImage::Format_RGB32), image);
}

TEST(BmpFile, DamagedFilesAreRefusedWithAMessage) {
    QImage image(5, 4, QImage::Format_RGB32);
    image.fill(kGreen);
    const QByteArray whole = encodeBmp(image);
    // Only the padding of the last row may be missing.
    EXPECT_TRUE(decodeBmp(whole.left(whole.size() - 1)).ok());
    for (int n = 0; n < whole.size() - 1; ++n) {
        const DecodedPicture p = decodeBmp(whole.left(n));
        EXPECT_FALSE(p.ok()) << n;
        EXPECT_FALSE(p.error.isEmpty()) << n;
    }
    EXPECT_FALSE(decodeBmp("GIF89a").error.isEmpty());

    // Compressed forms we cannot show are named, not drawn as noise.
    const DecodedPicture jpegInside =
        decodeBmp(bmpFile(infoHeader(1, 1, 24, 4), QByteArray(4, '\0')));
    EXPECT_TRUE(jpegInside.error.contains(QStringLiteral("圧縮形式")))
        << jpegInside.error.toStdString();
    // Bit fields claimed for an 8-bit bitmap make no sense.
    EXPECT_FALSE(decodeBmp(bmpFile(infoHeader(1, 1, 8, 3), QByteArray(16, '\0'))).ok());
    // Odd bit counts.
    EXPECT_FALSE(decodeBmp(bmpFile(infoHeader(1, 1, 7), QByteArray(4, '\0'))).ok());
}

TEST(BmpFile, DeclaredSizeIsCheckedBeforeAnythingIsAllocated) {
    // 30000 × 30000 is refused by its header alone.
    DecodedPicture p = decodeBmp(bmpFile(infoHeader(30000, 30000, 24), QByteArray(16, '\0')));
    EXPECT_TRUE(p.error.contains(QStringLiteral("大きすぎ"))) << p.error.toStdString();
    // 20000 × 20001: one side too long. 10000 × 10000 is allowed by size but
    // this file has no pixels for it, which is found before allocating.
    p = decodeBmp(bmpFile(infoHeader(20000, 20001, 1), QByteArray(16, '\0')));
    EXPECT_TRUE(p.error.contains(QStringLiteral("大きすぎ")));
    p = decodeBmp(bmpFile(infoHeader(10000, -10000, 1), QByteArray(16, '\0')));
    EXPECT_TRUE(p.error.contains(QStringLiteral("途中で切れて"))) << p.error.toStdString();
    // The pixel budget is checked as well as the sides.
    PictureLimits small;
    small.maxPixels = 100;
    p = decodeBmp(bmpFile(infoHeader(11, 10, 24), QByteArray(400, '\0')), small);
    EXPECT_TRUE(p.error.contains(QStringLiteral("大きすぎ")));
    p = decodeBmp(bmpFile(infoHeader(10, 10, 24), QByteArray(400, '\0')), small);
    EXPECT_TRUE(p.ok());
    // Zero width is no picture.
    EXPECT_FALSE(decodeBmp(bmpFile(infoHeader(0, 1, 24), QByteArray(4, '\0'))).ok());
}

TEST(BmpFile, PackedBitmapFindsItsPixelsAfterTheTable) {
    const QByteArray packed =
        infoHeader(1, 1, 1) + quad(0, 0, 0) + quad(0, 255, 0) + QByteArray::fromHex("80000000");
    const LittleEndian view(reinterpret_cast<const uchar*>(packed.constData()),
                            size_t(packed.size()));
    EXPECT_EQ(packedDibPixelOffset(view), 48u);
    const DecodedPicture p = decodePackedDib(view, {});
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(pixelAt(p.image, 0, 0), kGreen);
}
