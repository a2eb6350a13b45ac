// JPEG files made here, through our encoder and through libjpeg directly for
// the forms our encoder never writes (grey, CMYK, progressive).

#include <gtest/gtest.h>
#include <jpeglib.h>

#include <QByteArray>
#include <QImage>
#include <csetjmp>
#include <cstdlib>

#include "platform/pictures/JpegCodec.h"

using namespace platform;

namespace {

// Blocks of flat colour survive JPEG nearly unchanged away from their edges.
QImage fourColours(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool right = x >= w / 2, bottom = y >= h / 2;
            image.setPixel(x, y,
                           right ? (bottom ? qRgb(255, 255, 255) : qRgb(0, 0, 255))
                                 : (bottom ? qRgb(0, 160, 0) : qRgb(255, 0, 0)));
        }
    return image;
}

bool nearJpegCodec(QRgb a, QRgb b, int tolerance = 12) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// Writes a file with libjpeg itself: `components` bytes per pixel from
// `pixel(x, y, out)`, in the given colour space.
template <typename PixelFn>
QByteArray libjpegFile(int w, int h, int components, J_COLOR_SPACE space, bool progressive,
                       PixelFn pixel) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(w);
    cinfo.image_height = JDIMENSION(h);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    QByteArray row(w * components, '\0');
    while (cinfo.next_scanline < cinfo.image_height) {
        for (int x = 0; x < w; ++x)
            pixel(x, int(cinfo.next_scanline),
                  reinterpret_cast<unsigned char*>(row.data()) + x * components);
        auto* p = reinterpret_cast<JSAMPROW>(row.data());
        jpeg_write_scanlines(&cinfo, &p, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray file(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return file;
}

// Offset of the first marker FF xx, or -1.
int findMarker(const QByteArray& file, unsigned char marker) {
    for (int i = 0; i + 1 < file.size(); ++i)
        if (uchar(file[i]) == 0xff && uchar(file[i + 1]) == marker) return i;
    return -1;
}

}  // namespace

TEST(JpegCodec, EncoderWritesColourBaselineThatDecodesBack) {
    const QImage image = fourColours(64, 48);
    QString error;
    const QByteArray file = encodeJpeg(image, 90, &error);
    ASSERT_FALSE(file.isEmpty()) << error.toStdString();
    const int sof = findMarker(file, 0xc0);  // baseline frame
    ASSERT_GE(sof, 0);
    EXPECT_LT(findMarker(file, 0xc2), 0);  // no progressive frame
    EXPECT_EQ(uchar(file[sof + 9]), 3);    // three components: colour

    const DecodedPicture back = decodeJpeg(file);
    ASSERT_TRUE(back.ok()) << back.error.toStdString();
    EXPECT_EQ(back.image.size(), QSize(64, 48));
    EXPECT_EQ(back.image.format(), QImage::Format_RGB32);
    EXPECT_TRUE(nearJpegCodec(back.image.pixel(8, 8), qRgb(255, 0, 0)));
    EXPECT_TRUE(nearJpegCodec(back.image.pixel(56, 8), qRgb(0, 0, 255)));
    EXPECT_TRUE(nearJpegCodec(back.image.pixel(8, 40), qRgb(0, 160, 0)));
    EXPECT_TRUE(nearJpegCodec(back.image.pixel(56, 40), qRgb(255, 255, 255)));
    EXPECT_EQ(qAlpha(back.image.pixel(0, 0)), 255);
}

TEST(JpegCodec, QualityNinetyKeepsDetailCloserThanQualityTen) {
    QImage image(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) image.setPixel(x, y, qRgb(x * 8, y * 8, (x ^ y) * 8));
    auto error = [&](int quality) {
        const DecodedPicture p = decodeJpeg(encodeJpeg(image, quality, nullptr));
        long sum = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) sum += std::abs(qRed(p.image.pixel(x, y)) - x * 8);
        return sum;
    };
    EXPECT_LT(error(90) * 2, error(10));
}

TEST(JpegCodec, GreyProgressiveAndCmykFiles) {
    const QByteArray grey =
        libjpegFile(16, 16, 1, JCS_GRAYSCALE, false,
                    [](int x, int, unsigned char* o) { o[0] = x < 8 ? 40 : 200; });
    DecodedPicture p = decodeJpeg(grey);
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_TRUE(nearJpegCodec(p.image.pixel(2, 2), qRgb(40, 40, 40), 4));
    EXPECT_TRUE(nearJpegCodec(p.image.pixel(13, 2), qRgb(200, 200, 200), 4));

    const QByteArray progressive =
        libjpegFile(40, 24, 3, JCS_RGB, true, [](int x, int, unsigned char* o) {
            o[0] = x < 20 ? 255 : 0, o[1] = 0, o[2] = x < 20 ? 0 : 255;
        });
    ASSERT_GE(findMarker(progressive, 0xc2), 0);
    p = decodeJpeg(progressive);
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_TRUE(nearJpegCodec(p.image.pixel(4, 12), qRgb(255, 0, 0)));
    EXPECT_TRUE(nearJpegCodec(p.image.pixel(36, 12), qRgb(0, 0, 255)));

    // libjpeg marks CMYK files with an Adobe marker, so the stored values are
    // read in Adobe's inverted form (255 = no ink): red is C=255, M=0, Y=0,
    // K=255; black is K=0.
    const QByteArray cmyk =
        libjpegFile(16, 16, 4, JCS_CMYK, false, [](int x, int, unsigned char* o) {
            if (x < 8) {
                o[0] = 255, o[1] = 0, o[2] = 0, o[3] = 255;  // red
            } else {
                o[0] = 255, o[1] = 255, o[2] = 255, o[3] = 0;  // black
            }
        });
    ASSERT_GE(findMarker(cmyk, 0xee), 0);  // APP14 "Adobe"
    p = decodeJpeg(cmyk);
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_TRUE(nearJpegCodec(p.image.pixel(2, 8), qRgb(255, 0, 0)))
        << std::hex << p.image.pixel(2, 8);
    EXPECT_TRUE(nearJpegCodec(p.image.pixel(13, 8), qRgb(0, 0, 0)))
        << std::hex << p.image.pixel(13, 8);
}

TEST(JpegCodec, TruncatedAndForeignFilesAreRefused) {
    const QByteArray file = encodeJpeg(fourColours(64, 48), 90, nullptr);
    // Cut inside the headers, at the start of the entropy data and just
    // before the end marker: each must be refused, none may crash.
    const int sos = findMarker(file, 0xda);
    ASSERT_GT(sos, 0);
    for (int n : {0, 1, 2, 20, sos, sos + 20, int(file.size()) / 2, int(file.size()) - 40}) {
        const DecodedPicture p = decodeJpeg(file.left(n));
        EXPECT_FALSE(p.ok()) << n;
        EXPECT_FALSE(p.error.isEmpty()) << n;
    }
    EXPECT_TRUE(
        decodeJpeg(file.left(file.size() / 2)).error.contains(QStringLiteral("途中で切れて")));
    EXPECT_FALSE(decodeJpeg(QByteArray("BM not a jpeg at all")).ok());
    // Cut short but closed with an end marker: the decoder would invent the
    // missing rows grey.
    const int quarter = sos + int(file.size() - sos) / 4;
    EXPECT_FALSE(decodeJpeg(file.left(quarter) + QByteArray("\xff\xd9", 2)).ok());

    // A scrambled entropy segment decodes to something or fails, but returns.
    QByteArray scrambled = file;
    for (int i = sos + 20; i < scrambled.size() - 2; i += 7)
        scrambled[i] = char(scrambled[i] ^ 0x5a);
    (void)decodeJpeg(scrambled);
}

TEST(JpegCodec, DeclaredSizeIsRefusedBeforeDecoding) {
    QByteArray file = encodeJpeg(fourColours(16, 16), 90, nullptr);
    const int sof = findMarker(file, 0xc0);
    ASSERT_GE(sof, 0);
    // Height and width are big-endian at +5 and +7 of the frame marker.
    auto setSize = [&](int w, int h) {
        QByteArray f = file;
        f[sof + 5] = char(h >> 8), f[sof + 6] = char(h & 0xff);
        f[sof + 7] = char(w >> 8), f[sof + 8] = char(w & 0xff);
        return f;
    };
    EXPECT_TRUE(decodeJpeg(setSize(30000, 30000)).error.contains(QStringLiteral("大きすぎ")));
    EXPECT_TRUE(decodeJpeg(setSize(20001, 16)).error.contains(QStringLiteral("大きすぎ")));
    PictureLimits limits;
    limits.maxPixels = 16 * 16 - 1;
    EXPECT_TRUE(decodeJpeg(file, limits).error.contains(QStringLiteral("大きすぎ")));
    limits.maxPixels = 16 * 16;
    EXPECT_TRUE(decodeJpeg(file, limits).ok());
}
