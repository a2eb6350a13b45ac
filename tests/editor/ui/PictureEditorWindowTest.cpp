// The editor window as created: its state, commands, size display, frame
// placement, transforms and the hint in the status bar.

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>

#include "editor/ui/ColourSwatch.h"
#include "tests/editor/EditorWindowFixture.h"
#include "tests/editor/PictureHelpers.h"

using namespace editortest;

namespace {

using PictureEditorWindow = EditorWindowTest;

QString sizeText(const editor::PictureEditorWindow& f) {
    return f.findChild<QLabel*>(QStringLiteral("Size"))->text();
}

TEST_F(PictureEditorWindow, StartsWithAWhitePostcardAndNothingToUndo) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral(" Pictan   Zandor     　新規画像"));
    EXPECT_EQ(form->pictureSize(), QSize(341, 504));
    EXPECT_EQ(countColour(form->currentPicture(), kWhite), 341 * 504);
    EXPECT_FALSE(form->editorModified());
    EXPECT_TRUE(form->editorFileName().isEmpty());
    EXPECT_FALSE(act("ActUndo")->isEnabled());
    EXPECT_EQ(form->drawingTool(), editor::DrawingTool::Pen);
    EXPECT_TRUE(child<QToolButton>("Pen1")->isChecked());
    EXPECT_EQ(child<editor::ColourSwatch>("LColor")->colour(), kBlack);
    EXPECT_EQ(child<editor::ColourSwatch>("RColor")->colour(), kRed);
    EXPECT_EQ(form->size(), QSize(736, 658));
}

TEST_F(PictureEditorWindow, SizeLabelFollowsTheChosenUnit) {
    EXPECT_EQ(sizeText(*form), QStringLiteral("ヨコ 100\r\nタテ 148"));
    auto radios = child<QWidget>("RadioGroup1")->findChildren<QRadioButton*>();
    ASSERT_EQ(radios.size(), 2);
    radios[1]->click();
    EXPECT_EQ(sizeText(*form), QStringLiteral("ヨコ 341\r\nタテ 504"));
    radios[0]->click();
    EXPECT_EQ(sizeText(*form), QStringLiteral("ヨコ 100\r\nタテ 148"));
}

TEST_F(PictureEditorWindow, CommandsCarryCaptionsHintsAndMenuPlaces) {
    QAction* undo = act("ActUndo");
    EXPECT_EQ(undo->text(), QStringLiteral("レスキュー"));
    EXPECT_EQ(undo->toolTip(), QStringLiteral("レスキュー"));
    EXPECT_EQ(undo->statusTip(), QStringLiteral("画像を前の状態に戻します（最大５回前まで）"));
    EXPECT_EQ(act("Act90")->toolTip(), QStringLiteral("回転"));
    EXPECT_EQ(act("ActSaveAs")->text(), QStringLiteral("名前を付けて保存"));

    const QList<QAction*> menus = child<QMenuBar>("MainMenu1")->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("ファイル(&F)"));
    QStringList fileItems;
    for (QAction* a : menus[0]->menu()->actions())
        fileItems << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    EXPECT_EQ(fileItems.join(' '),
              QStringLiteral("ActOpen ActNew ActPrint ActSave ActSaveAs - ActClose"));
    QStringList editItems;
    for (QAction* a : menus[1]->menu()->actions())
        editItems << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    EXPECT_EQ(editItems.join(' '),
              QStringLiteral("Act90 Act180 Act270 - ActHanRL ActHanTB - ActUndo - ActSize"));
    EXPECT_EQ(menus[2]->menu()->actions().value(0), act("ActAbout"));
}

TEST_F(PictureEditorWindow, ToolBarRunsTopToBottomInItsOrder) {
    auto* bar = child<QToolBar>("ToolBar1");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->orientation(), Qt::Vertical);
    QStringList names;
    for (QAction* a : bar->actions()) names << bar->widgetForAction(a)->objectName();
    EXPECT_EQ(names.join(' '),
              QStringLiteral("Open1 New1 Print1 Save1 Close1 Kaiten901 HantenRL1 HantenTB1 Undo1 "
                             "Pen1 Line1 Rect1 Ellipse1 RRect1 Paint1 Spoid1 Size1"));
    EXPECT_EQ(child<QToolButton>("Size1")->statusTip(),
              QStringLiteral("キャンバスのサイズを変更できます"));
    EXPECT_EQ(child<QToolButton>("Paint1")->toolTip(), QStringLiteral("塗潰し"));
}

TEST_F(PictureEditorWindow, ToolButtonsChooseTheToolAndItsPointer) {
    child<QToolButton>("Rect1")->click();
    EXPECT_EQ(form->drawingTool(), editor::DrawingTool::Rect);
    EXPECT_EQ(image()->cursor().shape(), Qt::CrossCursor);
    EXPECT_FALSE(child<QToolButton>("Pen1")->isChecked());
    child<QToolButton>("Spoid1")->click();
    EXPECT_EQ(form->drawingTool(), editor::DrawingTool::Picker);
    EXPECT_EQ(image()->cursor().shape(), Qt::BitmapCursor);
    EXPECT_FALSE(image()->cursor().pixmap().isNull());
}

TEST_F(PictureEditorWindow, LongHintGoesToStatusPanelZero) {
    QStatusTipEvent tip(QStringLiteral("画像を印刷します"));
    QApplication::sendEvent(form.get(), &tip);
    EXPECT_EQ(child<QLabel>("StatusPanel0")->text(), QStringLiteral("画像を印刷します"));
}

TEST_F(PictureEditorWindow, FrameIsCentredAndGoesNegativeForLargePictures) {
    form->show();
    auto* box = child<QScrollArea>("ScrollBox1");
    auto* panel = child<QWidget>("Panel1");
    box->resize(400, 300);  // smaller than the picture
    form->centreCanvas();
    const QPoint offset = panel->mapTo(box, QPoint(0, 0));
    EXPECT_EQ(panel->size(), QSize(343, 506));
    EXPECT_EQ(image()->pos(), QPoint(1, 1));
    EXPECT_LT(offset.y(), 0);
    EXPECT_EQ(offset.y(), (300 - 506) / 2);

    form->replacePicture(filled(20, 10), QSize(20, 10));
    EXPECT_EQ(panel->mapTo(box, QPoint(0, 0)),
              QPoint((box->width() - 22) / 2, (box->height() - 12) / 2));
    form->hide();
}

TEST_F(PictureEditorWindow, TransformsTurnThePictureAndMarkItUnsaved) {
    QImage p = filled(2, 1);
    p.setPixel(0, 0, kRed);
    p.setPixel(1, 0, kBlue);
    form->replacePicture(p, p.size());
    act("Act90")->trigger();
    ASSERT_EQ(form->pictureSize(), QSize(1, 2));
    EXPECT_EQ(form->currentPicture().pixel(0, 0), kRed);
    EXPECT_EQ(form->currentPicture().pixel(0, 1), kBlue);
    act("Act270")->trigger();
    act("ActHanRL")->trigger();
    EXPECT_EQ(form->currentPicture().pixel(0, 0), kBlue);
    act("ActHanTB")->trigger();
    act("Act180")->trigger();
    EXPECT_EQ(form->currentPicture().pixel(0, 0), kRed);
    EXPECT_TRUE(form->editorModified());
    EXPECT_EQ(form->undoRing().count(), 0);

    form->blankCanvas(kWhite);
    act("Act90")->trigger();
    EXPECT_EQ(sizeText(*form), QStringLiteral("ヨコ 148\r\nタテ 100"));
}

TEST_F(PictureEditorWindow, AboutBoxOpensWithoutBlocking) {
    act("ActAbout")->trigger();
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    about->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    EXPECT_FALSE(about->isVisible());
}

TEST_F(PictureEditorWindow, SizeCommandShowsTheResizeDialogOnce) {
    act("ActSize")->trigger();
    EXPECT_TRUE(resize->isVisible());
    EXPECT_FALSE(resize->isModal());
    child<QToolButton>("Size1")->click();
    EXPECT_TRUE(resize->isVisible());
    resize->hide();
}

}  // namespace
