// Long records on every kind: the report names what runs off, and with
// fitting on the same records fit whole, honorific and all, each column
// ending inside its limit.

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/page/VerticalText.h"
#include "render/ColumnFit.h"
#include "render/DrawAddressSide.h"
#include "render/MediaKind.h"
#include "render/OverflowReport.h"
#include "tests/render/RecordColumns.h"
#include "tests/render/TextOps.h"

using namespace render;

namespace {

// 0: a company with its president; 1: a tower address with a joint name
// that has a family name of its own.
AddressSideInput longRecordFitColumns(int kind, int which) {
    AddressSideInput in;
    in.mediaKind = kind;
    in.target = platform::OutputTarget::Printer;
    in.record[Name] = QStringLiteral("山田　太郎");
    in.record[Postal] = QStringLiteral("0600002");
    if (which == 0) {
        in.record[Address1] = QStringLiteral("北海道札幌市中央区北一条西二丁目１番地");
        in.record[Address2] = QStringLiteral("札幌中央ビルディング北館１２階");
        in.record[Company] = QStringLiteral("株式会社北海道ほっかいどう総合企画開発研究所");
        in.record[Title] = QStringLiteral("代表取締役社長");
        in.record[Joint] = QStringLiteral("花子");
    } else {
        in.record[Address1] = QStringLiteral("神奈川県横浜市西区みなとみらい二丁目二番一号");
        in.record[Address2] = QStringLiteral("横浜ランドマークタワー三十七階");
        in.record[Joint] = QStringLiteral("佐藤　花子");
    }
    in.sender.address1 = QStringLiteral("東京都千代田区丸の内一丁目一番一号丸の内ビル");
    in.sender.address2 = QStringLiteral("丸の内パークビルディング十二階");
    in.sender.name = QStringLiteral("鈴木　一郎");
    in.sender.jointName = QStringLiteral("鈴木　美咲");
    in.sender.postalCodeUpper = QStringLiteral("100");
    in.sender.postalCodeLower = QStringLiteral("0005");
    return in;
}

AddressSideInput ordinaryRecord(int kind) {
    AddressSideInput in;
    in.mediaKind = kind;
    in.target = platform::OutputTarget::Printer;
    in.record[Name] = QStringLiteral("山田　太郎");
    in.record[Postal] = QStringLiteral("1000005");
    in.record[Address1] = QStringLiteral("東京都千代田区丸の内1-2-3");
    in.record[Address2] = QStringLiteral("ABCビル「本館」12F");
    in.record[Joint] = QStringLiteral("花子");
    in.record[Company] = QStringLiteral("株式会社abc商事");
    in.record[Title] = QStringLiteral("営業部長");
    in.sender.address1 = QStringLiteral("大阪府大阪市北区梅田3-1-1");
    in.sender.address2 = QStringLiteral("梅田ハイツ201");
    in.sender.name = QStringLiteral("鈴木一郎");
    in.sender.jointName = QStringLiteral("美咲");
    in.sender.postalCodeUpper = QStringLiteral("530");
    in.sender.postalCodeLower = QStringLiteral("0001");
    return in;
}

// Both sides of an envelope, the one side of a postcard.
std::vector<AddressSideInput> sides(AddressSideInput in) {
    std::vector<AddressSideInput> out{in};
    if (mediaKindInfo(MediaKind(in.mediaKind)).isEnvelope()) {
        in.envelopeBack = true;
        out.push_back(in);
    }
    return out;
}

// The drawn text of the page, the characters of every column in order.
QString drawnText(const platform::PagePicture& page) {
    QString all;
    for (const testing_text::TextOp& t : testing_text::textOps(page)) all += t.text;
    return all.remove(QLatin1Char(' '));
}

// The lowest point any column reaches, in page units (y up).
double lowestPoint(const platform::PagePicture& page) {
    double lowest = 0;
    for (const platform::op::Text& t : testing_text::rawTextOps(page))
        if (t.font.isVertical())
            lowest = std::min(lowest, t.y - platform::VerticalText::layout(t.font, t.text).length);
    return lowest;
}

}  // namespace

TEST(FitColumns, OrdinaryRecordsHaveNothingToReport) {
    for (int k = 0; k < kMediaKindCount; ++k)
        for (const AddressSideInput& in : sides(ordinaryRecord(k)))
            EXPECT_EQ(overflowMessages(in), QStringList()) << k << in.envelopeBack;
}

TEST(FitColumns, ClassicLongRecordsAreReportedOnEveryKind) {
    for (int k = 0; k < kMediaKindCount; ++k) {
        QStringList all;
        for (int which = 0; which < 2; ++which)
            for (const AddressSideInput& in : sides(longRecordFitColumns(k, which)))
                all << overflowMessages(in);
        EXPECT_FALSE(all.isEmpty()) << k;
    }
    // The postcard's messages name the fields as the user knows them.
    const QStringList card = overflowMessages(longRecordFitColumns(0, 0));
    EXPECT_TRUE(card.contains(QStringLiteral("会社名がはがきの下端からはみ出します。")))
        << card.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(card.contains(QStringLiteral("名前が役職に重なります。")))
        << card.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(card.contains(QStringLiteral("差出人の住所１が郵便番号の枠にかかります。")))
        << card.join(QLatin1Char('\n')).toStdString();
}

TEST(FitColumns, FittedLongRecordsFitWholeOnEveryKind) {
    for (int k = 0; k < kMediaKindCount; ++k)
        for (int which = 0; which < 2; ++which)
            for (JointAlign align : {JointAlign::NameTop, JointAlign::GivenName})
                for (AddressSideInput in : sides(longRecordFitColumns(k, which))) {
                    const QString classic = drawnText(DrawAddressSide(in));
                    in.typeset.jointAlign = align;
                    in.typeset.fitColumns = FitColumns::Fit;
                    const platform::PagePicture page = DrawAddressSide(in);
                    const auto where = testing::Message() << "kind " << k << " record " << which
                                                          << " back " << in.envelopeBack;
                    EXPECT_EQ(overflowMessages(in), QStringList()) << where;
                    EXPECT_GE(lowestPoint(page),
                              -mediaKindInfo(MediaKind(k)).heightHundredths / 10.0 + 50)
                        << where;
                    // Nothing lost, the honorifics included.
                    QString drawn = drawnText(page), expected = classic;
                    std::sort(drawn.begin(), drawn.end());
                    std::sort(expected.begin(), expected.end());
                    EXPECT_EQ(drawn, expected) << where;
                    if (!in.envelopeBack) {
                        EXPECT_EQ(drawn.count(QStringLiteral("様")), 2) << where;
                    }
                }
}

TEST(FitColumns, JointNameWithItsOwnFamilyNameStartsLevelWithTheName) {
    AddressSideInput in = longRecordFitColumns(1, 1);
    in.record[Address1] = QStringLiteral("東京都港区芝公園");
    in.record[Address2].clear();
    in.typeset.jointAlign = JointAlign::GivenName;
    in.typeset.fitColumns = FitColumns::Fit;
    const std::vector<testing_text::TextOp> ops = testing_text::textOps(DrawAddressSide(in));
    const auto first = [&](const QString& text) {
        for (const testing_text::TextOp& t : ops)
            if (t.text == text) return t;
        ADD_FAILURE() << text.toStdString();
        return testing_text::TextOp{};
    };
    EXPECT_EQ(first(QStringLiteral("佐藤　花子")).y, first(QStringLiteral("山田　太郎")).y);
    // Both honorifics on one line below the names.
    std::vector<int> honorifics;
    for (const testing_text::TextOp& t : ops)
        if (t.text == QStringLiteral("様")) honorifics.push_back(t.y);
    ASSERT_EQ(honorifics.size(), 2u);
    EXPECT_EQ(honorifics[0], honorifics[1]);
    EXPECT_EQ(overflowMessages(in), QStringList());
}

// Pitch first, then condensing down to half, and only then a smaller size.
TEST(FitColumns, StylesTightenThenCondenseThenShrink) {
    const double leading = 19, last = 1;  // twenty full-width characters
    const int h = 60;
    const ColumnStyle fits = fitColumnStyle(leading, last, h, 20 * h);
    EXPECT_TRUE(fits.natural);

    const ColumnStyle tight = fitColumnStyle(leading, last, h, 19 * h);
    EXPECT_EQ(tight.width, 0);
    EXPECT_EQ(tight.height, h);
    EXPECT_GE(tight.pitch, kTightestPitch);
    EXPECT_LT(tight.pitch, 1);

    const ColumnStyle condensed = fitColumnStyle(leading, last, h, 12 * h);
    EXPECT_EQ(condensed.height, h);
    EXPECT_GT(condensed.width, 0);
    EXPECT_GE(condensed.condense(), kNarrowestCondense);

    const ColumnStyle smaller = fitColumnStyle(leading, last, h, 6 * h);
    EXPECT_LT(smaller.height, h);
    EXPECT_GT(smaller.xShift, 0);  // it keeps the column's centre

    EXPECT_LE((leading * tight.pitch + last) * h, 19 * h);
    EXPECT_LE((leading * condensed.pitch + last) * condensed.condense() * h, 12 * h);
    EXPECT_LE((leading * smaller.pitch + last) * smaller.condense() * smaller.height, 6 * h);
}
