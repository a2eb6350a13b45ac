// The editor's files: the unsaved-picture question and its callers,
// loading, saving by extension and by filter, the temporary file of Save
// As, dropped files, the command line, printing and closing.

#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include "editor/PictureFolder.h"
#include "editor/PictureIO.h"
#include "platform/pictures/PictureFiles.h"
#include "tests/editor/EditorWindowFixture.h"
#include "tests/editor/PictureHelpers.h"
#include "tests/platform/MetafileBuilders.h"

using namespace editortest;
using platform::Answer;

namespace {

using PictureEditorFiles = EditorWindowTest;

const QString kQuestionNew =
    QStringLiteral("『 新規画像 』　が保存されていません。\r\n\r\n　保存しますか？");

QByteArray head(const QString& path, int n) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.read(n) : QByteArray();
}

platform::FileDialogResult chosen(const QString& path, int filter) {
    platform::FileDialogResult r;
    r.path = path;
    r.filterIndex = filter;
    return r;
}

QImage quarters() {
    QImage p = filled(30, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            p.setPixel(x, y, x < 15 ? (y < 10 ? kRed : kBlue) : (y < 10 ? kGreen : kBlack));
    return p;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST_F(PictureEditorFiles, NewAsksOnlyAboutAnUnsavedPicture) {
    act("ActNew")->trigger();
    EXPECT_EQ(dialogs.count("question"), 0);

    click(QPoint(5, 5));
    dialogs.answers = {Answer::Cancel};
    act("ActNew")->trigger();
    EXPECT_EQ(dialogs.texts("question"), QStringList{kQuestionNew});
    EXPECT_TRUE(form->editorModified());
    EXPECT_EQ(form->currentPicture().pixel(5, 5), kBlack);

    dialogs.answers = {Answer::No};
    act("ActNew")->trigger();
    EXPECT_FALSE(form->editorModified());
    EXPECT_EQ(form->currentPicture().pixel(5, 5), kWhite);
    EXPECT_FALSE(act("ActUndo")->isEnabled());
    EXPECT_EQ(form->undoRing().count(), 0);
}

TEST_F(PictureEditorFiles, NewThenYesThenCancelledSaveAsKeepsThePicture) {
    click(QPoint(5, 5));
    dialogs.answers = {Answer::Yes};
    act("ActNew")->trigger();  // no file name: Save As, and its dialog is cancelled
    EXPECT_EQ(dialogs.count("save"), 1);
    EXPECT_TRUE(form->editorModified());
    EXPECT_EQ(form->currentPicture().pixel(5, 5), kBlack);
    EXPECT_TRUE(QFileInfo(pictureFolder()).isDir());
    EXPECT_FALSE(QFileInfo::exists(tempFile()));
}

TEST_F(PictureEditorFiles, SaveAsOffersTheTemporaryPictureAndRemembersTheFilter) {
    form->savePictureAs();
    ASSERT_EQ(dialogs.fileRequests.size(), 1);
    const platform::FileDialogRequest first = dialogs.fileRequests[0];
    EXPECT_TRUE(editor::sameFile(first.folder, pictureFolder()));
    EXPECT_TRUE(editor::sameFile(first.fileName, tempFile()));
    EXPECT_EQ(first.filterIndex, 0);
    EXPECT_EQ(first.defaultExtension, QStringLiteral("bmp"));

    dialogs.files = {chosen(path("a.jpg"), 1)};
    form->savePictureAs();
    form->savePictureAs();
    ASSERT_EQ(dialogs.fileRequests.size(), 3);
    EXPECT_EQ(dialogs.fileRequests[2].filterIndex, 1);
    EXPECT_EQ(dialogs.fileRequests[2].defaultExtension, QStringLiteral("jpg"));
    EXPECT_FALSE(QFileInfo::exists(tempFile()));
}

TEST_F(PictureEditorFiles, TheTypedExtensionDecidesTheFormatOverTheFilter) {
    click(QPoint(3, 3));
    const QString target = path("b.jpg");
    dialogs.files = {chosen(target, 0)};  // the bitmap filter, a JPEG name
    EXPECT_EQ(form->savePictureAs(), editor::SaveOutcome::Saved);
    EXPECT_EQ(head(target, 2), QByteArray("\xFF\xD8"));
    EXPECT_EQ(form->editorFileName(), target);
    EXPECT_EQ(form->windowTitle(), QStringLiteral(" Pictan   Zandor     b.jpg"));
    EXPECT_FALSE(form->editorModified());
    EXPECT_TRUE(platform::readPicture(target).ok()) << "the program opens its own file";

    dialogs.files = {chosen(path("c.bmp"), 1)};  // the JPEG filter, a bitmap name
    EXPECT_EQ(form->savePictureAs(), editor::SaveOutcome::Saved);
    EXPECT_EQ(head(path("c.bmp"), 2), QByteArray("BM"));
    EXPECT_EQ(dialogs.count("save"), 2);
}

TEST_F(PictureEditorFiles, TurningFlippingAndResizingMarkThePictureUnsaved) {
    for (const char* command : {"Act90", "Act180", "Act270", "ActHanRL", "ActHanTB"}) {
        SCOPED_TRACE(command);
        act(command)->trigger();
        EXPECT_TRUE(form->editorModified());
        dialogs.answers = {Answer::No};
        act("ActNew")->trigger();  // asks, and the answer lets the picture go
        EXPECT_EQ(dialogs.answers.size(), 0);
    }
    resize->show();
    resize->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    EXPECT_TRUE(form->editorModified());
}

TEST_F(PictureEditorFiles, PictureSavedUnderTheTemporaryNameSurvives) {
    click(QPoint(3, 3));
    dialogs.files = {chosen(tempFile(), 0)};
    EXPECT_EQ(form->savePictureAs(), editor::SaveOutcome::Saved);
    ASSERT_TRUE(QFileInfo::exists(tempFile()));
    const editor::PictureRead back = editor::readPictureFile(tempFile());
    ASSERT_TRUE(back.error.isEmpty());
    EXPECT_EQ(back.image.pixel(4, 4), kBlack);

    // A later Save As neither overwrites nor removes the user's "_.bmp".
    click(QPoint(100, 100));
    form->savePictureAs();  // cancelled
    ASSERT_TRUE(QFileInfo::exists(tempFile()));
    EXPECT_EQ(editor::readPictureFile(tempFile()).image.pixel(101, 101), kWhite);
}

TEST_F(PictureEditorFiles, TemporaryFileIsRemovedWhenTheSaveFails) {
    dialogs.expect("error");
    dialogs.files = {chosen(path("missing/folder/c.bmp"), 0)};
    EXPECT_EQ(form->savePictureAs(), editor::SaveOutcome::Failed);
    ASSERT_EQ(dialogs.count("error"), 1);
    EXPECT_TRUE(dialogs.texts("error")[0].startsWith(
        QStringLiteral("ファイル \"") + path("missing/folder/c.bmp") + QStringLiteral("\". ")));
    EXPECT_TRUE(dialogs.texts("error")[0].endsWith(QStringLiteral(" を作成できません")));
    EXPECT_FALSE(QFileInfo::exists(tempFile()));
    // The name was taken before the write failed.
    EXPECT_EQ(form->editorFileName(), path("missing/folder/c.bmp"));
}

TEST_F(PictureEditorFiles, UnmakeablePictureFolderStopsSaveAsBeforeItsDialog) {
    dialogs.expect("error");
    writeFile(home.filePath(QStringLiteral("Desktop/はがき画像")), "not a folder");
    EXPECT_EQ(form->savePictureAs(), editor::SaveOutcome::Failed);
    EXPECT_EQ(dialogs.count("save"), 0);
    EXPECT_EQ(dialogs.count("error"), 1);
}

TEST_F(PictureEditorFiles, FailedSaveFromTheQuestionStopsTheCaller) {
    dialogs.expect("error", 3);
    dialogs.files = {chosen(path("nowhere/x.bmp"), 0)};
    form->savePictureAs();  // leaves an unwritable name behind
    dialogs.calls.clear();
    click(QPoint(5, 5));
    dialogs.answers = {Answer::Yes};
    act("ActNew")->trigger();
    EXPECT_EQ(dialogs.count("error"), 1);
    EXPECT_EQ(form->currentPicture().pixel(5, 5), kBlack);

    form->show();
    dialogs.answers = {Answer::Yes};
    form->close();
    EXPECT_TRUE(form->isVisible());
    form->hide();
}

TEST_F(PictureEditorFiles, QuestionNamesTheFile) {
    const QString file = path("a.bmp");
    ASSERT_TRUE(editor::writeBitmapPicture(file, quarters()).isEmpty());
    form->loadPicture(file);
    click(QPoint(1, 1));
    dialogs.answers = {Answer::Cancel};
    act("ActNew")->trigger();
    EXPECT_EQ(dialogs.texts("question").value(0),
              QStringLiteral("『 a.bmp 』　が保存されていません。\r\n\r\n　保存しますか？"));
}

TEST_F(PictureEditorFiles, BitmapRoundTripKeepsEveryPixel) {
    const QString file = path("round.bmp");
    form->replacePicture(quarters(), QSize(30, 20));
    ASSERT_TRUE(form->writeBitmap(file));
    EXPECT_EQ(head(file, 30).at(28), 24);  // true colour
    form->blankCanvas(kWhite);
    form->loadPicture(file);
    ASSERT_EQ(form->pictureSize(), QSize(30, 20));
    EXPECT_EQ(form->currentPicture(), quarters());
    EXPECT_EQ(form->editorFileName(), file);
    EXPECT_EQ(form->windowTitle(), QStringLiteral(" Pictan   Zandor     round.bmp"));
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("Size"))->text(),
              QStringLiteral("ヨコ 8\r\nタテ 5"));
}

TEST_F(PictureEditorFiles, JpegRoundTripKeepsColoursClose) {
    const QString file = path("round.jpg");
    form->replacePicture(quarters(), QSize(30, 20));
    ASSERT_TRUE(form->writeJpeg(file));
    EXPECT_EQ(head(file, 2), QByteArray("\xFF\xD8"));
    form->loadPicture(path("ROUND.JPG"));  // no such file: ignored
    EXPECT_EQ(form->editorFileName(), QString());
    QFile::rename(file, path("ROUND.JPEG"));
    form->loadPicture(path("ROUND.JPEG"));
    ASSERT_EQ(form->pictureSize(), QSize(30, 20));
    const QColor c(form->currentPicture().pixel(3, 3));
    EXPECT_GT(c.red(), 200);
    EXPECT_LT(c.green(), 60);
    EXPECT_LT(c.blue(), 60);
}

TEST_F(PictureEditorFiles, OtherExtensionsAndMissingFilesAreIgnoredSilently) {
    writeFile(path("x.gif"), "GIF89a");
    writeFile(path("x.ico"), "");
    click(QPoint(2, 2));
    dialogs.answers = {Answer::No, Answer::No, Answer::No};
    form->loadPicture(path("x.gif"));
    form->loadPicture(path("x.ico"));
    form->loadPicture(path("gone.bmp"));
    EXPECT_EQ(dialogs.count("question"), 3);
    EXPECT_EQ(dialogs.calls.size(), 3);  // no notice, no error
    EXPECT_EQ(form->currentPicture().pixel(2, 2), kBlack);
    EXPECT_TRUE(form->editorModified());
    EXPECT_FALSE(act("ActUndo")->isEnabled());
}

TEST_F(PictureEditorFiles, UndecodableFileReportsAndKeepsEverything) {
    dialogs.expect("error");
    writeFile(path("bad.bmp"), "BM this is no bitmap");
    form->loadPicture(path("bad.bmp"));
    EXPECT_EQ(dialogs.count("error"), 1);
    EXPECT_EQ(form->pictureSize(), QSize(341, 504));
    EXPECT_TRUE(form->editorFileName().isEmpty());
    EXPECT_EQ(form->windowTitle(), QStringLiteral(" Pictan   Zandor     　新規画像"));
}

TEST_F(PictureEditorFiles, DroppingFilesLoadsTheFirstOnly) {
    ASSERT_TRUE(editor::writeBitmapPicture(path("one.bmp"), filled(7, 5, kRed)).isEmpty());
    ASSERT_TRUE(editor::writeBitmapPicture(path("two.bmp"), filled(9, 9, kBlue)).isEmpty());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path("one.bmp")), QUrl::fromLocalFile(path("two.bmp")),
                  QUrl::fromLocalFile(path("three.bmp"))});
    QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &drop);
    EXPECT_EQ(form->editorFileName(), path("one.bmp"));
    EXPECT_EQ(form->pictureSize(), QSize(7, 5));
}

TEST_F(PictureEditorFiles, EveryShowingReplaysTheArguments) {
    ASSERT_TRUE(editor::writeBitmapPicture(path("arg.bmp"), filled(6, 4, kRed)).isEmpty());
    makeWindows({path("book.csv"), path("arg.bmp")});
    form->show();
    EXPECT_EQ(form->editorFileName(), path("arg.bmp"));
    form->hide();

    // Unsaved: each argument asks, the address book too (it ends at the
    // extension check, leaving the picture unsaved); then the picture loads.
    click(QPoint(1, 1));
    dialogs.answers = {Answer::No, Answer::No};
    form->show();
    EXPECT_EQ(dialogs.count("question"), 2);
    EXPECT_FALSE(form->editorModified());
    EXPECT_EQ(form->currentPicture().pixel(1, 1), kRed);
    form->hide();
}

TEST_F(PictureEditorFiles, UnsavedPictureSurvivesANonPictureArgument) {
    makeWindows({path("book.csv")});
    click(QPoint(1, 1));
    dialogs.answers = {Answer::No};
    form->show();
    EXPECT_EQ(dialogs.count("question"), 1);
    EXPECT_TRUE(form->editorModified());
    EXPECT_EQ(form->currentPicture().pixel(1, 1), kBlack);
    form->hide();
}

TEST_F(PictureEditorFiles, CloseQueryHidesUnlessCancelled) {
    form->show();
    click(QPoint(1, 1));
    dialogs.answers = {Answer::Cancel};
    act("ActClose")->trigger();
    EXPECT_TRUE(form->isVisible());

    dialogs.answers = {Answer::Yes};  // Save As then cancelled: closes all the same
    act("ActClose")->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->editorModified());
    EXPECT_EQ(form->currentPicture().pixel(1, 1), kBlack);

    form->show();
    dialogs.answers = {Answer::No};
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(dialogs.count("question"), 3);
}

// A picture pixel is 1/360 inch on paper, as on the message side: at 720
// dpi each one takes two printer dots each way.
TEST_F(PictureEditorFiles, PrintSizesPixelsIn360thsOfAnInchAtTheTopLeft) {
    dialogs.expect("error");
    printer.dotsPerInch = 720;
    QImage p = filled(40, 30, kWhite);
    p.setPixel(0, 0, kRed);
    p.setPixel(39, 29, kBlue);
    form->replacePicture(p, p.size());
    act("ActPrint")->trigger();
    ASSERT_EQ(printer.pages.size(), 1);
    const QImage& page = printer.pages[0];
    EXPECT_EQ(page.pixel(0, 0), kRed);
    EXPECT_EQ(page.pixel(1, 1), kRed);
    EXPECT_EQ(page.pixel(79, 59), kBlue);
    EXPECT_EQ(page.pixel(80, 60), kWhite);
    EXPECT_EQ(printer.calls.last(), QStringLiteral("end"));

    printer.acceptDialog = false;
    act("ActPrint")->trigger();
    EXPECT_EQ(printer.pages.size(), 1);

    printer.acceptDialog = true;
    printer.failBegin = true;
    act("ActPrint")->trigger();
    EXPECT_EQ(dialogs.texts("error"), QStringList{QStringLiteral("no printer")});
}

}  // namespace

namespace {

TEST_F(PictureEditorFiles, WithoutADesktopTheFolderGoesInHome) {
    QDir(home.filePath(QStringLiteral("Desktop"))).removeRecursively();
    form->savePictureAs();
    ASSERT_EQ(dialogs.fileRequests.size(), 1);
    EXPECT_TRUE(editor::sameFile(dialogs.fileRequests[0].folder,
                                 home.filePath(QStringLiteral("はがき画像"))));
    EXPECT_FALSE(QFileInfo::exists(home.filePath(QStringLiteral("Desktop"))));
}

}  // namespace

TEST_F(PictureEditorFiles, AMetafileLoadsOnWhiteAtItsSizeAndSavesUnderANewName) {
    // A placeable metafile of 40 x 30 pixels at 96 per inch, with nothing drawn.
    const QString wmf = path("clip.wmf");
    QFile file(wmf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(testpictures::Wmf().bytes(0, 0, 40, 30, 96));
    file.close();
    form->loadPicture(wmf);
    EXPECT_EQ(dialogs.count("error"), 0);
    EXPECT_EQ(form->currentPicture().size(), QSize(40, 30));
    EXPECT_EQ(form->currentPicture().pixel(20, 15), qRgb(255, 255, 255));
    // A metafile is never written back over itself: saving asks for a name.
    act("ActSave")->trigger();
    EXPECT_EQ(dialogs.count("save"), 1);
}
