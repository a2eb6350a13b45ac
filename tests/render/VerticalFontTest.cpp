#include <gtest/gtest.h>

#include <variant>

#include "render/DrawingSurface.h"
#include "render/VerticalFont.h"

using namespace render;

TEST(VerticalFont, VerticalRecordHasEveryFieldAsSet) {
    const VerticalFont f = verticalFontRecord(0, 120);
    EXPECT_EQ(f.height, 120);
    EXPECT_EQ(f.width, 0);
    EXPECT_EQ(f.escapement, 900);
    EXPECT_EQ(f.orientation, 900);
    EXPECT_EQ(f.weight, 0);
    EXPECT_EQ(f.italic, 0);
    EXPECT_EQ(f.underline, 0);
    EXPECT_EQ(f.strikeOut, 0);
    EXPECT_EQ(f.charSet, 128);
    EXPECT_EQ(f.outPrecision, 7);
    EXPECT_EQ(f.clipPrecision, 16);
    EXPECT_EQ(f.quality, 2);
    EXPECT_EQ(f.pitchAndFamily, 0);
    EXPECT_EQ(f.faceNameText(), QStringLiteral("@ＭＳ 明朝"));
}

TEST(VerticalFont, UprightModeCarriesTheDigitWidth) {
    const VerticalFont f = verticalFontRecord(2, 69, 38);
    EXPECT_EQ(f.height, 69);
    EXPECT_EQ(f.width, 38);
    EXPECT_EQ(f.escapement, 0);
    EXPECT_EQ(f.orientation, 0);
    EXPECT_EQ(f.faceNameText(), QStringLiteral("@HG正楷書体-PRO"));
    // A zero width is still the upright mode (natural width), not vertical.
    EXPECT_EQ(verticalFontRecord(0, 69, 0).escapement, 0);
}

TEST(VerticalFont, FaceListShowsAndStoresTheExactNames) {
    const QStringList display = {QStringLiteral("ＭＳ　明朝"), QStringLiteral("ＭＳ　ゴシック"),
                                 QStringLiteral("ＨＧ正楷書体-PRO"), QStringLiteral("HG行書体")};
    const QStringList stored = {QStringLiteral("@ＭＳ 明朝"), QStringLiteral("@ＭＳ ゴシック"),
                                QStringLiteral("@HG正楷書体-PRO"), QStringLiteral("@HG行書体")};
    ASSERT_EQ(VerticalFaceList.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(QString::fromUtf16(VerticalFaceList[size_t(i)].displayItem), display[i]);
        EXPECT_EQ(verticalFontRecord(i, 100).faceNameText(), stored[i]);
    }
    // No item selected: the face name is all zero bytes.
    for (int none : {-1, 4}) {
        const VerticalFont f = verticalFontRecord(none, 100);
        EXPECT_TRUE(std::all_of(std::begin(f.faceName), std::end(f.faceName),
                                [](char c) { return c == 0; }));
    }
}

TEST(VerticalFont, UprightModeHoldsForOneCallOnly) {
    DrawingSurface surface(10000, 14800, platform::OutputTarget::Screen);
    MakeVerticalFont(surface, 1, 69, 38);
    surface.textOut(450, -138, QStringLiteral("1"));
    MakeVerticalFont(surface, 1, 60);
    surface.textOut(910, -300, QStringLiteral("東京"));
    const platform::PagePicture page = surface.finish();
    ASSERT_EQ(page.ops.size(), 2u);
    const auto& digit = std::get<platform::op::Text>(page.ops[0]);
    const auto& column = std::get<platform::op::Text>(page.ops[1]);
    EXPECT_EQ(digit.font, verticalFontRecord(1, 69, 38));
    EXPECT_EQ(column.font, verticalFontRecord(1, 60));
    EXPECT_TRUE(column.font.isVertical());
}
