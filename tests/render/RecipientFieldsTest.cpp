// The recipient's fields read back from the recorded text operations, for
// every kind: positions, font sizes, converted texts, the name's moves for a
// company and a title, skipped empty fields and the drawing order.

#include <gtest/gtest.h>

#include <climits>

#include "render/AddressSideInput.h"
#include "render/DrawAddressSide.h"
#include "render/MediaKind.h"
#include "render/VerticalFont.h"
#include "tests/render/RecordColumns.h"
#include "tests/render/TextOps.h"

using namespace render;
using namespace testing_text;

namespace {

// The kind's base values as the layout tables give them.
struct BaseRecipientFields {
    int P, Wd, Ha, A1x, A2x, A2y, Cx, Cy, Tx, Ty, G, Hn, Nx, Ny, Jx;
};

const BaseRecipientFields kBaseRecipientFields[kMediaKindCount] = {
    {450, 38, 60, 910, 810, 400, 670, 300, 540, 310, 80, 120, 650, 400, 530},
    {450, 38, 60, 910, 810, 400, 670, 300, 540, 310, 80, 120, 650, 400, 530},
    {658, 23, 80, 1100, 1000, 500, 820, 400, 690, 410, 120, 135, 800, 500, 630},
    {360, 23, 60, 800, 700, 500, 580, 400, 450, 410, 90, 100, 550, 500, 430},
    {658, 23, 70, 1100, 1000, 500, 820, 300, 690, 310, 0, 110, 800, 500, 680},
    {598, 23, 60, 1040, 950, 500, 770, 300, 640, 310, 0, 110, 750, 500, 630},
};

AddressSideInput recipient(int kind) {
    AddressSideInput in;
    in.mediaKind = kind;
    in.envelopeBack = false;
    in.target = platform::OutputTarget::Printer;  // texts only, no marks
    return in;
}

AddressSideInput fullRecipient(int kind) {
    AddressSideInput in = recipient(kind);
    in.record[Name] = QStringLiteral("山田太郎");
    in.record[Postal] = QStringLiteral("1000005");
    in.record[Address1] = QStringLiteral("東京都千代田区丸の内1-2-3");
    in.record[Address2] = QStringLiteral("abcビル12F");
    in.record[Joint] = QStringLiteral("花子");
    in.record[Company] = QStringLiteral("abc商事");
    in.record[Title] = QStringLiteral("営業部長");
    in.honorific = QStringLiteral("様");
    return in;
}

std::vector<TextOp> drawnRecipientFields(const AddressSideInput& in) {
    return textOps(DrawAddressSide(in));
}

// The operations that are not postal digits (those are checked on their own).
std::vector<TextOp> columns(const AddressSideInput& in) {
    std::vector<TextOp> out;
    for (const TextOp& t : drawnRecipientFields(in))
        if (t.vertical) out.push_back(t);
    return out;
}

std::vector<TextOp> postalDigits(int kind, const QString& code, int x0 = 0, int y0 = 0, int dh = 0,
                                 int dw = 0) {
    std::vector<TextOp> out;
    for (int i = 0; i < code.size(); ++i)
        out.push_back(digits(x0 + kBaseRecipientFields[kind].P + 70 * i, y0 - 138, code.mid(i, 1),
                             69 + dh, kBaseRecipientFields[kind].Wd + dw));
    return out;
}

}  // namespace

TEST(RecipientFields, FullRecordInOrderWithConvertedTexts) {
    for (int k = 0; k < kMediaKindCount; ++k) {
        const BaseRecipientFields& b = kBaseRecipientFields[k];
        // The company moves the name 80 left; the title moves it down by
        // 100 plus the kind's gap.
        const int nameY = -100 - b.G - b.Ny;
        std::vector<TextOp> expected = postalDigits(k, QStringLiteral("1000005"));
        for (const TextOp& t : std::vector<TextOp>{
                 column(b.A1x, -300, QStringLiteral("東京都千代田区丸の内一-二-三"), b.Ha),
                 column(b.A2x, -b.A2y, QStringLiteral("ＡＢＣビル一二Ｆ"), b.Ha),
                 column(b.Cx, -b.Cy, QStringLiteral("ＡＢＣ商事"), 70),
                 column(b.Tx, -b.Ty, QStringLiteral("営業部長"), 50),
                 column(b.Nx - 80, nameY, QStringLiteral("山田太郎 様"), b.Hn),
                 column(b.Jx - 80, nameY, QStringLiteral("花子 様"), b.Hn),
             })
            expected.push_back(t);
        EXPECT_EQ(drawnRecipientFields(fullRecipient(k)), expected) << "kind " << k;
    }
}

TEST(RecipientFields, CompanyMovesTheNameLeftAndATitleMovesItDown) {
    // Name heights below a title with every adjustment at 0, kind by kind.
    const int belowTitle[kMediaKindCount] = {-580, -580, -720, -690, -600, -600};
    for (int k = 0; k < kMediaKindCount; ++k) {
        const BaseRecipientFields& b = kBaseRecipientFields[k];
        for (bool company : {false, true}) {
            for (bool title : {false, true}) {
                AddressSideInput in = fullRecipient(k);
                // The tests look at the raw cell: a lone space counts.
                if (!company) in.record[Company].clear();
                if (title)
                    in.record[Title] = QStringLiteral(" ");
                else
                    in.record[Title].clear();
                const std::vector<TextOp> cols = columns(in);
                ASSERT_EQ(cols.size(), 4u + company + title);
                const int x = b.Nx - (company ? 80 : 0), y = title ? belowTitle[k] : -b.Ny;
                const TextOp& name = cols[cols.size() - 2];
                const TextOp& joint = cols.back();
                EXPECT_EQ(name, column(x, y, QStringLiteral("山田太郎 様"), b.Hn)) << "kind " << k;
                // The joint name stays beside the name, at the same height.
                EXPECT_EQ(joint, column(x - b.Nx + b.Jx, y, QStringLiteral("花子 様"), b.Hn))
                    << "kind " << k;
            }
        }
    }
}

TEST(RecipientFields, TitleAdjustmentsMoveTheNameOnlyWhenATitleIsPresent) {
    for (int k = 0; k < kMediaKindCount; ++k) {
        const BaseRecipientFields& b = kBaseRecipientFields[k];
        AddressSideInput in = fullRecipient(k);
        in.record[Company].clear();
        in.layout.recipientName.y = -10;
        in.layout.title.y = 20;
        in.layout.title.height = 3;
        in.layout.title.lineGap = 7;
        std::vector<TextOp> cols = columns(in);
        ASSERT_EQ(cols.size(), 5u);
        EXPECT_EQ(cols[2], column(b.Tx, 20 - b.Ty, QStringLiteral("営業部長"), 53));
        const int y = -10 + 20 - 5 * 3 - 100 - (7 + b.G) - b.Ny;
        EXPECT_EQ(cols[3].y, y) << "kind " << k;
        EXPECT_EQ(cols[4].y, y) << "kind " << k;

        in.record[Title].clear();
        cols = columns(in);
        ASSERT_EQ(cols.size(), 4u);
        EXPECT_EQ(cols[2].y, -10 - b.Ny) << "without a title only NYPos counts, kind " << k;
    }
}

TEST(RecipientFields, EveryAdjustmentMovesOrSizesItsOwnField) {
    for (int k = 0; k < kMediaKindCount; ++k) {
        const BaseRecipientFields& b = kBaseRecipientFields[k];
        AddressSideInput in = fullRecipient(k);
        in.record[Title].clear();
        LayoutSettings& L = in.layout;
        // Distinct values, so a field read from a neighbour's value shows.
        L.recipientPostalCode.x = 3, L.recipientPostalCode.y = -5, L.recipientPostalCode.width = 7,
        L.recipientPostalCode.height = -9;
        L.recipientAddress.line1.x = 11, L.recipientAddress.line2.x = -13,
        L.recipientAddress.line1.y = 15, L.recipientAddress.line2.y = -17,
        L.recipientAddress.height = 19;
        L.recipientName.x = -21, L.recipientName.y = 23, L.recipientName.height = -25,
        L.recipientName.lineGap = 27;
        L.company.x = 29, L.company.y = -31, L.company.height = 33;
        // Title and sender adjustments have no effect here.
        L.title.y = 41, L.title.height = 43, L.title.lineGap = 45;
        L.senderName.x = 47, L.senderAddress.height = 49;
        std::vector<TextOp> expected = postalDigits(k, QStringLiteral("1000005"), 3, -5, -9, 7);
        for (const TextOp& t : std::vector<TextOp>{
                 column(11 + b.A1x, 15 - 300, QStringLiteral("東京都千代田区丸の内一-二-三"),
                        19 + b.Ha),
                 column(-13 + b.A2x, -17 - b.A2y, QStringLiteral("ＡＢＣビル一二Ｆ"), 19 + b.Ha),
                 column(29 + b.Cx, -31 - b.Cy, QStringLiteral("ＡＢＣ商事"), 33 + 70),
                 column(-21 - 80 + b.Nx, 23 - b.Ny, QStringLiteral("山田太郎 様"), -25 + b.Hn),
                 // NGyokan moves only the joint name, further left when positive.
                 column(-21 - 80 - 27 + b.Jx, 23 - b.Ny, QStringLiteral("花子 様"), -25 + b.Hn),
             })
            expected.push_back(t);
        EXPECT_EQ(drawnRecipientFields(in), expected) << "kind " << k;
    }
}

TEST(RecipientFields, TitleKeepsAnUnlimitedSidewaysAdjustment) {
    AddressSideInput in = fullRecipient(0);
    in.layout.title.x = 500;
    EXPECT_EQ(columns(in)[3].x, 500 + 540);
    // A typed value near the integer limit lands far off the sheet instead
    // of wrapping round to the other side.
    in.layout.title.x = INT_MAX;
    EXPECT_EQ(columns(in)[3].x, INT_MAX);
    in.layout.title.x = 0;
    in.layout.title.height = INT_MIN;
    const std::vector<TextOp> cols = columns(in);
    EXPECT_EQ(cols[3].height, INT_MIN + 50);
    EXPECT_EQ(cols[4].y, INT_MAX) << "-5 x a huge negative size moves the name up, clamped";
}

TEST(RecipientFields, EmptyCellsDrawNothing) {
    for (int k = 0; k < kMediaKindCount; ++k) {
        const BaseRecipientFields& b = kBaseRecipientFields[k];
        EXPECT_TRUE(drawnRecipientFields(recipient(k)).empty())
            << "an empty row leaves the front bare, kind " << k;

        AddressSideInput in = recipient(k);
        in.record[Joint] = QStringLiteral("花子");
        EXPECT_EQ(drawnRecipientFields(in),
                  std::vector<TextOp>{column(b.Jx, -b.Ny, QStringLiteral("花子 様"), b.Hn)})
            << "a joint name without a name still gets its honorific, kind " << k;

        in = fullRecipient(k);
        in.record[Address1].clear();
        in.record[Joint].clear();
        in.record[Postal].clear();
        const std::vector<TextOp> cols = drawnRecipientFields(in);
        ASSERT_EQ(cols.size(), 4u) << "kind " << k;
        EXPECT_EQ(cols[0].text, QStringLiteral("ＡＢＣビル一二Ｆ"));
        EXPECT_EQ(cols[3].text, QStringLiteral("山田太郎 様"));
    }
}

TEST(RecipientFields, HonorificIsTheTypedTextAfterAHalfWidthSpace) {
    struct Case {
        QString honorific, name;
    } cases[] = {
        {QStringLiteral("御中"), QStringLiteral("山田太郎 御中")},
        {QStringLiteral("先生"), QStringLiteral("山田太郎 先生")},
        {QStringLiteral("各位"), QStringLiteral("山田太郎 各位")},  // typed, not an item
        {QStringLiteral("Mr"), QStringLiteral("山田太郎 ＭＲ")},    // converted with the name
        {QString(), QStringLiteral("山田太郎 ")},
    };
    for (const Case& c : cases) {
        AddressSideInput in = fullRecipient(4);
        in.record[Joint] = QStringLiteral("Hanako 2");
        in.honorific = c.honorific;
        const std::vector<TextOp> cols = columns(in);
        ASSERT_EQ(cols.size(), 6u);
        EXPECT_EQ(cols[4].text, c.name);
        EXPECT_EQ(cols[5].text, QStringLiteral("ＨＡＮＡＫＯ 二") + c.name.mid(4));
        EXPECT_EQ(cols[4].text.at(4), QChar(u' ')) << "the space stays half-width";
    }
}

TEST(RecipientFields, PostalCodeIsDrawnCharacterByCharacterAsTyped) {
    for (int k = 0; k < kMediaKindCount; ++k) {
        for (const QString& code : {QStringLiteral("100"), QStringLiteral("100-0005"),
                                    QStringLiteral("123456789"), QStringLiteral("ab1")}) {
            AddressSideInput in = recipient(k);
            in.record[Postal] = code;
            EXPECT_EQ(drawnRecipientFields(in), postalDigits(k, code))
                << "kind " << k << " " << code.toStdString();
        }
    }
    // A character beyond the basic plane takes one box, not two halves.
    AddressSideInput in = recipient(0);
    in.record[Postal] = QStringLiteral("1𠮷2");
    const std::vector<TextOp> ops = drawnRecipientFields(in);
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(ops[1].text, QStringLiteral("𠮷"));
    EXPECT_EQ(ops[2].x, 450 + 140);
}

TEST(RecipientFields, EveryFieldTakesTheChosenFace) {
    for (int face = 0; face < 4; ++face) {
        AddressSideInput in = fullRecipient(2);
        in.faceIndex = face;
        const QString expected = verticalFaceName(face);
        for (const platform::op::Text& t : rawTextOps(DrawAddressSide(in))) {
            EXPECT_EQ(t.font.faceNameText(), expected);
            EXPECT_EQ(t.font.escapement, t.font.orientation);
            EXPECT_EQ(t.font.charSet, 128);
        }
    }
}
