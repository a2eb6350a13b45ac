#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "book/AddressRecord.h"
#include "book/exchange/CsvExport.h"
#include "book/exchange/FieldMapping.h"
#include "book/exchange/FieldText.h"
#include "book/exchange/ImportMemory.h"
#include "book/exchange/ImportSource.h"
#include "platform/Sjis.h"

using namespace book;

namespace {

QStringList row(std::initializer_list<const char16_t*> cells) {
    QStringList r;
    for (const char16_t* c : cells) r << QString::fromUtf16(c);
    return r;
}

CsvChoices utf8Header(const FieldMapping& mapping) {
    CsvChoices c;
    c.encoding = TextEncoding::Utf8;
    c.header = true;
    c.mapping = mapping;
    return c;
}

}  // namespace

TEST(CsvTable, ReadsWhatSpreadsheetsWrite) {
    const CsvTable t =
        parseCsv(QStringLiteral("a, b c ,\"x,\"\"y\"\"\nz\"\r\n\r\n 1\t;2\n"), QLatin1Char(','));
    ASSERT_EQ(t.size(), 2);
    EXPECT_EQ(t[0], QStringList({"a", "b c", "x,\"y\"\nz"}));
    EXPECT_EQ(t[1], QStringList({"1\t;2"}));
    EXPECT_EQ(parseCsv(QStringLiteral("a\tb c\t\tx"), QLatin1Char('\t'))[0],
              QStringList({"a", "b c", "", "x"}));
    EXPECT_EQ(guessSeparator(QStringLiteral("a;b;c\nd;e;f")), QLatin1Char(';'));
    EXPECT_EQ(guessSeparator(QStringLiteral("\"a,b\"\tc\td")), QLatin1Char('\t'));
    // One record full of semicolons does not outvote the header (found by fuzzing).
    EXPECT_EQ(guessSeparator(QStringLiteral("名前,電話\na;;;;;;;;,b\n")), QLatin1Char(','));
    const QStringList awkward = {" lead", "a\"b", "x,y", "line\nbreak", ""};
    EXPECT_EQ(parseCsv(joinCsvLine(awkward), QLatin1Char(','))[0], awkward);
}

TEST(FieldMapping, RecognisesJapaneseAndEnglishHeaders) {
    EXPECT_EQ(mapHeader(row({u"氏名", u"フリガナ", u"郵便番号", u"住所", u"建物", u"電話番号",
                             u"携帯電話", u"ＦＡＸ", u"勤務先", u"役職", u"グループ", u"連名",
                             u"メール"})),
              FieldMapping({ImportField::Name, ImportField::Kana, ImportField::Postal,
                            ImportField::Address1, ImportField::Address2, ImportField::Phone,
                            ImportField::Mobile, ImportField::Fax, ImportField::Company,
                            ImportField::Title, ImportField::Relation, ImportField::JointName,
                            ImportField::None}));
    EXPECT_EQ(mapHeader(row({u"Last Name", u"First Name", u"Zip", u"Prefecture", u"City", u"Street",
                             u"TEL", u"Company", u"Phone"})),
              FieldMapping({ImportField::FamilyName, ImportField::GivenName, ImportField::Postal,
                            ImportField::Prefecture, ImportField::City, ImportField::Street,
                            ImportField::Phone, ImportField::Company, ImportField::None}));
    EXPECT_TRUE(isHeaderRow(row({u"名前", u"〒"})));
    EXPECT_FALSE(isHeaderRow(row({u"やまだ", u"山田　太郎", u"1234567"})));
}

TEST(FieldMapping, JoinsPartsAndTurnsReadingsIntoHiragana) {
    // 名 before 姓 in the file: the family name still comes first.
    const CsvTable t = {
        row({u"名", u"姓", u"セイ", u"メイ", u"番地", u"都道府県", u"市区町村", u"〒"}),
        row({u"太郎", u"山田", u"ヤマダ", u"ﾀﾛｳ", u"芝公園1-2", u"東京都", u"港区",
             u"〒１０５－０００１"})};
    const AddressRows rows = rowsFromTable(t, 1, mapHeader(t[0]));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0][ColName], QStringLiteral("山田　太郎"));
    EXPECT_EQ(rows[0][ColKana], QStringLiteral("やまだ　たろう"));
    EXPECT_EQ(rows[0][ColAddress1], QStringLiteral("東京都港区芝公園1-2"));
    EXPECT_EQ(rows[0][ColPostal], QStringLiteral("1050001 "));
    // Whatever a postal cell holds, exporting and importing it again keeps it.
    for (const char* odd :
         {"123-45L", "12-3-456", "CELL:167", " 1234567", "\xE3\x80\x92\xE3\x80\x92"}) {
        const QString cell = importedPostalCode(QString::fromUtf8(odd));
        EXPECT_EQ(importedPostalCode(exportedPostalCode(cell)), cell) << odd;
    }
}

TEST(CsvImport, OwnFilesOpenAsBeforeAndForeignOnesByEncodingAndHeader) {
    const QByteArray own = platform::Sjis::bytes(
        QStringLiteral("やまだ,山田　太郎,123-4567,東京都,\"a "
                       "b\",,,03,,,,,友人\r\n,,,,,,,,,,,,\r\nなまえ,電話,,,,,,,,,,,\r\n"));
    bool otherFormat = true;
    EXPECT_EQ(parseAnyAddressFile(own, &otherFormat), parseAddressFile(own));
    EXPECT_FALSE(otherFormat);
    // Saving writes 13 CP932 columns: a file of another shape must not be
    // taken for one of ours, or its extra columns would be lost.
    parseAnyAddressFile(platform::Sjis::bytes(QStringLiteral("やまだ,山田,,,,,,,,,,,友人,x\r\n")),
                        &otherFormat);
    EXPECT_TRUE(otherFormat);

    const QString foreign =
        QStringLiteral("名前,ふりがな,住所1,電話\n山田 太郎,ヤマダ,東京都 港区,03\n");
    for (const QByteArray& bytes :
         {foreign.toUtf8(), platform::Sjis::bytes(foreign),
          QByteArray("\xFF\xFE") +
              QByteArray(reinterpret_cast<const char*>(foreign.utf16()), foreign.size() * 2)}) {
        const AddressRows rows = parseAnyAddressFile(bytes, &otherFormat);
        EXPECT_TRUE(otherFormat);
        ASSERT_EQ(rows.size(), 1);
        EXPECT_EQ(rows[0][ColName], QStringLiteral("山田 太郎"));
        EXPECT_EQ(rows[0][ColKana], QStringLiteral("やまだ"));
        EXPECT_EQ(rows[0][ColAddress1], QStringLiteral("東京都 港区"));
    }
    // UTF-8 in the program's own column order, no header.
    const AddressRows utf8 =
        parseAnyAddressFile(QStringLiteral("やまだ,山田　太郎,1234567,東京都\n").toUtf8());
    ASSERT_EQ(utf8.size(), 1);
    EXPECT_EQ(utf8[0][ColName], QStringLiteral("山田　太郎"));
}

TEST(CsvImport, ExportReadsBackAsTheSameRecords) {
    AddressRows book;
    book << row({u"", u"山田　太郎", u"1234567 ", u"東京都港区, \"芝\"", u" ビル 3F", u"花子",
                 u"やまだ　たろう", u"03-1234-5678", u"090", u"03-9", u"株式会社ABC", u"課長",
                 u"友人"})
         << row({u"", u"Smith", u"", u"", u"", u"", u"", u"", u"", u"", u"", u"", u"仕事;取引"});
    const QByteArray bytes = writeUtf8Csv(book);
    const ImportResult back = importCsv(bytes, guessCsvChoices(bytes));
    ASSERT_TRUE(back.ok()) << back.error.toStdString();
    EXPECT_EQ(back.rows, book);
    EXPECT_EQ(parseAnyAddressFile(bytes), book);
}

TEST(CsvImport, RefusesWhatIsNotATableOfText) {
    const FieldMapping two = {ImportField::Name, ImportField::Phone};
    EXPECT_FALSE(importCsv(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), utf8Header(two)).ok());
    QString ragged = QStringLiteral("名前,電話\n");
    for (int i = 0; i < 10; ++i)
        ragged += i % 3 ? QStringLiteral("a,b\n") : QStringLiteral("a,b,c,d,e,f,g,h,i\n");
    const ImportResult r = importCsv(ragged.toUtf8(), utf8Header(two));
    EXPECT_TRUE(r.rows.isEmpty());
    EXPECT_TRUE(r.error.contains(QStringLiteral("2 行目"))) << r.error.toStdString();
    // One short row is a hand-made file, not a broken one.
    EXPECT_TRUE(importCsv(QStringLiteral("名前,電話,〒\na,b,c\nd,e,f\ng,h,i\nj\nk,l,m\n").toUtf8(),
                          utf8Header(two))
                    .ok());

    QTemporaryDir dir;
    QFile big(dir.filePath(QStringLiteral("big.csv")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(100LL * 1024 * 1024));
    big.close();
    const ImportBytes read = readImportBytes(big.fileName());
    EXPECT_TRUE(read.bytes.isEmpty());
    EXPECT_TRUE(read.error.contains(QStringLiteral("大きすぎます")));
}

TEST(CsvImport, TheLastMappingIsRememberedInTheSettingsFile) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("mirel36.ini"));
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Edit]\r\ntext1=x\r\n");
    f.close();
    const RememberedMapping m{row({u"氏名", u"メモ, 1"}), {ImportField::Name, ImportField::Title}};
    ASSERT_TRUE(writeRememberedMapping(ini, m));
    const RememberedMapping back = readRememberedMapping(ini);
    EXPECT_EQ(back.header, m.header);
    EXPECT_EQ(back.mapping, m.mapping);
    EXPECT_TRUE(fitsRemembered(back, m.header, 2));
    EXPECT_FALSE(fitsRemembered(back, row({u"氏名"}), 2));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("[Edit]\r\ntext1=x\r\n"));
}
