#include <gtest/gtest.h>

#include "book/exchange/ImportSource.h"
#include "book/exchange/VCard.h"
#include "book/exchange/VCardWriter.h"
#include "platform/text/Sjis.h"
#include "records/AddressRecord.h"

using namespace book;

TEST(VCard, ReadsThreeVersionsWithFoldingAndPhoneticNames) {
    const QByteArray file =
        QStringLiteral(
            "BEGIN:VCARD\r\nVERSION:3.0\r\nN:山田;太郎;;;\r\nFN:山田 太郎\r\n"
            "X-PHONETIC-LAST-NAME:ヤマダ\r\nX-PHONETIC-FIRST-NAME:タロウ\r\n"
            "item1.ADR;TYPE=WORK:;;丸の内1-1;千代田区;東京都;100-0005;日本\r\n"
            "ADR;TYPE=HOME:;コーポ 101;芝公園\r\n 2-3;港区;東京都;105-0011;\r\n"
            "TEL;TYPE=WORK,VOICE:03-1111-1111\r\nTEL;TYPE=HOME:03-2222-2222\r\nTEL;TYPE=CELL:090-"
            "1\r\n"
            "TEL;TYPE=HOME,FAX:03-3\r\nORG:ABC商事;営業部\r\nTITLE:課長\r\nEND:VCARD\r\n"
            "BEGIN:VCARD\nVERSION:4.0\nN;SORT-AS=\"すずき,はなこ\":鈴木;花子;;;\n"
            "TEL;VALUE=uri;TYPE=\"cell,voice\":tel:+81-90-2\nEND:VCARD\n"
            "BEGIN:VCARD\nVERSION:3.0\nFN:Only A Name\nSORT-STRING:おんりー\nEND:VCARD\n")
            .toUtf8();
    const VCardReadResult r = parseVCards(DecodedFile(file));
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    ASSERT_EQ(r.rows.size(), 3);
    const QStringList& a = r.rows[0];
    EXPECT_EQ(a[records::ColName], QStringLiteral("山田　太郎"));
    EXPECT_EQ(a[records::ColKana], QStringLiteral("やまだ　たろう"));
    EXPECT_EQ(a[records::ColPostal], QStringLiteral("1050011 "));
    EXPECT_EQ(a[records::ColAddress1], QStringLiteral("東京都港区芝公園2-3"));
    EXPECT_EQ(a[records::ColAddress2], QStringLiteral("コーポ 101"));
    EXPECT_EQ(a[records::ColPhone], QStringLiteral("03-2222-2222"));
    EXPECT_EQ(a[records::ColMobile], QStringLiteral("090-1"));
    EXPECT_EQ(a[records::ColFax], QStringLiteral("03-3"));
    EXPECT_EQ(a[records::ColCompany], QStringLiteral("ABC商事　営業部"));
    EXPECT_EQ(a[records::ColTitle], QStringLiteral("課長"));
    EXPECT_EQ(r.rows[1][records::ColName], QStringLiteral("鈴木　花子"));
    EXPECT_EQ(r.rows[1][records::ColKana], QStringLiteral("すずき　はなこ"));
    EXPECT_EQ(r.rows[1][records::ColMobile], QStringLiteral("+81-90-2"));
    EXPECT_EQ(r.rows[1][records::ColAddress1], QString());
    EXPECT_EQ(r.rows[2][records::ColName], QStringLiteral("Only A Name"));
    EXPECT_EQ(r.rows[2][records::ColKana], QStringLiteral("おんりー"));
}

TEST(VCard, Version21QuotedPrintableCharsetsAndShiftJisFiles) {
    // The name in UTF-8 quoted-printable with a soft line break; the address
    // in raw Shift_JIS named by CHARSET; the reading as phones of that era
    // keep it.
    QByteArray file =
        "BEGIN:VCARD\r\nVERSION:2.1\r\n"
        "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=E5=B1=B1=E7=94=B0;=E5=A4=AA=\r\n=E9=83=8E\r\n"
        "SOUND;X-IRMC-N;CHARSET=SHIFT_JIS:";
    file += platform::Sjis::bytes(
        QStringLiteral("ﾔﾏﾀﾞ;ﾀﾛｳ;;;\r\nADR;HOME;CHARSET=SHIFT_JIS:;;港区芝;;;;\r\n"));
    file += "TEL;CELL:090\r\nTEL;VOICE:03\r\nEND:VCARD\r\n";
    const VCardReadResult r = parseVCards(DecodedFile(file));
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    ASSERT_EQ(r.rows.size(), 1);
    EXPECT_EQ(r.rows[0][records::ColName], QStringLiteral("山田　太郎"));
    EXPECT_EQ(r.rows[0][records::ColKana], QStringLiteral("やまだ　たろう"));
    EXPECT_EQ(r.rows[0][records::ColAddress1], QStringLiteral("港区芝"));
    EXPECT_EQ(r.rows[0][records::ColMobile], QStringLiteral("090"));
    EXPECT_EQ(r.rows[0][records::ColPhone], QStringLiteral("03"));
    // A whole file in Shift_JIS without any CHARSET.
    const VCardReadResult sjis = parseVCards(
        DecodedFile(platform::Sjis::bytes(QStringLiteral("BEGIN:VCARD\nFN:髙橋\nEND:VCARD\n"))));
    ASSERT_EQ(sjis.rows.size(), 1);
    EXPECT_EQ(sjis.rows[0][records::ColName], QStringLiteral("髙橋"));
}

TEST(VCard, ExportReadsBackAsTheSameRecords) {
    AddressRows book;
    QStringList full(records::kColumnCount);
    full[records::ColName] = QStringLiteral("山田　太郎");
    full[records::ColPostal] = QStringLiteral("1234567 ");
    full[records::ColAddress1] = QStringLiteral(
        "東京都港区芝公園1-2;3,4\\5 とても長い住所がここに続いて折り返しが起きるまで続きます");
    full[records::ColAddress2] = QStringLiteral("ビル 3F");
    full[records::ColJointName] = QStringLiteral("花子");
    full[records::ColKana] = QStringLiteral("やまだ　たろう");
    full[records::ColPhone] = QStringLiteral("03-1234-5678");
    full[records::ColMobile] = QStringLiteral("090-1");
    full[records::ColFax] = QStringLiteral("03-9");
    full[records::ColCompany] = QStringLiteral("株式会社ABC");
    full[records::ColTitle] = QStringLiteral("課長");
    full[records::ColRelation] = QStringLiteral("友人,親戚");
    QStringList bare(records::kColumnCount);
    bare[records::ColName] = QStringLiteral("Smith");
    book << full << bare;
    const QByteArray bytes = writeVCards(book);
    for (const QByteArray& line : bytes.split('\n')) EXPECT_LE(line.size(), 76);
    const VCardReadResult back = parseVCards(DecodedFile(bytes));
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.rows, book);
}

TEST(VCard, BrokenFilesAreRefusedWhole) {
    const QByteArray cut = "BEGIN:VCARD\nFN:A\nEND:VCARD\nBEGIN:VCARD\nFN:B\n";
    const ImportResult r = importVCard(DecodedFile(cut));
    EXPECT_TRUE(r.rows.isEmpty());
    EXPECT_TRUE(r.error.contains(QStringLiteral("4 行目")) &&
                r.error.contains(QStringLiteral("END:VCARD")))
        << r.error.toStdString();
    EXPECT_FALSE(importVCard(DecodedFile("just some text\n")).ok());
    EXPECT_FALSE(importVCard(DecodedFile(QByteArray("BEGIN:VCARD\nFN:\0x\nEND:VCARD\n", 27))).ok());
}

TEST(VCard, LineEndsSoftBreaksAndCharsetsStayWithTheirCard) {
    // Old Macs end lines with CR alone.
    const VCardReadResult mac =
        parseVCards(DecodedFile("BEGIN:VCARD\rFN:A\rEND:VCARD\rBEGIN:VCARD\rFN:B\r"
                                " C\rEND:VCARD\r"));
    ASSERT_TRUE(mac.ok()) << mac.error.toStdString();
    ASSERT_EQ(mac.rows.size(), 2);
    EXPECT_EQ(mac.rows[1][records::ColName], QStringLiteral("BC"));
    // A soft line break left before the card's end does not swallow it.
    const VCardReadResult qp = parseVCards(
        DecodedFile("BEGIN:VCARD\r\nVERSION:2.1\r\nFN:A\r\n"
                    "TITLE;ENCODING=QUOTED-PRINTABLE:=E8=AA=B2=E9=95=B7=\r\nEND:VCARD\r\n"
                    "BEGIN:VCARD\r\nFN:B\r\nEND:VCARD\r\n"));
    ASSERT_TRUE(qp.ok()) << qp.error.toStdString();
    ASSERT_EQ(qp.rows.size(), 2);
    EXPECT_EQ(qp.rows[0][records::ColTitle], QStringLiteral("課長"));
    // Cards in UTF-8 and in Shift_JIS, none naming its CHARSET, in one file.
    const QByteArray mixed =
        QStringLiteral("BEGIN:VCARD\nFN:山田\nEND:VCARD\n").toUtf8() +
        platform::Sjis::bytes(QStringLiteral("BEGIN:VCARD\nFN:髙橋\nEND:VCARD\n")) +
        QStringLiteral("BEGIN:VCARD\nFN:鈴木\nEND:VCARD\n").toUtf8();
    const VCardReadResult r = parseVCards(DecodedFile(mixed));
    ASSERT_EQ(r.rows.size(), 3);
    EXPECT_EQ(r.rows[0][records::ColName], QStringLiteral("山田"));
    EXPECT_EQ(r.rows[1][records::ColName], QStringLiteral("髙橋"));
    EXPECT_EQ(r.rows[2][records::ColName], QStringLiteral("鈴木"));
    // Only the cards asked for are kept; all are counted.
    const VCardReadResult some = parseVCards(DecodedFile(mixed), 2, 2);
    EXPECT_EQ(some.count, 3);
    ASSERT_EQ(some.rows.size(), 1);
    EXPECT_EQ(some.rows[0][records::ColName], QStringLiteral("髙橋"));
}

// Base64 padding is not a quoted-printable soft break: a PHOTO ending in '='
// must not swallow the line after it, END:VCARD least of all.
TEST(VCard, ABase64PhotoEndingInPaddingKeepsTheLinesAfterIt) {
    const QByteArray file =
        QStringLiteral(
            "BEGIN:VCARD\r\nVERSION:3.0\r\nN:一;郎;;;\r\n"
            "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRg==\r\nEND:VCARD\r\n"
            "BEGIN:VCARD\r\nVERSION:2.1\r\nN:二;郎\r\n"
            "PHOTO;ENCODING=BASE64;TYPE=JPEG:/9j/4AAQSkZJRgA=\r\n"
            "TEL;HOME:03-2\r\nEND:VCARD\r\n"
            "BEGIN:VCARD\r\nVERSION:3.0\r\nN:三;郎;;;\r\nTEL:03-3\r\nEND:VCARD\r\n")
            .toUtf8();
    const VCardReadResult r = parseVCards(DecodedFile(file));
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    ASSERT_EQ(r.rows.size(), 3);
    EXPECT_EQ(r.rows[0][records::ColName], QStringLiteral("一　郎"));
    EXPECT_EQ(r.rows[1][records::ColName], QStringLiteral("二　郎"));
    EXPECT_EQ(r.rows[1][records::ColPhone], QStringLiteral("03-2"));
    EXPECT_EQ(r.rows[2][records::ColName], QStringLiteral("三　郎"));
    EXPECT_EQ(r.rows[2][records::ColPhone], QStringLiteral("03-3"));
}
