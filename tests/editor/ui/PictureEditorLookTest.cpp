// What the editor and its resize dialog look like, written to PNG files for
// a person to check, with a few pixels checked here: the picture shows one
// to one inside its black frame on the green area.

#include <QDir>
#include <QRadioButton>
#include <QScrollArea>

#include "tests/editor/EditorWindowFixture.h"
#include "tests/editor/PictureHelpers.h"

using namespace editortest;

namespace {

using PictureEditorLook = EditorWindowTest;

TEST_F(PictureEditorLook, PictureSitsInItsFrameOnTheArea) {
    form->show();
    click(QPoint(20, 20));
    child<QWidget>("Line1")->setProperty("checked", true);
    drag(QPoint(40, 60), QPoint(200, 150));
    const QImage shot = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QDir().mkpath(QStringLiteral(PELCOR_TEST_OUTPUT));
    shot.save(QStringLiteral(PELCOR_TEST_OUTPUT "/pictan.png"));

    auto* panel = child<QWidget>("Panel1");
    const QPoint frame = panel->mapTo(form.get(), QPoint(0, 0));
    EXPECT_EQ(shot.pixel(frame), kBlack);
    EXPECT_EQ(shot.pixel(frame + QPoint(1, 1)), kWhite);
    EXPECT_EQ(shot.pixel(frame + QPoint(21, 21)), kBlack);  // the pen's square
    EXPECT_EQ(shot.pixel(frame + QPoint(1, 1) + QPoint(170, 300)), kWhite);
    const QPoint area = child<QScrollArea>("ScrollBox1")->mapTo(form.get(), QPoint(2, 2));
    EXPECT_EQ(shot.pixel(area), 0xFF008000u);

    act("ActSize")->trigger();
    resize->findChild<QWidget*>(QStringLiteral("RadioGroup1"))
        ->findChildren<QRadioButton*>()[1]
        ->click();
    resize->grab().toImage().save(QStringLiteral(PELCOR_TEST_OUTPUT "/pictan-resize.png"));
    act("ActAbout")->trigger();
    about->grab().toImage().save(QStringLiteral(PELCOR_TEST_OUTPUT "/pictan-about.png"));
    form->hide();
}

}  // namespace
