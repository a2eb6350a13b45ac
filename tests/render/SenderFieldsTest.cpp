// The sender block read back from the recorded text operations, for every
// kind: positions, font sizes, which texts are converted, the joint name's
// distance, skipped empty fields and the drawing order.

#include <gtest/gtest.h>

#include "render/AddressSideInput.h"
#include "render/DrawAddressSide.h"
#include "render/MediaKind.h"
#include "tests/render/TextOps.h"

using namespace render;
using namespace testing_text;

namespace {

struct Base {
    int S1y, S2y, Sny, Spy, U1x, U2x, Sh, Sw;
};

const Base kBase[kMediaKindCount] = {
    {600, 800, 900, 1253, 61, 196, 35, 36},    {800, 1000, 1050, 1403, 61, 196, 35, 36},
    {1500, 1700, 1720, 2155, 61, 194, 50, 36}, {1200, 1400, 1420, 1855, 61, 196, 35, 36},
    {910, 1110, 1130, 1565, 56, 189, 35, 39},  {770, 970, 990, 1425, 56, 189, 35, 39},
};

// The sender side of each kind: the back of an envelope; a postcard has
// no recipient text when its record is empty.
AddressSideInput sender(int kind) {
    AddressSideInput in;
    in.mediaKind = kind;
    in.envelopeBack = true;
    in.target = platform::OutputTarget::Printer;
    in.sender.address1 = QStringLiteral("大阪府大阪市北区梅田3-1-1");
    in.sender.address2 = QStringLiteral("umeda heights 201");
    in.sender.name = QStringLiteral("鈴木一郎 2");
    in.sender.jointName = QStringLiteral("美咲 ab");
    in.sender.postalCodeUpper = QStringLiteral("530");
    in.sender.postalCodeLower = QStringLiteral("0001");
    return in;
}

std::vector<TextOp> drawnSenderFields(const AddressSideInput& in) {
    return textOps(DrawAddressSide(in));
}

}  // namespace

TEST(SenderFields, FullBlockInOrder) {
    for (int k = 0; k < kMediaKindCount; ++k) {
        const Base& b = kBase[k];
        const std::vector<TextOp> expected = {
            column(300, -b.S1y, QStringLiteral("大阪府大阪市北区梅田三-一-一"), 40),
            column(250, -b.S2y, QStringLiteral("ＵＭＥＤＡ ＨＥＩＧＨＴＳ 二〇一"), 40),
            // Name, joint name and postal code are drawn exactly as typed.
            column(180, -b.Sny, QStringLiteral("鈴木一郎 2"), 60),
            column(100, -b.Sny, QStringLiteral("美咲 ab"), 60),
            digits(b.U1x, -b.Spy, QStringLiteral("530"), b.Sh, b.Sw),
            digits(b.U2x, -b.Spy, QStringLiteral("0001"), b.Sh, b.Sw),
        };
        EXPECT_EQ(drawnSenderFields(sender(k)), expected) << "kind " << k;
    }
}

TEST(SenderFields, EveryAdjustmentMovesOrSizesItsOwnField) {
    for (int k = 0; k < kMediaKindCount; ++k) {
        const Base& b = kBase[k];
        AddressSideInput in = sender(k);
        LayoutSettings& L = in.layout;
        L.senderAddress.line1.x = 3, L.senderAddress.line1.y = -5, L.senderAddress.line2.x = 7,
        L.senderAddress.line2.y = -9, L.senderAddress.height = 11;
        L.senderName.x = -13, L.senderName.y = 15, L.senderName.height = -17,
        L.senderName.lineGap = 19;
        L.senderPostalCode.upper.x = 21, L.senderPostalCode.lower.x = -23,
        L.senderPostalCode.upper.y = 25, L.senderPostalCode.lower.y = -27,
        L.senderPostalCode.width = 5, L.senderPostalCode.height = -7;
        // The recipient's adjustments leave the sender alone.
        L.recipientName.x = 31, L.recipientName.lineGap = 33, L.recipientPostalCode.height = 35,
        L.recipientAddress.height = 37;
        const std::vector<TextOp> expected = {
            column(3 + 300, -5 - b.S1y, QStringLiteral("大阪府大阪市北区梅田三-一-一"), 11 + 40),
            column(7 + 250, -9 - b.S2y, QStringLiteral("ＵＭＥＤＡ ＨＥＩＧＨＴＳ 二〇一"),
                   11 + 40),
            column(-13 + 180, 15 - b.Sny, QStringLiteral("鈴木一郎 2"), -17 + 60),
            // SNGyokan moves only the joint name, further left when positive.
            column(-13 + 100 - 19, 15 - b.Sny, QStringLiteral("美咲 ab"), -17 + 60),
            digits(21 + b.U1x, 25 - b.Spy, QStringLiteral("530"), -7 + b.Sh, 5 + b.Sw),
            digits(-23 + b.U2x, -27 - b.Spy, QStringLiteral("0001"), -7 + b.Sh, 5 + b.Sw),
        };
        EXPECT_EQ(drawnSenderFields(in), expected) << "kind " << k;
    }
}

TEST(SenderFields, EmptyFieldsDrawNothing) {
    for (int k = 0; k < kMediaKindCount; ++k) {
        const Base& b = kBase[k];
        AddressSideInput in = sender(k);
        in.sender = SenderTexts{};
        EXPECT_TRUE(drawnSenderFields(in).empty()) << "kind " << k;

        in.sender.jointName = QStringLiteral("美咲");
        in.sender.postalCodeLower = QStringLiteral("0001");
        EXPECT_EQ(drawnSenderFields(in),
                  (std::vector<TextOp>{column(100, -b.Sny, QStringLiteral("美咲"), 60),
                                       digits(b.U2x, -b.Spy, QStringLiteral("0001"), b.Sh, b.Sw)}))
            << "a joint name stands in its own place even without a name, kind " << k;
    }
}
