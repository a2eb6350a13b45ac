#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/files/AtomicFile.h"
#include "platform/files/BoundedRead.h"
#include "platform/files/FileArguments.h"
#include "platform/files/NativeSaveFile.h"

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

// A book under a CP932 name is written beside it and renamed over it: the
// replaced file keeps its permissions, and a new one gets the usual 0644
// rather than the temporary file's 0600.
TEST(FileArguments, SavingUnderACp932NameKeepsTheFileMode) {
    QTemporaryDir dir;
    const QByteArray raw = QFile::encodeName(dir.path()) + "/\x83\x65\x83\x58\x83\x67.csv";
    const QString shown = platform::fileArgument(raw.constData());
    const auto modeOf = [&raw] {
        struct stat st {};
        return ::stat(raw.constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
    };
    ASSERT_EQ(platform::writeFileAtomically(shown, "new"), QString());
    EXPECT_EQ(modeOf(), 0644);
    ASSERT_EQ(::chmod(raw.constData(), 0640), 0);
    ASSERT_EQ(platform::writeFileAtomically(shown, "again"), QString());
    EXPECT_EQ(modeOf(), 0640);
    {
        platform::NativeSaveFile pdf(shown);
        ASSERT_TRUE(pdf.open());
        pdf.device().write("pdf");
        ASSERT_TRUE(pdf.commit());
    }
    EXPECT_EQ(modeOf(), 0640);
    EXPECT_EQ(platform::readRegularFile(shown, 100).bytes, QByteArray("pdf"));
    ::unlink(raw.constData());
}
