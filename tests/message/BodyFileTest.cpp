// Body text files: CP932 with CR LF between lines, read back whatever the
// line ends, and refused cleanly when missing or far too large.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "message/BodyFile.h"

using namespace message;

namespace {

QByteArray readAllBodyFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeRaw(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace

TEST(BodyFile, RoundTripKeepsTheLinesInCp932WithCrLf) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("年賀.txt"));
    const QString text = QStringLiteral("謹賀新年\n\n①髙橋様 No.5\n　元旦");
    ASSERT_TRUE(writeBodyFile(path, text).ok);
    const QByteArray bytes = readAllBodyFile(path);
    EXPECT_EQ(bytes.left(10), QByteArray("\x8b\xde\x89\xea\x90\x56\x94\x4e\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 3);
    EXPECT_FALSE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), 3) << "no bare LF";

    const BodyReadResult read = readBodyFile(path);
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_EQ(read.text, text);
}

TEST(BodyFile, EveryKindOfLineEndStartsANewLine) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mixed.txt"));
    writeRaw(path, QByteArray("a\r\nb\nc\rd\r\n"));
    const BodyReadResult read = readBodyFile(path);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.text, QStringLiteral("a\nb\nc\nd\n"));
}

TEST(BodyFile, TextWithCharactersOutsideCp932IsWrittenAsUtf8AndNothingIsLost) {
    const QString text = QStringLiteral("よいお年を😀\n🎍門松😀");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("emoji.txt"));
    ASSERT_TRUE(writeBodyFile(path, text).ok);
    EXPECT_EQ(readAllBodyFile(path), QStringLiteral("よいお年を😀\r\n🎍門松😀").toUtf8());
    const BodyReadResult read = readBodyFile(path);
    EXPECT_EQ(read.text, text);
}

TEST(BodyFile, Utf8AndUtf16FilesReadAsWrittenAndAreMarkedForeign) {
    QTemporaryDir dir;
    const QString text = QStringLiteral("謹賀新年\n本年もよろしく");
    const QString utf8 = dir.filePath(QStringLiteral("u8.txt"));
    writeRaw(utf8, QStringLiteral("謹賀新年\r\n本年もよろしく").toUtf8());
    BodyReadResult read = readBodyFile(utf8);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.text, text);
    EXPECT_TRUE(read.foreign);
    EXPECT_EQ(read.encoding, QStringLiteral("UTF-8"));

    const QString utf16 = dir.filePath(QStringLiteral("u16.txt"));
    QByteArray le("\xff\xfe");
    const QString crlf = QStringLiteral("謹賀新年\r\n本年もよろしく");
    le.append(reinterpret_cast<const char*>(crlf.utf16()), crlf.size() * 2);
    writeRaw(utf16, le);
    read = readBodyFile(utf16);
    EXPECT_EQ(read.text, text);
    EXPECT_TRUE(read.foreign);

    const QString own = dir.filePath(QStringLiteral("own.txt"));
    ASSERT_TRUE(writeBodyFile(own, text).ok);
    EXPECT_FALSE(readBodyFile(own).foreign);
}

TEST(BodyFile, MissingFileGivesTheSystemReason) {
    QTemporaryDir dir;
    const BodyReadResult read = readBodyFile(dir.filePath(QStringLiteral("none.txt")));
    EXPECT_FALSE(read.ok);
    EXPECT_FALSE(read.error.isEmpty());
}

TEST(BodyFile, WriteIntoAMissingFolderFailsAndLeavesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no/such/folder/a.txt"));
    const BodyWriteResult w = writeBodyFile(path, QStringLiteral("x"));
    EXPECT_FALSE(w.ok);
    EXPECT_FALSE(w.error.isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

TEST(BodyFile, FilesFarLargerThanAnyMessageAreRefused) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.txt"));
    writeRaw(path, QByteArray(int(kMaxBodyFileBytes) + 1, 'a'));
    const BodyReadResult read = readBodyFile(path);
    EXPECT_FALSE(read.ok);
    EXPECT_FALSE(read.error.isEmpty());
}
