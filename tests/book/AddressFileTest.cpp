#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "book/AddressFile.h"
#include "platform/text/Sjis.h"
#include "records/AddressRecord.h"

using book::AddressRows;
using book::buildAddressFile;
using book::parseAddressFile;

namespace {

QByteArray sjis(const QString& s) { return platform::Sjis::bytes(s); }

// A book of `n` records full of awkward text.
AddressRows awkwardBook(int n) {
    const QStringList pieces = {
        "山田　太郎", "a,b", "say \"hi\"", " lead",       "trail ", "①㈱髙﨑", "表示ソフト",
        "ｶﾀｶﾅ",       "",    "x\ty",       "東京都 港区", "\"",     "№Ⅱ",      "東京都\r\n港区",
        "\"a\",\nb"};
    AddressRows rows;
    for (int r = 0; r < n; ++r) {
        QStringList row;
        for (int c = 0; c < records::kColumnCount; ++c)
            row << (c == records::ColNumber ? QString() : pieces[(r * 7 + c * 3) % pieces.size()]);
        row[records::ColPostal] = r % 3 ? QStringLiteral("1234567 ") : QStringLiteral("123");
        rows << row;
    }
    return rows;
}

}  // namespace

TEST(AddressFile, ReadsTheThirteenFieldsWithTheReadingFirst) {
    const QByteArray line =
        sjis(QStringLiteral("やまだ,山田　太郎,123-4567,東京都,１－２,,,03-1234-5678,,,,,\r\n"));
    const AddressRows rows = parseAddressFile(line);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0][records::ColName], QStringLiteral("山田　太郎"));
    EXPECT_EQ(rows[0][records::ColPostal], QStringLiteral("123-4567"));  // hyphens go when shown
    EXPECT_EQ(rows[0][records::ColKana], QStringLiteral("やまだ"));
    EXPECT_EQ(rows[0][records::ColPhone], QStringLiteral("03-1234-5678"));
    EXPECT_EQ(rows[0][records::ColRelation], QString());
    EXPECT_EQ(rows[0].size(), 13);

    // Written back: the same 13 fields, the postal code hyphenated, CR LF.
    AddressRows shown = rows;
    shown[0][records::ColPostal] = QStringLiteral("1234567 ");
    shown[0][records::ColNumber] = QStringLiteral("1");
    EXPECT_EQ(buildAddressFile(shown), line);
}

TEST(AddressFile, LineEndsEndOfFileAndExtraFields) {
    const QByteArray bytes = QByteArray("a,b\nc,d\r\ne,f\rignored\n") +
                             "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15\r\n" + "\x1a" + "after,eof\r\n";
    const AddressRows rows = parseAddressFile(bytes);
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0][1], QStringLiteral("b"));
    EXPECT_EQ(rows[1][1], QStringLiteral("d"));
    EXPECT_EQ(rows[2][1], QStringLiteral("f"));
    EXPECT_EQ(rows[3][12], QStringLiteral("13"));
    EXPECT_EQ(rows[3][records::ColKana],
              QStringLiteral("1"));  // the seventh field gives way to the reading
    EXPECT_TRUE(parseAddressFile(QByteArray()).isEmpty());
    EXPECT_EQ(parseAddressFile("x").size(), 1);               // no line end on the last line
    EXPECT_EQ(parseAddressFile("a\r\n\r\nb\r\n").size(), 3);  // an empty line is an empty record
    // A quote never closed ends with its line, not with the file.
    EXPECT_EQ(parseAddressFile("k,\"open\r\nb,c\r\n").size(), 2);
}

TEST(AddressFile, GarbageOpensWithoutCrashOrLoss) {
    QByteArray garbage;
    quint32 seed = 7;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        garbage.append(char(seed >> 24));
    }
    const AddressRows rows = parseAddressFile(garbage);
    for (const QStringList& row : rows) EXPECT_EQ(row.size(), 13);

    // One 10 MB line, and a NUL inside a line.
    const QByteArray longLine = QByteArray(10 * 1024 * 1024, 'x') + ",y";
    const AddressRows one = parseAddressFile(longLine);
    ASSERT_EQ(one.size(), 1);
    EXPECT_EQ(one[0][1], QStringLiteral("y"));
    const AddressRows nul = parseAddressFile(QByteArray("k,a\0b,c\r\nk2,n2\r\n", 16));
    ASSERT_EQ(nul.size(), 2);
    EXPECT_EQ(nul[0][1], QStringLiteral("a"));
    EXPECT_EQ(nul[1][1], QStringLiteral("n2"));
    // Invalid CP932 is kept visible.
    EXPECT_TRUE(parseAddressFile("\x81\x20,z")[0][0].contains(QChar(QChar::ReplacementCharacter)));
}

TEST(AddressFile, AThousandAwkwardRecordsComeBackByteIdentical) {
    const AddressRows rows = awkwardBook(1000);
    QVector<book::UnmappableText> unmappable;
    const QByteArray first = buildAddressFile(rows, &unmappable);
    EXPECT_TRUE(unmappable.isEmpty());
    AddressRows read = parseAddressFile(first);
    ASSERT_EQ(read.size(), 1000);
    for (int r = 0; r < 1000; ++r) {
        for (int c = 1; c < records::kColumnCount; ++c) {
            const QString expected =
                c == records::ColPostal && rows[r][c] == QStringLiteral("1234567 ")
                    ? QStringLiteral("123-4567")
                    : rows[r][c];
            ASSERT_EQ(read[r][c], expected) << r << "," << c;
        }
    }
    EXPECT_EQ(buildAddressFile(read), first);
}

TEST(AddressFile, ReportsCharactersTheFileCannotHold) {
    AddressRows rows = awkwardBook(3);
    rows[1][records::ColName] = QStringLiteral("𠮷野家");
    rows[2][records::ColAddress1] = QStringLiteral("😀");
    QVector<book::UnmappableText> unmappable;
    const QByteArray bytes = buildAddressFile(rows, &unmappable);
    ASSERT_EQ(unmappable.size(), 2);
    EXPECT_EQ(unmappable[0].row, 2);
    EXPECT_EQ(unmappable[0].text, QStringLiteral("𠮷"));
    EXPECT_EQ(unmappable[1].text, QStringLiteral("😀"));
    EXPECT_TRUE(bytes.contains("?"));
}

TEST(AddressFile, MissingFileReportsTheSystemsReason) {
    QTemporaryDir dir;
    const book::AddressReadResult r = book::readAddressFile(dir.filePath("none.csv"));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
}

// A foreign table whose quote never closes would open as an empty book.
TEST(AddressFile, AQuoteThatNeverClosesIsNotOpened) {
    QTemporaryDir dir;
    QFile f(dir.filePath("sheet.csv"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("名前,電話\n山田,03\n\"鈴木,04\n佐藤,05\n").toUtf8());
    f.close();
    const book::AddressReadResult r = book::readAddressFile(f.fileName());
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains(QStringLiteral("3 行目"))) << r.error.toStdString();
}
