// The resize dialog over the editor window: its fields as the user types
// and steps them, the modes and units, OK and Cancel, and the reset on
// every showing.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "editor/ui/UpDownArrows.h"
#include "tests/editor/EditorWindowFixture.h"
#include "tests/editor/PictureHelpers.h"

using namespace editortest;
using editor::ResizeField;
using editor::ResizeMode;
using editor::ResizeUnit;

namespace {

class ResizeDialog : public EditorWindowTest {
  protected:
    void SetUp() override {
        EditorWindowTest::SetUp();
        act("ActSize")->trigger();
    }
    QString text(ResizeField f) const { return resize->edit(f)->text(); }
    void type(ResizeField f, const QString& t) { resize->edit(f)->setText(t); }
    void chooseMode(int item) { radios("RadioGroup1")[item]->click(); }
    void chooseUnit(int item) { radios("RadioGroup2")[item]->click(); }
    QList<QRadioButton*> radios(const char* group) const {
        return resize->findChild<QGroupBox*>(QLatin1String(group))->findChildren<QRadioButton*>();
    }
    void ok() { resize->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click(); }
    void cancel() { resize->findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click(); }
    QStringList column() const {
        QStringList t;
        for (ResizeField f :
             {ResizeField::WidthPercent, ResizeField::HeightPercent, ResizeField::WidthPixels,
              ResizeField::HeightPixels, ResizeField::WidthMm, ResizeField::HeightMm})
            t << text(f);
        return t;
    }
};

TEST_F(ResizeDialog, OpensKeepingProportionsAtOneHundredPercent) {
    EXPECT_TRUE(resize->isVisible());
    EXPECT_EQ(resize->size(), QSize(532, 232));
    EXPECT_EQ(text(ResizeField::Scale), QStringLiteral("100"));
    EXPECT_TRUE(radios("RadioGroup1")[0]->isChecked());
    EXPECT_FALSE(resize->findChild<QGroupBox*>(QStringLiteral("RadioGroup2"))->isEnabled());
    EXPECT_TRUE(resize->edit(ResizeField::Scale)->isEnabled());
    for (ResizeField f :
         {ResizeField::WidthPercent, ResizeField::HeightPixels, ResizeField::HeightMm}) {
        EXPECT_FALSE(resize->edit(f)->isEnabled());
        EXPECT_FALSE(resize->upDown(f)->isEnabled());
    }
    ok();
    EXPECT_EQ(form->pictureSize(), QSize(341, 504));
    EXPECT_FALSE(resize->isVisible());
}

TEST_F(ResizeDialog, UniformPercentageScalesBothSides) {
    type(ResizeField::Scale, QStringLiteral("50"));
    ok();
    EXPECT_EQ(form->pictureSize(), QSize(170, 252));
    EXPECT_TRUE(form->editorModified());
    EXPECT_EQ(form->undoRing().count(), 0);

    act("ActSize")->trigger();
    type(ResizeField::Scale, QStringLiteral("0"));
    ok();
    EXPECT_EQ(form->pictureSize(), QSize(0, 0));
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("Size"))->text(),
              QStringLiteral("ヨコ 0\r\nタテ 0"));
}

TEST_F(ResizeDialog, SeparateModeStartsFromThePicture) {
    chooseMode(1);
    EXPECT_EQ(column().join(' '), QStringLiteral("100 100 341 504 100 148"));
    EXPECT_TRUE(resize->edit(ResizeField::WidthPercent)->isEnabled());
    EXPECT_TRUE(resize->upDown(ResizeField::HeightPercent)->isEnabled());
    EXPECT_FALSE(resize->edit(ResizeField::WidthPixels)->isEnabled());
    EXPECT_FALSE(resize->edit(ResizeField::Scale)->isEnabled());
    ok();
    EXPECT_EQ(form->pictureSize(), QSize(341, 504));
}

TEST_F(ResizeDialog, PixelsActThroughTheWholePercentage) {
    chooseMode(1);
    chooseUnit(1);
    EXPECT_TRUE(resize->edit(ResizeField::WidthPixels)->isEnabled());
    EXPECT_FALSE(resize->upDown(ResizeField::WidthPixels)->isEnabled());
    EXPECT_FALSE(resize->edit(ResizeField::WidthPercent)->isEnabled());
    type(ResizeField::WidthPixels, QStringLiteral("200"));
    EXPECT_EQ(text(ResizeField::WidthPercent), QStringLiteral("58"));
    EXPECT_EQ(text(ResizeField::WidthMm), QStringLiteral("58"));
    ok();
    EXPECT_EQ(form->pictureSize(), QSize(197, 504));
}

TEST_F(ResizeDialog, MillimetresActThroughPixelsAndPercent) {
    chooseMode(1);
    chooseUnit(2);
    type(ResizeField::WidthMm, QStringLiteral("50"));
    EXPECT_EQ(text(ResizeField::WidthPixels), QStringLiteral("170"));
    EXPECT_EQ(text(ResizeField::WidthPercent), QStringLiteral("49"));
    ok();
    EXPECT_EQ(form->pictureSize().width(), 167);
}

TEST_F(ResizeDialog, PercentFieldsAndTheirArrowsFillTheColumn) {
    chooseMode(1);
    type(ResizeField::WidthPercent, QStringLiteral("500"));
    EXPECT_EQ(text(ResizeField::WidthPixels), QStringLiteral("1705"));
    EXPECT_EQ(text(ResizeField::WidthMm), QStringLiteral("500"));
    resize->upDown(ResizeField::HeightPercent)->stepDown();
    EXPECT_EQ(text(ResizeField::HeightPercent), QStringLiteral("99"));
    EXPECT_EQ(text(ResizeField::HeightPixels), QStringLiteral("498"));
    // A field of another unit does nothing when typed into.
    type(ResizeField::WidthPixels, QStringLiteral("10"));
    EXPECT_EQ(text(ResizeField::WidthPercent), QStringLiteral("500"));
    ok();
    EXPECT_EQ(form->pictureSize(), QSize(1705, 498));
}

TEST_F(ResizeDialog, TypedValuesAreLimitedAndNonNumbersRefused) {
    dialogs.expect("error");
    type(ResizeField::Scale, QStringLiteral("600"));
    EXPECT_EQ(text(ResizeField::Scale), QStringLiteral("500"));
    type(ResizeField::Scale, QStringLiteral("12x"));
    EXPECT_EQ(dialogs.texts("error"), QStringList{QStringLiteral("'12x' は整数ではありません")});
    EXPECT_EQ(text(ResizeField::Scale), QStringLiteral("500"));
    type(ResizeField::Scale, QString());  // empty: the value stays
    type(ResizeField::Scale, QStringLiteral("2"));
    resize->upDown(ResizeField::Scale)->stepUp();
    EXPECT_EQ(text(ResizeField::Scale), QStringLiteral("3"));
    ok();
    EXPECT_EQ(form->pictureSize(), QSize(341 * 3 / 100, 504 * 3 / 100));
}

// Typing rewrites the other fields, never the one typed in: the caret stays.
TEST_F(ResizeDialog, TypingKeepsTheCaretInTheFieldTypedIn) {
    chooseMode(1);
    chooseUnit(1);
    QLineEdit* widthPixels = resize->edit(ResizeField::WidthPixels);
    type(ResizeField::WidthPixels, QStringLiteral("20"));
    widthPixels->setCursorPosition(0);
    QTest::keyClicks(widthPixels, QStringLiteral("15"));
    EXPECT_EQ(widthPixels->text(), QStringLiteral("1520"));
    EXPECT_EQ(widthPixels->cursorPosition(), 2);
    EXPECT_EQ(text(ResizeField::WidthPercent), QString::number(1520 * 100 / 341));
}

TEST_F(ResizeDialog, PostcardAndIconSizesIgnoreProportions) {
    form->replacePicture(filled(504, 341), QSize(504, 341));
    chooseMode(2);
    EXPECT_EQ(column().join(' '), QStringLiteral("100 100 341 504 100 148"));
    EXPECT_FALSE(resize->edit(ResizeField::WidthPixels)->isEnabled());
    ok();
    EXPECT_EQ(form->pictureSize(), QSize(341, 504));

    act("ActSize")->trigger();
    chooseMode(3);
    EXPECT_EQ(column().join(' '), QStringLiteral("100 100 32 32 9 9"));
    ok();
    EXPECT_EQ(form->pictureSize(), QSize(32, 32));
}

TEST_F(ResizeDialog, ShrinkMergesDroppedPixelsWithAnd) {
    QImage p = filled(2, 1);
    p.setPixel(0, 0, 0xFFFF00FFu);
    p.setPixel(1, 0, 0xFF00FFFFu);
    form->replacePicture(p, p.size());
    type(ResizeField::Scale, QStringLiteral("50"));
    ok();
    ASSERT_EQ(form->pictureSize(), QSize(1, 0));
    form->replacePicture(p, p.size());
    act("ActSize")->trigger();
    chooseMode(1);
    type(ResizeField::WidthPercent, QStringLiteral("50"));
    ok();
    ASSERT_EQ(form->pictureSize(), QSize(1, 1));
    EXPECT_EQ(form->currentPicture().pixel(0, 0), 0xFF0000FFu);
}

TEST_F(ResizeDialog, CancelChangesNothingAndEveryShowingResets) {
    chooseMode(1);
    type(ResizeField::WidthPercent, QStringLiteral("20"));
    cancel();
    EXPECT_FALSE(resize->isVisible());
    EXPECT_EQ(form->pictureSize(), QSize(341, 504));
    act("ActSize")->trigger();
    EXPECT_TRUE(radios("RadioGroup1")[0]->isChecked());
    EXPECT_EQ(text(ResizeField::Scale), QStringLiteral("100"));
    EXPECT_FALSE(resize->edit(ResizeField::WidthPercent)->isEnabled());
}

TEST_F(ResizeDialog, ImpossibleSizeReportsAndKeepsThePicture) {
    dialogs.expect("error");
    form->replacePicture(QImage(), QSize(20000, 20000));
    type(ResizeField::Scale, QStringLiteral("500"));
    ok();
    EXPECT_EQ(dialogs.count("error"), 1);
    EXPECT_EQ(form->pictureSize(), QSize(20000, 20000));
    EXPECT_TRUE(resize->isVisible());
}

TEST_F(ResizeDialog, EmptyPictureNeverDividesByZero) {
    form->replacePicture(QImage(), QSize(0, 504));
    chooseMode(1);
    chooseUnit(1);
    type(ResizeField::WidthPixels, QStringLiteral("100"));
    EXPECT_EQ(text(ResizeField::WidthPercent), QStringLiteral("100"));
    ok();
    EXPECT_EQ(form->pictureSize(), QSize(0, 504));
}

}  // namespace
