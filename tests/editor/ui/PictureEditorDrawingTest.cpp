// Drawing through the window: mouse events on the picture, the tools, the
// pointer display, undo, the palette and the colour dialogs.

#include <QLabel>
#include <QScrollArea>
#include <QToolButton>
#include <cerrno>
#include <cstring>

#include "editor/ui/ColourPalette.h"
#include "editor/ui/ColourSwatch.h"
#include "platform/ui/SpinField.h"
#include "tests/editor/EditorWindowFixture.h"
#include "tests/editor/PictureHelpers.h"

using namespace editortest;

namespace {

class PictureEditorDrawing : public EditorWindowTest {
  protected:
    editor::ColourSwatch* swatch(const char* name) const {
        return child<editor::ColourSwatch>(name);
    }
    editor::ColourPalette* palette() const { return child<editor::ColourPalette>("ColorGrid1"); }
    void chooseTool(const char* button) { child<QToolButton>(button)->click(); }

    void paletteMouse(QEvent::Type type, int cell, Qt::MouseButton button, Qt::MouseButtons held) {
        const QPoint pos = palette()->cellRect(cell).center();
        QMouseEvent e(type, QPointF(pos), palette()->mapToGlobal(QPointF(pos)), button, held,
                      Qt::NoModifier);
        QApplication::sendEvent(palette(), &e);
    }
};

TEST_F(PictureEditorDrawing, PenPressDrawsASquareAndMarksThePicture) {
    click(QPoint(10, 20));
    const QImage& p = form->currentPicture();
    EXPECT_EQ(p.pixel(10, 20), kBlack);
    EXPECT_EQ(p.pixel(12, 22), kBlack);
    EXPECT_EQ(p.pixel(13, 23), kWhite);
    EXPECT_EQ(countColour(p, kBlack), 9);
    EXPECT_TRUE(form->editorModified());
    EXPECT_TRUE(act("ActUndo")->isEnabled());
    EXPECT_EQ(child<QLabel>("StatusPanel1")->text(), QStringLiteral(" X 10  Y 20"));
    EXPECT_EQ(child<QLabel>("Label1")->text(), QStringLiteral(" X 10\r\n Y 20"));

    click(QPoint(100, 100), Qt::RightButton);
    EXPECT_EQ(form->currentPicture().pixel(101, 101), kRed);
}

TEST_F(PictureEditorDrawing, PointerDisplayFollowsMovesWithoutButtons) {
    mouse(QEvent::MouseMove, QPoint(7, 8), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(child<QLabel>("StatusPanel1")->text(), QStringLiteral(" X 7  Y 8"));
    EXPECT_EQ(countColour(form->currentPicture(), kWhite), 341 * 504);
    EXPECT_FALSE(form->editorModified());
}

TEST_F(PictureEditorDrawing, ModifiersAndDoubleClicksOnlyPushUndo) {
    click(QPoint(30, 30), Qt::LeftButton, Qt::ShiftModifier);
    click(QPoint(40, 40), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(countColour(form->currentPicture(), kWhite), 341 * 504);
    EXPECT_EQ(form->undoRing().count(), 2);
    EXPECT_TRUE(form->editorModified());

    click(QPoint(5, 5));
    mouse(QEvent::MouseButtonDblClick, QPoint(60, 60), Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, QPoint(60, 60), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(countColour(form->currentPicture(), kBlack), 9);
    EXPECT_EQ(form->currentPicture().pixel(60, 60), kWhite);
    EXPECT_EQ(form->undoRing().count(), 4);
}

TEST_F(PictureEditorDrawing, SixPressesAndSixUndosWalkBackFiveLevels) {
    child<platform::SpinField>("SpinEdit1")->setValue(1);
    for (int i = 0; i < 6; ++i) click(QPoint(10 * i, 0));
    EXPECT_EQ(countColour(form->currentPicture(), kBlack), 6);
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(act("ActUndo")->isEnabled()) << i;
        act("ActUndo")->trigger();
        EXPECT_EQ(countColour(form->currentPicture(), kBlack), 5 - i) << i;
    }
    EXPECT_FALSE(act("ActUndo")->isEnabled());
    act("ActUndo")->trigger();  // disabled: nothing happens
    EXPECT_EQ(countColour(form->currentPicture(), kBlack), 1);
    EXPECT_TRUE(form->editorModified());
}

TEST_F(PictureEditorDrawing, UndoAfterATurnBringsBackTheSizeOfTheLastPress) {
    click(QPoint(1, 1));
    act("Act90")->trigger();
    EXPECT_EQ(form->pictureSize(), QSize(504, 341));
    act("ActUndo")->trigger();
    EXPECT_EQ(form->pictureSize(), QSize(341, 504));
    EXPECT_EQ(countColour(form->currentPicture(), kWhite), 341 * 504);
    EXPECT_EQ(child<QLabel>("Size")->text(), QStringLiteral("ヨコ 100\r\nタテ 148"));
}

TEST_F(PictureEditorDrawing, DraggedLineEndsOffsetByTheWidth) {
    chooseTool("Line1");
    drag(QPoint(10, 10), QPoint(50, 20));
    const QImage& p = form->currentPicture();
    EXPECT_EQ(p.pixel(10, 10), kBlack);
    EXPECT_EQ(p.pixel(51, 22), kBlack);  // near (53, 23), inside the 3-pixel pen
    EXPECT_EQ(p.pixel(56, 23), kWhite);
    EXPECT_EQ(form->undoRing().count(), 1);
}

TEST_F(PictureEditorDrawing, RubberBandOverBlackShowsTheInverse) {
    form->blankCanvas(kBlack);
    chooseTool("Rect1");
    drag(QPoint(10, 10), QPoint(30, 30));
    const QImage& p = form->currentPicture();
    EXPECT_EQ(p.pixel(10, 10), kWhite);
    EXPECT_EQ(p.pixel(20, 20), kBlack);  // outline only
}

TEST_F(PictureEditorDrawing, ReleasingOneOfTwoButtonsDrawsInTheOtherColour) {
    chooseTool("Rect1");
    mouse(QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, QPoint(20, 20), Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonPress, QPoint(20, 20), Qt::RightButton,
          Qt::LeftButton | Qt::RightButton);
    mouse(QEvent::MouseButtonRelease, QPoint(40, 40), Qt::LeftButton, Qt::RightButton);
    EXPECT_EQ(form->currentPicture().pixel(10, 10), kRed);
    EXPECT_EQ(form->currentPicture().pixel(39, 20), kRed);
}

TEST_F(PictureEditorDrawing, RightDragOutsideThePictureLeavesTheBandWhereItWas) {
    chooseTool("Line1");
    mouse(QEvent::MouseButtonPress, QPoint(10, 10), Qt::RightButton, Qt::RightButton);
    mouse(QEvent::MouseMove, QPoint(30, 10), Qt::NoButton, Qt::RightButton);
    const QImage before = form->currentPicture().copy();
    mouse(QEvent::MouseMove, QPoint(400, 10), Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(form->currentPicture(), before);
    // The left button holds the mouse: the same drag goes on, clipped.
    chooseTool("Pen1");
    mouse(QEvent::MouseButtonPress, QPoint(335, 100), Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, QPoint(339, 200), Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, QPoint(400, 300), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(child<QLabel>("StatusPanel1")->text(), QStringLiteral(" X 400  Y 300"));
    EXPECT_EQ(form->currentPicture().pixel(340, 200), kBlack);
}

TEST_F(PictureEditorDrawing, FillAndPickerWorkThroughTheWindow) {
    chooseTool("Paint1");
    click(QPoint(100, 100));
    EXPECT_EQ(countColour(form->currentPicture(), kBlack), 341 * 504);
    click(QPoint(5, 5));  // the same colour again: nothing changes, one more level
    EXPECT_EQ(countColour(form->currentPicture(), kBlack), 341 * 504);
    EXPECT_EQ(form->undoRing().count(), 2);

    chooseTool("Spoid1");
    click(QPoint(3, 3), Qt::RightButton);
    EXPECT_EQ(swatch("RColor")->colour(), kBlack);
    EXPECT_EQ(form->undoRing().count(), 3);
}

TEST_F(PictureEditorDrawing, PaletteTakesTheCellWhereTheButtonIsReleased) {
    paletteMouse(QEvent::MouseButtonPress, 2, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(palette()->foregroundIndex(), 2);
    paletteMouse(QEvent::MouseMove, 12, Qt::NoButton, Qt::LeftButton);
    paletteMouse(QEvent::MouseButtonRelease, 12, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(swatch("LColor")->colour(), 0xFF0000FFu);
    EXPECT_EQ(palette()->markOf(12), QStringLiteral("FG"));

    paletteMouse(QEvent::MouseButtonPress, 12, Qt::RightButton, Qt::RightButton);
    paletteMouse(QEvent::MouseButtonRelease, 12, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(swatch("RColor")->colour(), 0xFF0000FFu);
    EXPECT_EQ(palette()->markOf(12), QStringLiteral("FB"));
    EXPECT_EQ(palette()->markOf(2), QString());

    click(QPoint(0, 0));
    EXPECT_EQ(form->currentPicture().pixel(0, 0), 0xFF0000FFu);
}

TEST_F(PictureEditorDrawing, ColourDialogsChangeTheLeftColourAndTheBackground) {
    dialogs.colours = {QColor(0x12, 0x34, 0x56), QColor()};
    act("ActColorDlg")->trigger();
    EXPECT_EQ(swatch("LColor")->colour(), 0xFF123456u);
    act("ActColorDlg")->trigger();  // cancelled
    EXPECT_EQ(swatch("LColor")->colour(), 0xFF123456u);
    EXPECT_EQ(swatch("RColor")->colour(), kRed);

    form->show();
    QWidget* area = child<QScrollArea>("ScrollBox1")->widget();
    dialogs.colours = {QColor(Qt::yellow)};
    const QPoint corner(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, corner, area->mapToGlobal(corner), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, corner, area->mapToGlobal(corner),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(area, &press);
    QApplication::sendEvent(area, &release);
    EXPECT_EQ(area->palette().color(QPalette::Window), QColor(Qt::yellow));
    form->hide();
}

}  // namespace

namespace {

TEST_F(PictureEditorDrawing, WidthFieldThatIsNoNumberDrawsOnePixel) {
    child<platform::SpinField>("SpinEdit1")->lineEdit()->setText(QStringLiteral("x"));
    click(QPoint(50, 50));
    EXPECT_EQ(countColour(form->currentPicture(), kBlack), 1);
}

}  // namespace

// Turned, a picture one pixel wide and 2^26 high is wider than any raster
// may be, so no turned copy can be made: the picture stays, and the user
// hears why, as from the resize dialog.
TEST_F(PictureEditorDrawing, ATurnThatCannotBeMadeKeepsThePictureAndSaysWhy) {
    dialogs.expect("error");
    const QImage tall(1, 1 << 26, QImage::Format_RGB32);  // never written: costs no memory
    ASSERT_FALSE(tall.isNull());
    form->replacePicture(tall, tall.size());
    act("Act90")->trigger();
    EXPECT_EQ(form->pictureSize(), tall.size());
    EXPECT_EQ(form->currentPicture().constBits(), tall.constBits());
    EXPECT_EQ(dialogs.texts("error"), QStringList{QString::fromLocal8Bit(std::strerror(ENOMEM))});
}
