#include <QDir>
#include <QFile>
#include <QImage>
#include <QPlainTextEdit>
#include <QSignalSpy>

#include "editor/ui/PictureEditorWindow.h"
#include "message/ui/BodyPage.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/message/BodyPageControls.h"

using platform::Answer;

namespace {

void typeIntoBody(app::MainWindow& f, const QString& text) {
    bodyEditor(*bodyPage(f))->insertPlainText(text);
    ASSERT_TRUE(bodyPage(f)->isModified());
}

// A line drawn in the editor, which leaves its picture unsaved.
void drawInEditor(editor::PictureEditorWindow& e) {
    editor::HeldSet held;
    held.left = true;
    e.onCanvasPressed(QPoint(5, 5), held);
    e.onCanvasMoved(QPoint(40, 30), held);
    e.onCanvasReleased(QPoint(40, 30), editor::HeldSet());
    ASSERT_TRUE(e.editorModified());
}

bool closes(app::MainWindow& f) {
    bool canClose = true;
    f.askToClose(canClose);
    return canClose;
}

}  // namespace

TEST_F(MainWindowTest, NothingModifiedClosesWithoutAQuestion) {
    app::MainWindow& f = make();
    EXPECT_TRUE(closes(f));
    EXPECT_EQ(dialogs.count("question"), 0);
}

TEST_F(MainWindowTest, BookAndBodyModifiedAskTwiceInOrder) {
    app::MainWindow& f = make();
    f.addressBook().setModified(true);
    typeIntoBody(f, QStringLiteral("謹賀新年"));
    dialogs.answers = {Answer::No, Answer::No};
    EXPECT_TRUE(closes(f));
    const QStringList asked = dialogs.texts("question");
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0],
              QStringLiteral(" 『 新規データ 』 が保存されていません。\n\n     保存しますか？"));
    EXPECT_EQ(asked[1],
              QStringLiteral(" 『 新規文書 』 が保存されていません。\n\n     保存しますか？"));
}

TEST_F(MainWindowTest, CancelOnTheFirstQuestionAsksNothingMore) {
    app::MainWindow& f = make();
    f.addressBook().setModified(true);
    typeIntoBody(f, QStringLiteral("x"));
    dialogs.answers = {Answer::Cancel};
    EXPECT_FALSE(closes(f));
    EXPECT_EQ(dialogs.count("question"), 1);
}

TEST_F(MainWindowTest, QuestionsNameTheFilesWhenTheyHaveAnExtension) {
    app::MainWindow& f = make();
    f.addressBook().setModified(true);
    f.addressBook().setFileName(QStringLiteral("/home/u/住所録/family.csv"));
    typeIntoBody(f, QStringLiteral("x"));
    bodyPage(f)->setBodyFileName(QStringLiteral("/home/u/本文/noext"));
    dialogs.answers = {Answer::No, Answer::No};
    closes(f);
    const QStringList asked = dialogs.texts("question");
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[0].startsWith(QStringLiteral(" 『 family.csv 』")));
    EXPECT_TRUE(asked[1].startsWith(QStringLiteral(" 『 新規文書 』")));
}

TEST_F(MainWindowTest, OnlyTheBodyModifiedAsksOnceAndCancelKeepsTheWindow) {
    app::MainWindow& f = make();
    typeIntoBody(f, QStringLiteral("x"));
    dialogs.answers = {Answer::Cancel};
    EXPECT_FALSE(closes(f));
    EXPECT_EQ(dialogs.count("question"), 1);
}

TEST_F(MainWindowTest, SavingTheBodyOnCloseWritesCp932WithCrLf) {
    app::MainWindow& f = make();
    typeIntoBody(f, QStringLiteral("謹賀新年\n①本年も"));
    const QString path = home.filePath(QStringLiteral("本文/card.txt"));
    dialogs.answers = {Answer::Yes};
    dialogs.files = {platform::FileDialogResult{path, 0}};
    EXPECT_TRUE(closes(f));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(),
              QByteArray("\x8b\xde\x89\xea\x90\x56\x94\x4e\r\n\x87\x40\x96\x7b\x94\x4e\x82\xe0"));
    EXPECT_EQ(bodyPage(f)->bodyFileName(), path);
}

// Closing after "Yes" when nothing could be saved would lose the text.
TEST_F(MainWindowTest, YesWithTheSaveDialogCancelledKeepsTheWindowOpen) {
    app::MainWindow& f = make();
    typeIntoBody(f, QStringLiteral("x"));
    dialogs.answers = {Answer::Yes};
    EXPECT_FALSE(closes(f));
    EXPECT_EQ(dialogs.count("save"), 1);
    EXPECT_TRUE(bodyPage(f)->isModified());
}

TEST_F(MainWindowTest, ExitCommandClosesThroughTheCloseQuery) {
    app::MainWindow& f = make();
    f.show();
    QSignalSpy closed(&f, &app::MainWindow::formClosed);
    f.ActExitExecute();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(f.isVisible());
}

// The editor lives on, hidden, after its own window was closed; the program
// ending with the main window must still ask about its picture.
TEST_F(MainWindowTest, AnUnsavedEditorPictureIsAskedAboutLastAndCancelKeepsIt) {
    app::MainWindow& f = make();
    editor::PictureEditorWindow pictan(dialogs, printer, {});
    f.setCompanions(&pictan, nullptr);
    drawInEditor(pictan);
    f.addressBook().setModified(true);
    typeIntoBody(f, QStringLiteral("x"));
    dialogs.answers = {Answer::No, Answer::No, Answer::Cancel};
    EXPECT_FALSE(closes(f));
    const QStringList asked = dialogs.texts("question");
    ASSERT_EQ(asked.size(), 3);
    EXPECT_EQ(asked[2],
              QStringLiteral("『 新規画像 』　が保存されていません。\r\n\r\n　保存しますか？"));
    EXPECT_TRUE(pictan.editorModified());

    // いいえ gives the picture up: the editor's own close asks nothing more.
    dialogs.answers = {Answer::No, Answer::No, Answer::No};
    EXPECT_TRUE(closes(f));
    dialogs.calls.clear();
    EXPECT_TRUE(pictan.close());
    EXPECT_EQ(dialogs.count("question"), 0);
}

TEST_F(MainWindowTest, AnEditorPictureThatCouldNotBeSavedKeepsTheWindowOpen) {
    dialogs.expect("error");
    app::MainWindow& f = make();
    editor::PictureEditorWindow pictan(dialogs, printer, {});
    f.setCompanions(&pictan, nullptr);
    const QString folder = home.filePath(QStringLiteral("pics"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QImage white(8, 8, QImage::Format_RGB32);
    white.fill(Qt::white);
    ASSERT_TRUE(white.save(folder + QStringLiteral("/a.bmp")));
    pictan.loadPicture(folder + QStringLiteral("/a.bmp"));
    drawInEditor(pictan);
    ASSERT_TRUE(QDir(folder).removeRecursively());  // the save now fails
    dialogs.answers = {Answer::Yes};
    EXPECT_FALSE(closes(f));
    EXPECT_EQ(dialogs.count("error"), 1);
    EXPECT_TRUE(pictan.editorModified());
}
