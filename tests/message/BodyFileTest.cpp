// Body text files: CP932 with CR LF between lines, read back whatever the
// line ends, and refused cleanly when missing or far too large.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "message/BodyFile.h"

using namespace message;

namespace {

QByteArray readAll(const QString& path) {
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
    const QByteArray bytes = readAll(path);
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

TEST(BodyFile, CharactersWithoutCp932FormAreListedOnceAndWrittenAsQuestionMarks) {
    const QString text = QStringLiteral("よいお年を😀\n🎍門松😀");
    const QVector<QString> missing = unmappableInBody(text);
    EXPECT_EQ(missing, (QVector<QString>{QStringLiteral("😀"), QStringLiteral("🎍")}));
    EXPECT_TRUE(unmappableInBody(QStringLiteral("①㈱№髙")).isEmpty());
    const QByteArray bytes = bodyFileBytes(text);
    EXPECT_TRUE(bytes.endsWith("\x96\xe5\x8f\xbc?"));
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
