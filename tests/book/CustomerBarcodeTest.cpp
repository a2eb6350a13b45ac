// The customer barcode's data: the address number, the thirteen symbols,
// the check character and the split at the town, against the worked
// examples of Japan Post's barcode manual.

#include <gtest/gtest.h>

#include "book/BarcodeAddress.h"
#include "book/CustomerBarcode.h"
#include "postal/PostalDictionary.h"
#include "postal/PostalDictionaryFile.h"

namespace {

QString line(int code, const QString& afterTown) {
    return book::symbolLine(book::barcodeSymbols(code, book::addressNumber(afterTown)));
}

const book::PostalDictionary& dictionary() {
    static book::PostalDictionary d;
    static const bool loaded = d.load(QStringLiteral(PELCOR_SOURCE_RESOURCES "/postal-codes.bin"));
    EXPECT_TRUE(loaded);
    return d;
}

}  // namespace

TEST(CustomerBarcode, TheManualsExamplesGiveItsData) {
    const struct {
        const char* afterTown;
        const char* number;
    } examples[] = {
        {"1丁目3番2号 郵便プラザ503室", "1-3-2-503"},
        {"東3丁目-20-5 郵便・A&bコーポB604号", "3-20-5B604"},
        {"6丁目7-14 ABCビル2F", "6-7-14-2"},
        {"29丁目1524-23 第2郵便ハウス501", "29-1524-23-2-501"},
        {"3丁目80-25 J1ビル2-B", "3-80-25J1-2B"},
        {"3丁目30-8 郵便ビル403号", "3-30-8-403"},
        {"4丁目 郵便センター6号館", "4-6"},
        {"8丁目 郵便センター10号館", "8-10"},
        {"私書箱第215号", "215"},
    };
    for (const auto& e : examples)
        EXPECT_EQ(book::addressNumber(QString::fromUtf8(e.afterTown)), QString::fromUtf8(e.number))
            << e.afterTown;

    // Padded with CC4 to thirteen, closed with the check character 9.
    EXPECT_EQ(line(1000013, QStringLiteral("1丁目3番2号 郵便プラザ503室")),
              QStringLiteral("1 0 0 0 0 1 3 1 - 3 - 2 - 5 0 3 CC4 CC4 CC4 CC4 9"));
    // Cut after the thirteenth symbol, a hyphen there included.
    EXPECT_EQ(line(640804, QStringLiteral("29丁目1524-23 第2郵便ハウス501")),
              QStringLiteral("0 6 4 0 8 0 4 2 9 - 1 5 2 4 - 2 3 - 2 - 3"));
    // A letter is its control code and a digit (J: CC1 9); when the control
    // code of B falls on the thirteenth place, it alone is kept.
    EXPECT_EQ(line(9100067, QStringLiteral("3丁目80-25 J1ビル2-B")),
              QStringLiteral("9 1 0 0 0 6 7 3 - 8 0 - 2 5 CC1 9 1 - 2 CC1 9"));
    // A business's own code carries no address number.
    EXPECT_EQ(
        book::symbolLine(book::barcodeSymbols(1008792, QString())),
        QStringLiteral("1 0 0 8 7 9 2 CC4 CC4 CC4 CC4 CC4 CC4 CC4 CC4 CC4 CC4 CC4 CC4 CC4 0"));
}

TEST(CustomerBarcode, TheCheckCharacterMakesTheSumAMultipleOf19) {
    // The check may be a digit, the hyphen (10) or a control code (11..18).
    EXPECT_EQ(line(1000013, QStringLiteral("1-5")).split(u' ').last(), QStringLiteral("-"));
    EXPECT_EQ(line(3170055, QStringLiteral("6丁目7-14 ABCビル2F")).split(u' ').last(),
              QStringLiteral("CC1"));
    EXPECT_EQ(line(1000013, QStringLiteral("1-1")).split(u' ').last(), QStringLiteral("CC4"));
    for (const QString& number :
         {QStringLiteral("1-6"), QStringLiteral("Z-99"), QStringLiteral("12345678901234")}) {
        const std::vector<render::BarcodeSymbol> s = book::barcodeSymbols(9071801, number);
        ASSERT_EQ(s.size(), 21u);
        int sum = 0;
        for (render::BarcodeSymbol v : s) sum += v;
        EXPECT_EQ(sum % 19, 0) << number.toStdString();
    }
    // Z is CC3 5; U..Z are the third group.
    EXPECT_EQ(line(1000013, QStringLiteral("Z")).section(u' ', 7, 8), QStringLiteral("CC3 5"));
}

TEST(CustomerBarcode, KanjiNumeralsBeforeABlockWordBecomeDigits) {
    EXPECT_EQ(book::addressNumber(QStringLiteral("一丁目二十五番二十八号")),
              QStringLiteral("1-25-28"));
    EXPECT_EQ(book::addressNumber(QStringLiteral("第二十三地割百二番の三号")),
              QStringLiteral("23-102-3"));
    // Elsewhere a kanji numeral is a word like any other: one hyphen.
    EXPECT_EQ(book::addressNumber(QStringLiteral("三〇一号 第二ビル 七")), QStringLiteral("301"));
    // Full-width forms, a lone letter kept, a run of letters dropped.
    EXPECT_EQ(book::addressNumber(QStringLiteral("５－３　ｆ棟２０１　ＭＫハイツ")),
              QStringLiteral("5-3F201"));
}

TEST(CustomerBarcode, TheAddressIsSplitAfterTheCodesTown) {
    const book::PostalDictionary& d = dictionary();
    const book::RecordBarcode full =
        book::recordBarcode(d, QStringLiteral("1000013"),
                            QStringLiteral("東京都千代田区霞が関1丁目3番2号 郵便プラザ503室"));
    EXPECT_EQ(full.dataText(), QStringLiteral("10000131-3-2-503"));
    EXPECT_EQ(full.symbols.size(), 21u);
    // The prefecture left out, full-width digits, a kanji numeral in the town.
    EXPECT_EQ(book::recordBarcode(d, QStringLiteral("060-0906"),
                                  QStringLiteral("札幌市東区北6条東４丁目 郵便センター6号館"))
                  .dataText(),
              QStringLiteral("06009064-6"));
    // An office's own code is its address: the seven digits alone, whatever follows.
    const book::RecordBarcode office = book::recordBarcode(
        d, QStringLiteral("1008102"), QStringLiteral("東京都千代田区大手町１丁目３－３"));
    EXPECT_EQ(office.dataText(), QStringLiteral("1008102"));
    EXPECT_EQ(book::symbolLine(office.symbols).count(QStringLiteral("CC4")), 13);
}

TEST(CustomerBarcode, ARecordThatCannotBeSplitGetsNoneAndAReason) {
    const book::PostalDictionary& d = dictionary();
    const QString address = QStringLiteral("東京都千代田区霞が関1-3-2");
    for (const QString& code : {QString(), QStringLiteral("100-001"), QStringLiteral("9999999"),
                                QStringLiteral("1000000"), QStringLiteral("1000005")}) {
        const book::RecordBarcode r = book::recordBarcode(d, code, address);
        EXPECT_FALSE(r.ok()) << code.toStdString();
        EXPECT_TRUE(r.symbols.empty());
        EXPECT_TRUE(r.failure.endsWith(QStringLiteral("バーコードは付きません。")))
            << r.failure.toStdString();
    }
}

TEST(CustomerBarcode, TheTwoAddressLinesOfARecordStayApart) {
    book::PostalDictionaryFile file(QStringLiteral(PELCOR_SOURCE_RESOURCES "/postal-codes.bin"));
    render::AddressSideInput in;
    in.barcode.print = true;
    in.record[2] = QStringLiteral("1000013 ");
    in.record[3] = QStringLiteral("東京都千代田区霞が関1-3-2");
    in.record[4] = QStringLiteral("503");
    EXPECT_EQ(book::attachRecordBarcode(in, file), QString());
    EXPECT_EQ(book::symbolLine(in.barcode.symbols),
              QStringLiteral("1 0 0 0 0 1 3 1 - 3 - 2 - 5 0 3 CC4 CC4 CC4 CC4 9"));
    in.barcode.print = false;
    EXPECT_EQ(book::attachRecordBarcode(in, file), QString());
    EXPECT_TRUE(in.barcode.symbols.empty());
}
