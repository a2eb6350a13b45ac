#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QFile>
#include <QTemporaryDir>

#include "postal/PostalCheck.h"
#include "postal/PostalDictionary.h"
#include "postal/PostalDictionaryFile.h"
#include "postal/PostalKey.h"
#include "postal/PostalTable.h"
#include "tests/support/ZeroBomb.h"

using book::PostalDictionary;

namespace {

// The dictionary the program ships, read once for all tests.
const PostalDictionary& shipped() {
    static PostalDictionary d;
    static const bool loaded = d.load(QStringLiteral(PELCOR_SOURCE_RESOURCES "/postal-codes.bin"));
    EXPECT_TRUE(loaded);
    return d;
}

QStringList addresses(int code) {
    QStringList out;
    for (const book::PostalPlace& p : shipped().lookup(code)) out << p.address();
    return out;
}

std::vector<int> codes(const char16_t* address) {
    return shipped().find(QString::fromUtf16(address));
}

// A made-up list of two prefectures, small enough to damage by hand.
book::PostalTable smallTable() {
    book::PostalTable t;
    t.source = QStringLiteral("test list 1.0");
    t.date = QStringLiteral("2024-01-31");
    t.prefectures = {{QStringLiteral("北海道"), QStringLiteral("ホッカイドウ")},
                     {QStringLiteral("東京都"), QStringLiteral("トウキョウト")}};
    t.municipalities = {
        {1408, 0, QStringLiteral("余市郡余市町"), QStringLiteral("ヨイチグンヨイチチョウ")},
        {13101, 1, QStringLiteral("千代田区"), QStringLiteral("チヨダク")}};
    t.places = {{1000005, 1, QStringLiteral("丸の内"), {}, {}, {}},
                {460003, 0, QStringLiteral("黒川町"), {}, {}, {}},
                {1000000, 1, QString(), {}, {}, {}}};
    return t;
}

long peakResidentKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

TEST(PostalDictionary, ShippedFileKnowsCodesAcrossTheCountry) {
    ASSERT_TRUE(shipped().isLoaded());
    EXPECT_FALSE(shipped().date().isEmpty());
    const std::vector<book::PostalPlace> marunouchi = shipped().lookup(1000005);
    ASSERT_EQ(marunouchi.size(), 1u);
    EXPECT_EQ(marunouchi[0].prefecture, QStringLiteral("東京都"));
    EXPECT_EQ(marunouchi[0].prefectureReading, QStringLiteral("トウキョウト"));
    EXPECT_EQ(marunouchi[0].municipality, QStringLiteral("千代田区"));
    EXPECT_EQ(marunouchi[0].municipalityReading, QStringLiteral("チヨダク"));
    EXPECT_EQ(marunouchi[0].town, QStringLiteral("丸の内"));

    EXPECT_EQ(addresses(600042), QStringList{QStringLiteral("北海道札幌市中央区大通西")});
    EXPECT_EQ(addresses(9000001), QStringList{QStringLiteral("沖縄県那覇市港町")});
    EXPECT_EQ(addresses(5300001), QStringList{QStringLiteral("大阪府大阪市北区梅田")});
    // A code for the whole municipality has no town.
    EXPECT_EQ(addresses(1000000), QStringList{QStringLiteral("東京都千代田区")});
    // One code, several towns, in the list's order.
    const QStringList numazu = addresses(4100867);
    ASSERT_EQ(numazu.size(), 7);
    EXPECT_EQ(numazu.first(), QStringLiteral("静岡県沼津市下中溝"));
    // The floors of a building share a town but are not listed one by one.
    EXPECT_EQ(addresses(1006001), QStringList{QStringLiteral("東京都千代田区霞が関霞が関ビル")});
    EXPECT_TRUE(addresses(9999999).isEmpty());
    EXPECT_TRUE(addresses(-1).isEmpty());
}

TEST(PostalDictionary, OfficeCodesGiveTheirStreetAndNameAndTownsTheirReading) {
    struct Office {
        int code;
        const char16_t *address, *name;
    } offices[] = {
        {1008102, u"東京都千代田区大手町１丁目３－３", u"東京国税局"},
        {1006150, u"東京都千代田区永田町２丁目１１－１", u"株式会社　エヌ・ティ・ティ・ドコモ"},
        {1138654, u"東京都文京区本郷７丁目３－１", u"東京大学　本部事務組織"},
        // In a building whose floors have codes of their own.
        {1006066, u"東京都千代田区霞が関３丁目２－５霞ヶ関ビル６階", u"森六　株式会社"},
    };
    for (const Office& o : offices) {
        const std::vector<book::PostalPlace> found = shipped().lookup(o.code);
        ASSERT_EQ(found.size(), 1u) << o.code;
        EXPECT_EQ(found[0].address(), QString::fromUtf16(o.address));
        EXPECT_EQ(found[0].office, QString::fromUtf16(o.name));
    }
    EXPECT_GT(shipped().lookup(368560).size(), 1u);  // the faculties of one university
    EXPECT_TRUE(shipped().lookup(1000005).at(0).office.isEmpty());
    EXPECT_EQ(shipped().lookup(1000005).at(0).townReading, QStringLiteral("マルノウチ"));
    EXPECT_EQ(shipped().lookup(600042).at(0).townReading, QStringLiteral("オオドオリニシ"));

    // Town codes first, then the offices whose street the address names.
    const std::vector<int> otemachi = codes(u"東京都千代田区大手町１丁目３番３号");
    ASSERT_GE(otemachi.size(), 2u);
    EXPECT_EQ(otemachi[0], 1000004);
    EXPECT_EQ(otemachi[1], 1008102);
    EXPECT_EQ(codes(u"千代田区大手町1-3-3"), otemachi);
    EXPECT_EQ(codes(u"東京都千代田区大手町1-3-33"), std::vector<int>{1000004});
    EXPECT_EQ(codes(u"東京都千代田区大手町"), std::vector<int>{1000004});
}

TEST(PostalDictionary, FindsCodesFromAddressesAsPeopleWriteThem) {
    const std::vector<int> marunouchi{1000005};
    EXPECT_EQ(codes(u"東京都千代田区丸の内１－１"), marunouchi);
    EXPECT_EQ(codes(u"東京都　千代田区 丸の内一丁目２番３号"), marunouchi);
    EXPECT_EQ(codes(u"千代田区丸の内1-2-3"), marunouchi);  // prefecture left out
    // One town, two codes: both, in code order.
    EXPECT_EQ(codes(u"北海道札幌市中央区大通西５丁目"), (std::vector<int>{600042, 640820}));
    // Kanji numerals in the town name match digits in the address.
    EXPECT_EQ(codes(u"北海道札幌市中央区北1条西2丁目").front(), 600001);
    EXPECT_EQ(codes(u"沖縄県那覇市港町２－３"), std::vector<int>{9000001});
    // No such town: the municipality's own code.
    EXPECT_EQ(codes(u"東京都千代田区どこにもない町1"), std::vector<int>{1000000});
    // The same municipality name in two prefectures: the one with the town first.
    const std::vector<int> fuchu = codes(u"府中市宮西町1");
    ASSERT_GE(fuchu.size(), 2u);
    EXPECT_EQ(fuchu.front(), 1830022);
    EXPECT_TRUE(codes(u"東京都").empty());
    EXPECT_TRUE(codes(u"").empty());
}

TEST(PostalDictionary, PreviewRemarkOnUnknownAndMismatchedCodes) {
    const PostalDictionary& d = shipped();
    EXPECT_TRUE(book::postalCodeRemark(d, QStringLiteral("1000005 "),
                                       QStringLiteral("東京都千代田区丸の内1-1"))
                    .isEmpty());
    EXPECT_TRUE(
        book::postalCodeRemark(d, QStringLiteral("1000005"), QStringLiteral("千代田区丸の内1-1"))
            .isEmpty());
    EXPECT_TRUE(book::postalCodeRemark(d, QStringLiteral("1000005"), QString()).isEmpty());
    EXPECT_TRUE(book::postalCodeRemark(d, QString(), QStringLiteral("東京都港区")).isEmpty());
    EXPECT_EQ(book::postalCodeRemark(d, QStringLiteral("1000005"),
                                     QStringLiteral("東京都港区芝公園4-2-8")),
              QStringLiteral("〒100-0005 は 東京都千代田区 の番号です。住所と合いません。"));
    EXPECT_TRUE(book::postalCodeRemark(d, QStringLiteral("1008102"),
                                       QStringLiteral("東京都千代田区大手町1-3-3"))
                    .isEmpty());
    EXPECT_EQ(book::postalCodeRemark(d, QStringLiteral("9999999"), QStringLiteral("東京都港区")),
              QStringLiteral("〒999-9999 は郵便番号辞書にありません。"));
}

TEST(PostalDictionary, CodesAreReadInTheirUsualForms) {
    EXPECT_EQ(book::postal::parseCode(QStringLiteral("〒１００－０００５")), 1000005);
    EXPECT_EQ(book::postal::parseCode(QStringLiteral("0600042 ")), 600042);
    EXPECT_EQ(book::postal::parseCode(QStringLiteral("100-000")), -1);
    EXPECT_EQ(book::postal::parseCode(QStringLiteral("丸の内1000005")), -1);
    EXPECT_EQ(book::postal::formatCode(600042), QStringLiteral("060-0042"));
}

TEST(PostalDictionary, MadeUpListRoundTripsAndDistrictMayBeLeftOut) {
    PostalDictionary d;
    ASSERT_TRUE(d.loadData(book::encodePostalTable(smallTable())));
    EXPECT_EQ(d.date(), QStringLiteral("2024-01-31"));
    EXPECT_EQ(d.find(QStringLiteral("北海道余市町黒川町3")), std::vector<int>{460003});
    EXPECT_EQ(d.find(QStringLiteral("余市郡余市町黒川町")), std::vector<int>{460003});
    EXPECT_EQ(d.lookup(460003).at(0).municipalityReading, QStringLiteral("ヨイチグンヨイチチョウ"));
}

// A code without a place of its own falls back to its building's range of
// floors; an address without a known town falls back to the municipality's
// code.
TEST(PostalDictionary, CodesAndAddressesFallBackToTheirRangeAndMunicipality) {
    book::PostalTable t = smallTable();
    t.ranges = {
        {10062, 1, QStringLiteral("丸の内丸の内ビル"), QStringLiteral("マルノウチマルノウチビル")}};
    t.places.push_back({1006201, 1, QStringLiteral("丸の内丸の内ビル（１階）"), {}, {}, {}});
    PostalDictionary d;
    ASSERT_TRUE(d.loadData(book::encodePostalTable(t)));
    const std::vector<book::PostalPlace> floor = d.lookup(1006290);
    ASSERT_EQ(floor.size(), 1u);
    EXPECT_EQ(floor[0].code, 1006290);
    EXPECT_EQ(floor[0].address(), QStringLiteral("東京都千代田区丸の内丸の内ビル"));
    EXPECT_EQ(floor[0].townReading, QStringLiteral("マルノウチマルノウチビル"));
    // A code of its own wins over the range; another building has none.
    ASSERT_EQ(d.lookup(1006201).size(), 1u);
    EXPECT_EQ(d.lookup(1006201)[0].town, QStringLiteral("丸の内丸の内ビル（１階）"));
    EXPECT_TRUE(d.lookup(1006390).empty());
    EXPECT_EQ(d.find(QStringLiteral("東京都千代田区大手町1-1")), std::vector<int>{1000000});
}

TEST(PostalDictionary, OfficesAreFoundByTheirStreetAndOnlyAfterTowns) {
    book::PostalTable t = smallTable();
    t.places.push_back({1008102, 1, QStringLiteral("丸の内"), QStringLiteral("マルノウチ"),
                        QStringLiteral("２丁目７－３"), QStringLiteral("ある会社")});
    PostalDictionary d;
    ASSERT_TRUE(d.loadData(book::encodePostalTable(t)));
    EXPECT_EQ(d.lookup(1008102).at(0).address(),
              QStringLiteral("東京都千代田区丸の内２丁目７－３"));
    EXPECT_EQ(d.lookup(1008102).at(0).townReading, QStringLiteral("マルノウチ"));
    EXPECT_EQ(d.find(QStringLiteral("千代田区丸の内二丁目7番3号 5階")),
              (std::vector<int>{1000005, 1008102}));
    EXPECT_EQ(d.find(QStringLiteral("千代田区丸の内2-7")), std::vector<int>{1000005});
    EXPECT_EQ(d.find(QStringLiteral("千代田区丸の内2-7-31")), std::vector<int>{1000005});
    // An office is no whole-municipality code.
    EXPECT_EQ(d.find(QStringLiteral("千代田区どこか")), std::vector<int>{1000000});
}

TEST(PostalDictionary, DamagedOrMissingFileTurnsTheDictionaryOff) {
    const QByteArray good = book::encodePostalTable(smallTable());
    auto fails = [](const QByteArray& bytes) {
        PostalDictionary d;
        QString error;
        const bool loaded = d.loadData(bytes, &error);
        EXPECT_FALSE(error.isEmpty());
        return !loaded && !d.isLoaded() && d.lookup(1000005).empty() &&
               d.find(QStringLiteral("千代田区")).empty();
    };
    EXPECT_TRUE(fails(good.left(good.size() / 2)));
    QByteArray flipped = good;
    flipped[flipped.size() - 10] = char(flipped[flipped.size() - 10] ^ 0x55);
    EXPECT_TRUE(fails(flipped));
    EXPECT_TRUE(fails(QByteArray("PELPOST") + QByteArray(200, '\xff')));
    EXPECT_TRUE(fails(QByteArray()));

    // A body that unpacks but points outside itself is refused too.
    book::PostalTable bad = smallTable();
    bad.places.push_back({1000001, 7, QStringLiteral("外"), {}, {}, {}});
    EXPECT_TRUE(fails(book::encodePostalTable(bad)));

    // A body that inflates far beyond what the header says is refused
    // without ever being held.
    const QByteArray bomb = tests::postalZeroBomb(16, 520'000);  // 134 MB of zeros
    const long before = peakResidentKb();
    EXPECT_TRUE(fails(bomb));
    EXPECT_LT(peakResidentKb() - before, 32 * 1024);

    // The program's file: off, and said once.
    QTemporaryDir dir;
    QFile broken(dir.filePath(QStringLiteral("postal-codes.bin")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(good.left(40));
    broken.close();
    for (const QString& path : {broken.fileName(), dir.filePath(QStringLiteral("none.bin"))}) {
        book::PostalDictionaryFile file(path);
        EXPECT_EQ(file.get(), nullptr);
        EXPECT_FALSE(file.takeFailure().isEmpty());
        EXPECT_TRUE(file.takeFailure().isEmpty());
        EXPECT_EQ(file.get(), nullptr);
    }
}
