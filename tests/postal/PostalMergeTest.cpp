// The converter's second list: its rows as the package writes them, and
// how they join the first list's table.

#include <gtest/gtest.h>

#include "postal/PostalDictionary.h"
#include "tools/postal-data/JpostalReader.h"
#include "tools/postal-data/SourceMerge.h"

using postaldata::JpostalList;

namespace {

// The first list: 千代田区 with 丸の内 and a tall building of floors.
book::PostalTable firstList() {
    book::PostalTable t;
    t.prefectures = {{QStringLiteral("東京都"), QStringLiteral("トウキョウト")}};
    t.municipalities = {{13101, 0, QStringLiteral("千代田区"), QStringLiteral("チヨダク")}};
    t.places = {{1000005, 0, QStringLiteral("丸の内"), {}, {}, {}},
                {1000006, 0, QStringLiteral("有楽町"), {}, {}, {}}};
    t.ranges = {{10060, 0, QStringLiteral("霞が関霞が関ビル"), {}}};
    return t;
}

JpostalList secondList() {
    JpostalList list;
    QString error;
    const QByteArray text =
        QStringLiteral(
            R"(jQuery_jpostal_callback([["_000info","","ver2.13 2025-09-25 2025-09-30","","","","","",""],)"
            R"(["_100","東京都","千代田区","","","","ﾄｳｷｮｳﾄ","ﾁﾖﾀﾞｸ",""],)"
            R"(["_1000005","東京都","千代田区","丸の内","","","ﾄｳｷｮｳﾄ","ﾁﾖﾀﾞｸ","ﾏﾙﾉｳﾁ"],)"
            R"(["_1000006","東京都","千代田区","有楽町二丁目","","","ﾄｳｷｮｳﾄ","ﾁﾖﾀﾞｸ","ﾕｳﾗｸﾁｮｳ2ﾁｮｳﾒ"],)"
            R"(["_1000006","東京都","千代田区","有楽町二丁目","","","ﾄｳｷｮｳﾄ","ﾁﾖﾀﾞｸ","ﾕｳﾗｸﾁｮｳ2ﾁｮｳﾒ"],)"
            R"(["_1006001","東京都","千代田区","霞が関霞が関ビル１階","","","ﾄｳｷｮｳﾄ","ﾁﾖﾀﾞｸ","ｶｽﾐｶﾞｾｷｶｽﾐｶﾞｾｷﾋﾞﾙ1ｶｲ"],)"
            R"(["_1006090","東京都","千代田区","霞が関霞が関ビル","","","ﾄｳｷｮｳﾄ","ﾁﾖﾀﾞｸ","ｶｽﾐｶﾞｾｷｶｽﾐｶﾞｾｷﾋﾞﾙ"],)"
            R"(["_1008102","東京都","千代田区","大手町","１丁目３－３","東京国税局","ﾄｳｷｮｳﾄ","ﾁﾖﾀﾞｸ","ｵｵﾃﾏﾁ"],)"
            R"(["_1009999","北海道","どこか町","","１","役場","","",""]]))")
            .toUtf8();
    EXPECT_TRUE(postaldata::parseJpostalFile(text, list, error)) << error.toStdString();
    return list;
}

}  // namespace

TEST(PostalMerge, ReadsTheRowsAndTheNewestDateOfTheList) {
    const JpostalList list = secondList();
    EXPECT_EQ(list.version, QStringLiteral("ver2.13"));
    EXPECT_EQ(list.date, QStringLiteral("2025-09-30"));
    ASSERT_EQ(list.rows.size(), 7u);  // the three-digit row is no code
    EXPECT_EQ(list.rows[5].office, QStringLiteral("東京国税局"));
    EXPECT_EQ(list.rows[0].townReading, QStringLiteral("マルノウチ"));

    JpostalList broken;
    QString error;
    EXPECT_FALSE(
        postaldata::parseJpostalFile("jQuery_jpostal_callback([[\"_1000005\",1]])", broken, error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(PostalMerge, TheOlderListKeepsItsTownsAndTheDisagreementIsCounted) {
    book::PostalTable table = firstList();
    postaldata::MergeReport report;
    mergeJpostal(table, secondList(), false, report);
    // 有楽町 against 有楽町二丁目 differs; a floor of the building does not.
    EXPECT_EQ(report.differing, 1);
    ASSERT_EQ(report.examples.size(), 1);
    EXPECT_TRUE(report.examples[0].startsWith(QStringLiteral("1000006: 東京都千代田区有楽町 |")));
    EXPECT_EQ(report.offices, 1);
    EXPECT_EQ(report.skipped, 1);  // a municipality the first list does not know

    book::PostalDictionary d;
    ASSERT_TRUE(d.loadData(book::encodePostalTable(table)));
    EXPECT_EQ(d.lookup(1000006).at(0).town, QStringLiteral("有楽町"));
    EXPECT_EQ(d.lookup(1000005).at(0).townReading, QStringLiteral("マルノウチ"));
    EXPECT_EQ(d.lookup(1006001).at(0).townReading, QStringLiteral("カスミガセキカスミガセキビル"));
    const book::PostalPlace office = d.lookup(1008102).at(0);
    EXPECT_EQ(office.address(), QStringLiteral("東京都千代田区大手町１丁目３－３"));
    EXPECT_EQ(office.office, QStringLiteral("東京国税局"));
}

TEST(PostalMerge, TheNewerListsTownsReplaceTheOlderOnesOnce) {
    book::PostalTable table = firstList();
    postaldata::MergeReport report;
    mergeJpostal(table, secondList(), true, report);
    EXPECT_EQ(report.differing, 1);
    book::PostalDictionary d;
    ASSERT_TRUE(d.loadData(book::encodePostalTable(table)));
    const std::vector<book::PostalPlace> yurakucho = d.lookup(1000006);
    ASSERT_EQ(yurakucho.size(), 1u);  // the repeated row comes once
    EXPECT_EQ(yurakucho[0].town, QStringLiteral("有楽町二丁目"));
    EXPECT_EQ(yurakucho[0].townReading, QStringLiteral("ユウラクチョウ2チョウメ"));
    EXPECT_EQ(d.lookup(1000005).size(), 1u);
}
