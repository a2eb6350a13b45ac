#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/files/ProfileFile.h"
#include "platform/text/Sjis.h"
#include "tests/support/FileSizeLimit.h"

using platform::ProfileFile;

namespace {

class ProfileFileTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("mirel36.ini"));

    void writeFile(const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray fileBytes() const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    ProfileFile loaded(const QByteArray& bytes) {
        writeFile(bytes);
        ProfileFile p(path);
        EXPECT_TRUE(p.load().ok);
        return p;
    }
    int intOf(const QByteArray& value, int fallback = -7) {
        return loaded("[SE]\r\nint001=" + value + "\r\n")
            .readInt(QStringLiteral("SE"), QStringLiteral("int001"), fallback);
    }
    QString textOf(const QByteArray& value) {
        return loaded("[Edit]\r\ntext1=" + value + "\r\n")
            .readText(QStringLiteral("Edit"), QStringLiteral("text1"), QStringLiteral("<default>"));
    }
};

const QString SE = QStringLiteral("SE");

}  // namespace

TEST_F(ProfileFileTest, AMissingFileGivesEveryDefault) {
    ProfileFile p(path);
    const platform::ProfileResult r = p.load();
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(p.readInt(SE, QStringLiteral("int001"), 5), 5);
    EXPECT_EQ(p.readText(QStringLiteral("Edit"), QStringLiteral("text1"), QStringLiteral("x")),
              QStringLiteral("x"));
}

TEST_F(ProfileFileTest, OnlyTheKeysPresentOverrideTheDefaults) {
    const ProfileFile p = loaded("[SE]\r\nint001=12\r\n");
    EXPECT_EQ(p.readInt(SE, QStringLiteral("int001"), 0), 12);
    EXPECT_EQ(p.readInt(SE, QStringLiteral("int002"), 3), 3);
    EXPECT_EQ(p.readInt(QStringLiteral("Font"), QStringLiteral("int001"), 4), 4);  // other section
    EXPECT_EQ(p.readText(QStringLiteral("Edit"), QStringLiteral("text1"), QString()), QString());
}

TEST_F(ProfileFileTest, IntegersInDecimalOrHexadecimal) {
    EXPECT_EQ(intOf("0x1F"), 31);
    EXPECT_EQ(intOf("0X1f"), 31);
    EXPECT_EQ(intOf("$1F"), 31);
    EXPECT_EQ(intOf("-12"), -12);
    EXPECT_EQ(intOf("  42\t"), 42);
    EXPECT_EQ(intOf("\"42\""), 42);
    EXPECT_EQ(intOf("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(intOf("2147483647"), 2147483647);
}

TEST_F(ProfileFileTest, AnythingElseGivesTheDefault) {
    for (const char* bad : {"abc", "12abc", "", "-", "0x", "$", "0xG1", "1 2", "2147483648",
                            "-2147483649", "0x100000000", "１２"})
        EXPECT_EQ(intOf(bad), -7) << bad;
}

TEST_F(ProfileFileTest, TextsLoseSurroundingBlanksAndOnePairOfQuotes) {
    EXPECT_EQ(textOf(platform::Sjis::bytes(QStringLiteral("  山田 太郎 \t"))),
              QStringLiteral("山田 太郎"));
    EXPECT_EQ(textOf("\" padded \""), QStringLiteral(" padded "));
    EXPECT_EQ(textOf("'single'"), QStringLiteral("single"));
    EXPECT_EQ(textOf("\"\"twice\"\""), QStringLiteral("\"twice\""));
    EXPECT_EQ(textOf("\"unbalanced"), QStringLiteral("\"unbalanced"));
    EXPECT_EQ(textOf("'mixed\""), QStringLiteral("'mixed\""));
    EXPECT_EQ(textOf(platform::Sjis::bytes(QStringLiteral("　全角　"))),
              QStringLiteral("　全角　"));            // ideographic spaces are not blanks
    EXPECT_EQ(textOf("a=b"), QStringLiteral("a=b"));  // only the first '=' separates
    EXPECT_EQ(textOf(""), QString());                 // present but empty is not the default
}

TEST_F(ProfileFileTest, LongTextsStopAt2047BytesOnACharacterBoundary) {
    const QString kana = QString(1023, QChar(0x3042));  // あ, two bytes each
    // 1 + 2046 bytes fit exactly; what follows is cut.
    EXPECT_EQ(textOf(platform::Sjis::bytes(QStringLiteral("a") + kana + QStringLiteral("xyz"))),
              QStringLiteral("a") + kana);
    // 2046 bytes, then a character that would end at byte 2048: left out whole.
    EXPECT_EQ(textOf(platform::Sjis::bytes(kana + QStringLiteral("い"))), kana);
    EXPECT_EQ(textOf(QByteArray(2047, 'z')).size(), 2047);
    EXPECT_EQ(textOf(QByteArray(3000, 'z')).size(), 2047);
}

TEST_F(ProfileFileTest, NamesMatchWithoutRegardToCase) {
    ProfileFile p = loaded("[se]\r\nINT001=3\r\n");
    EXPECT_EQ(p.readInt(SE, QStringLiteral("int001"), 0), 3);
    p.writeInt(QStringLiteral("Se"), QStringLiteral("Int001"), 4);
    EXPECT_EQ(p.contents(), QByteArray("[se]\r\nINT001=4\r\n"));
}

TEST_F(ProfileFileTest, TwoByteNamesWhoseSecondByteIsABracket) {
    // ゾ is 83 5D in CP932: its second byte looks like ']'.
    const ProfileFile p = loaded(platform::Sjis::bytes(QStringLiteral("[ゾーン]\r\nキー=値\r\n")));
    EXPECT_EQ(p.readText(QStringLiteral("ゾーン"), QStringLiteral("キー"), QString()),
              QStringLiteral("値"));
}

TEST_F(ProfileFileTest, TheFirstOfDuplicateKeysAndSectionsWins) {
    ProfileFile p = loaded("[SE]\r\nint001=1\r\nint001=2\r\n[SE]\r\nint001=3\r\n");
    EXPECT_EQ(p.readInt(SE, QStringLiteral("int001"), 0), 1);
    p.writeInt(SE, QStringLiteral("int001"), 9);
    EXPECT_EQ(p.contents(), QByteArray("[SE]\r\nint001=9\r\nint001=2\r\n[SE]\r\nint001=3\r\n"));
}

TEST_F(ProfileFileTest, WritingKeepsWhatItDoesNotKnowAndAppendsInOrder) {
    ProfileFile p = loaded(
        "; written by hand\n"
        "[Edit]\n"
        "text1 = old\n"
        "unknown=keep me\n"
        "\n"
        "[Other]\n"
        "; a comment in another section\n"
        "stray line without equals\n"
        "x=1\n");
    p.writeText(QStringLiteral("Edit"), QStringLiteral("text1"), QStringLiteral("新しい"));
    p.writeText(QStringLiteral("Edit"), QStringLiteral("text2"), QStringLiteral("二"));
    p.writeInt(SE, QStringLiteral("int002"), -5);
    p.writeInt(SE, QStringLiteral("int001"), 12);
    p.writeText(QStringLiteral("Edit"), QStringLiteral("text3"), QStringLiteral("三"));
    ASSERT_TRUE(p.save().ok);
    const QByteArray expected =
        platform::Sjis::bytes(QStringLiteral("; written by hand\r\n"
                                             "[Edit]\r\n"
                                             "text1 =新しい\r\n"
                                             "unknown=keep me\r\n"
                                             "text2=二\r\n"
                                             "text3=三\r\n"
                                             "\r\n"
                                             "[Other]\r\n"
                                             "; a comment in another section\r\n"
                                             "stray line without equals\r\n"
                                             "x=1\r\n"
                                             "\r\n"
                                             "[SE]\r\n"
                                             "int002=-5\r\n"
                                             "int001=12\r\n"));
    EXPECT_EQ(fileBytes(), expected);
}

TEST_F(ProfileFileTest, ANewFileRoundTripsCp932Texts) {
    ProfileFile p(path);
    ASSERT_TRUE(p.load().ok);
    const QString name = QStringLiteral("髙橋 ①㈱ ｶﾅ");
    p.writeText(QStringLiteral("Edit"), QStringLiteral("text1"), name);
    p.writeInt(QStringLiteral("Kind"), QStringLiteral("intCB2"), -1);
    ASSERT_TRUE(p.save().ok);
    EXPECT_TRUE(fileBytes().contains(platform::Sjis::bytes(name)));  // stored as CP932, not UTF-8

    ProfileFile again(path);
    ASSERT_TRUE(again.load().ok);
    EXPECT_EQ(again.readText(QStringLiteral("Edit"), QStringLiteral("text1"), QString()), name);
    EXPECT_EQ(again.readInt(QStringLiteral("Kind"), QStringLiteral("intCB2"), 0), -1);
}

TEST_F(ProfileFileTest, ALineBreakInATextCannotSplitTheFile) {
    ProfileFile p(path);
    p.writeText(QStringLiteral("Edit"), QStringLiteral("text1"),
                QStringLiteral("one\r\n[SE]\nint001=99"));
    ASSERT_TRUE(p.save().ok);
    ProfileFile again(path);
    ASSERT_TRUE(again.load().ok);
    EXPECT_EQ(again.readInt(SE, QStringLiteral("int001"), 0), 0);
    EXPECT_EQ(again.readText(QStringLiteral("Edit"), QStringLiteral("text1"), QString()),
              QStringLiteral("one  [SE] int001=99"));
}

TEST_F(ProfileFileTest, AFailedSaveReportsTheReason) {
    // A folder where the file should be: no user can replace it.
    ProfileFile blocked(dir.path());
    blocked.writeInt(SE, QStringLiteral("int001"), 2);
    const platform::ProfileResult r = blocked.save();
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.reason.isEmpty());

    EXPECT_EQ(ProfileFile::cannotWriteMessage(QStringLiteral("/x/mirel36.ini")),
              QStringLiteral("/x/mirel36.ini に書き込めません"));
}

TEST_F(ProfileFileTest, AFailedWriteLeavesTheOldFile) {
    writeFile("[SE]\r\nint001=1\r\n");
    ProfileFile p(path);
    ASSERT_TRUE(p.load().ok);
    p.writeInt(SE, QStringLiteral("int001"), 2);
    platform::ProfileResult r;
    {
        const testsupport::FileSizeLimit full;
        r = p.save();
    }
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.reason.isEmpty());
    EXPECT_EQ(fileBytes(), QByteArray("[SE]\r\nint001=1\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("mirel36.ini")});
}

TEST_F(ProfileFileTest, TheFirstSaveMakesTheMissingFolders) {
    // A new account has no settings folder yet.
    ProfileFile p(dir.filePath(QStringLiteral("config/pelcor/mirel36.ini")));
    p.writeInt(SE, QStringLiteral("int001"), 2);
    EXPECT_TRUE(p.save().ok);
    ProfileFile again(dir.filePath(QStringLiteral("config/pelcor/mirel36.ini")));
    ASSERT_TRUE(again.load().ok);
    EXPECT_EQ(again.readInt(SE, QStringLiteral("int001"), 0), 2);
}

TEST_F(ProfileFileTest, AFileThatCannotBeReadIsNotReplaced) {
    // A folder under the file's name cannot be read as a file.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("mirel36.ini")));
    ProfileFile p(path);
    const platform::ProfileResult r = p.load();
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.reason.isEmpty());
    EXPECT_EQ(p.readInt(SE, QStringLiteral("int001"), 6), 6);
    p.writeInt(SE, QStringLiteral("int001"), 1);
    EXPECT_FALSE(p.save().ok);
    EXPECT_TRUE(QFileInfo(path).isDir());
    // Even once the way is free, what was never read is not overwritten.
    ASSERT_TRUE(QDir(dir.path()).rmdir(QStringLiteral("mirel36.ini")));
    EXPECT_FALSE(p.save().ok);
    EXPECT_FALSE(QFileInfo::exists(path));
}
