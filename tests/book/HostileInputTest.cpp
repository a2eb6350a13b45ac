#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

#include "book/AddressFile.h"
#include "book/exchange/ImportSource.h"
#include "message/BodyFile.h"
#include "platform/files/BoundedRead.h"
#include "platform/files/ProfileFile.h"
#include "platform/pictures/PictureFiles.h"

using platform::readRegularFile;

// A FIFO blocks a reader until someone writes; a device never ends. Neither
// may hang or exhaust the program, whichever reader meets it.
TEST(BoundedRead, DevicesAndFifosAreRefusedByEveryReader) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.csv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zero = dir.filePath(QStringLiteral("z.csv"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));

    for (const QString& path : {fifo, zero}) {
        EXPECT_EQ(readRegularFile(path, 100).error, QStringLiteral("通常のファイルではありません"));
        EXPECT_FALSE(book::readAddressFile(path).ok);
        EXPECT_FALSE(book::readImportBytes(path, 100).ok());
        EXPECT_FALSE(message::readBodyFile(path).ok);
        platform::ProfileFile settings(path);
        EXPECT_FALSE(settings.load().ok);
    }
    const QString zeroPicture = dir.filePath(QStringLiteral("z.bmp"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zeroPicture));
    EXPECT_TRUE(platform::readPicture(zeroPicture)
                    .error.contains(QStringLiteral("通常のファイルではありません")));
}

TEST(BoundedRead, AFileOverTheCeilingIsRefusedAndOneAtItIsRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.csv"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(100, 'x'));
    f.close();
    EXPECT_EQ(readRegularFile(path, 100).bytes.size(), 100);
    EXPECT_EQ(readRegularFile(path, 99).error,
              QStringLiteral("ファイルが大きすぎます（99 バイトまで）"));
    EXPECT_FALSE(readRegularFile(dir.filePath(QStringLiteral("none")), 100).ok());
}
