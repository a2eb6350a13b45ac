#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "book/exchange/CsvExport.h"
#include "book/exchange/FieldMapping.h"
#include "book/exchange/FieldText.h"
#include "book/exchange/ImportMemory.h"
#include "book/exchange/ImportSource.h"
#include "platform/text/Sjis.h"
#include "records/AddressRecord.h"

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

// A quoted field holds its line breaks; the row goes on after it and the
// next line starts the next row.
TEST(CsvTable, AQuotedFieldRunsAcrossLineEnds) {
    const CsvTable t =
        parseCsv(QStringLiteral("山田,\"東京都港区\r\n芝公園, 2-3\",03\r\n鈴木,\"大阪\",06\r\n"),
                 QLatin1Char(','));
    ASSERT_EQ(t.size(), 2);
    EXPECT_EQ(t[0], QStringList({"山田", "東京都港区\r\n芝公園, 2-3", "03"}));
    EXPECT_EQ(t[1], QStringList({"鈴木", "大阪", "06"}));
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
    EXPECT_EQ(rows[0][records::ColName], QStringLiteral("山田　太郎"));
    EXPECT_EQ(rows[0][records::ColKana], QStringLiteral("やまだ　たろう"));
    EXPECT_EQ(rows[0][records::ColAddress1], QStringLiteral("東京都港区芝公園1-2"));
    EXPECT_EQ(rows[0][records::ColPostal], QStringLiteral("1050001 "));
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
    EXPECT_EQ(parseAnyAddressFile(DecodedFile(own), &otherFormat), parseAddressFile(own));
    EXPECT_FALSE(otherFormat);
    // Saving writes 13 CP932 columns: a file of another shape must not be
    // taken for one of ours, or its extra columns would be lost.
    parseAnyAddressFile(
        DecodedFile(platform::Sjis::bytes(QStringLiteral("やまだ,山田,,,,,,,,,,,友人,x\r\n"))),
        &otherFormat);
    EXPECT_TRUE(otherFormat);

    const QString foreign =
        QStringLiteral("名前,ふりがな,住所1,電話\n山田 太郎,ヤマダ,東京都 港区,03\n");
    for (const QByteArray& bytes :
         {foreign.toUtf8(), platform::Sjis::bytes(foreign),
          QByteArray("\xFF\xFE") +
              QByteArray(reinterpret_cast<const char*>(foreign.utf16()), foreign.size() * 2)}) {
        const AddressRows rows = parseAnyAddressFile(DecodedFile(bytes), &otherFormat);
        EXPECT_TRUE(otherFormat);
        ASSERT_EQ(rows.size(), 1);
        EXPECT_EQ(rows[0][records::ColName], QStringLiteral("山田 太郎"));
        EXPECT_EQ(rows[0][records::ColKana], QStringLiteral("やまだ"));
        EXPECT_EQ(rows[0][records::ColAddress1], QStringLiteral("東京都 港区"));
    }
    // UTF-8 in the program's own column order, no header.
    const AddressRows utf8 = parseAnyAddressFile(
        DecodedFile(QStringLiteral("やまだ,山田　太郎,1234567,東京都\n").toUtf8()));
    ASSERT_EQ(utf8.size(), 1);
    EXPECT_EQ(utf8[0][records::ColName], QStringLiteral("山田　太郎"));
}

TEST(CsvImport, ExportReadsBackAsTheSameRecords) {
    AddressRows book;
    book << row({u"", u"山田　太郎", u"1234567 ", u"東京都港区, \"芝\"", u" ビル 3F", u"花子",
                 u"やまだ　たろう", u"03-1234-5678", u"090", u"03-9", u"株式会社ABC", u"課長",
                 u"友人"})
         << row({u"", u"Smith", u"", u"", u"", u"", u"", u"", u"", u"", u"", u"", u"仕事;取引"});
    const QByteArray bytes = writeUtf8Csv(book);
    const DecodedFile file(bytes);
    const ImportResult back = importCsv(file, guessCsvChoices(file));
    ASSERT_TRUE(back.ok()) << back.error.toStdString();
    EXPECT_EQ(back.rows, book);
    EXPECT_EQ(parseAnyAddressFile(file), book);
}

TEST(CsvImport, RefusesWhatIsNotATableOfText) {
    const FieldMapping two = {ImportField::Name, ImportField::Phone};
    EXPECT_FALSE(
        importCsv(DecodedFile(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)), utf8Header(two))
            .ok());
    QString ragged = QStringLiteral("名前,電話\n");
    for (int i = 0; i < 10; ++i)
        ragged += i % 3 ? QStringLiteral("a,b\n") : QStringLiteral("a,b,c,d,e,f,g,h,i\n");
    const ImportResult r = importCsv(DecodedFile(ragged.toUtf8()), utf8Header(two));
    EXPECT_TRUE(r.rows.isEmpty());
    EXPECT_TRUE(r.error.contains(QStringLiteral("2 行目"))) << r.error.toStdString();
    // One short row is a hand-made file, not a broken one.
    EXPECT_TRUE(
        importCsv(
            DecodedFile(QStringLiteral("名前,電話,〒\na,b,c\nd,e,f\ng,h,i\nj\nk,l,m\n").toUtf8()),
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

TEST(CsvImport, AQuoteThatNeverClosesIsRefusedNamingItsLine) {
    QString text = QStringLiteral("名前,電話\n");
    for (int i = 1; i <= 50; ++i)
        text += i == 10 ? QStringLiteral("\"山田,03\n") : QStringLiteral("名%1,03\n").arg(i);
    const ImportResult r =
        importCsv(DecodedFile(text.toUtf8()), utf8Header({ImportField::Name, ImportField::Phone}));
    EXPECT_TRUE(r.rows.isEmpty());
    EXPECT_TRUE(r.error.contains(QStringLiteral("11 行目"))) << r.error.toStdString();
    // Opening the file (and the command line's export) refuses it too.
    QString error;
    EXPECT_TRUE(parseAnyAddressFile(DecodedFile(text.toUtf8()), nullptr, &error).isEmpty());
    EXPECT_TRUE(error.contains(QStringLiteral("11 行目"))) << error.toStdString();
    // A quoted line break counts as a line; a closed quote is no fault.
    int unclosed = -1;
    parseCsv(QStringLiteral("a,\"b\nc\"\r\nd,\"e"), QLatin1Char(','), -1, &unclosed);
    EXPECT_EQ(unclosed, 3);
    parseCsv(QStringLiteral("a,\"b\nc\"\r\nd,\"\"\"e\""), QLatin1Char(','), -1, &unclosed);
    EXPECT_EQ(unclosed, 0);
}

TEST(CsvImport, APostalCodeWithABlankKeepsEveryDigit) {
    for (const char16_t* written :
         {u"100 0005", u"１００　０００５", u"〒100 - 0005", u"100　0005"})
        EXPECT_EQ(importedPostalCode(QString::fromUtf16(written)), QStringLiteral("1000005 "))
            << QString::fromUtf16(written).toStdString();
    EXPECT_EQ(importedPostalCode(QStringLiteral("10 00005")), QStringLiteral("10 00005"));
}

TEST(FieldMapping, ContactsOfTheWebAndMailProgramsKeepTheirAddresses) {
    const CsvTable web = {
        row({u"First Name",
             u"Last Name",
             u"Phonetic First Name",
             u"Phonetic Last Name",
             u"Organization Name",
             u"Organization Title",
             u"E-mail 1 - Value",
             u"Phone 1 - Label",
             u"Phone 1 - Value",
             u"Phone 2 - Label",
             u"Phone 2 - Value",
             u"Phone 3 - Label",
             u"Phone 3 - Value",
             u"Address 1 - Formatted",
             u"Address 1 - Street",
             u"Address 1 - City",
             u"Address 1 - Region",
             u"Address 1 - Postal Code",
             u"Address 1 - Extended Address",
             u"Address 2 - Street",
             u"Address 2 - Postal Code"}),
        row({u"太郎",         u"山田",
             u"タロウ",       u"ヤマダ",
             u"ABC商事",      u"課長",
             u"t@example.jp", u"Work",
             u"03-2",         u"Mobile",
             u"090-1",        u"Home",
             u"03-1",         u"芝公園2-3\n港区 東京都 105-0011",
             u"芝公園2-3",    u"港区",
             u"東京都",       u"105-0011",
             u"コーポ 101",   u"丸の内1-1",
             u"100-0005"}),
        row({u"花子", u"鈴木", u"", u"", u"", u"", u"", u"Home Fax", u"06-9", u"", u"",
             u"",     u"",     u"", u"", u"", u"", u"", u"",         u"",     u""})};
    const AddressRows rows = rowsFromTable(web, 1, mapHeader(web[0]));
    ASSERT_EQ(rows.size(), 2);
    const QStringList& a = rows[0];
    EXPECT_EQ(a[records::ColName], QStringLiteral("山田　太郎"));
    EXPECT_EQ(a[records::ColKana], QStringLiteral("やまだ　たろう"));
    EXPECT_EQ(a[records::ColPostal], QStringLiteral("1050011 "));
    EXPECT_EQ(a[records::ColAddress1], QStringLiteral("東京都港区芝公園2-3"));
    EXPECT_EQ(a[records::ColAddress2], QStringLiteral("コーポ 101"));
    EXPECT_EQ(a[records::ColPhone], QStringLiteral("03-1"));  // home before work
    EXPECT_EQ(a[records::ColMobile], QStringLiteral("090-1"));
    EXPECT_EQ(a[records::ColCompany], QStringLiteral("ABC商事"));
    EXPECT_EQ(a[records::ColTitle], QStringLiteral("課長"));
    EXPECT_EQ(rows[1][records::ColFax], QStringLiteral("06-9"));

    const CsvTable mail = {
        row({u"Company", u"Job Title", u"Business Street", u"Business Postal Code", u"Home Street",
             u"Home City", u"Home State", u"Home Postal Code", u"Business Phone", u"Home Phone",
             u"Mobile Phone", u"Business Fax"}),
        row({u"ABC", u"部長", u"丸の内1-1", u"100-0005", u"芝公園2-3", u"港区", u"東京都",
             u"105-0011", u"03-2", u"03-1", u"090", u"03-9"})};
    const QStringList m = rowsFromTable(mail, 1, mapHeader(mail[0])).value(0);
    EXPECT_EQ(m[records::ColPostal], QStringLiteral("1050011 "));
    EXPECT_EQ(m[records::ColAddress1], QStringLiteral("東京都港区芝公園2-3"));
    EXPECT_EQ(m[records::ColPhone], QStringLiteral("03-1"));
    EXPECT_EQ(m[records::ColMobile], QStringLiteral("090"));
    EXPECT_EQ(m[records::ColFax], QStringLiteral("03-9"));
    EXPECT_EQ(m[records::ColCompany], QStringLiteral("ABC"));
    EXPECT_EQ(m[records::ColTitle], QStringLiteral("部長"));

    EXPECT_EQ(mapHeader(row({u"氏名", u"勤務先郵便番号", u"自宅郵便番号", u"自宅都道府県",
                             u"自宅市区町村", u"自宅番地", u"自宅電話", u"勤務先電話", u"勤務先"})),
              FieldMapping({ImportField::Name, ImportField::None, ImportField::Postal,
                            ImportField::Prefecture, ImportField::City, ImportField::Street,
                            ImportField::Phone, ImportField::None, ImportField::Company}));
}

TEST(FieldMapping, AFileWithoutPostalCodeOrAddressIsSaid) {
    EXPECT_TRUE(missingAddressNote(mapHeader(row({u"名前", u"〒", u"住所"}))).isEmpty());
    const QString none = missingAddressNote(mapHeader(row({u"名前", u"電話"})));
    EXPECT_TRUE(none.contains(QStringLiteral("郵便番号")) && none.contains(QStringLiteral("住所")))
        << none.toStdString();
    const QString noCode = missingAddressNote(mapHeader(row({u"名前", u"市区町村"})));
    EXPECT_TRUE(noCode.contains(QStringLiteral("郵便番号の列")));
    EXPECT_FALSE(noCode.contains(QStringLiteral("住所の列")));
}

TEST(CsvImport, EachLayoutKeepsItsOwnRememberedMapping) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("mirel36.ini"));
    const RememberedMapping web{row({u"First Name", u"Notes"}),
                                {ImportField::GivenName, ImportField::Title}};
    const RememberedMapping mail{row({u"氏名", u"メモ"}),
                                 {ImportField::Name, ImportField::Relation}};
    const RememberedMapping bare{QStringList(),
                                 {ImportField::Name, ImportField::None, ImportField::Phone}};
    for (const RememberedMapping& m : {web, mail, bare, mail}) ASSERT_TRUE(rememberMapping(ini, m));
    const RememberedMappings all = readRememberedMappings(ini);
    ASSERT_EQ(all.size(), 3);
    EXPECT_EQ(all[0].header, mail.header);  // the latest first
    EXPECT_EQ(findRemembered(all, web.header, 2).mapping, web.mapping);
    EXPECT_EQ(findRemembered(all, mail.header, 2).mapping, mail.mapping);
    EXPECT_EQ(findRemembered(all, QStringList(), 3).mapping, bare.mapping);
    EXPECT_TRUE(findRemembered(all, QStringList(), 4).mapping.isEmpty());
    // The oldest are forgotten, not the file's other settings grown without end.
    for (int i = 0; i < 40; ++i)
        ASSERT_TRUE(rememberMapping(ini, {row({u"a", u"b"}) << QString::number(i),
                                          {ImportField::Name, ImportField::Phone}}));
    EXPECT_LE(readRememberedMappings(ini).size(), 20);
}
