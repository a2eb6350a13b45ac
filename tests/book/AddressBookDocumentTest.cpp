// The address book document on its own: opening, saving, importing,
// exporting and the relation filter, with the caption they leave.

#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "book/AddressBookDocument.h"
#include "platform/files/AppPaths.h"
#include "platform/text/Sjis.h"
#include "records/AddressRecord.h"
#include "tests/support/FileSizeLimit.h"

using book::AddressBookDocument;

namespace {

const QByteArray kTwoRecords = platform::Sjis::bytes(
    QStringLiteral("やまだ,山田　太郎,123-4567,東京都,１－２,,,03-1234-5678,,,,,友人\r\n"
                   "すずき,鈴木　花子,9876543,大阪府,,,,,,,,,親戚\r\n"));

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class AddressBookDocumentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        platform::AppPaths::setOverrideFolder(home.path());
    }
    void TearDown() override { platform::AppPaths::setOverrideFolder(QString()); }
    QString write(const QString& name, const QByteArray& bytes) {
        QFile f(home.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    QString cell(int column, int row) const { return book.wholeBook().cell(column, row); }

    QTemporaryDir home;
    AddressBookDocument book;
};

}  // namespace

TEST_F(AddressBookDocumentTest, OpeningFillsTheBookNamesItAndSaysSoInTheCaption) {
    QSignalSpy captions(&book, &AddressBookDocument::captionChanged);
    const QString path = write("Family.CSV", kTwoRecords);
    book.setModified(true);
    EXPECT_TRUE(book.open(path).isEmpty());
    ASSERT_EQ(book.wholeBook().rowCount(), 3);
    EXPECT_EQ(cell(records::ColName, 1), QStringLiteral("山田　太郎"));
    EXPECT_EQ(cell(records::ColPostal, 2), QStringLiteral("9876543 "));
    EXPECT_EQ(cell(records::ColNumber, 2), QStringLiteral("2"));
    EXPECT_EQ(book.fileName(), path);
    EXPECT_FALSE(book.isModified());
    const QString caption =
        QStringLiteral("　Pelcor　　　『　Family.CSV 』     2件中  全部 2件 を表示中");
    EXPECT_EQ(book.caption(), caption);
    ASSERT_EQ(captions.count(), 1);
    EXPECT_EQ(captions[0][0].toString(), caption);

    // An empty file is a book of one empty record.
    EXPECT_TRUE(book.open(write("empty.csv", QByteArray())).isEmpty());
    EXPECT_EQ(book.wholeBook().rowCount(), 2);
    EXPECT_EQ(cell(records::ColNumber, 1), QStringLiteral("1"));
    EXPECT_TRUE(book.caption().contains(QStringLiteral("1件中")));
}

TEST_F(AddressBookDocumentTest, AFailedOpenNamesTheFileAndLeavesTheBookAsItWas) {
    const QString path = write("family.csv", kTwoRecords);
    ASSERT_TRUE(book.open(path).isEmpty());
    const QString missing = home.filePath("missing.csv");
    EXPECT_TRUE(book.open(missing).startsWith(missing + u'\n'));
    EXPECT_EQ(book.wholeBook().rowCount(), 3);
    EXPECT_EQ(book.fileName(), path);
}

TEST_F(AddressBookDocumentTest, SavingWritesTheWholeBookHyphenatedWhateverIsShown) {
    const QString path = write("family.csv", kTwoRecords);
    ASSERT_TRUE(book.open(path).isEmpty());
    book.selectRelation(QStringLiteral("親戚"));
    book.setModified(true);
    EXPECT_TRUE(book.save(path).isEmpty());
    EXPECT_EQ(readFile(path), kTwoRecords.left(kTwoRecords.indexOf('\n') + 1) +
                                  platform::Sjis::bytes(QStringLiteral(
                                      "すずき,鈴木　花子,987-6543,大阪府,,,,,,,,,親戚\r\n")));
    EXPECT_FALSE(book.isModified());
    EXPECT_EQ(book.caption(), QStringLiteral("　Pelcor　　　　『　family.csv　』"));
    // The book keeps its plain codes, its numbers and its header.
    EXPECT_EQ(cell(records::ColPostal, 1), QStringLiteral("1234567 "));
    EXPECT_EQ(cell(records::ColNumber, 1), QStringLiteral("1"));
    EXPECT_EQ(cell(1, 0), QStringLiteral("名　前"));
}

TEST_F(AddressBookDocumentTest, AFailedSaveKeepsTheOldFileTheNameAndTheChange) {
    const QString path = write("family.csv", kTwoRecords);
    ASSERT_TRUE(book.open(path).isEmpty());
    book.wholeBook().setCell(records::ColName, 1, QStringLiteral("変更"));
    book.setModified(true);
    {
        const testsupport::FileSizeLimit full;
        EXPECT_TRUE(book.save(path).startsWith(path + u'\n'));
    }
    EXPECT_FALSE(book.save(home.filePath("gone/family.csv")).isEmpty());
    EXPECT_FALSE(book.save(home.path()).isEmpty());
    EXPECT_EQ(readFile(path), kTwoRecords);
    EXPECT_TRUE(book.isModified());
    EXPECT_EQ(book.fileName(), path);
    EXPECT_EQ(cell(records::ColName, 1), QStringLiteral("変更"));
}

TEST_F(AddressBookDocumentTest, SavingOverABookWithAJapaneseNameKeepsItsFileMode) {
    const QString path = write("家族の住所録.csv", kTwoRecords);
    const QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, mode));
    ASSERT_TRUE(book.open(path).isEmpty());
    EXPECT_TRUE(book.save(path).isEmpty());
    // Owner, group and other; Qt's "user" bits say what this process may do.
    const QFile::Permissions ownerGroupOther = QFile::Permissions::fromInt(0x7077);
    EXPECT_EQ(QFile::permissions(path) & ownerGroupOther, mode);
}

TEST_F(AddressBookDocumentTest, CharactersTheFileCannotHoldAreNamedBeforeSaving) {
    EXPECT_TRUE(book.unsaveableRecords().isEmpty());
    book.wholeBook().setCell(records::ColName, 1, QStringLiteral("𠮷田"));
    EXPECT_TRUE(book.unsaveableRecords().contains(QStringLiteral("1 行目（𠮷田）: 𠮷")));
}

TEST_F(AddressBookDocumentTest, ABookFromAnotherFormatKeepsNoNameToSaveOver) {
    const QString path = write("sheet.csv", QByteArray("氏名,〒,住所\r\n鈴木,530-0001,大阪府\r\n"));
    ASSERT_TRUE(book.open(path).isEmpty());
    EXPECT_EQ(book.foreignFileName(), path);
    EXPECT_TRUE(book.fileName().isEmpty());
    EXPECT_TRUE(book.savePath().isEmpty());
    EXPECT_EQ(book.saveFolder(), home.path());
    EXPECT_TRUE(book.caption().contains(QStringLiteral("sheet.csv（別の形式から読み込み）")));
}

TEST_F(AddressBookDocumentTest, TheFilterShowsOneRelationAndImportingShowsTheWholeBookAgain) {
    ASSERT_TRUE(book.open(write("family.csv", kTwoRecords)).isEmpty());
    QSignalSpy filters(&book, &AddressBookDocument::filterChanged);
    book.selectRelation(QStringLiteral("友人"));
    EXPECT_FALSE(book.showingAll());
    EXPECT_EQ(&book.activeBook(), &book.filteredBook());
    EXPECT_EQ(book.filteredBook().cell(records::ColName, 1), QStringLiteral("山田　太郎"));
    EXPECT_TRUE(book.caption().endsWith(QStringLiteral("2件中  友人 1件 を表示中")));

    const book::AddressRows rows = {QStringList{QString(), QStringLiteral("佐藤")}};
    EXPECT_EQ(book.importRows(rows, book::ImportMode::Append), 3);
    EXPECT_TRUE(book.showingAll());
    EXPECT_EQ(book.relation(), QStringLiteral("全部"));
    ASSERT_EQ(filters.count(), 2);
    EXPECT_TRUE(filters[1][0].toBool());
    EXPECT_TRUE(book.isModified());
    EXPECT_EQ(book.currentRecord(), 3);
    EXPECT_FALSE(book.fileName().isEmpty());

    // A replaced book is a new one, with no file to write over.
    EXPECT_EQ(book.importRows(rows, book::ImportMode::Replace), 1);
    EXPECT_EQ(book.wholeBook().rowCount(), 2);
    EXPECT_TRUE(book.fileName().isEmpty());
}

TEST_F(AddressBookDocumentTest, ExportLeavesEmptyRowsOutAndReportsAFailure) {
    ASSERT_TRUE(book.open(write("family.csv", kTwoRecords)).isEmpty());
    book.insertRows({0, 1, 12, 1});
    const QString csv = home.filePath("out.csv");
    EXPECT_TRUE(book.exportTo(csv, false).isEmpty());
    EXPECT_EQ(readFile(csv).count('\n'), 3);  // the header and two records
    const QString vcf = home.filePath("out.vcf");
    EXPECT_TRUE(book.exportTo(vcf, true).isEmpty());
    EXPECT_EQ(readFile(vcf).count("BEGIN:VCARD"), 2);
    EXPECT_FALSE(book.exportTo(home.filePath("gone/out.csv"), false).isEmpty());
}
