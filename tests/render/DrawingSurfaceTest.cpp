#include <gtest/gtest.h>

#include <variant>

#include "render/DrawingSurface.h"

using namespace render;
namespace op = platform::op;

TEST(DrawingSurface, StartsWithWhiteBrushBlackPenAndDefaultFont) {
    DrawingSurface s(10000, 14800, platform::OutputTarget::Printer);
    EXPECT_EQ(s.brushColour(), QColor(Qt::white));
    EXPECT_EQ(s.brushStyle(), platform::BrushStyle::Solid);
    EXPECT_EQ(s.penColour(), QColor(Qt::black));
    EXPECT_EQ(s.penWidth(), 1);
    EXPECT_EQ(s.penStyle(), platform::PenStyle::Solid);
    EXPECT_EQ(s.font(), VerticalFont{});
    EXPECT_EQ(s.reference(), platform::OutputTarget::Printer);
}

TEST(DrawingSurface, RecordsOperationsInOrderWithTheCurrentFont) {
    DrawingSurface s(12000, 23500, platform::OutputTarget::Screen);
    s.setPenColour(QColor(0, 0, 255));
    s.setPenWidth(3);
    s.rectangle(70, -130, 270, -370);
    s.setBrushStyle(platform::BrushStyle::Clear);
    const VerticalFont first = verticalFontRecord(0, 80);
    s.selectFont(first);
    s.textOut(1100, -300, QStringLiteral("東京"));
    s.selectFont(verticalFontRecord(0, 135));  // replaces the first font
    s.textOut(800, -500, QString());           // an empty text is recorded, draws nothing
    const platform::PagePicture page = s.finish();
    EXPECT_EQ(page.widthHundredths, 12000);
    EXPECT_EQ(page.heightHundredths, 23500);
    EXPECT_DOUBLE_EQ(page.heightTenths(), 2350.0);
    ASSERT_EQ(page.ops.size(), 6u);
    EXPECT_EQ(std::get<op::PenColour>(page.ops[0]).colour, QColor(0, 0, 255));
    EXPECT_EQ(std::get<op::PenWidth>(page.ops[1]).width, 3);
    EXPECT_EQ(std::get<op::Rectangle>(page.ops[2]).rect, (platform::PageRect{70, -130, 270, -370}));
    EXPECT_EQ(std::get<op::SetBrushStyle>(page.ops[3]).style, platform::BrushStyle::Clear);
    const auto& t1 = std::get<op::Text>(page.ops[4]);
    EXPECT_EQ(t1.x, 1100);
    EXPECT_EQ(t1.y, -300);
    EXPECT_EQ(t1.text, QStringLiteral("東京"));
    EXPECT_EQ(t1.font, first);
    EXPECT_EQ(std::get<op::Text>(page.ops[5]).font.height, 135);
}

TEST(DrawingSurface, PatternBrushSwitchesTheBrushStyle) {
    DrawingSurface s(10000, 14800, platform::OutputTarget::Screen);
    QImage tile(2, 2, QImage::Format_RGB32);
    tile.fill(Qt::red);
    s.setBrushPattern(tile);
    EXPECT_EQ(s.brushStyle(), platform::BrushStyle::Pattern);
    s.fillRect({0, 0, 1000, -1480});
    s.stretchBitmap({0, 0, 100, -100}, tile);
    const platform::PagePicture page = s.finish();
    ASSERT_EQ(page.ops.size(), 3u);
    EXPECT_TRUE(std::holds_alternative<op::BrushPattern>(page.ops[0]));
    EXPECT_TRUE(std::holds_alternative<op::FillRect>(page.ops[1]));
    EXPECT_EQ(std::get<op::StretchBitmap>(page.ops[2]).image.size(), QSize(2, 2));
}

TEST(DrawingSurface, FinishingClosesTheSurface) {
    DrawingSurface s(10000, 14800, platform::OutputTarget::Screen);
    s.rectangle(0, 0, 10, -10);
    const platform::PagePicture page = s.finish();
    EXPECT_TRUE(page.isValid());
    EXPECT_TRUE(s.isFinished());
    s.rectangle(0, 0, 20, -20);
    s.setPenColour(Qt::red);
    EXPECT_EQ(s.penColour(), QColor(Qt::black));
    EXPECT_EQ(page.ops.size(), 1u);
    // A second finish yields nothing rather than a copy of the page.
    EXPECT_FALSE(s.finish().isValid());
}
