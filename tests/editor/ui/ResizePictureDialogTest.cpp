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
        for (ResizeField f : {ResizeField::P2, ResizeField::P3, ResizeField::X4, ResizeField::X5,
                              ResizeField::M6, ResizeField::M7})
            t << text(f);
        return t;
    }
};

TEST_F(ResizeDialog, OpensKeepingProportionsAtOneHundredPercent) {
    EXPECT_TRUE(resize->isVisible());
    EXPECT_EQ(resize->size(), QSize(532, 232));
    EXPECT_EQ(text(ResizeField::P1), QStringLiteral("100"));
    EXPECT_TRUE(radios("RadioGroup1")[0]->isChecked());
    EXPECT_FALSE(resize->findChild<QGroupBox*>(QStringLiteral("RadioGroup2"))->isEnabled());
    EXPECT_TRUE(resize->edit(ResizeField::P1)->isEnabled());
    for (ResizeField f : {ResizeField::P2, ResizeField::X5, ResizeField::M7}) {
        EXPECT_FALSE(resize->edit(f)->isEnabled());
        EXPECT_FALSE(resize->upDown(f)->isEnabled());
    }
    ok();
    EXPECT_EQ(form->pictureSize(), QSize(341, 504));
    EXPECT_FALSE(resize->isVisible());
}

TEST_F(ResizeDialog, UniformPercentageScalesBothSides) {
    type(ResizeField::P1, QStringLiteral("50"));
    ok();
    EXPECT_EQ(form->pictureSize(), QSize(170, 252));
    EXPECT_TRUE(form->editorModified());
    EXPECT_EQ(form->undoRing().count(), 0);

    act("ActSize")->trigger();
    type(ResizeField::P1, QStringLiteral("0"));
    ok();
    EXPECT_EQ(form->pictureSize(), QSize(0, 0));
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("Size"))->text(),
              QStringLiteral("ヨコ 0\r\nタテ 0"));
}

TEST_F(ResizeDialog, SeparateModeStartsFromThePicture) {
    chooseMode(1);
    EXPECT_EQ(column().join(' '), QStringLiteral("100 100 341 504 100 148"));
    EXPECT_TRUE(resize->edit(ResizeField::P2)->isEnabled());
    EXPECT_TRUE(resize->upDown(ResizeField::P3)->isEnabled());
    EXPECT_FALSE(resize->edit(ResizeField::X4)->isEnabled());
    EXPECT_FALSE(resize->edit(ResizeField::P1)->isEnabled());
    ok();
    EXPECT_EQ(form->pictureSize(), QSize(341, 504));
}

TEST_F(ResizeDialog, PixelsActThroughTheWholePercentage) {
    chooseMode(1);
    chooseUnit(1);
    EXPECT_TRUE(resize->edit(ResizeField::X4)->isEnabled());
    EXPECT_FALSE(resize->upDown(ResizeField::X4)->isEnabled());
    EXPECT_FALSE(resize->edit(ResizeField::P2)->isEnabled());
    type(ResizeField::X4, QStringLiteral("200"));
    EXPECT_EQ(text(ResizeField::P2), QStringLiteral("58"));
    EXPECT_EQ(text(ResizeField::M6), QStringLiteral("58"));
    ok();
    EXPECT_EQ(form->pictureSize(), QSize(197, 504));
}

TEST_F(ResizeDialog, MillimetresActThroughPixelsAndPercent) {
    chooseMode(1);
    chooseUnit(2);
    type(ResizeField::M6, QStringLiteral("50"));
    EXPECT_EQ(text(ResizeField::X4), QStringLiteral("170"));
    EXPECT_EQ(text(ResizeField::P2), QStringLiteral("49"));
    ok();
    EXPECT_EQ(form->pictureSize().width(), 167);
}

TEST_F(ResizeDialog, PercentFieldsAndTheirArrowsFillTheColumn) {
    chooseMode(1);
    type(ResizeField::P2, QStringLiteral("500"));
    EXPECT_EQ(text(ResizeField::X4), QStringLiteral("1705"));
    EXPECT_EQ(text(ResizeField::M6), QStringLiteral("500"));
    resize->upDown(ResizeField::P3)->stepDown();
    EXPECT_EQ(text(ResizeField::P3), QStringLiteral("99"));
    EXPECT_EQ(text(ResizeField::X5), QStringLiteral("498"));
    // A field of another unit does nothing when typed into.
    type(ResizeField::X4, QStringLiteral("10"));
    EXPECT_EQ(text(ResizeField::P2), QStringLiteral("500"));
    ok();
    EXPECT_EQ(form->pictureSize(), QSize(1705, 498));
}

TEST_F(ResizeDialog, TypedValuesAreLimitedAndNonNumbersRefused) {
    dialogs.expect("error");
    type(ResizeField::P1, QStringLiteral("600"));
    EXPECT_EQ(text(ResizeField::P1), QStringLiteral("500"));
    type(ResizeField::P1, QStringLiteral("12x"));
    EXPECT_EQ(dialogs.texts("error"), QStringList{QStringLiteral("'12x' は整数ではありません")});
    EXPECT_EQ(text(ResizeField::P1), QStringLiteral("500"));
    type(ResizeField::P1, QString());  // empty: the value stays
    type(ResizeField::P1, QStringLiteral("2"));
    resize->upDown(ResizeField::P1)->stepUp();
    EXPECT_EQ(text(ResizeField::P1), QStringLiteral("3"));
    ok();
    EXPECT_EQ(form->pictureSize(), QSize(341 * 3 / 100, 504 * 3 / 100));
}

// Typing rewrites the other fields, never the one typed in: the caret stays.
TEST_F(ResizeDialog, TypingKeepsTheCaretInTheFieldTypedIn) {
    chooseMode(1);
    chooseUnit(1);
    QLineEdit* x4 = resize->edit(ResizeField::X4);
    type(ResizeField::X4, QStringLiteral("20"));
    x4->setCursorPosition(0);
    QTest::keyClicks(x4, QStringLiteral("15"));
    EXPECT_EQ(x4->text(), QStringLiteral("1520"));
    EXPECT_EQ(x4->cursorPosition(), 2);
    EXPECT_EQ(text(ResizeField::P2), QString::number(1520 * 100 / 341));
}

TEST_F(ResizeDialog, PostcardAndIconSizesIgnoreProportions) {
    form->replacePicture(filled(504, 341), QSize(504, 341));
    chooseMode(2);
    EXPECT_EQ(column().join(' '), QStringLiteral("100 100 341 504 100 148"));
    EXPECT_FALSE(resize->edit(ResizeField::X4)->isEnabled());
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
    type(ResizeField::P1, QStringLiteral("50"));
    ok();
    ASSERT_EQ(form->pictureSize(), QSize(1, 0));
    form->replacePicture(p, p.size());
    act("ActSize")->trigger();
    chooseMode(1);
    type(ResizeField::P2, QStringLiteral("50"));
    ok();
    ASSERT_EQ(form->pictureSize(), QSize(1, 1));
    EXPECT_EQ(form->currentPicture().pixel(0, 0), 0xFF0000FFu);
}

TEST_F(ResizeDialog, CancelChangesNothingAndEveryShowingResets) {
    chooseMode(1);
    type(ResizeField::P2, QStringLiteral("20"));
    cancel();
    EXPECT_FALSE(resize->isVisible());
    EXPECT_EQ(form->pictureSize(), QSize(341, 504));
    act("ActSize")->trigger();
    EXPECT_TRUE(radios("RadioGroup1")[0]->isChecked());
    EXPECT_EQ(text(ResizeField::P1), QStringLiteral("100"));
    EXPECT_FALSE(resize->edit(ResizeField::P2)->isEnabled());
}

TEST_F(ResizeDialog, ImpossibleSizeReportsAndKeepsThePicture) {
    dialogs.expect("error");
    form->replacePicture(QImage(), QSize(20000, 20000));
    type(ResizeField::P1, QStringLiteral("500"));
    ok();
    EXPECT_EQ(dialogs.count("error"), 1);
    EXPECT_EQ(form->pictureSize(), QSize(20000, 20000));
    EXPECT_TRUE(resize->isVisible());
}

TEST_F(ResizeDialog, EmptyPictureNeverDividesByZero) {
    form->replacePicture(QImage(), QSize(0, 504));
    chooseMode(1);
    chooseUnit(1);
    type(ResizeField::X4, QStringLiteral("100"));
    EXPECT_EQ(text(ResizeField::P2), QStringLiteral("100"));
    ok();
    EXPECT_EQ(form->pictureSize(), QSize(0, 504));
}

}  // namespace
