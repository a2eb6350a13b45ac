// The picture entry: choice of decoder by extension, files on disk, and the
// messages the pages show.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/pictures/PictureFiles.h"

using namespace platform;

namespace {

QImage sample() {
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(qRgb(200, 30, 30));
    for (int x = 0; x < 30; ++x) image.setPixel(x, 19, qRgb(0, 0, 0));
    return image;
}

}  // namespace

TEST(PictureFiles, ExtensionDecidesAndIgnoresCase) {
    EXPECT_EQ(pictureFormatOf("/a/PIC.BMP"), PictureFormat::Bmp);
    EXPECT_EQ(pictureFormatOf("x.JPEG"), PictureFormat::Jpeg);
    EXPECT_EQ(pictureFormatOf("x.jpg"), PictureFormat::Jpeg);
    EXPECT_EQ(pictureFormatOf("c.Wmf"), PictureFormat::Wmf);
    EXPECT_EQ(pictureFormatOf("c.emf"), PictureFormat::Emf);
    EXPECT_EQ(pictureFormatOf("x.gif"), PictureFormat::None);
    EXPECT_EQ(pictureFormatOf("/dir.bmp/noext"), PictureFormat::None);
    EXPECT_EQ(readPicture("x.ico").error, QStringLiteral("このファイル形式は開けません"));
}

TEST(PictureFiles, BmpAndJpegRoundTripThroughFiles) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString bmp = dir.filePath("PIC.BMP"), jpeg = dir.filePath("photo.Jpeg");
    EXPECT_EQ(writeBmp(bmp, sample()), QString());
    EXPECT_EQ(writeJpeg(jpeg, sample()), QString());

    const DecodedPicture b = readPicture(bmp);
    ASSERT_TRUE(b.ok()) << b.error.toStdString();
    EXPECT_EQ(b.image, sample());
    const DecodedPicture j = readPicture(jpeg);
    ASSERT_TRUE(j.ok()) << j.error.toStdString();
    EXPECT_EQ(j.image.size(), QSize(30, 20));

    // The writer follows the function, not the name: bitmap data in a ".jpg"
    // is still bitmap data, and reading it as JPEG fails cleanly.
    const QString mislabelled = dir.filePath("b.jpg");
    EXPECT_EQ(writeBmp(mislabelled, sample()), QString());
    QFile f(mislabelled);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.read(2), QByteArray("BM"));
    EXPECT_FALSE(readPicture(mislabelled).ok());

    // Writing again replaces the file whole, leaving no temporary behind.
    QImage other(5, 5, QImage::Format_RGB32);
    other.fill(Qt::blue);
    EXPECT_EQ(writeBmp(bmp, other), QString());
    EXPECT_EQ(readPicture(bmp).image.size(), QSize(5, 5));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
}

TEST(PictureFiles, IoErrorsNameTheFileAndTheSystemsReason) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("none.bmp");
    const QString error = readPicture(missing).error;
    EXPECT_TRUE(error.startsWith(QStringLiteral("ファイル \"%1\". ").arg(missing)))
        << error.toStdString();
    EXPECT_TRUE(error.endsWith(QStringLiteral(" は開けません")));
    EXPECT_GT(error.size(), QStringLiteral("ファイル \"%1\".  は開けません").arg(missing).size());

    // A folder that is really a file cannot hold anything, even for root.
    QFile blocker(dir.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString target = dir.filePath("blocker/out.bmp");
    for (const QString& e : {writeBmp(target, sample()), writeJpeg(target, sample())}) {
        EXPECT_TRUE(e.startsWith(QStringLiteral("ファイル \"%1\". ").arg(target)))
            << e.toStdString();
        EXPECT_TRUE(e.endsWith(QStringLiteral(" を作成できません")));
    }
    EXPECT_FALSE(writeBmp(dir.filePath("empty.bmp"), QImage()).isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("empty.bmp")));
}

TEST(PictureFiles, DecodeErrorsComeFromTheDecoder) {
    QTemporaryDir dir;
    const QString path = dir.filePath("broken.emf");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("garbage that is no metafile");
    f.close();
    const DecodedPicture p = readPicture(path);
    EXPECT_FALSE(p.ok());
    EXPECT_TRUE(p.error.contains(QStringLiteral("メタファイル"))) << p.error.toStdString();
}
