#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/files/AtomicFile.h"
#include "platform/files/BoundedRead.h"
#include "platform/files/FileArguments.h"

// "テスト.csv" in CP932: no UTF-8 string names it.
TEST(FileArguments, AFileNamedInCp932IsReadAndSavedUnderItsOwnName) {
    QTemporaryDir dir;
    const QByteArray raw = QFile::encodeName(dir.path()) + "/\x83\x65\x83\x58\x83\x67.csv";
    const int fd = ::open(raw.constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "old", 3), 3);
    ::close(fd);

    const QString shown = platform::fileArgument(raw.constData());
    EXPECT_TRUE(shown.endsWith(QStringLiteral("/テスト.csv"))) << shown.toStdString();
    EXPECT_EQ(platform::readRegularFile(shown, 100).bytes, QByteArray("old"));
    EXPECT_EQ(platform::writeFileAtomically(shown, "new"), QString());
    EXPECT_EQ(platform::readRegularFile(shown, 100).bytes, QByteArray("new"));
    EXPECT_FALSE(QFile::exists(
        dir.filePath(QStringLiteral("テスト.csv"))));  // no second file under a UTF-8 name
    ::unlink(raw.constData());                         // the temporary folder cannot name it either

    EXPECT_EQ(platform::fileArgument("住所録.csv"), QStringLiteral("住所録.csv"));
    EXPECT_EQ(platform::nativeFileName(QStringLiteral("住所録.csv")), QByteArray("住所録.csv"));
}
