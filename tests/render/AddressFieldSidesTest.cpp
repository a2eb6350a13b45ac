// Which fields each side of the sheet carries, and that they are drawn after
// the preprinted marks so their opaque cells cover the box lines.

#include <gtest/gtest.h>

#include "render/AddressSideInput.h"
#include "render/DrawAddressSide.h"
#include "render/MediaKind.h"
#include "tests/render/TextOps.h"

using namespace render;
using namespace testing_text;

namespace {

AddressSideInput everything(int kind, bool back,
                            platform::OutputTarget target = platform::OutputTarget::Printer) {
    AddressSideInput in;
    in.mediaKind = kind;
    in.envelopeBack = back;
    in.target = target;
    in.record[1] = QStringLiteral("山田太郎");
    in.record[2] = QStringLiteral("1000005");
    in.record[3] = QStringLiteral("東京都港区");
    in.sender.name = QStringLiteral("鈴木一郎");
    in.sender.address1 = QStringLiteral("大阪府");
    in.sender.postalCodeUpper = QStringLiteral("530");
    return in;
}

// The texts drawn, in order.
QStringList texts(const AddressSideInput& in) {
    QStringList out;
    for (const TextOp& t : textOps(DrawAddressSide(in))) out.append(t.text);
    return out;
}

const QStringList kRecipient = {"1", "0", "0", "0", "0", "0", "5", "東京都港区", "山田太郎 様"};
const QStringList kSender = {"大阪府", "鈴木一郎", "530"};

}  // namespace

TEST(AddressFieldSides, PostcardsCarryRecipientThenSenderOnEitherSide) {
    for (int kind : {0, 1}) {
        for (bool back : {false, true})
            EXPECT_EQ(texts(everything(kind, back)), kRecipient + kSender);
    }
}

TEST(AddressFieldSides, EnvelopeFrontCarriesTheRecipientAndBackTheSender) {
    for (int kind = 2; kind < kMediaKindCount; ++kind) {
        EXPECT_EQ(texts(everything(kind, false)), kRecipient) << "kind " << kind;
        EXPECT_EQ(texts(everything(kind, true)), kSender) << "kind " << kind;
    }
}

TEST(AddressFieldSides, TextsFollowTheMarksOnScreen) {
    for (int kind = 0; kind < kMediaKindCount; ++kind) {
        for (bool back : {false, true}) {
            const platform::PagePicture page =
                DrawAddressSide(everything(kind, back, platform::OutputTarget::Screen));
            bool textSeen = false;
            int texts = 0;
            for (const platform::PageOp& o : page.ops) {
                if (std::holds_alternative<platform::op::Text>(o)) {
                    textSeen = true;
                    ++texts;
                }
                if (std::holds_alternative<platform::op::Rectangle>(o)) {
                    EXPECT_FALSE(textSeen) << "a mark drawn over a field, kind " << kind;
                }
            }
            EXPECT_GT(texts, 0);
        }
    }
}
