#include <gtest/gtest.h>

#include "editor/ResizeArithmetic.h"

using namespace editor;

namespace {

const QSize kPostcard(341, 504);

ResizeFields separate(ResizeUnit unit, QSize picture = kPostcard) {
    ResizeFields f;
    chooseMode(f, ResizeMode::Separate, picture);
    chooseUnit(f, unit);
    return f;
}

}  // namespace

TEST(ResizeArithmetic, UniformPercentScalesBothSides) {
    ResizeFields f;
    EXPECT_EQ(resizeTarget(f, kPostcard), kPostcard);
    ASSERT_TRUE(enterField(f, ResizeField::Scale, 50, kPostcard));
    EXPECT_EQ(resizeTarget(f, kPostcard), QSize(170, 252));
    enterField(f, ResizeField::Scale, 0, kPostcard);
    EXPECT_EQ(resizeTarget(f, kPostcard), QSize(0, 0));
    enterField(f, ResizeField::Scale, 900, kPostcard);  // limited to 500
    EXPECT_EQ(f.scale, 500);
    EXPECT_EQ(resizeTarget(f, kPostcard), QSize(1705, 2520));
}

TEST(ResizeArithmetic, ChoosingSeparateShowsThePictureAndChangesNothingOnOk) {
    const ResizeFields f = separate(ResizeUnit::Percent);
    EXPECT_EQ(f.widthPixels, 341);
    EXPECT_EQ(f.heightPixels, 504);
    EXPECT_EQ(f.widthMm, 100);
    EXPECT_EQ(f.heightMm, 148);
    EXPECT_EQ(f.widthPercent, 100);
    EXPECT_EQ(f.heightPercent, 100);
    EXPECT_EQ(resizeTarget(f, kPostcard), kPostcard);
}

TEST(ResizeArithmetic, PixelsActThroughTheWholePercentage) {
    ResizeFields f = separate(ResizeUnit::Pixels);
    ASSERT_TRUE(enterField(f, ResizeField::WidthPixels, 200, kPostcard));
    EXPECT_EQ(f.widthPercent, 58);
    EXPECT_EQ(f.widthMm, 58);
    EXPECT_EQ(resizeTarget(f, kPostcard).width(), 197);  // not 200

    ASSERT_TRUE(enterField(f, ResizeField::HeightPixels, 5000, kPostcard));  // limited to 3000
    EXPECT_EQ(f.heightPixels, 3000);
    EXPECT_EQ(f.heightPercent, 500);  // 595 % limited
    EXPECT_EQ(f.heightMm, 881);
}

TEST(ResizeArithmetic, MillimetresGoThroughPixelsToThePercentage) {
    ResizeFields f = separate(ResizeUnit::Millimetres);
    ASSERT_TRUE(enterField(f, ResizeField::WidthMm, 50, kPostcard));
    EXPECT_EQ(f.widthPixels, 170);
    EXPECT_EQ(f.widthPercent, 49);
    EXPECT_EQ(resizeTarget(f, kPostcard).width(), 167);

    ASSERT_TRUE(enterField(f, ResizeField::HeightMm, 1000, kPostcard));
    EXPECT_EQ(f.heightPixels, 3000);  // 3405 limited
    EXPECT_EQ(f.heightPercent, 500);
}

TEST(ResizeArithmetic, PercentFillsPixelsAndMillimetres) {
    ResizeFields f = separate(ResizeUnit::Percent);
    ASSERT_TRUE(enterField(f, ResizeField::WidthPercent, 500, kPostcard));
    EXPECT_EQ(f.widthPixels, 1705);
    EXPECT_EQ(f.widthMm, 500);
    ASSERT_TRUE(enterField(f, ResizeField::HeightPercent, 25, kPostcard));
    EXPECT_EQ(f.heightPixels, 126);
    EXPECT_EQ(f.heightMm, 37);
    EXPECT_EQ(resizeTarget(f, kPostcard), QSize(1705, 126));
    // The other column is untouched by a change in this one.
    EXPECT_EQ(f.widthPixels, 1705);
}

TEST(ResizeArithmetic, FieldsOutsideTheCurrentUnitOrModeAreIgnored) {
    ResizeFields f = separate(ResizeUnit::Percent);
    const ResizeFields before = f;
    EXPECT_FALSE(enterField(f, ResizeField::WidthPixels, 10, kPostcard));
    EXPECT_FALSE(enterField(f, ResizeField::HeightMm, 10, kPostcard));
    EXPECT_FALSE(enterField(f, ResizeField::Scale, 10, kPostcard));
    EXPECT_EQ(f.widthPixels, before.widthPixels);
    EXPECT_EQ(f.heightMm, before.heightMm);
    EXPECT_EQ(f.scale, before.scale);

    ResizeFields uniform;
    EXPECT_FALSE(enterField(uniform, ResizeField::WidthPercent, 10, kPostcard));
    chooseUnit(uniform, ResizeUnit::Pixels);  // units belong to the separate mode
    EXPECT_EQ(uniform.unit, ResizeUnit::Percent);
}

TEST(ResizeArithmetic, PostcardAndIconIgnoreThePicturesProportions) {
    ResizeFields f;
    chooseMode(f, ResizeMode::Postcard, QSize(504, 341));
    EXPECT_EQ(resizeTarget(f, QSize(504, 341)), kPostcard);
    EXPECT_EQ(f.widthMm, 100);
    EXPECT_EQ(f.heightMm, 148);
    EXPECT_FALSE(fieldIsLive(f, ResizeField::WidthPixels));

    chooseMode(f, ResizeMode::Icon, kPostcard);
    EXPECT_EQ(resizeTarget(f, kPostcard), QSize(32, 32));
    EXPECT_EQ(f.widthPixels, 32);
    EXPECT_EQ(f.widthMm, 9);
    EXPECT_EQ(f.heightMm, 9);
}

TEST(ResizeArithmetic, ShowingResetsModeUnitAndPercentage) {
    ResizeFields f = separate(ResizeUnit::Millimetres);
    f.scale = 7;
    resetForShow(f);
    EXPECT_EQ(f.mode, ResizeMode::KeepProportions);
    EXPECT_EQ(f.unit, ResizeUnit::Percent);
    EXPECT_EQ(f.scale, 100);
}

TEST(ResizeArithmetic, AZeroSizedPictureNeverDividesByZero) {
    const QSize empty(0, 0);
    ResizeFields f = separate(ResizeUnit::Pixels, empty);
    EXPECT_EQ(f.widthPixels, 0);
    ASSERT_TRUE(enterField(f, ResizeField::WidthPixels, 200, empty));
    EXPECT_EQ(f.widthPercent, 100);  // no percentage of nothing: kept
    EXPECT_EQ(f.widthMm, 58);
    chooseUnit(f, ResizeUnit::Millimetres);
    ASSERT_TRUE(enterField(f, ResizeField::HeightMm, 50, empty));
    EXPECT_EQ(f.heightPixels, 170);
    EXPECT_EQ(resizeTarget(f, empty), QSize(0, 0));

    chooseMode(f, ResizeMode::Postcard, empty);  // the way back to a real picture
    EXPECT_EQ(resizeTarget(f, empty), kPostcard);
}
