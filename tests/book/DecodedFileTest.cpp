#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "book/AddressFile.h"
#include "book/exchange/ImportSource.h"
#include "records/AddressRecord.h"

using namespace book;

// A book whose first several hundred kilobytes are plain ASCII and whose only
// Japanese, in UTF-8, comes at the end: its start alone would pass for
// CP932. Opening it, the command-line export and the import dialog must all
// read it as the UTF-8 it is, and alike.
TEST(DecodedFile, ReadsAlikeWhicheverWayItComesIn) {
    QByteArray bytes;
    for (int i = 0; bytes.size() < 300 * 1024; ++i)
        bytes += QStringLiteral("yomi%1,Name %1,1000001,Tokyo,,,,,,,,,\r\n").arg(i).toLatin1();
    bytes += QStringLiteral("やまだ,山田　太郎,1000013,東京都千代田区,,,,,,,,,\r\n").toUtf8();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.csv"));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();

    const AddressReadResult opened = readAddressFile(path);
    ASSERT_TRUE(opened.ok) << opened.error.toStdString();
    ASSERT_FALSE(opened.rows.isEmpty());
    EXPECT_EQ(opened.rows.last().value(records::ColName), QStringLiteral("山田　太郎"));

    const ImportResult exported = importFile(path);  // the --export-pdf way
    EXPECT_EQ(exported.rows, opened.rows);

    const DecodedFile file(bytes);  // the import dialog's way
    const CsvChoices choices = guessCsvChoices(file);
    EXPECT_EQ(choices.encoding, TextEncoding::Utf8);
    EXPECT_EQ(previewCsv(file, choices, 1).value(0).value(1), QStringLiteral("Name 0"));
    EXPECT_EQ(importCsv(file, choices).rows, opened.rows);
}
